#include "core/members/member_fields.h"
#include "core/members/member_list_ops.h"
#include "core/schedule/name_lists.h"
#include "scripted_ports.h"
#include "state/app_state.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Member {
    int ClubNo;
    std::string_view Voornaam;
    std::string_view AchterNaam;
    std::string_view Groep;
    std::string_view Status = "-";
};

AppState ClubOf(std::initializer_list<Member> members) {
    AppState state;
    state.Configuration.Config.CfgRec.Grpn[0] = "h";
    state.Configuration.Config.CfgRec.Grpn[1] = "d";
    state.Members.MemberList.assign(1, TLedenObj{});
    state.Members.MemberList[0].LidRecord.Voornaam = "header";
    for (const Member& m : members) {
        TLedenObj obj;
        obj.LidRecord.Indx = static_cast<uint16_t>(state.Members.MemberList.size());
        obj.LidRecord.ClubNo = static_cast<int16_t>(m.ClubNo);
        obj.LidRecord.Voornaam = m.Voornaam;
        obj.LidRecord.AchterNaam = m.AchterNaam;
        obj.LidRecord.Groep = m.Groep;
        obj.LidRecord.StatCode = m.Status;
        state.Members.MemberList.push_back(obj);
    }
    state.Members.MemberCount = static_cast<int16_t>(members.size());
    return state;
}

AppState ClubOfSize(int n) {
    AppState state = ClubOf({});
    for (int i = 1; i <= n; ++i) {
        TLedenObj obj;
        obj.LidRecord.ClubNo = static_cast<int16_t>(i);
        obj.LidRecord.Groep = i % 2 ? "h" : "d";
        state.Members.MemberList.push_back(obj);
    }
    state.Members.MemberCount = static_cast<int16_t>(n);
    return state;
}

std::vector<int> ClubNumbers(const AppState& state) {
    std::vector<int> numbers;
    for (std::size_t i = 1; i < state.Members.MemberList.size(); ++i)
        numbers.push_back(state.Members.MemberList[i].LidRecord.ClubNo);
    return numbers;
}

std::vector<std::string> Names(const AppState& state) {
    std::vector<std::string> names;
    for (std::size_t i = 1; i < state.Members.MemberList.size(); ++i) {
        const TLidRec& r = state.Members.MemberList[i].LidRecord;
        names.push_back(r.Groep.Str() + ":" + r.Voornaam.Str() + " " + r.AchterNaam.Str());
    }
    return names;
}

std::vector<GridRow> RowsOf(const AppState& state, GridView view) {
    std::vector<GridRow> rows{HeadingRow(view)};
    for (std::size_t i = 1; i < state.Members.MemberList.size(); ++i)
        rows.push_back(RecordToRow(state.Members.MemberList[i].LidRecord, view));
    return rows;
}

const TLidRec& Rec(const AppState& state, int i) {
    return state.Members.MemberList[i].LidRecord;
}

} // namespace

TEST(GridRows, HeadingsAndCellsFollowTheColumnTableOfEachView) {
    EXPECT_EQ(HeadingRow(GridView::Normal),
              (GridRow{"Ix", "ClubNr", "Voornaam", "Achternaam", "Grp", "Actie", "Opmerking"}));
    EXPECT_EQ(HeadingRow(GridView::Address), (GridRow{"Ix", "ClubNr", "Voornaam", "Achternaam",
                                                      "Straat", "Postcode", "Plaats", "Telefoon"}));
    AppState state = ClubOf({{-12, "Jan", "Smit", "h", "A"}});
    TLidRec& rec = state.Members.MemberList[1].LidRecord;
    rec.Opmerking = "pas";
    rec.Adres = "Dorpsstraat 1";
    rec.PostCode = "1234 AB";
    rec.Plaats = "Ede";
    rec.Telefoon = "0318-123";
    EXPECT_EQ(RecordToRow(rec, GridView::Normal),
              (GridRow{"1", "-12", "Jan", "Smit", "h", "A", "pas"}));
    EXPECT_EQ(RecordToRow(rec, GridView::Address),
              (GridRow{"1", "-12", "Jan", "Smit", "Dorpsstraat 1", "1234 AB", "Ede", "0318-123"}));
}

TEST(RowToRecord, StoresTrimmedUpperCaseStatusAndCutsTexts) {
    AppState state = ClubOf({{1, "", "", "h"}});
    ScriptedMessenger messages;
    GridRow row{"1", " 7 ", std::string(30, 'v'), "Smit", " d ", " x ", "nieuw"};
    RowToRecord({messages, state.Common.ErrorCode}, state.Configuration, state.Members, 1, row,
                GridView::Normal);
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_EQ(Rec(state, 1).ClubNo, 7);
    EXPECT_EQ(Rec(state, 1).Voornaam.View(), std::string(24, 'v'));
    EXPECT_EQ(Rec(state, 1).Groep.View(), "d");
    EXPECT_EQ(Rec(state, 1).StatCode.View(), "X");
    EXPECT_EQ(Rec(state, 1).Opmerking.View(), "nieuw");
    EXPECT_EQ(row[4], "d");
    EXPECT_EQ(row[5], "X");
}

TEST(RowToRecord, ReplacesBadCellsAndReportsEachInOrder) {
    AppState state = ClubOf({{1, "", "", "h"}, {2, "", "", "h"}, {3, "", "", "h"}});
    ScriptedMessenger messages;
    GridRow row{"3", "  ", "Piet", "Jong", "x", "J", ""};
    RowToRecord({messages, state.Common.ErrorCode}, state.Configuration, state.Members, 3, row,
                GridView::Normal);
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{
                  "3 is geen geldig getal\n\r corrigeer (zonodig) Configuratie",
                  "Groep  heeft verkeerd formaat\n\r corrigeer (zonodig) Configuratie",
                  "ActieStatus  is geen geldig karakter\n\r corrigeer (zonodig) Configuratie"}));
    EXPECT_EQ(messages.Last().Kind, KindFout);
    EXPECT_EQ(state.Common.ErrorCode, 5); // the first report decides
    EXPECT_EQ(Rec(state, 3).ClubNo, 3);
    EXPECT_EQ(Rec(state, 3).Groep.View(), " ");
    EXPECT_EQ(Rec(state, 3).StatCode.View(), "X");
    EXPECT_EQ(row[1], "3");
    EXPECT_EQ(row[4], " ");
    EXPECT_EQ(row[5], "X");
}

TEST(RowToRecord, EmptyGroupIsAcceptedOnlyWithStatusDash) {
    AppState state = ClubOf({{1, "", "", "h"}});
    ScriptedMessenger messages;
    GridRow row{"1", "1", "", "", "", "-", ""};
    RowToRecord({messages, state.Common.ErrorCode}, state.Configuration, state.Members, 1, row,
                GridView::Normal);
    EXPECT_TRUE(messages.Shown.empty());
    row[5] = "1";
    RowToRecord({messages, state.Common.ErrorCode}, state.Configuration, state.Members, 1, row,
                GridView::Normal);
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{
                  "Groep  heeft verkeerd formaat\n\r corrigeer (zonodig) Configuratie"}));
}

TEST(RowToRecord, OneLetterTypedOverALongerStatusLeavesNoOldByteBehind) {
    AppState state = ClubOf({{1, "", "", "h", "C2"}});
    ScriptedMessenger messages;
    GridRow row{"1", "1", "", "", "h", "a", ""};
    RowToRecord({messages, state.Common.ErrorCode}, state.Configuration, state.Members, 1, row,
                GridView::Normal);
    EXPECT_EQ(std::string(Rec(state, 1).StatCode.Chars, 3), "A  ");
}

TEST(RowToRecord, AddressViewLeavesGroupStatusAndRemarkAlone) {
    AppState state = ClubOf({{1, "Jan", "Smit", "h", "A2"}});
    state.Members.MemberList[1].LidRecord.Opmerking = "blijft";
    ScriptedMessenger messages;
    GridRow row{"1", "1", "Jan", "Smit", "Laan 2", "1234 ABCDE", "Ede", "0318"};
    RowToRecord({messages, state.Common.ErrorCode}, state.Configuration, state.Members, 1, row,
                GridView::Address);
    EXPECT_EQ(Rec(state, 1).Adres.View(), "Laan 2");
    EXPECT_EQ(Rec(state, 1).PostCode.View(), "1234 ABC");
    EXPECT_EQ(Rec(state, 1).Groep.View(), "h");
    EXPECT_EQ(Rec(state, 1).StatCode.View(), "A2");
    EXPECT_EQ(Rec(state, 1).Opmerking.View(), "blijft");
}

TEST(RowToRecord, ANumberCellThatIsNoWholeNumberStopsTheCommit) {
    AppState state = ClubOf({{1, "Jan", "", "h"}});
    ScriptedMessenger messages;
    GridRow row{"1", "12a", "Klaas", "", "h", "A", ""};
    EXPECT_THROW(RowToRecord({messages, state.Common.ErrorCode}, state.Configuration, state.Members,
                             1, row, GridView::Normal),
                 CellConversionError);
    EXPECT_EQ(Rec(state, 1).ClubNo, 1);
    EXPECT_EQ(Rec(state, 1).Voornaam.View(), "Jan");
    row[1] = "40000";
    EXPECT_THROW(RowToRecord({messages, state.Common.ErrorCode}, state.Configuration, state.Members,
                             1, row, GridView::Normal),
                 CellConversionError);
}

TEST(GridToList, CapsStatusesWithTwoBeepsAndNamesTheLastCappedClubNumber) {
    AppState state = ClubOf({{11, "", "", "h"}, {17, "", "", "d"}, {20, "", "", "d"}});
    ScriptedMessenger messages;
    CountingBeeper bell;
    std::vector<GridRow> rows = RowsOf(state, GridView::Normal);
    rows[1][5] = "a5x";
    rows[2][5] = "b9";
    rows[3][5] = "c3c";
    state.Common.ErrorCode = 9;
    GridToList({messages, state.Common.ErrorCode}, state.Configuration, state.Members, bell, rows,
               GridView::Normal);
    EXPECT_EQ(Rec(state, 1).StatCode.View(), "A2X");
    EXPECT_EQ(Rec(state, 2).StatCode.View(), "B9");
    EXPECT_EQ(Rec(state, 3).StatCode.View(), "C2C");
    EXPECT_EQ(bell.Beeps, 4);
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{
                  "ActieStatus: 20 heeft verkeerd formaat\n\r corrigeer (zonodig) Configuratie"}));
    EXPECT_EQ(state.Common.ErrorCode, 2);
    EXPECT_EQ(rows[1][5], "A2X");
}

TEST(GridToList, StatusShortenedToOneLetterGetsBlankSpareBytes) {
    AppState state = ClubOf({{1, "", "", "h", "C2"}});
    ScriptedMessenger messages;
    CountingBeeper bell;
    std::vector<GridRow> rows = RowsOf(state, GridView::Normal);
    rows[1][5] = "b";
    GridToList({messages, state.Common.ErrorCode}, state.Configuration, state.Members, bell, rows,
               GridView::Normal);
    const auto& status = Rec(state, 1).StatCode;
    EXPECT_EQ(status.Length, 1);
    EXPECT_EQ(std::string(status.Chars, 3), "B  ");
    EXPECT_EQ(state.Common.ErrorCode, 0);
}

TEST(GridToList, StopsAtTheFirstBadNumberWithEarlierRowsCommitted) {
    AppState state = ClubOf({{1, "", "", "h"}, {2, "", "", "h"}, {3, "", "", "h"}});
    ScriptedMessenger messages;
    CountingBeeper bell;
    std::vector<GridRow> rows = RowsOf(state, GridView::Normal);
    rows[1][2] = "Een";
    rows[2][1] = "twee";
    rows[3][2] = "Drie";
    EXPECT_THROW(GridToList({messages, state.Common.ErrorCode}, state.Configuration, state.Members,
                            bell, rows, GridView::Normal),
                 CellConversionError);
    EXPECT_EQ(Rec(state, 1).Voornaam.View(), "Een");
    EXPECT_EQ(Rec(state, 3).Voornaam.View(), "");
}

TEST(CountActive, CountsStatusesAboveZeroPerGroupMark) {
    AppState state = ClubOf({{1, "", "", "h", "X"},
                             {2, "", "", " H ", "1"},
                             {3, "", "", "h", "0"},
                             {4, "", "", "h", "0A"},
                             {5, "", "", "h", "-"},
                             {6, "", "", "h", ""},
                             {7, "", "", "d", "A"},
                             {8, "", "", "x", "A"}});
    ActiveCounts counts = CountActive(state.Configuration, state.Members);
    EXPECT_EQ(counts.Group1, 3);
    EXPECT_EQ(counts.Group2, 1);
}

TEST(CounterCaptions, NamesMenAndLadiesOrTheGroupMark) {
    TCfgRec cfg{};
    cfg.Grpn[0] = "h";
    cfg.Grpn[1] = "D";
    CounterCaptions captions = MakeCounterCaptions(cfg);
    EXPECT_EQ(captions.Group1, " Heren ");
    EXPECT_EQ(captions.Group2, " Dames ");
    cfg.Grpn[0] = "jun";
    cfg.Grpn[1] = "S";
    captions = MakeCounterCaptions(cfg);
    EXPECT_EQ(captions.Group1, " Groep jun");
    EXPECT_EQ(captions.Group2, " Groep S");
    AppState state;
    state.Configuration.Config.CfgRec = cfg;
    SetCounterCaptions(state.Configuration, state.Store());
    EXPECT_EQ(state.Store().GroupLabel[0].View(), " Groep jun");
    EXPECT_EQ(state.Store().GroupLabel[1].View(), " Groep S");
}

TEST(CheckMemberLimit, RefusesTheFourHundredFirstMember) {
    ScriptedMessenger messages;
    CountingBeeper bell;
    AppState state = ClubOfSize(399);
    EXPECT_FALSE(CheckMemberLimit({messages, state.Common.ErrorCode}, state.Members, bell));
    EXPECT_TRUE(messages.Shown.empty());
    state = ClubOfSize(400);
    state.Common.ErrorCode = 3;
    EXPECT_TRUE(CheckMemberLimit({messages, state.Common.ErrorCode}, state.Members, bell));
    EXPECT_EQ(
        messages.Texts(),
        (std::vector<std::string>{
            "Aantal leden groter dan 400 niet toegestaan\n\r corrigeer (zonodig) Configuratie"}));
    EXPECT_EQ(messages.Last().Kind, KindFout);
    EXPECT_EQ(bell.Beeps, 1);
    EXPECT_EQ(state.Common.ErrorCode, 0);
}

TEST(InsertBlankMember, GoesBeforeTheCurrentMemberOrAfterTheLast) {
    AppState state = ClubOf({{1, "A", "", "d"}, {2, "B", "", "d"}, {3, "C", "", "d"}});
    InsertBlankMember(state.Configuration, state.Members, 2);
    EXPECT_EQ(state.Members.MemberCount, 4);
    EXPECT_EQ(ClubNumbers(state), (std::vector<int>{1, 4, 2, 3}));
    const TLidRec& blank = Rec(state, 2);
    EXPECT_EQ(blank.Indx, 3);
    EXPECT_EQ(blank.Groep.View(), "h");
    EXPECT_EQ(blank.StatCode.View(), "X");
    EXPECT_TRUE(blank.Voornaam.Empty());
    EXPECT_TRUE(blank.EMail.Empty());
    InsertBlankMember(state.Configuration, state.Members, 4);
    EXPECT_EQ(ClubNumbers(state), (std::vector<int>{1, 4, 2, 3, 5}));
    EXPECT_EQ(Rec(state, 0).Voornaam.View(), "header");
}

TEST(InsertBlankMember, AnEmptyListGetsItsFirstMember) {
    AppState state = ClubOf({});
    InsertBlankMember(state.Configuration, state.Members, 0);
    EXPECT_EQ(state.Members.MemberCount, 1);
    EXPECT_EQ(state.Members.MemberList.size(), 2u);
    EXPECT_EQ(Rec(state, 1).ClubNo, 1);
    EXPECT_EQ(Rec(state, 0).Voornaam.View(), "header");
}

TEST(DeleteAndMove, WorkOnWholeRecordsAndKeepTheHeader) {
    AppState state = ClubOf({{1, "A", "", "d"}, {2, "B", "", "d"}, {3, "C", "", "d"}});
    state.Members.MemberList[1].LidRecord.EMail = "a@club.nl";
    EXPECT_TRUE(MoveMember(state.Members, 1, 3));
    EXPECT_EQ(ClubNumbers(state), (std::vector<int>{2, 3, 1}));
    EXPECT_EQ(Rec(state, 3).EMail.View(), "a@club.nl");
    EXPECT_EQ(Rec(state, 3).Indx, 1); // the move does not renumber
    EXPECT_TRUE(MoveMember(state.Members, 3, 1));
    EXPECT_EQ(ClubNumbers(state), (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(MoveMember(state.Members, 0, 2));
    EXPECT_FALSE(MoveMember(state.Members, 1, 4));
    EXPECT_TRUE(DeleteMemberAt(state.Members, 2));
    EXPECT_EQ(ClubNumbers(state), (std::vector<int>{1, 3}));
    EXPECT_EQ(state.Members.MemberCount, 2);
    EXPECT_FALSE(DeleteMemberAt(state.Members, 3));
    EXPECT_FALSE(DeleteMemberAt(state.Members, 0));
    Renumber(state.Members);
    EXPECT_EQ(Rec(state, 2).Indx, 2);
    EXPECT_EQ(Rec(state, 0).Voornaam.View(), "header");
}

TEST(SortMembers, FirstNamePutsLadiesFirstAndNamelessLastInTheirGroup) {
    AppState state = ClubOf({{1, "Bert", "Ax", "h"},
                             {2, "", "Zon", "d"},
                             {3, "Anna", "Bos", "D"},
                             {4, "", "", "h"},
                             {5, "Anna", "Aal", "d"},
                             {6, "zzz", "", "h"}});
    SortMembers(state.Members, 2);
    EXPECT_EQ(Names(state), (std::vector<std::string>{"d:Anna Aal", "D:Anna Bos", "d: Zon",
                                                      "h:Bert Ax", "h:zzz ", "h: "}));
    EXPECT_EQ(Rec(state, 0).Voornaam.View(), "header");
}

TEST(SortMembers, SurnameUsesTheFirstGroupByteAndThenTheFirstName) {
    AppState state = ClubOf({{1, "Piet", "de Vries", "h"},
                             {2, "Jan", "", "d"},
                             {3, "Kees", "Bakker", "d"},
                             {4, "Anna", "Bakker", "dx"},
                             {5, "Els", "bakker", "h"}});
    SortMembers(state.Members, 3);
    // Byte order: upper-case letters before lower-case ones.
    EXPECT_EQ(Names(state), (std::vector<std::string>{"dx:Anna Bakker", "d:Kees Bakker", "d:Jan ",
                                                      "h:Els bakker", "h:Piet de Vries"}));
}

TEST(SortMembers, ClubNumberAndGroupAsStored) {
    AppState state =
        ClubOf({{5, "", "", "h"}, {-2, "", "", "d"}, {5, "", "", "H"}, {1, "", "", "D"}});
    SortMembers(state.Members, 1);
    EXPECT_EQ(ClubNumbers(state), (std::vector<int>{-2, 1, 5, 5}));
    SortMembers(state.Members, 4);
    std::vector<std::string> groups;
    for (int i = 1; i <= 4; ++i) groups.push_back(Rec(state, i).Groep.Str());
    EXPECT_EQ(groups, (std::vector<std::string>{"D", "H", "d", "h"}));
    AppState one = ClubOf({{1, "", "", "h"}});
    SortMembers(one.Members, 2);
    EXPECT_EQ(ClubNumbers(one), (std::vector<int>{1}));
}

TEST(ShuffleMembers, KeepsEveryMemberAndTheGroupsTogether) {
    AppState state = ClubOfSize(40);
    ShuffleMembers(state.Members, 77);
    std::vector<int> numbers = ClubNumbers(state);
    std::vector<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> expected(40);
    for (int i = 0; i < 40; ++i) expected[i] = i + 1;
    EXPECT_EQ(sorted, expected);
    for (int i = 1; i <= 20; ++i) EXPECT_EQ(Rec(state, i).Groep.View(), "d") << i;
    for (int i = 21; i <= 40; ++i) EXPECT_EQ(Rec(state, i).Groep.View(), "h") << i;
    EXPECT_NE(numbers, (ClubNumbers([] {
                  AppState s = ClubOfSize(40);
                  SortMembers(s.Members, 4);
                  return s;
              }())));
    // The same seed gives the same order.
    AppState again = ClubOfSize(40);
    ShuffleMembers(again.Members, 77);
    EXPECT_EQ(ClubNumbers(again), numbers);
    EXPECT_EQ(Rec(state, 0).Voornaam.View(), "header");
}

TEST(ShuffleMembers, EndsForListsOfFewerThanThreeMembers) {
    AppState none = ClubOf({});
    ShuffleMembers(none.Members, 1);
    EXPECT_EQ(none.Members.MemberList.size(), 1u);
    AppState one = ClubOfSize(1);
    ShuffleMembers(one.Members, 1);
    EXPECT_EQ(ClubNumbers(one), (std::vector<int>{1}));
    bool seenSwapped = false;
    bool seenKept = false;
    for (uint32_t seed = 0; seed < 20; ++seed) {
        AppState two = ClubOf({{1, "", "", "h"}, {2, "", "", "h"}});
        ShuffleMembers(two.Members, seed);
        std::vector<int> numbers = ClubNumbers(two);
        seenSwapped |= numbers == std::vector<int>{2, 1};
        seenKept |= numbers == std::vector<int>{1, 2};
    }
    EXPECT_TRUE(seenSwapped);
    EXPECT_TRUE(seenKept);
}

TEST(FindRow, FirstRowFromTheTopIgnoringTheCaseOfAsciiLetters) {
    AppState state = ClubOf({{1, "Piet", "Jansen", "h"},
                             {2, "jAap", "Smit", "h"},
                             {3, "Janneke", "Bos", "d"},
                             {4, "JA", "Ax", "d"}});
    std::vector<GridRow> rows = RowsOf(state, GridView::Normal);
    EXPECT_EQ(FindRow(rows, "ja", 2), 2);
    EXPECT_EQ(FindRow(rows, "JAN", 2), 3);
    EXPECT_EQ(FindRow(rows, "ja", 3), 1);
    EXPECT_EQ(FindRow(rows, "jannekes", 2), 0);
    EXPECT_EQ(FindRow(rows, "x", 2), 0);
}

TEST(CheckDuplicate, RefusesAUsedClubNumberOrFullName) {
    AppState state = ClubOf({{1, "Jan", "Smit", "h"}, {2, "", "", "h"}, {9, "Els", "Bos", "d"}});
    ScriptedMessenger messages;
    EXPECT_FALSE(CheckDuplicate(state.Members, messages, 0, 9, "Nieuw", "Lid"));
    EXPECT_EQ(messages.Last().Text, "ClubNummer: 9 bestaat al!");
    EXPECT_EQ(messages.Last().Kind, KindWaarschuwing);
    EXPECT_FALSE(CheckDuplicate(state.Members, messages, 0, 10, "Jan", "Smit"));
    EXPECT_EQ(messages.Last().Text, "Voor-AchterNaam :Jan Smit is al gebruikt");
    EXPECT_TRUE(CheckDuplicate(state.Members, messages, 0, 11, "jan", "Smit"));
    messages.Clear();
    // A member without names is never refused, not even with a used club number.
    EXPECT_TRUE(CheckDuplicate(state.Members, messages, 0, 1, "", ""));
    // An edited member is not compared with itself.
    EXPECT_TRUE(CheckDuplicate(state.Members, messages, 3, 9, "Els", "Bos"));
    EXPECT_TRUE(messages.Shown.empty());
}

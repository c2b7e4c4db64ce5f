#include "core/config/config_file.h"
#include "core/members/member_file.h"
#include "file_test_support.h"
#include "scripted_ports.h"

#include <gtest/gtest.h>

namespace {

struct SaveFixture : ::testing::Test {
    // "&Nieuw" confirmed in the configuration dialog.
    void StartNewList() {
        Host.DialogAnswers.push_back(true);
        NewLedenInput(State.Configuration, State.Members, Messages, Host, View);
    }
    bool Save(SaveCommand command) {
        return RunSaveCommand(State.Common, State.Configuration, State.Members, Messages, Chooser,
                              View, command);
    }
    void SetMember(int i, int16_t clubNo, std::string_view voornaam, std::string_view achterNaam) {
        TLidRec& m = State.Members.MemberList[i].LidRecord;
        m.ClubNo = clubNo;
        m.Voornaam.Assign(voornaam);
        m.AchterNaam.Assign(achterNaam);
    }
    AppState State;
    ScriptedMessenger Messages;
    ScriptedChooser Chooser;
    FakeConfigHost Host{State, Messages};
    RecordingFileView View;
    ScratchFolder Folder;
    std::string File = Folder.Path("club.tvs");
};

// The bytes of the new list as written, built from the layout: header then 24 placeholders.
std::string NewListBytes() {
    std::string bytes = RecordBytes(232).Str(4, "N_N").Str(199, "24").Bytes;
    for (int i = 1; i <= 24; ++i)
        bytes += MemberBytes(static_cast<uint16_t>(i), static_cast<int16_t>(i), "", "",
                             i <= 12 ? "h" : "d", "-");
    return bytes;
}

} // namespace

TEST_F(SaveFixture, NewListOfPlaceholdersIsWrittenAsTwentyFiveRecords) {
    StartNewList();
    EXPECT_EQ(View.StatusNames, std::vector<std::string>{"N_N"});
    EXPECT_EQ(View.NieuwEnabled, std::vector<bool>{false});
    EXPECT_EQ(View.GridOpened, 1);
    EXPECT_TRUE(State.Members.MemberDataPresent);
    Chooser.SaveAnswers.push_back(File);
    EXPECT_TRUE(Save(SaveCommand::Bewaren));
    std::string bytes = ReadBytes(File);
    EXPECT_EQ(bytes.size(), 5800u);
    EXPECT_EQ(bytes, NewListBytes());
    EXPECT_EQ(ReadBytes(Folder.Path("club.cfg")).size(), 268u);
    EXPECT_EQ(State.Members.MemberFileName, File); // the folder stays with the name
    EXPECT_EQ(View.StatusNames.back(), "club.tvs");
    EXPECT_EQ(View.NieuwEnabled.back(), true);
    ASSERT_EQ(Chooser.Requests.size(), 1u);
    EXPECT_EQ(Chooser.Requests[0].InitialName, "*.tvs");
    EXPECT_EQ(Chooser.Requests[0].Filter, "Tolvex bestand (*.tvs)");
    EXPECT_EQ(Chooser.Requests[0].DefaultExtension, "tvs");
    EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(SaveFixture, CancelledConfigurationDialogKeepsTheOldList) {
    Host.DialogAnswers.push_back(false);
    State.Members.MemberCount = 0;
    NewLedenInput(State.Configuration, State.Members, Messages, Host, View);
    EXPECT_EQ(State.Members.MemberList.size(), 1u);
    EXPECT_EQ(View.GridOpened, 0);
    EXPECT_FALSE(State.Members.MemberDataPresent);
}

TEST_F(SaveFixture, LoadThenSaveReproducesTheFileByteForByte) {
    std::string original = HeaderBytes(0, "3") + MemberBytes(1, 11, "Anna", "de Vries", "d", "X") +
                           MemberBytes(2, 12, "Bram", "Bakker", "h", "-") +
                           MemberBytes(3, 13, "Cor", "Visser", "h", "2");
    original[4 + 1 + 10] = 'r'; // a byte behind a short string's length
    WriteBytes(File, original);
    WriteBytes(Folder.Path("club.cfg"), ConfigBytes(3));
    ASSERT_TRUE(OpenNamedMemberFile(State.Common, State.Configuration, State.Members, Messages,
                                    Host, View, File)
                    .Loaded);
    EXPECT_TRUE(Save(SaveCommand::Bewaren));
    EXPECT_EQ(ReadBytes(File), original);
    EXPECT_EQ(ReadBytes(Folder.Path("club.~tv")), original);
    EXPECT_EQ(ReadBytes(Folder.Path("club.cfg")), ConfigBytes(3));
}

TEST_F(SaveFixture, HeaderIsWrittenWithClubNumberZeroAndTheCountAsRemark) {
    WriteBytes(File, HeaderBytes(2, "oud") + MemberBytes(1, 11, "A", "B", "h", "X") +
                         MemberBytes(2, 12, "C", "D", "d", "X"));
    WriteBytes(Folder.Path("club.cfg"), ConfigBytes(3));
    OpenNamedMemberFile(State.Common, State.Configuration, State.Members, Messages, Host, View,
                        File);
    Save(SaveCommand::Bewaren);
    std::string header = ReadBytes(File).substr(0, 232);
    // The bytes behind the remark's new length stay as the header held them.
    EXPECT_EQ(header, RecordBytes(232).Str(199, "2ud").Str(199, "2").Bytes);
}

TEST_F(SaveFixture, FirstSaveOfARunKeepsTheOldFileAsBackupAndTheSecondDoesNot) {
    StartNewList();
    std::string old = HeaderBytes(0, "1") + MemberBytes(1, 1, "Oud", "Bestand", "h", "-");
    WriteBytes(File, old);
    WriteBytes(Folder.Path("club.~tv"), "older backup");
    Chooser.SaveAnswers.push_back(File);
    Messages.Answer(ResultYes); // overwrite?
    EXPECT_TRUE(Save(SaveCommand::Bewaren));
    EXPECT_EQ(Messages.Texts(),
              std::vector<std::string>{"Bestand bestaat al\rbestand:" + File + " overschrijven?"});
    EXPECT_EQ(Messages.Last().Kind, KindBevestig);
    EXPECT_EQ(Messages.Last().Buttons, ButtonsJaNee);
    EXPECT_EQ(ReadBytes(Folder.Path("club.~tv")), old);
    EXPECT_FALSE(State.Members.BackupPending);
    SetMember(1, 40, "Nieuw", "Lid");
    EXPECT_TRUE(Save(SaveCommand::Bewaren));
    EXPECT_EQ(ReadBytes(Folder.Path("club.~tv")), old);
    EXPECT_EQ(ReadBytes(File).substr(232 + 4, 6), std::string("\5Nieuw"));
}

TEST_F(SaveFixture, SaveAsOverAnExistingFileAsksTwiceAndAlwaysBacksUp) {
    StartNewList();
    Chooser.SaveAnswers.push_back(File);
    Save(SaveCommand::Bewaren); // the first save of the run: no file there yet
    std::string first = ReadBytes(File);
    SetMember(1, 50, "Els", "Smit");
    Chooser.SaveAnswers.push_back(File);
    Messages.Clear();
    Messages.Answer(ResultYes);
    Messages.Answer(ResultYes);
    EXPECT_TRUE(Save(SaveCommand::BewarenAls));
    EXPECT_EQ(Messages.Texts(),
              (std::vector<std::string>{"Bestand bestaat al\rbestand:" + File + " overschrijven?",
                                        " Tolvex Programma\r Bewaren van " + File,
                                        "Wegschrijven van " + File + " gelukt"}));
    EXPECT_EQ(Messages.Last().Kind, KindInformatie);
    EXPECT_EQ(ReadBytes(Folder.Path("club.~tv")), first);
}

TEST_F(SaveFixture, RefusingToOverwriteKeepsTheOldNameAndWritesNothing) {
    StartNewList();
    WriteBytes(File, "someone else's file");
    Chooser.SaveAnswers.push_back(File);
    Messages.Answer(ResultNo);
    EXPECT_FALSE(Save(SaveCommand::Bewaren));
    EXPECT_EQ(State.Members.MemberFileName, "N_N");
    EXPECT_EQ(ReadBytes(File), "someone else's file");
    // The next save asks again instead of writing to the refused file.
    Chooser.SaveAnswers.push_back(std::nullopt);
    EXPECT_FALSE(Save(SaveCommand::Bewaren));
    EXPECT_EQ(ReadBytes(File), "someone else's file");
    EXPECT_FALSE(Exists(Folder.Path("club.cfg")));
}

TEST_F(SaveFixture, CancelledSaveDialogWritesNothingAndKeepsTheName) {
    StartNewList();
    Chooser.SaveAnswers.push_back(std::nullopt);
    EXPECT_FALSE(Save(SaveCommand::Red));
    EXPECT_EQ(State.Members.MemberFileName, "N_N");
    EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(SaveFixture, ANameWithoutExtensionGetsTvs) {
    StartNewList();
    Chooser.SaveAnswers.push_back(Folder.Path("zomer"));
    EXPECT_TRUE(Save(SaveCommand::Bewaren));
    EXPECT_EQ(State.Members.MemberFileName, Folder.Path("zomer.tvs"));
    EXPECT_TRUE(Exists(Folder.Path("zomer.cfg")));
}

TEST_F(SaveFixture, DuplicateClubNumbersBlockTheSaveWithTheirPairs) {
    StartNewList();
    SetMember(1, 5, "Anna", "Jansen");
    SetMember(2, 5, "Bert", "Smit");
    SetMember(3, 5, "Carla", "Bos");
    Chooser.SaveAnswers.push_back(File);
    EXPECT_FALSE(Save(SaveCommand::Red));
    EXPECT_EQ(Messages.Texts(),
              (std::vector<std::string>{
                  "Lidnummer in duplo  :\r    5   Anna  Jansen \r    5   Bert   Smit",
                  "Lidnummer in duplo  :\r    5   Bert  Smit \r    5   Carla   Bos",
                  "Wegschrijven van " + File + " niet gelukt"}));
    EXPECT_EQ(Messages.Shown[0].Kind, KindFout);
    EXPECT_FALSE(Exists(File));
    EXPECT_EQ(View.NieuwEnabled.back(), true);
}

TEST(CheckUniqueClubNumbers, AfterTheFirstDuplicateOnlyNeighboursAreCompared) {
    AppState state;
    ScriptedMessenger messages;
    state.Members.MemberCount = 4;
    state.Members.MemberList.resize(5);
    const int16_t numbers[] = {7, 7, 8, 7};
    for (int i = 1; i <= 4; ++i) state.Members.MemberList[i].LidRecord.ClubNo = numbers[i - 1];
    EXPECT_FALSE(CheckUniqueClubNumbers(state.Members, messages));
    // (1,2) is found; then 2 is compared with 3 only and 3 with 4: (2,4) is never compared.
    ASSERT_EQ(messages.Shown.size(), 1u);
    state.Members.MemberList[2].LidRecord.ClubNo = 9;
    messages.Clear();
    EXPECT_FALSE(CheckUniqueClubNumbers(state.Members, messages));
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"Lidnummer in duplo  :\r    7      \r    7      "});
    state.Members.MemberList[4].LidRecord.ClubNo = 100;
    messages.Clear();
    EXPECT_TRUE(CheckUniqueClubNumbers(state.Members, messages));
    EXPECT_TRUE(messages.Shown.empty());
}

TEST_F(SaveFixture, SaveAsBlockedByDuplicatesLeavesTheExistingFileInPlace) {
    StartNewList();
    Chooser.SaveAnswers.push_back(File);
    Save(SaveCommand::Bewaren);
    std::string saved = ReadBytes(File);
    SetMember(2, 1, "Dubbel", "Nummer");
    Chooser.SaveAnswers.push_back(File);
    Messages.Answer(ResultYes);
    Messages.Answer(ResultYes);
    EXPECT_FALSE(Save(SaveCommand::BewarenAls));
    EXPECT_EQ(ReadBytes(File), saved);
    EXPECT_FALSE(Exists(Folder.Path("club.~tv")));
}

TEST_F(SaveFixture, ConfirmationRefusedWritesNothing) {
    StartNewList();
    Chooser.SaveAnswers.push_back(File);
    Save(SaveCommand::Bewaren);
    std::string saved = ReadBytes(File);
    SetMember(1, 77, "X", "Y");
    Chooser.SaveAnswers.push_back(File);
    Messages.Answer(ResultYes);
    Messages.Answer(ResultNo);
    EXPECT_FALSE(Save(SaveCommand::BewarenAls));
    EXPECT_EQ(ReadBytes(File), saved);
}

TEST_F(SaveFixture, AListShorterThanItsCountIsNotWritten) {
    StartNewList();
    Chooser.SaveAnswers.push_back(File);
    State.Members.MemberCount = 30;
    EXPECT_FALSE(Save(SaveCommand::Bewaren));
    EXPECT_EQ(Messages.Texts(),
              std::vector<std::string>{
                  File + " Wegschrijven NIET gelukt\n\r probeer opnieuw of controleer file"});
    EXPECT_FALSE(Exists(File));
    EXPECT_EQ(State.Common.ErrorCode, 1);
}

#include "core/members/member_list_ops.h"

#include "core/common/error_report.h"
#include "core/members/member_fields.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <random>

namespace {

std::vector<TLedenObj>::iterator Item(MemberState& members, int position) {
    return members.MemberList.begin() + position;
}

std::string Cut(std::string text, std::size_t capacity) {
    if (text.size() > capacity) text.resize(capacity);
    return text;
}

// Short strings compare byte by byte as unsigned values; a prefix is the smaller.
bool ByteLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

long CellNumber(const std::string& cell, long lowest, long highest) {
    auto value = ParseWholeNumber(cell, lowest, highest);
    if (!value) throw CellConversionError(cell);
    return *value;
}

struct SortKey {
    std::string First;
    std::string Second;
};

SortKey NameKey(const TLidRec& rec, int key) {
    SortKey result;
    if (key == 2) {
        result.First = UpperAscii(rec.Groep.View()) + rec.Voornaam.Str();
        if (rec.Voornaam.Empty()) result.First += "zzzz";
        result.Second = Cut(rec.AchterNaam.Str(), 24);
    } else {
        // The first byte of the group field, whatever the group's length.
        result.First = UpperAscii(std::string(1, rec.Groep.Chars[0])) + rec.AchterNaam.Str();
        if (rec.AchterNaam.Empty()) result.First += "zzzz";
        result.Second = Cut(rec.Voornaam.Str(), 24);
    }
    result.First = Cut(result.First, 24);
    return result;
}

} // namespace

int GridColumnCount(GridView view) {
    return view == GridView::Address ? 8 : 7;
}

GridRow HeadingRow(GridView view) {
    std::string_view comma = view == GridView::Address
                                 ? "Ix,ClubNr,Voornaam,Achternaam,Straat,Postcode,Plaats,Telefoon"
                                 : "Ix,ClubNr,Voornaam,Achternaam,Grp,Actie,Opmerking";
    GridRow row;
    std::size_t start = 0;
    while (true) {
        std::size_t commaAt = comma.find(',', start);
        row.emplace_back(comma.substr(start, commaAt - start));
        if (commaAt == std::string_view::npos) break;
        start = commaAt + 1;
    }
    return row;
}

GridRow RecordToRow(const TLidRec& rec, GridView view) {
    GridRow row{std::to_string(rec.Indx), std::to_string(rec.ClubNo), rec.Voornaam.Str(),
                rec.AchterNaam.Str()};
    if (view == GridView::Address) {
        row.insert(row.end(),
                   {rec.Adres.Str(), rec.PostCode.Str(), rec.Plaats.Str(), rec.Telefoon.Str()});
    } else {
        row.insert(row.end(), {rec.Groep.Str(), rec.StatCode.Str(), rec.Opmerking.Str()});
    }
    return row;
}

void RowToRecord(ErrorSink errors, const ConfigState& config, MemberState& members, int r,
                 GridRow& row, GridView view) {
    if (r < 1 || r >= static_cast<int>(members.MemberList.size())) return;
    row.resize(std::max<std::size_t>(row.size(), GridColumnCount(view)));
    TLidRec& rec = members.MemberList[r].LidRecord;

    rec.Indx = static_cast<uint16_t>(CellNumber(row[0], 0, std::numeric_limits<uint16_t>::max()));
    if (!CheckClubNr(row[1])) {
        ReportError(errors, std::to_string(r), 0, 5, 5);
        row[1] = std::to_string(r);
    }
    rec.ClubNo = static_cast<int16_t>(CellNumber(row[1], std::numeric_limits<int16_t>::min(),
                                                 std::numeric_limits<int16_t>::max()));
    rec.Voornaam = row[2];
    rec.AchterNaam = row[3];
    if (view == GridView::Address) {
        rec.Adres = row[4];
        rec.PostCode = row[5];
        rec.Plaats = row[6];
        rec.Telefoon = row[7];
        return;
    }
    rec.Groep = TrimBlanks(row[4]);
    StoreStatusCode(rec, UpperAscii(TrimBlanks(row[5])));
    if (!CheckNewGroep(rec.Groep.View(), rec.StatCode.View(), config.Config.CfgRec)) {
        rec.Groep = " ";
        ReportError(errors, "Groep ", 0, 2, 5);
    }
    row[4] = rec.Groep.Str();
    if (!CheckNewStat(rec.StatCode.View())) {
        StoreStatusCode(rec, "X");
        ReportError(errors, "ActieStatus ", 0, 0, 5);
    }
    row[5] = rec.StatCode.Str();
    rec.Opmerking = row[6];
}

bool NormaliseStatus(MemberState& members, Beeper& bell, int r) {
    if (r < 1 || r >= static_cast<int>(members.MemberList.size())) return false;
    bool capped = NormaliseStatusCode(members.MemberList[r].LidRecord);
    if (capped) {
        bell.Beep();
        bell.Beep();
    }
    return capped;
}

void GridToList(ErrorSink errors, const ConfigState& config, MemberState& members, Beeper& bell,
                std::vector<GridRow>& rows, GridView view) {
    errors.ErrorCode = 0;
    bool capped = false;
    int16_t cappedClubNo = 0;
    int last = std::min<int>(members.MemberCount, static_cast<int>(rows.size()) - 1);
    last = std::min<int>(last, static_cast<int>(members.MemberList.size()) - 1);
    for (int r = 1; r <= last; ++r) {
        RowToRecord(errors, config, members, r, rows[r], view);
        if (NormaliseStatus(members, bell, r)) {
            capped = true;
            cappedClubNo = members.MemberList[r].LidRecord.ClubNo;
        }
        // The cell shows what was stored, so the grid does not keep a status the file lacks.
        if (view == GridView::Normal) rows[r][5] = members.MemberList[r].LidRecord.StatCode.Str();
    }
    if (capped) ReportError(errors, "ActieStatus: " + std::to_string(cappedClubNo), 0, 2, 5);
}

void Renumber(MemberState& members) {
    int last = std::min<int>(members.MemberCount, static_cast<int>(members.MemberList.size()) - 1);
    for (int r = 1; r <= last; ++r) members.MemberList[r].LidRecord.Indx = static_cast<uint16_t>(r);
}

ActiveCounts CountActive(const ConfigState& config, const MemberState& members) {
    ActiveCounts counts;
    std::string mark1 = UpperAscii(config.Config.CfgRec.Grpn[0].View());
    std::string mark2 = UpperAscii(config.Config.CfgRec.Grpn[1].View());
    int last = std::min<int>(members.MemberCount, static_cast<int>(members.MemberList.size()) - 1);
    for (int r = 1; r <= last; ++r) {
        const TLidRec& rec = members.MemberList[r].LidRecord;
        // Wider than the active test of the schedule: "0" followed by more characters counts.
        if (!ByteLess("0", rec.StatCode.View())) continue;
        std::string group = UpperAscii(TrimBlanks(rec.Groep.View()));
        if (group == mark1) ++counts.Group1;
        if (group == mark2) ++counts.Group2;
    }
    return counts;
}

CounterCaptions MakeCounterCaptions(const TCfgRec& cfg) {
    auto label = [](std::string_view mark, std::string_view letter, std::string_view name) {
        if (UpperAscii(TrimBlanks(mark)) == letter) return std::string(name);
        return Cut(" Groep " + std::string(mark), 10);
    };
    return {label(cfg.Grpn[0].View(), "H", " Heren "), label(cfg.Grpn[1].View(), "D", " Dames ")};
}

bool CheckMemberLimit(ErrorSink errors, const MemberState& members, Beeper& bell) {
    errors.ErrorCode = 0;
    if (members.MemberCount < MemberLimit) return false;
    ReportError(errors, "Aantal leden groter dan " + std::to_string(MemberLimit), 0, 10, 5);
    bell.Beep();
    errors.ErrorCode = 0;
    return true;
}

void AddMemberAt(MemberState& members, int curr, const TLidRec& rec) {
    TLedenObj member;
    member.LidRecord = rec;
    int n = static_cast<int>(members.MemberList.size()) - 1;
    if (curr >= n) {
        members.MemberList.push_back(member);
    } else {
        // Never before the header record.
        members.MemberList.insert(Item(members, std::max(curr, 1)), member);
    }
    members.MemberCount = static_cast<int16_t>(members.MemberList.size() - 1);
}

void InsertBlankMember(const ConfigState& config, MemberState& members, int row) {
    TLidRec rec{};
    rec.Indx = static_cast<uint16_t>(row + 1);
    rec.ClubNo = static_cast<int16_t>(members.MemberCount + 1);
    rec.Groep = config.Config.CfgRec.Grpn[0].View();
    rec.StatCode = "X";
    AddMemberAt(members, row, rec);
}

bool DeleteMemberAt(MemberState& members, int row) {
    if (row < 1 || row >= static_cast<int>(members.MemberList.size())) return false;
    members.MemberList.erase(Item(members, row));
    members.MemberCount = static_cast<int16_t>(members.MemberList.size() - 1);
    return true;
}

bool MoveMember(MemberState& members, int from, int to) {
    int n = static_cast<int>(members.MemberList.size()) - 1;
    if (from < 1 || from > n || to < 1 || to > n) return false;
    if (from < to) {
        std::rotate(Item(members, from), Item(members, from + 1), Item(members, to + 1));
    } else if (from > to) {
        std::rotate(Item(members, to), Item(members, from), Item(members, from + 1));
    }
    return true;
}

void SortMembers(MemberState& members, int key) {
    auto first = members.MemberList.begin() + 1;
    auto last = members.MemberList.end();
    if (members.MemberList.size() < 3) return;
    auto byRecord = [&](auto less) {
        std::stable_sort(first, last, [&](const TLedenObj& a, const TLedenObj& b) {
            return less(a.LidRecord, b.LidRecord);
        });
    };
    if (key == 1) {
        byRecord([](const TLidRec& a, const TLidRec& b) { return a.ClubNo < b.ClubNo; });
    } else if (key == 4) {
        byRecord([](const TLidRec& a, const TLidRec& b) {
            return ByteLess(a.Groep.View(), b.Groep.View());
        });
    } else {
        int nameKey = key == 2 ? 2 : 3;
        // The keys are built once per member, not once per comparison.
        std::vector<std::size_t> order(members.MemberList.size() - 1);
        std::iota(order.begin(), order.end(), std::size_t{1});
        std::vector<SortKey> keys(members.MemberList.size());
        for (std::size_t i : order) keys[i] = NameKey(members.MemberList[i].LidRecord, nameKey);
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            if (keys[a].First != keys[b].First) return ByteLess(keys[a].First, keys[b].First);
            return ByteLess(keys[a].Second, keys[b].Second);
        });
        std::vector<TLedenObj> sorted;
        sorted.reserve(members.MemberList.size());
        sorted.push_back(members.MemberList[0]);
        for (std::size_t i : order) sorted.push_back(members.MemberList[i]);
        members.MemberList.swap(sorted);
    }
}

void ShuffleMembers(MemberState& members, uint32_t seed) {
    std::mt19937 generator(seed);
    int n = static_cast<int>(members.MemberList.size()) - 1;
    if (n >= 3) {
        std::uniform_int_distribution<int> draw(0, n - 1);
        for (int i = 1; i <= n; ++i) {
            int j;
            do j = draw(generator);
            while (j == 0 || j == i);
            std::swap(members.MemberList[i], members.MemberList[j]);
        }
    } else if (n == 2) {
        // The draw above can never find a partner for two members; a fair coin decides instead.
        if (std::uniform_int_distribution<int>(0, 1)(generator) == 1)
            std::swap(members.MemberList[1], members.MemberList[2]);
    }
    SortMembers(members, 4);
}

int FindRow(const std::vector<GridRow>& rows, std::string_view text, int column) {
    std::string wanted = UpperAscii(text);
    for (std::size_t r = 1; r < rows.size(); ++r) {
        if (column < 0 || static_cast<std::size_t>(column) >= rows[r].size()) continue;
        const std::string& cell = rows[r][column];
        if (cell.size() >= wanted.size() && UpperAscii(cell.substr(0, wanted.size())) == wanted)
            return static_cast<int>(r);
    }
    return 0;
}

bool CheckDuplicate(const MemberState& members, Messenger& messenger, int skip, int16_t clubNo,
                    std::string_view voornaam, std::string_view achterNaam) {
    int found = 0;
    int last = std::min<int>(members.MemberCount, static_cast<int>(members.MemberList.size()) - 1);
    for (int i = 1; i <= last && found == 0; ++i) {
        if (i == skip) continue;
        const TLidRec& rec = members.MemberList[i].LidRecord;
        if (rec.ClubNo == clubNo) found = 1;
        if (rec.Voornaam.View() == voornaam && rec.AchterNaam.View() == achterNaam) found = 2;
        // A member without any name is never a duplicate.
        if (voornaam.empty() && achterNaam.empty()) found = 0;
    }
    if (found == 1)
        messenger.Show("ClubNummer: " + std::to_string(clubNo) + " bestaat al!", KindWaarschuwing,
                       ButtonsOK);
    if (found == 2)
        messenger.Show("Voor-AchterNaam :" + std::string(voornaam) + " " + std::string(achterNaam) +
                           " is al gebruikt",
                       KindWaarschuwing, ButtonsOK);
    return found == 0;
}

#include "core/reports/pair_schedule.h"

#include "core/reports/report_text.h"

std::string DashLine(const TNaamRec& player1, std::size_t roundTextLength,
                     std::size_t courtTextLength) {
    const std::string first(player1.Voornaam.Size(), '-');
    const std::string last(player1.AchterNaam.Size(), '-');
    const std::string court(courtTextLength, '-');
    const std::string three = "," + first + "," + last + "," + court;
    return std::string(roundTextLength, '-') + three + three + three + three;
}

void BuildPairLines(const ReportSource& source, ReportLines& lines, PairScheduleBuild& build, int r,
                    Group g) {
    if (source.Counts.Of(g) == 0) return;
    const NameList& names = source.Names(g);
    const RoundRecord& record = source.Store.RoundTable[r];
    const CourtRange courts = GroupCourts(record, g);
    for (int c = courts.First; c <= courts.Last; ++c) {
        build.RoundText = Decimal(r);
        build.CourtText = CourtText(source.BaanCode, c);
        for (int j = 1; j <= 2; ++j) {
            if (j == 2) build.RoundText = " ";
            const std::string left = Cut(PlayerName(names, record.Courts[c][j - 1]) + ",", 48);
            const std::string right = Cut(PlayerName(names, record.Courts[c][j + 1]), 48);
            AddReportLine(lines,
                          build.RoundText + "," + left + "  ," + right + "," + build.CourtText);
        }
        if (c < courts.Last) AddReportLine(lines, std::string(PairSeparator));
    }
    if (r == 1 && courts.First <= courts.Last)
        build.Dash = DashLine(names[1].NaamRec, build.RoundText.size(), build.CourtText.size());
}

namespace {

void BuildMixedRound(const ReportSource& source, ReportLines& lines, int r) {
    const RoundRecord& record = source.Store.RoundTable[r];
    const NameList& men = source.Names(Men);
    const NameList& women = source.Names(Women);
    const CourtRange courts = MixedCourts(record);
    for (int c = courts.First; c <= courts.Last; ++c) {
        const auto& slots = record.Courts[c];
        const std::string roundText = Decimal(r);
        const std::string court = CourtText(source.BaanCode, c);
        auto line = [&](const NameList& leftList, uint8_t leftSlot, const NameList& rightList,
                        uint8_t rightSlot) {
            const std::string left = Cut(PlayerName(leftList, leftSlot) + ",", 48);
            const std::string right = Cut(PlayerName(rightList, rightSlot), 48);
            AddReportLine(lines, roundText + "," + left + "," + right + "," + court);
        };
        if (!source.GroupAgainstGroup()) {
            line(men, slots[0], men, slots[2]);
            line(women, slots[1], women, slots[3]);
        } else {
            line(men, slots[0], women, slots[1]);
            line(men, slots[2], women, slots[3]);
        }
        if (c < courts.Last) AddReportLine(lines, std::string(PairSeparator));
    }
}

} // namespace

void BuildPairSchedule(const ReportSource& source, ReportLines& lines) {
    PairScheduleBuild build;
    const auto order = DisplayOrder(source.Store.LadiesFirst);
    for (int r = 1; r <= source.Counts.Doubles; ++r) {
        if (r % 2 == 1) AddReportLine(lines, std::string(SectionDoubles));
        BuildPairLines(source, lines, build, r, order[0]);
        AddReportLine(lines, std::string(PairSeparator));
        BuildPairLines(source, lines, build, r, order[1]);
        AddReportLine(lines, build.Dash);
    }
    if (source.Counts.Mixed == 0) return;
    const std::string_view section = source.GroupAgainstGroup() ? SectionGroups : SectionMixed;
    for (int r = source.Counts.Doubles + 1; r <= source.Counts.Rounds(); ++r) {
        if ((r - source.Counts.Doubles) % 2 == 1) AddReportLine(lines, std::string(section));
        BuildMixedRound(source, lines, r);
        AddReportLine(lines, build.Dash);
    }
}

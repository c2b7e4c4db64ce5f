#include "core/reports/number_pair_schedule.h"

#include "core/reports/report_text.h"

std::string NumberPairField(char letter, int player) {
    return Cut(std::string("   ") + letter + Str(player, 2), 12);
}

void BuildNumberPairLines(const ReportSource& source, ReportLines& lines, int r,
                          NumberPairBlock block, std::string_view letters) {
    if (block == NumberPairBlock::Men && source.Counts.Men == 0) return;
    if (block == NumberPairBlock::Women && source.Counts.Women == 0) return;
    const RoundRecord& record = source.Store.RoundTable[r];
    const CourtRange courts = block == NumberPairBlock::Mixed ? MixedCourts(record)
                              : block == NumberPairBlock::Men ? GroupCourts(record, Men)
                                                              : GroupCourts(record, Women);
    const char l1 = letters[0], l2 = letters[1];
    // Group against group puts the two players of group 1 (slots 0 and 2) against the two of
    // group 2 (slots 1 and 3); that only happens in the mixed rounds.
    const bool crossed = block == NumberPairBlock::Mixed && source.GroupAgainstGroup();
    for (int c = courts.First; c <= courts.Last; ++c) {
        const auto& s = record.Courts[c];
        const std::string roundText = "   " + Decimal(r);
        std::string a1, a2, b1, b2;
        if (!crossed) {
            a1 = NumberPairField(l1, s[0]);
            a2 = NumberPairField(l2, s[1]);
            b1 = NumberPairField(l1, s[2]);
            b2 = NumberPairField(l2, s[3]);
        } else {
            a1 = NumberPairField(l1, s[0]);
            a2 = NumberPairField(l1, s[2]);
            b1 = NumberPairField(l2, s[1]);
            b2 = NumberPairField(l2, s[3]);
        }
        a2 += "   ";
        AddReportLine(lines, roundText + "," + a1 + "," + a2 + ",," + b1 + "," + b2 + "," +
                                 CourtText(source.BaanCode, c));
    }
}

void BuildNumberPairSchedule(const ReportSource& source, ReportLines& lines) {
    const int d = source.Counts.Doubles;
    if (d > 0) {
        AddReportLine(lines, std::string(SectionDoubles));
        for (int r = 1; r <= d; ++r) {
            for (Group g : DisplayOrder(source.Store.LadiesFirst)) {
                if (g == Men)
                    BuildNumberPairLines(source, lines, r, NumberPairBlock::Men, "HH");
                else
                    BuildNumberPairLines(source, lines, r, NumberPairBlock::Women, "DD");
            }
            AddReportLine(lines, std::string(NumberPairSeparator));
        }
    }
    if (source.Counts.Mixed > 0) {
        AddReportLine(lines, "      ");
        AddReportLine(lines, std::string(SectionMixed));
        for (int r = d + 1; r <= source.Counts.Rounds(); ++r) {
            BuildNumberPairLines(source, lines, r, NumberPairBlock::Mixed, "HD");
            AddReportLine(lines, std::string(NumberPairSeparator));
        }
    }
}

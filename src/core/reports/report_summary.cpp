#include "core/reports/report_summary.h"

#include "core/common/date_edit.h"
#include "core/reports/play_date.h"
#include "core/reports/report_text.h"

namespace {

char UpperFirst(const ShortString<3>& code) {
    const char c = code[0];
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string GroupCountLine(const ShortString<3>& code, char defaultMark,
                           std::string_view defaultText, int count) {
    if (UpperFirst(code) == defaultMark) return std::string(defaultText) + Decimal(count);
    return Cut(" Aantal spelers in Groep " + code.Str() + " = ", 32) + Decimal(count);
}

} // namespace

std::vector<std::string> SummaryBlock(const ReportSource& source, const TCfgRec& config) {
    const ReportCounts& counts = source.Counts;
    std::vector<std::string> lines;
    lines.emplace_back(" U heeft gekozen voor :");
    lines.push_back(GroupCountLine(config.Grpn[0], 'H', " Aantal heren = ", counts.Men));
    lines.push_back(GroupCountLine(config.Grpn[1], 'D', " Aantal dames = ", counts.Women));
    lines.push_back(" Aantalbanen  = " + Decimal(counts.Courts));
    lines.push_back(" Aantaltolvex = " + Decimal(counts.Doubles) +
                    "   Aantal Gemengd tolvex = " + Decimal(counts.Mixed));
    for (int i = 1; i <= counts.Mixed; ++i)
        lines.push_back(" Aantalbanen Gemengd Tolvex(" + Decimal(i) +
                        ") = " + Decimal(source.Store.CourtsMixed[i]));
    lines.push_back(" Datum : " + ShortDateText(PlayDateOf(source.Store.Params.SpeelDatum)));
    return lines;
}

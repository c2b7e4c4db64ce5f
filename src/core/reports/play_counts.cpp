#include "core/reports/play_counts.h"

#include "core/reports/name_order.h"
#include "core/reports/report_text.h"

Group PrimaryGroup(const ReportCounts& counts) {
    return counts.Women < counts.Men ? Men : Women;
}

namespace {

std::string CountText(const GroupTables& tables, int p) {
    const TNaamRec& rec = tables.Names[p].NaamRec;
    return std::string(TrimText(rec.Voornaam.View())) + "," +
           std::string(TrimText(rec.AchterNaam.View())) + ",   " +
           Cut(Decimal(tables.PlayCount[p]), 3);
}

} // namespace

void BuildPlayCounts(const ReportSource& source, ReportLines& lines) {
    const Group primary = PrimaryGroup(source.Counts);
    const Group secondary = primary == Men ? Women : Men;
    const int np = source.Counts.Of(primary);
    const int ns = source.Counts.Of(secondary);
    const ScheduleStore& store = source.Store;
    if (ns > 0)
        AddReportLine(lines, Cut(Cut(store.GroupHeading[primary].Str() + ", , ,", 15) +
                                     store.GroupHeading[secondary].Str(),
                                 25));
    else
        AddReportLine(lines, store.GroupHeading[primary].Str());
    if (np == 0) return;
    const GroupTables& left = store.Of(primary);
    const GroupTables& right = store.Of(secondary);
    const std::vector<int> leftOrder = NameOrder(left.Names, np, source.WithNames());
    const std::vector<int> rightOrder =
        ns > 0 ? NameOrder(right.Names, ns, source.WithNames()) : std::vector<int>{};
    for (int q = 1; q <= np; ++q) {
        const std::string leftText = Cut(CountText(left, leftOrder[q]) + ",", 48);
        const std::string rightText = q > ns ? "," : Cut(CountText(right, rightOrder[q]), 48);
        AddReportLine(lines, Cut(leftText + rightText, 96));
    }
}

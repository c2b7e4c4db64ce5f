#include "core/reports/court_schedule.h"

#include "core/reports/name_order.h"
#include "core/reports/report_text.h"

#include <algorithm>

void BuildCourtSchedule(const ReportSource& source, ReportLines& lines, bool editorForm) {
    for (Group g : DisplayOrder(source.Store.LadiesFirst)) {
        const int n = source.Counts.Of(g);
        if (n == 0) continue;
        const GroupTables& tables = source.Store.Of(g);
        const std::vector<int> order = NameOrder(tables.Names, n, source.WithNames());
        AddReportLine(lines, source.Store.GroupHeading[g].Str());
        for (int i = 1; i <= n; ++i) {
            const int p = order[i];
            std::string name = Cut(PlayerName(tables.Names, p) + ",", 80);
            if (editorForm) {
                std::replace(name.begin(), name.end(), ' ', '_');
                name = Cut(Decimal(i) + "," + name + "_", 80);
            }
            std::string rounds;
            for (int r = 1; r <= source.Counts.Rounds(); ++r) {
                const int court = tables.CourtOfPlayer[r].Court[p];
                rounds += Cut(court == 0 ? std::string(",-")
                                         : "," + Decimal(CourtCode(source.BaanCode, court)),
                              3);
            }
            AddReportLine(lines, Cut(name + Cut(rounds, 80), 160));
        }
    }
}

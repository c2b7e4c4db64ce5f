#include "core/reports/court_schedule.h"

#include "core/reports/name_order.h"
#include "core/reports/report_text.h"

#include <algorithm>

std::string CourtCell(const std::array<int32_t, 33>& baanCode, int court) {
    if (court == 0) return "-";
    return Cut(Decimal(CourtCode(baanCode, court)), 2);
}

void BuildCourtSchedule(const ReportSource& source, ReportLines& lines, bool editorForm,
                        std::vector<CourtScheduleRow>* rows) {
    for (Group g : DisplayOrder(source.Store.LadiesFirst)) {
        const int n = source.Counts.Of(g);
        if (n == 0) continue;
        const GroupTables& tables = source.Store.Of(g);
        const std::vector<int> order = NameOrder(tables.Names, n, source.WithNames());
        AddReportLine(lines, source.Store.GroupHeading[g].Str());
        if (rows) rows->push_back({g, 0, 0});
        for (int i = 1; i <= n; ++i) {
            const int p = order[i];
            std::string name = Cut(PlayerName(tables.Names, p) + ",", 80);
            if (editorForm) {
                std::replace(name.begin(), name.end(), ' ', '_');
                name = Cut(Decimal(i) + "," + name + "_", 80);
            }
            std::string rounds;
            for (int r = 1; r <= source.Counts.Rounds(); ++r)
                rounds += "," + CourtCell(source.BaanCode, tables.CourtOfPlayer[r].Court[p]);
            AddReportLine(lines, Cut(name + Cut(rounds, 80), 160));
            if (rows) rows->push_back({g, i, p});
        }
    }
}

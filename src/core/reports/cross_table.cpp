#include "core/reports/cross_table.h"

#include "core/reports/report_text.h"

std::array<FrequentOpponent, 2> FrequentOpponents(const GroupTables& tables, int p, int n,
                                                  int rounds) {
    std::array<FrequentOpponent, 2> best{};
    for (int k = 0; k < 2; ++k) {
        std::array<int, MaxGroupPlayers + 1> count{};
        for (int r = 1; r <= rounds; ++r) {
            const OpponentEntry e = tables.OpponentTable[r][p];
            const int j = k == 0 ? e.X : e.Y;
            if (j >= 1 && j <= n) ++count[j];
        }
        for (int j = 1; j <= n; ++j)
            if (count[j] > 1 && count[j] > best[k].Count) best[k] = {count[j], j};
    }
    return best;
}

namespace {

std::string OpponentText(const GroupTables& tables, int p, int rounds, int k) {
    std::string text;
    for (int r = 1; r <= rounds; ++r) {
        const OpponentEntry e = tables.OpponentTable[r][p];
        const int opponent = k == 0 ? e.X : e.Y;
        text += opponent == 0 ? std::string(",-") : "," + Cut(Decimal(opponent), 5);
    }
    return Cut(text, 80);
}

void BuildBlock(const ReportSource& source, ReportLines& lines, Group g) {
    const int n = source.Counts.Of(g);
    if (n == 0) return;
    const GroupTables& tables = source.Store.Of(g);
    const int rounds = source.Counts.Rounds();
    AddReportLine(lines, " ," + Cut(source.Store.GroupHeading[g].View(), 12));
    for (int p = 1; p <= n; ++p) {
        const TNaamRec& rec = tables.Names[p].NaamRec;
        const std::string number = source.WithNames() ? Cut(Decimal(p), 4) : std::string();
        // A player without a first name shows a blank for the initial.
        const char initial = rec.Voornaam.Empty() ? ' ' : rec.Voornaam.View()[0];
        const std::string nameText = Cut(
            number + "," + initial + ". " + std::string(TrimText(rec.AchterNaam.View())) + ",", 80);
        const auto frequent = FrequentOpponents(tables, p, n, rounds);

        std::string first = OpponentText(tables, p, rounds, 0);
        if (frequent[0].Count > 1)
            first = Cut(first + "," + Str(frequent[0].Player, 5) + " (" +
                            Str(frequent[0].Count, 2) + ")",
                        80);
        AddReportLine(lines, Cut(nameText + first, 160));

        std::string second = OpponentText(tables, p, rounds, 1);
        if (frequent[1].Count > 1)
            second = Cut(second + "," + Str(frequent[1].Player, 5) + " (" +
                             Str(frequent[1].Count, 1) + ")",
                         80);
        AddReportLine(lines, Cut(" , ," + second, 160));
    }
}

} // namespace

void BuildCrossTable(const ReportSource& source, ReportLines& lines) {
    const auto order = DisplayOrder(source.Store.LadiesFirst);
    BuildBlock(source, lines, order[0]);
    if (source.Counts.Of(order[1]) > 0) AddReportLine(lines, std::string(CrossTableSeparator));
    BuildBlock(source, lines, order[1]);
}

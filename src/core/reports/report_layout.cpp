#include "core/reports/report_layout.h"

#include "core/reports/report_lines.h"

#include <algorithm>

namespace {

void AddColumns(ReportLayout& layout, int variant, std::initializer_list<int> widths,
                int firstCaption = 0) {
    const auto& captions = ColumnCaptions(variant);
    int i = firstCaption;
    for (int w : widths) {
        layout.Columns.push_back({std::string(captions[i % 7]), w, false});
        ++i;
    }
}

void AddRoundColumns(ReportLayout& layout, int rounds) {
    for (int i = 1; i <= rounds; ++i) {
        layout.Columns.push_back({std::to_string(i), 35, true});
        layout.ListWidth += 35;
    }
}

} // namespace

ReportLayout LayoutReport(int opt, int scheduleKind, const ReportCounts& counts) {
    ReportLayout layout;
    const bool names = scheduleKind != 2;
    const int variant = ReportVariant(opt, scheduleKind);
    const int rounds = counts.Rounds();
    if (opt == 5) {
        layout.Editor = true;
        layout.ListTop = 35;
        layout.ListHeight = 384;
        for (int w : {50, 90, 145, 60}) layout.Columns.push_back({"", w, false});
        layout.ListWidth = 384;
        for (int r = 1; r <= rounds; ++r) {
            layout.Columns.push_back({"", 30, false});
            layout.ListWidth += 30;
        }
        layout.WindowWidth = std::max(layout.ListWidth + 50, 560);
    } else {
        switch (opt) {
        case 1:
            if (names) {
                layout.ListHeight = 395;
                AddColumns(layout, variant, {55, 90, 140, 55, 90, 140, 45});
                layout.Columns[0].Centred = layout.Columns[6].Centred = true;
                layout.ListWidth = 645;
            } else {
                AddColumns(layout, variant, {80, 80, 80, 55, 80, 80, 55});
                layout.ListWidth = 550;
            }
            break;
        case 2:
            AddColumns(layout, variant,
                       names ? std::initializer_list<int>{90, 145, 60}
                             : std::initializer_list<int>{60, 60, 60});
            layout.ListWidth = names ? 325 : 210;
            AddRoundColumns(layout, rounds);
            break;
        case 3: {
            const bool both = counts.Men > 0 && counts.Women > 0;
            if (names) {
                AddColumns(layout, variant, {110, 145, 60});
                layout.Columns[2].Centred = true;
                layout.ListWidth = 345;
                if (both) {
                    AddColumns(layout, variant, {110, 145, 60}, 3);
                    layout.Columns[5].Centred = true;
                    layout.ListWidth += 315;
                }
            } else {
                AddColumns(layout, variant, {70, 50, 50});
                layout.ListWidth = 200;
                if (both) {
                    AddColumns(layout, variant, {70, 50, 50}, 3);
                    layout.ListWidth += 170;
                }
            }
            break;
        }
        case 4:
            layout.ListTop = 50;
            AddColumns(layout, 4,
                       names ? std::initializer_list<int>{40, 170, 60}
                             : std::initializer_list<int>{40, 50, 60});
            layout.ListWidth = names ? 300 : 180;
            AddRoundColumns(layout, rounds);
            layout.Columns.push_back({"N2", 80, false});
            layout.ListWidth += 80;
            break;
        default:
            break;
        }
        if (opt == 2 || opt == 4) layout.WindowWidth = std::max(layout.ListWidth + 40, 720);
    }
    layout.ListLeft = (layout.WindowWidth - layout.ListWidth) / 2;
    layout.WindowHeight = layout.ListHeight + 120;
    if (opt == 4) {
        layout.OpponentsLabel = true;
        layout.OpponentsLabelLeft = layout.ListLeft + layout.ListWidth / 2;
    }
    return layout;
}

namespace {

struct Zone {
    int Low;  // x above this
    int High; // and below this; 0: no upper end
    std::string_view Hint;
};

std::optional<std::string_view> InZones(int x, std::initializer_list<Zone> zones) {
    for (const Zone& z : zones)
        if (x > z.Low && (z.High == 0 || x < z.High)) return z.Hint;
    return std::nullopt;
}

} // namespace

std::optional<std::string_view> ColumnHint(int opt, int scheduleKind, int x,
                                           const ReportCounts& counts) {
    if (scheduleKind == 2) return std::nullopt;
    switch (opt) {
    case 1:
        return InZones(x, {{0, 55, "Ronde "},
                           {57, 285, "Eerste Tolvex-paar"},
                           {340, 560, "Tweede Tolvex-paar"},
                           {562, 0, "Speel-baan"}});
    case 2:
        return InZones(x, {{0, 90, "Voornaam-"},
                           {92, 235, "Achternaam Speler "},
                           {237, 295, "Speelronde "},
                           {297, 0, "baan-nummer"}});
    case 3: {
        const std::string_view left = counts.Women > 0 ? "Dames speler " : " Heren speler ";
        return InZones(x, {{0, 255, left},
                           {257, 315, "Gespeeld aantal matches"},
                           {317, 570, " Heren speler "},
                           {572, 0, "Gespeeld aantal matches"}});
    }
    case 4: {
        const int end = 270 + 35 * counts.Rounds();
        std::optional<std::string_view> hint = InZones(x, {{0, 40, "Index"},
                                                           {42, 210, "Naam "},
                                                           {212, 270, "Speelronde"},
                                                           {272, end, "Tegenspeler "}});
        if (hint) return hint;
        if (x > 272 + 35 * counts.Rounds()) return "Meermaal (aantal)";
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

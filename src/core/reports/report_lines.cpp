#include "core/reports/report_lines.h"

void AddReportLine(ReportLines& lines, std::string text) {
    lines.push_back(TResultObj{std::move(text)});
}

int ReportVariant(int opt, int scheduleKind) {
    return opt + 5 * (scheduleKind - 1);
}

std::string_view ReportTitle(int index) {
    static constexpr std::array<std::string_view, 9> titles = {
        "",
        "PAREN INDELING",
        "BAAN SCHEMA",
        "AANTALMALEN  GESPEELD",
        "KRUIS TABEL ",
        "BAANSCHEMA BEWERKEN",
        SectionDoubles,
        SectionMixed,
        SectionGroups,
    };
    return index >= 1 && index <= 8 ? titles[index] : std::string_view{};
}

const std::array<std::string_view, 7>& ColumnCaptions(int variant) {
    static constexpr std::array<std::array<std::string_view, 7>, 11> captions = {{
        {},
        {"ronde", "Voornaam", "Achternaam", "tegen", "Voornaam", "Achternaam", "baan"},
        {"Voornaam", "Achternaam", "ronde : ", "", "", "", ""},
        {"Voornaam", "Achternaam", "Aantal", "Voornaam", "Achternaam", "Aantal", ""},
        {"Nr", "V.Achternaam", "ronde: ", "Nr", "", "", ""},
        {"Ix,Voornaam,Achternaam,ronde: ", "", "", "", "", "", ""},
        {"ronde", "Paar 1(1)", "Paar 1(2)", "tegen", "Paar 2(1)", "Paar2(1)", " Baan"},
        {"Naam", "Index", "ronde : ", "", "", "", ""},
        {"Naam", "Index", "Aantal", "Naam", "Index", "Aantal", ""},
        {},
        {},
    }};
    return variant >= 1 && variant <= 10 ? captions[variant] : captions[0];
}

std::string_view MainMenuCaption(int opt) {
    static constexpr std::array<std::string_view, 6> captions = {
        "", "&Parenschema", "&BaanSchema", "&Aantal malen gespeeld", "&Kruistabel", "&Wijzigen"};
    return opt >= 1 && opt <= 5 ? captions[opt] : std::string_view{};
}

std::string_view PopupMenuCaption(int opt) {
    static constexpr std::array<std::string_view, 6> captions = {"",
                                                                 "&Paarschema",
                                                                 "&Baanschema",
                                                                 "&Aantalmaalgespeeld",
                                                                 "&Kruistabel",
                                                                 "&Wijzigen bewerkenschema"};
    return opt >= 1 && opt <= 5 ? captions[opt] : std::string_view{};
}

std::vector<std::string> CommaFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) {
            fields.emplace_back(line.substr(start));
            return fields;
        }
        fields.emplace_back(line.substr(start, comma - start));
        start = comma + 1;
    }
}

std::vector<std::string> ReportListFields(std::string_view line) {
    std::vector<std::string> fields = CommaFields(line);
    if (fields.size() > 1 && fields.back().empty()) fields.pop_back();
    return fields;
}

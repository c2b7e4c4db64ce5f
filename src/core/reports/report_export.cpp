#include "core/reports/report_export.h"

#include "core/common/file_error_report.h"
#include "core/common/file_names.h"
#include "core/common/file_reader.h"
#include "core/common/safe_file_writer.h"
#include "core/members/member_file.h"
#include "core/reports/report_layout.h"
#include "core/reports/report_lines.h"
#include "core/reports/report_summary.h"

#include <array>
#include <string_view>

namespace {

// Widths of columns 1..7 by kind 1..4.
constexpr std::array<std::array<int16_t, 7>, 4> ColumnWidths = {{
    {7, 10, 12, 7, 10, 12, 2},
    {10, 14, 7, 4, 4, 4, 4},
    {11, 10, 8, 12, 13, 4, 0},
    {4, 15, 7, 4, 4, 4, 4},
}};

int LeadingColumns(const ReportExportInput& input) {
    switch (input.Opt) {
    case 1:
        return 7;
    case 3:
        return input.BothGroups ? 6 : 3;
    default:
        return 3;
    }
}

void Blanks(std::string& out, int count) {
    if (count > 0) out.append(static_cast<std::size_t>(count), ' ');
}

void EndLine(std::string& out) {
    out += "\r\n";
}

void HeadingLine(std::string& out, const ReportExportInput& input) {
    const int lastCaption =
        input.Opt == 2 || input.Opt == 4 ? 2 + input.Rounds : LeadingColumns(input) - 1;
    for (int i = 0; i <= lastCaption; ++i) {
        const std::string caption = i < static_cast<int>(input.Captions.size())
                                        ? input.Captions[static_cast<std::size_t>(i)]
                                        : std::string();
        out += caption;
        if (input.Opt == 1) {
            if (i < lastCaption) out += ',';
        } else if (i <= 1) {
            out += ',';
        } else if (i >= 3) {
            Blanks(out, caption.size() > 1 ? 2 : 3);
        }
    }
}

void ReportLine(std::string& out, const ReportExportInput& input, std::string_view rest) {
    const auto& widths = ColumnWidths[static_cast<std::size_t>(input.Opt - 1)];
    const int leading = LeadingColumns(input);
    for (int f = 1; f <= leading; ++f) {
        const std::size_t comma = rest.find(',');
        const int d = comma == std::string_view::npos ? 0 : static_cast<int>(comma) + 1;
        out += d == 0 ? rest : rest.substr(0, comma);
        Blanks(out, widths[static_cast<std::size_t>(f - 1)] - d);
        if (d == 0) return;
        rest.remove_prefix(comma + 1);
    }
    if (input.Opt != 2 && input.Opt != 4) return;
    for (int field = 0; field < input.Rounds; ++field) {
        const std::size_t comma = rest.find(',');
        const std::string_view text = rest.substr(0, comma);
        out += text;
        Blanks(out, text.size() < 2 ? 3 : 2);
        if (comma == std::string_view::npos) return;
        rest.remove_prefix(comma + 1);
    }
}

} // namespace

ReportExportInput ReportExportInputOf(const CommonState& common, const ConfigState& config,
                                      const ScheduleStore& store, const OpenedReport& report) {
    ReportExportInput input;
    input.Opt = report.Opt;
    input.Rounds = report.Counts.Rounds();
    input.BothGroups = report.Counts.Men > 0 && report.Counts.Women > 0;
    ReportSource source = ReportSourceOf(common, store);
    source.Counts = report.Counts;
    input.Summary = SummaryBlock(source, config.Config.CfgRec);
    input.ClubNaam = config.Config.CfgRec.ClubNaam.Str();
    input.Title = std::string(ReportTitle(report.Opt));
    for (const ReportColumn& column :
         LayoutReport(report.Opt, common.ScheduleKind, report.Counts).Columns)
        input.Captions.push_back(column.Caption);
    input.Lines = &report.Lines;
    return input;
}

std::string ExportIndent(const TPrnCFGRec& prn) {
    // A configuration without a screen font size divides by the program's standard size.
    const int fontSize = prn.FontSizeTv > 0 ? prn.FontSizeTv : 10;
    const int indent = prn.LeftMarge / fontSize;
    return std::string(static_cast<std::size_t>(indent < 1 ? 1 : indent), ' ');
}

std::string ExportReport(const ConfigState& config, const ReportExportInput& input) {
    const TPrnCFGRec& prn = config.PrnCfg;
    const std::string indent = ExportIndent(prn);
    std::string out;
    auto line = [&](std::string_view text) {
        out += indent;
        out += text;
        EndLine(out);
    };
    if (config.PrintHeadOn && !input.Summary.empty()) {
        for (std::size_t i = 0; i + 1 < input.Summary.size(); ++i) line(input.Summary[i]);
        out += ' ';
        EndLine(out);
        line(input.Summary.back());
    }
    line(input.ClubNaam);
    line(input.Title);
    line(" ");
    out += indent;
    HeadingLine(out, input);
    EndLine(out);
    if (input.Lines) {
        for (const TResultObj& report : *input.Lines) {
            out += indent;
            ReportLine(out, input, report.Regel);
            EndLine(out);
        }
    }
    if (config.PersDataOn) {
        const auto& p = prn.Persoon;
        line(p[0].Str() + p[1].Str() + "   " + p[3].Str() + p[4].Str());
    }
    return out;
}

std::string ExportFileName(const std::string& chosen) {
    if (chosen.size() >= 3 && chosen.compare(chosen.size() - 3, 3, "txt") == 0) return chosen;
    return chosen + ".txt";
}

std::string ExportInitialName(const std::string& memberFileName) {
    // A list without a file has no folder of its own.
    if (memberFileName == "N_N") return "*.txt";
    const std::size_t slash = memberFileName.find_last_of('/');
    if (slash == std::string::npos) return "*.txt";
    return memberFileName.substr(0, slash + 1) + "*.txt";
}

std::optional<std::string> ExportReportCommand(ErrorSink errors, const ConfigState& config,
                                               const MemberState& members, Chooser& chooser,
                                               const ReportExportInput& input) {
    FileDialogRequest request;
    request.Title = "Bewaren overzicht";
    request.InitialName = ExportInitialName(members.MemberFileName);
    request.Filter = "Text files (*.txt *.TXT)";
    // ".txt" may still be added to the chosen name: the question below is about that name.
    request.ConfirmOverwrite = false;
    std::optional<std::string> chosen = chooser.SaveFile(request);
    if (!chosen) return std::nullopt;
    const std::string fileName = ExportFileName(*chosen);
    if (FileExists(fileName)) {
        const int answer = errors.Msg.Show("Bestand bestaat al\rbestand:" + FileNameText(fileName) +
                                               " overschrijven?",
                                           KindBevestig, ButtonsJaNee);
        if (answer != ResultYes) return std::nullopt;
    }
    try {
        WriteFileAtomically(fileName, ExportReport(config, input));
    } catch (const FileError& e) {
        ReportFileError(errors, e, FileAction::Writing);
        return std::nullopt;
    }
    errors.Msg.Show("Bewaren overzicht(en) gelukt", KindInformatie, ButtonsOK);
    return fileName;
}

#include "core/config/config_file.h"

#include "core/common/error_report.h"
#include "core/common/file_names.h"
#include "core/common/file_reader.h"
#include "core/common/safe_file_writer.h"

void SavetoStream(const TConfigObj& config, std::string& out) {
    out.append(reinterpret_cast<const char*>(&config.ClubLengte), sizeof config.ClubLengte);
    out.append(reinterpret_cast<const char*>(&config.CfgRec), sizeof config.CfgRec);
    out.append(reinterpret_cast<const char*>(&config.PrnCFGRecord), sizeof config.PrnCFGRecord);
}

std::size_t ReadfromStream(TConfigObj& config, ByteReader& in) {
    std::size_t taken = in.Read(&config.ClubLengte, sizeof config.ClubLengte);
    taken += in.Read(&config.CfgRec, sizeof config.CfgRec);
    taken += in.Read(&config.PrnCFGRecord, sizeof config.PrnCFGRecord);
    return taken;
}

std::string ConfigNameFor(std::string_view memberFileName) {
    // Loading and saving use the same rule, so a member file whose extension is not ".tvs"
    // still finds on the next open the configuration its save wrote.
    return ReplaceExtension(memberFileName, ".cfg");
}

void DefaultConfig(AppState& state) {
    TCfgRec& cfg = state.Config.CfgRec;
    cfg.ClubNaam.Assign("");
    cfg.NLeden = 24;
    cfg.NDubRonden = 4;
    cfg.NMixRonden = 2;
    cfg.NBanen = 9;
    cfg.NMatches = 1;
    cfg.Grpn[0].Assign("h");
    cfg.Grpn[1].Assign("d");
    cfg.Telling = 0;
    cfg.Cfgflags = CfgWarnCourts | CfgNewMark;

    TPrnCFGRec& prn = state.PrnCfg;
    prn.FontNameTv.Assign(state.ScreenFontName);
    prn.FontSizeTv = static_cast<int16_t>(state.ScreenFontSize);
    prn.FontSizePR = DialogFontSize;
    prn.FontNamePR.Assign(DialogFontName);

    // Provisional printer metrics until a printer has been measured: 300 dots per inch.
    state.Printer.PrnCharWidth = 10;
    state.Printer.PrnPixPerCm = DefaultPixPerCm;
    state.Printer.PrnLinesPerPage = 66;

    const uint16_t pixPerCm = state.Printer.PrnPixPerCm;
    prn.LeftMarge = pixPerCm;
    prn.TopMarge = static_cast<uint16_t>(pixPerCm * 3 / 2);
    prn.BottomMarge = pixPerCm;
    prn.LineHeight = DefaultLineHeight;
    prn.LinespPage = static_cast<uint16_t>(state.Printer.PrnLinesPerPage -
                                           (prn.TopMarge + prn.BottomMarge) / prn.LineHeight);
    prn.PrntInstel = -1;
    for (auto& line : prn.Persoon) line.Assign("");
    prn.Preferent = PrefNewMark;

    state.Config.PrnCFGRecord = prn;
    state.ConfigExists = true;
}

void ApplyTelling(ConfigState& state) {
    state.GamesCounting = (state.Config.CfgRec.Telling & 1) != 0;
}

void ApplyPreferent(ConfigState& state, ConfigHost& host) {
    const uint16_t pref = state.PrnCfg.Preferent;
    state.PrintHeadOn = (pref & PrefPrintKop) != 0;
    state.PersDataOn = (pref & PrefEigenaar) != 0;
    state.LandscapeOn = (pref & PrefLiggend) != 0;
    state.PrintTitelOn = (pref & PrefPrintTitel) != 0;
    host.ShowMainWindowMaximised((pref & PrefMaximised) != 0);
}

namespace {

// A file that ends early, or holds zeros there, must not hand printing a zero to divide by.
void GuardPrintDivisors(AppState& state) {
    if (state.PrnCfg.LineHeight == 0) state.PrnCfg.LineHeight = DefaultLineHeight;
    if (state.PrnCfg.LinespPage == 0) state.PrnCfg.LinespPage = DefaultLinesPerPage;
    if (state.Printer.PrnPixPerCm == 0) state.Printer.PrnPixPerCm = DefaultPixPerCm;
}

void FinishLoad(AppState& state, Messenger& messenger, ConfigHost& host) {
    state.PrnCfg = state.Config.PrnCFGRecord;
    if (!state.ConfigOK || state.Config.CfgRec.NLeden == 0) {
        ReportError({messenger, state.ErrorCode}, state.ConfigFileName, 4, 0, 0);
        host.OpenConfigDial(true);
    }
    GuardPrintDivisors(state);
    if (!state.PrinterPresent) state.PrnCfg.PrntInstel = -1;
    ApplyTelling(state);
    ApplyPreferent(state, host);
}

void TakeImage(AppState& state, std::string_view bytes) {
    TConfigObj fresh{};
    ByteReader in{bytes};
    ReadfromStream(fresh, in);
    state.Config = fresh;
    state.ConfigExists = true;
    state.ConfigOK = true;
}

} // namespace

void LoadConfigFromBytes(AppState& state, Messenger& messenger, ConfigHost& host,
                         std::string_view bytes) {
    state.ConfigOK = false;
    state.PrinterPresent = host.PrinterPresent();
    TakeImage(state, bytes);
    FinishLoad(state, messenger, host);
}

void LoadConfig(AppState& state, Messenger& messenger, ConfigHost& host,
                const std::string& memberFileName) {
    state.ConfigFileName = ConfigNameFor(memberFileName);
    state.ConfigOK = false;
    state.PrinterPresent = host.PrinterPresent();
    if (!FileExists(state.ConfigFileName)) {
        ReportError({messenger, state.ErrorCode}, state.ConfigFileName, 3, 0, 0);
        host.OpenConfigDial(true);
        return;
    }
    // Read completely before anything is replaced: a read error leaves the old configuration.
    std::string bytes = ReadFilePrefix(state.ConfigFileName, ConfigFileSize);
    TakeImage(state, bytes);
    FinishLoad(state, messenger, host);
}

void SaveConfig(AppState& state, Messenger& messenger, const std::string& memberFileName,
                FileSystem& files) {
    if (memberFileName == "N_N") return;
    state.ConfigFileName = ConfigNameFor(memberFileName);
    if (state.ConfigExists) {
        state.Config.PrnCFGRecord = state.PrnCfg;
    } else {
        messenger.Show("Configuratie bestaat niet; wordt aangemaakt", KindWaarschuwing, ButtonsOK);
        state.Config = TConfigObj{};
        DefaultConfig(state);
    }
    std::string image;
    SavetoStream(state.Config, image);
    WriteFileAtomically(state.ConfigFileName, image, files);
    state.ConfigOK = true;
}

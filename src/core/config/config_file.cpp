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

void DefaultConfig(CommonState& common, ConfigState& config) {
    TCfgRec& cfg = config.Config.CfgRec;
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

    TPrnCFGRec& prn = config.PrnCfg;
    prn.FontNameTv.Assign(common.ScreenFontName);
    prn.FontSizeTv = static_cast<int16_t>(common.ScreenFontSize);
    prn.FontSizePR = DialogFontSize;
    prn.FontNamePR.Assign(DialogFontName);

    // Provisional printer metrics until a printer has been measured: 300 dots per inch.
    common.Printer.PrnCharWidth = 10;
    common.Printer.PrnPixPerCm = DefaultPixPerCm;
    common.Printer.PrnLinesPerPage = 66;

    const uint16_t pixPerCm = common.Printer.PrnPixPerCm;
    prn.LeftMarge = pixPerCm;
    prn.TopMarge = static_cast<uint16_t>(pixPerCm * 3 / 2);
    prn.BottomMarge = pixPerCm;
    prn.LineHeight = DefaultLineHeight;
    prn.LinespPage = static_cast<uint16_t>(common.Printer.PrnLinesPerPage -
                                           (prn.TopMarge + prn.BottomMarge) / prn.LineHeight);
    prn.PrntInstel = -1;
    for (auto& line : prn.Persoon) line.Assign("");
    prn.Preferent = PrefNewMark;

    config.Config.PrnCFGRecord = prn;
    config.ConfigExists = true;
}

void ApplyTelling(ConfigState& config) {
    config.GamesCounting = (config.Config.CfgRec.Telling & 1) != 0;
}

void ApplyPreferent(ConfigState& config, ConfigHost& host) {
    const uint16_t pref = config.PrnCfg.Preferent;
    config.PrintHeadOn = (pref & PrefPrintKop) != 0;
    config.PersDataOn = (pref & PrefEigenaar) != 0;
    config.LandscapeOn = (pref & PrefLiggend) != 0;
    config.PrintTitelOn = (pref & PrefPrintTitel) != 0;
    host.ShowMainWindowMaximised((pref & PrefMaximised) != 0);
}

namespace {

// A file that ends early, or holds zeros there, must not hand printing a zero to divide by.
void GuardPrintDivisors(CommonState& common, ConfigState& config) {
    if (config.PrnCfg.LineHeight == 0) config.PrnCfg.LineHeight = DefaultLineHeight;
    if (config.PrnCfg.LinespPage == 0) config.PrnCfg.LinespPage = DefaultLinesPerPage;
    if (common.Printer.PrnPixPerCm == 0) common.Printer.PrnPixPerCm = DefaultPixPerCm;
}

void FinishLoad(CommonState& common, ConfigState& config, Messenger& messenger, ConfigHost& host) {
    config.PrnCfg = config.Config.PrnCFGRecord;
    if (!config.ConfigOK || config.Config.CfgRec.NLeden == 0) {
        ReportError({messenger, common.ErrorCode}, config.ConfigFileName, 4, 0, 0);
        host.OpenConfigDial(true);
    }
    GuardPrintDivisors(common, config);
    if (!config.PrinterPresent) config.PrnCfg.PrntInstel = -1;
    ApplyTelling(config);
    ApplyPreferent(config, host);
}

void TakeImage(ConfigState& config, std::string_view bytes) {
    TConfigObj fresh{};
    ByteReader in{bytes};
    ReadfromStream(fresh, in);
    config.Config = fresh;
    config.ConfigExists = true;
    config.ConfigOK = true;
}

} // namespace

void LoadConfigFromBytes(CommonState& common, ConfigState& config, Messenger& messenger,
                         ConfigHost& host, std::string_view bytes) {
    config.ConfigOK = false;
    config.PrinterPresent = host.PrinterPresent();
    TakeImage(config, bytes);
    FinishLoad(common, config, messenger, host);
}

void LoadConfig(CommonState& common, ConfigState& config, Messenger& messenger, ConfigHost& host,
                const std::string& memberFileName) {
    config.ConfigFileName = ConfigNameFor(memberFileName);
    config.ConfigOK = false;
    config.PrinterPresent = host.PrinterPresent();
    if (!FileExists(config.ConfigFileName)) {
        ReportError({messenger, common.ErrorCode}, config.ConfigFileName, 3, 0, 0);
        host.OpenConfigDial(true);
        return;
    }
    // Read completely before anything is replaced: a read error leaves the old configuration.
    std::string bytes = ReadFilePrefix(config.ConfigFileName, ConfigFileSize);
    TakeImage(config, bytes);
    FinishLoad(common, config, messenger, host);
}

void SaveConfig(CommonState& common, ConfigState& config, Messenger& messenger,
                const std::string& memberFileName, FileSystem& files) {
    if (memberFileName == "N_N") return;
    config.ConfigFileName = ConfigNameFor(memberFileName);
    if (config.ConfigExists) {
        config.Config.PrnCFGRecord = config.PrnCfg;
    } else {
        messenger.Show("Configuratie bestaat niet; wordt aangemaakt", KindWaarschuwing, ButtonsOK);
        config.Config = TConfigObj{};
        DefaultConfig(common, config);
    }
    std::string image;
    SavetoStream(config.Config, image);
    WriteFileAtomically(config.ConfigFileName, image, files);
    config.ConfigOK = true;
}

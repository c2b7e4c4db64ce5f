#include "core/members/member_file.h"

#include "core/common/error_report.h"
#include "core/common/file_backup.h"
#include "core/common/file_error.h"
#include "core/common/file_error_report.h"
#include "core/common/file_names.h"
#include "core/common/file_reader.h"
#include "core/common/safe_file_writer.h"
#include "core/config/config_file.h"

#include <cstdio>
#include <initializer_list>
#include <limits>

std::size_t ReadfromStream(TLedenObj& member, ByteReader& in) {
    return in.Read(&member.LidRecord, sizeof member.LidRecord);
}

void SavetoStream(const TLedenObj& member, std::string& out) {
    out.append(reinterpret_cast<const char*>(&member.LidRecord), sizeof member.LidRecord);
}

namespace {

// A decimal integer as the count in the header's Opmerking: blanks before it, a sign, digits and
// nothing else, within 32 bits; nullopt otherwise.
std::optional<int32_t> ParseCount(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max() || value < std::numeric_limits<int32_t>::min())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

// Texts are put together by appending: GCC 12 warns falsely on a literal + std::string.
std::string Join(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) text.append(part);
    return text;
}

std::string ThreeDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%3d", value);
    return text;
}

struct SavedState {
    MemberState Members;
    ConfigState Configuration;
};

SavedState Snapshot(const ConfigState& config, const MemberState& members) {
    return {members, config};
}

void Restore(ConfigState& config, MemberState& members, SavedState&& saved) {
    members = std::move(saved.Members);
    config = std::move(saved.Configuration);
}

// Puts the new file in place. Should that fail after the old file became the backup, the backup
// takes the file's name again: the user finds the file as it was, under its own name.
void CommitOrRestore(SafeFileWriter& writer, const std::string& name, bool backedUp,
                     FileSystem& files) {
    try {
        writer.Commit();
    } catch (const FileError&) {
        if (backedUp) files.Rename(ReplaceExtension(name, BackupExtension(1)), name);
        throw;
    }
}

} // namespace

int16_t MemberCountFromHeader(const TLidRec& header, int32_t nLeden) {
    int16_t n = header.ClubNo;
    if (n == 0 && !header.Opmerking.Empty()) {
        std::optional<int32_t> count = ParseCount(header.Opmerking.View());
        if (!count) return 0;
        n = static_cast<int16_t>(*count);
    }
    if (n == 0) n = static_cast<int16_t>(nLeden);
    return n;
}

std::optional<std::string> MemberFileImage(MemberState& members) {
    TLidRec& header = members.MemberList.front().LidRecord;
    header.ClubNo = 0;
    header.Opmerking.Assign(std::to_string(members.MemberCount));
    if (members.MemberCount < 0 ||
        members.MemberList.size() < static_cast<std::size_t>(members.MemberCount) + 1)
        return std::nullopt;
    std::string image;
    image.reserve(MemberRecordSize * (static_cast<std::size_t>(members.MemberCount) + 1));
    for (int i = 0; i <= members.MemberCount; ++i) SavetoStream(members.MemberList[i], image);
    return image;
}

void NewMemberList(const ConfigState& config, MemberState& members) {
    members.MemberCount = 24;
    members.MemberList.assign(25, TLedenObj{});
    TLidRec& header = members.MemberList[0].LidRecord;
    header.ClubNo = 24;
    header.Voornaam.Assign(members.MemberFileName);
    for (int i = 1; i <= 24; ++i) {
        TLidRec& member = members.MemberList[i].LidRecord;
        member.Indx = static_cast<uint16_t>(i);
        member.ClubNo = static_cast<int16_t>(i);
        member.StatCode.Assign("-");
        member.Groep = config.Config.CfgRec.Grpn[i <= 12 ? 0 : 1].View();
    }
}

bool LoadLedenFromBytes(ErrorSink errors, const ConfigState& config, MemberState& members,
                        std::string_view bytes, int16_t* headerCount) {
    ByteReader in{bytes};
    members.MemberList.assign(1, TLedenObj{});
    ReadfromStream(members.MemberList[0], in);
    int16_t n = MemberCountFromHeader(members.MemberList[0].LidRecord, config.Config.CfgRec.NLeden);
    if (headerCount) *headerCount = n;
    if (n <= 0) {
        // A negative count is refused like a zero one: no part of the program can show or save
        // a list of fewer than no members.
        members.MemberCount = 0;
        ReportError(errors, Join({" Aantalleden=", std::to_string(n)}), 6, 0, 0);
        return false;
    }
    members.MemberCount = n;
    members.MemberList.resize(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) ReadfromStream(members.MemberList[i], in);
    members.MemberDataPresent = true;
    members.MemberListLoaded = true;
    return true;
}

bool LoadLeden(ErrorSink errors, const ConfigState& config, MemberState& members,
               const std::string& fileName, int16_t* headerCount) {
    // The file is read whole before the list is touched, so a read error leaves it as it was.
    std::string bytes = ReadFilePrefix(fileName, MaxMemberFileSize);
    return LoadLedenFromBytes(errors, config, members, bytes, headerCount);
}

bool CheckUniqueClubNumbers(const MemberState& members, Messenger& messenger) {
    const int n =
        std::min<int>(members.MemberCount, static_cast<int>(members.MemberList.size()) - 1);
    bool unique = true;
    for (int i = 1; i <= n - 1; ++i) {
        const TLidRec& a = members.MemberList[i].LidRecord;
        // After the first duplicate each member is compared with its successor only.
        for (int j = i + 1; j <= n; ++j) {
            const TLidRec& b = members.MemberList[j].LidRecord;
            if (b.ClubNo == a.ClubNo) {
                std::string text = "Lidnummer in duplo  :\r  ";
                text += ThreeDigits(a.ClubNo);
                text += "   ";
                text += a.Voornaam.View();
                text += "  ";
                text += a.AchterNaam.View();
                text += " \r  ";
                text += ThreeDigits(b.ClubNo);
                text += "   ";
                text += b.Voornaam.View();
                text += "   ";
                text += b.AchterNaam.View();
                messenger.Show(text, KindFout, ButtonsOK);
                unique = false;
            }
            if (!unique) break;
        }
    }
    return unique;
}

void ApplyPrintSettings(CommonState& common, const ConfigState& config, MemberFileView& view) {
    const TPrnCFGRec& prn = config.PrnCfg;
    // A file without print settings holds no font: the screen keeps the one it has.
    if (prn.FontSizeTv > 0 && !prn.FontNameTv.Empty()) {
        common.ScreenFontSize = prn.FontSizeTv;
        common.ScreenFontName = prn.FontNameTv.Str();
    }
    view.ApplyFonts(common.ScreenFontName, common.ScreenFontSize, prn.FontNamePR.Str(),
                    prn.FontSizePR);
    common.PrnFontSet = prn.FontSizePR != 0;
}

void NewLedenInput(const ConfigState& config, MemberState& members, Messenger&,
                   ConfigHost& configHost, MemberFileView& view) {
    members.MemberFileName = "N_N";
    view.ShowMemberFileName("N_N");
    configHost.OpenConfigDial(true);
    if (!config.ConfigOK) return;
    NewMemberList(config, members);
    view.OpenLedenInput();
    view.SetNieuwEnabled(false);
    members.MemberDataPresent = true;
    members.MemberListLoaded = true;
}

OpenOutcome OpenNamedMemberFile(CommonState& common, ConfigState& config, MemberState& members,
                                Messenger& messenger, ConfigHost& configHost, MemberFileView& view,
                                const std::string& fileName) {
    OpenOutcome outcome;
    if (!FileExists(fileName)) {
        ReportError({messenger, common.ErrorCode}, fileName, 3, 0, 0);
        return outcome;
    }
    SavedState before = Snapshot(config, members);
    members.MemberFileName = fileName;
    try {
        LoadConfig(common, config, messenger, configHost, fileName);
        outcome.Loaded = LoadLeden({messenger, common.ErrorCode}, config, members, fileName,
                                   &outcome.HeaderCount);
    } catch (const FileError& e) {
        ReportFileError({messenger, common.ErrorCode}, e, FileAction::Reading);
        outcome.Loaded = false;
    }
    outcome.Config = config.Config;
    // A file that could not be loaded must not cost the list that was open: saving that list
    // under the failed file's name would overwrite the file with nothing.
    if (!outcome.Loaded) Restore(config, members, std::move(before));
    ApplyPrintSettings(common, config, view);
    if (members.MemberDataPresent) {
        view.EnableFileCommands();
        view.ShowMemberFileName(SplitFileName(members.MemberFileName));
    }
    return outcome;
}

void OpenMemberFile(CommonState& common, ConfigState& config, MemberState& members,
                    Messenger& messenger, Chooser& chooser, ConfigHost& configHost,
                    MemberFileView& view) {
    FileDialogRequest request;
    request.InitialName = "*.TVS";
    request.Filter = "Tolvex bestand (*.tvs)";
    request.DefaultExtension = "tvs";
    std::optional<std::string> chosen = chooser.OpenFile(request);
    if (!chosen) {
        members.MemberDataPresent = false;
        return;
    }
    OpenNamedMemberFile(common, config, members, messenger, configHost, view, *chosen);
}

bool SelectBestand(MemberState& members, Messenger& messenger, Chooser& chooser,
                   std::string& fileName, bool redals, bool bevestig, std::string_view ext) {
    std::string chosenName = fileName;
    if (fileName == "N_N" || redals) {
        FileDialogRequest request;
        request.InitialName = Join({"*.", ext});
        request.Filter = Join({"Tolvex bestand (*.", ext, ")"});
        request.DefaultExtension = std::string(ext);
        std::optional<std::string> chosen = chooser.SaveFile(request);
        if (!chosen || chosen->empty()) return false;
        chosenName = *chosen;
        if (SplitFileName(chosenName).find('.') == std::string::npos)
            chosenName = Join({chosenName, ".", ext});
        if (FileExists(chosenName)) {
            // The name is taken only when the user agrees: a refused name must not become the
            // one the next "&Bewaren" writes to without asking.
            int answer = messenger.Show(
                Join({"Bestand bestaat al\rbestand:", chosenName, " overschrijven?"}), KindBevestig,
                ButtonsJaNee);
            if (answer != ResultYes) return false;
        }
    }
    bool backup = false;
    if (bevestig && FileExists(chosenName)) {
        int answer = messenger.Show(Join({" Tolvex Programma\r Bewaren van ", chosenName}),
                                    KindBevestig, ButtonsJaNee);
        if (answer != ResultYes) return false;
        backup = true;
    }
    fileName = chosenName;
    members.BackupRequested = backup;
    return true;
}

bool SaveLidData(ErrorSink errors, MemberState& members, MemberFileView& view, bool bevestig,
                 FileSystem& files) {
    view.GridToList();
    const std::string& name = members.MemberFileName;
    bool written = false;
    bool writeFailed = false;
    if (CheckUniqueClubNumbers(members, errors.Msg)) {
        errors.ErrorCode = 0;
        std::optional<std::string> image = MemberFileImage(members);
        if (!image) {
            errors.ErrorCode = 1;
            writeFailed = true;
        } else {
            try {
                SafeFileWriter writer(name, *image, files);
                // The old file becomes the backup only now that the new one is on disk.
                bool existed = FileExists(name, files);
                bool backedUp = existed && (members.BackupPending || members.BackupRequested) &&
                                MakeBackup(errors, name, 1, files);
                CommitOrRestore(writer, name, backedUp, files);
                if (existed) members.BackupPending = false;
                written = true;
            } catch (const FileError& e) {
                ReportFileError(errors, e, FileAction::Writing);
                writeFailed = true;
            }
        }
    }
    members.BackupRequested = false;
    if (bevestig) {
        ShowInfo(errors.Msg,
                 Join({"Wegschrijven van ", name, written ? " gelukt" : " niet gelukt"}));
    } else if (writeFailed && errors.ErrorCode == 1) {
        ReportError(errors, name, 0, 8, 4);
    }
    view.ShowMemberFileName(SplitFileName(name));
    view.SetNieuwEnabled(true);
    return written;
}

bool RunSaveCommand(CommonState& common, ConfigState& config, MemberState& members,
                    Messenger& messenger, Chooser& chooser, MemberFileView& view,
                    SaveCommand command, FileSystem& files) {
    const bool redals = command == SaveCommand::BewarenAls;
    if (!SelectBestand(members, messenger, chooser, members.MemberFileName, redals, redals, "tvs"))
        return false;
    const bool bevestig = command == SaveCommand::BewarenAls || command == SaveCommand::Red;
    bool written = SaveLidData({messenger, common.ErrorCode}, members, view, bevestig, files);
    try {
        SaveConfig(common, config, messenger, members.MemberFileName, files);
    } catch (const FileError& e) {
        ReportFileError({messenger, common.ErrorCode}, e, FileAction::Writing);
    }
    return written;
}

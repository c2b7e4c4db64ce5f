#pragma once
// The member file (".tvs"): a header record and one TLidRec per member, and the operations that
// start, open and save the member list.

#include "core/common/byte_reader.h"
#include "core/common/common_state.h"
#include "core/common/error_report.h"
#include "core/common/file_system.h"
#include "core/common/ports.h"
#include "core/config/config_host.h"
#include "core/config/config_state.h"
#include "core/members/member_file_view.h"
#include "core/members/member_state.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::size_t MemberRecordSize = sizeof(TLidRec);
// The header's count is a signed 16-bit number, so no member file needs more than this.
inline constexpr std::size_t MaxMemberFileSize = MemberRecordSize * (1 + 32767);

// Plain read of one record: what the image lacks stays as it was. Returns the bytes taken.
std::size_t ReadfromStream(TLedenObj& member, ByteReader& in);
void SavetoStream(const TLedenObj& member, std::string& out);

// The count a header record gives, in the loader's order: ClubNo; else Opmerking as a decimal
// number (no fallback when it is not one); else the configuration's NLeden.
int16_t MemberCountFromHeader(const TLidRec& header, int32_t nLeden);

// The whole file image of the list as it is written: the header with ClubNo 0 and Opmerking the
// count, then items 1..MemberCount. nullopt when the list is shorter than its count.
std::optional<std::string> MemberFileImage(MemberState& members);

// NewMemberList: 24 placeholders, 12 of each group, behind a fresh header.
void NewMemberList(const ConfigState& config, MemberState& members);

// Replaces MemberList and MemberCount by the content of a member file image. Returns whether the
// load succeeded (a count of 0 or below is reported and leaves only the header).
bool LoadLedenFromBytes(ErrorSink errors, const ConfigState& config, MemberState& members,
                        std::string_view bytes, int16_t* headerCount = nullptr);
// The same from a file; a file that cannot be read raises FileError and leaves the list as it
// was.
bool LoadLeden(ErrorSink errors, const ConfigState& config, MemberState& members,
               const std::string& fileName, int16_t* headerCount = nullptr);

bool CheckUniqueClubNumbers(const MemberState& members, Messenger& messenger);

void ApplyPrintSettings(CommonState& common, const ConfigState& config, MemberFileView& view);

// "&Nieuw": an unnamed list after the configuration dialog was confirmed.
void NewLedenInput(const ConfigState& config, MemberState& members, Messenger& messenger,
                   ConfigHost& configHost, MemberFileView& view);

// "&Open": the open dialog, then the file with its configuration. The caller shows the grid
// (OpenLedenInput) when MemberDataPresent.
void OpenMemberFile(CommonState& common, ConfigState& config, MemberState& members,
                    Messenger& messenger, Chooser& chooser, ConfigHost& configHost,
                    MemberFileView& view);
// The same for a file already chosen (the open dialog's answer, or the command line). A load that
// fails leaves the list, its name and its configuration as they were before.
struct OpenOutcome {
    bool Loaded = false;     // the members were read
    int16_t HeaderCount = 0; // N as the header (or the configuration) gave it
    TConfigObj Config{};     // the configuration as the load left it, also when it then failed
};
OpenOutcome OpenNamedMemberFile(CommonState& common, ConfigState& config, MemberState& members,
                                Messenger& messenger, ConfigHost& configHost, MemberFileView& view,
                                const std::string& fileName);

// Decides the file to save to; fileName keeps its folder. False when nothing was chosen.
bool SelectBestand(MemberState& members, Messenger& messenger, Chooser& chooser,
                   std::string& fileName, bool redals, bool bevestig, std::string_view ext);

// Writes MemberList to MemberFileName; returns whether the save succeeded.
bool SaveLidData(ErrorSink errors, MemberState& members, MemberFileView& view, bool bevestig,
                 FileSystem& files = SystemFiles());

// The four save commands of the main window.
enum class SaveCommand {
    Bewaren,     // "&Bewaren", menu and tool button
    BewarenAls,  // "Bewaren &als...", menu and tool button
    Red,         // the grid's "&Red" button and F3
    SluitBewaren // "&Sluit" after "Bestand bewaren ?" was answered Yes
};
// Returns whether the list was written.
bool RunSaveCommand(CommonState& common, ConfigState& config, MemberState& members,
                    Messenger& messenger, Chooser& chooser, MemberFileView& view,
                    SaveCommand command, FileSystem& files = SystemFiles());

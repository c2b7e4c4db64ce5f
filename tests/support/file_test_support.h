#pragma once
// Fakes of the windows the file operations talk to, a scratch folder per test, and a builder of
// record images byte by byte from the file layouts.

#include "core/common/ports.h"
#include "core/config/config_host.h"
#include "core/members/member_file_view.h"
#include "state/app_state.h"

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

// The configuration dialog answered from a queue: true is OK, false is Cancel. With nothing
// queued the dialog is cancelled. A fresh configuration is created as the real dialog does.
class FakeConfigHost : public ConfigHost {
public:
    FakeConfigHost(AppState& state, Messenger& messenger)
        : State(state)
        , Msg(messenger) {}
    void OpenConfigDial(bool nieuw) override;
    bool PrinterPresent() override { return Printers; }
    void ShowMainWindowMaximised(bool maximised) override { Maximised.push_back(maximised); }

    AppState& State;
    Messenger& Msg;
    bool Printers = true;
    std::deque<bool> DialogAnswers;
    std::vector<bool> DialogCalls; // the nieuw argument of every opening
    std::vector<bool> Maximised;
};

class RecordingFileView : public MemberFileView {
public:
    void ShowMemberFileName(const std::string& name) override { StatusNames.push_back(name); }
    void SetNieuwEnabled(bool enabled) override { NieuwEnabled.push_back(enabled); }
    void EnableFileCommands() override { ++FileCommandsEnabled; }
    void GridToList() override { ++GridToListCalls; }
    void OpenLedenInput() override { ++GridOpened; }
    void ApplyFonts(const std::string& screenName, int screenSize, const std::string&,
                    int) override {
        ScreenFont = screenName + ":" + std::to_string(screenSize);
    }

    std::vector<std::string> StatusNames;
    std::vector<bool> NieuwEnabled;
    int FileCommandsEnabled = 0;
    int GridToListCalls = 0;
    int GridOpened = 0;
    std::string ScreenFont;
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    std::string Path(std::string_view name) const { return Root + "/" + std::string(name); }
    std::string Root;
};

std::string ReadBytes(const std::string& fileName);
void WriteBytes(const std::string& fileName, std::string_view bytes);
bool Exists(const std::string& fileName);

// Builds a record image field by field at the offsets of the layout tables.
class RecordBytes {
public:
    explicit RecordBytes(std::size_t size)
        : Bytes(size, '\0') {}
    RecordBytes& U16(std::size_t offset, uint16_t value);
    RecordBytes& I32(std::size_t offset, int32_t value);
    // A short string: the length byte, then the characters.
    RecordBytes& Str(std::size_t offset, std::string_view text);
    std::string Bytes;
};

// A member record image (232 bytes): Indx, ClubNo, names, group and status.
std::string MemberBytes(uint16_t indx, int16_t clubNo, std::string_view voornaam,
                        std::string_view achterNaam, std::string_view groep,
                        std::string_view statCode);
// A header record image with the count in ClubNo and in Opmerking (empty: none).
std::string HeaderBytes(int16_t clubNo, std::string_view opmerking);
// A full configuration image (268 bytes) with the given NLeden and otherwise plausible values.
std::string ConfigBytes(int32_t nLeden);

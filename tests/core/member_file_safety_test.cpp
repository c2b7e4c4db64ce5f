// Saves onto a full disk and onto a read-only disk: the previous files stay intact and the user
// is told which file failed and why. The disks are small tmpfs mounts, which needs root; without
// it these tests are skipped.

#include "core/common/file_error.h"
#include "core/common/safe_file_writer.h"
#include "core/config/config_file.h"
#include "file_test_support.h"
#include "core/members/member_file.h"
#include "scripted_ports.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

class SmallDisk {
public:
    explicit SmallDisk(const std::string& path)
        : Path(path) {
        std::filesystem::create_directory(Path);
        Mounted = ::mount("tmpfs", Path.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk() {
        if (Mounted) ::umount2(Path.c_str(), MNT_DETACH);
    }
    bool MakeReadOnly() {
        return ::mount(nullptr, Path.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
    }
    // Takes every free block, so the next write of any size fails.
    void Fill() {
        std::string block(4096, 'f');
        for (int i = 0;; ++i) {
            FILE* f = std::fopen((Path + "/vol" + std::to_string(i)).c_str(), "wb");
            if (!f) break;
            std::size_t written = std::fwrite(block.data(), 1, block.size(), f);
            bool ok = std::fclose(f) == 0 && written == block.size();
            if (!ok) break;
        }
    }
    std::string Path;
    bool Mounted = false;
};

struct SafetyFixture : ::testing::Test {
    void SetUp() override {
        if (!Disk.Mounted) GTEST_SKIP() << "mounting a tmpfs needs root";
        Host.DialogAnswers.push_back(true);
        NewLedenInput(State, Messages, Host, View);
        Chooser.SaveAnswers.push_back(File);
        ASSERT_TRUE(RunSaveCommand(State, Messages, Chooser, View, SaveCommand::Bewaren));
        Saved = ReadBytes(File);
        SavedCfg = ReadBytes(Cfg);
        // An edit that makes the next file differ from the one on disk.
        State.MemberList[1].LidRecord.Voornaam.Assign("Gewijzigd");
        State.Config.CfgRec.NBanen = 4;
        // The next save would be the first of a run over an existing file.
        State.BackupPending = true;
        Messages.Clear();
    }
    // Nothing but the saved files (and no temporary file) is left in the folder.
    std::vector<std::string> FolderContent() {
        std::vector<std::string> names;
        for (auto& e : std::filesystem::directory_iterator(Disk.Path))
            if (e.path().filename().string().rfind("vol", 0) != 0)
                names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    ScratchFolder Folder;
    SmallDisk Disk{Folder.Path("disk")};
    std::string File = Disk.Path + "/club.tvs";
    std::string Cfg = Disk.Path + "/club.cfg";
    std::string Saved, SavedCfg;
    AppState State;
    ScriptedMessenger Messages;
    ScriptedChooser Chooser;
    FakeConfigHost Host{State, Messages};
    RecordingFileView View;
};

} // namespace

TEST_F(SafetyFixture, FullDiskKeepsThePreviousFilesAndSaysWhy) {
    Disk.Fill();
    EXPECT_FALSE(RunSaveCommand(State, Messages, Chooser, View, SaveCommand::Bewaren));
    EXPECT_EQ(ReadBytes(File), Saved);
    EXPECT_EQ(ReadBytes(Cfg), SavedCfg);
    EXPECT_EQ(FolderContent(), (std::vector<std::string>{"club.cfg", "club.tvs"}));
    EXPECT_EQ(Messages.Texts(),
              (std::vector<std::string>{
                  File + " (No space left on device) Wegschrijven NIET gelukt\n\r probeer opnieuw "
                         "of controleer file",
                  Cfg + " (No space left on device) Wegschrijven NIET gelukt\n\r probeer opnieuw "
                        "of controleer file"}));
    // No backup was made, so the next save that succeeds still makes it.
    EXPECT_TRUE(State.BackupPending);
}

TEST_F(SafetyFixture, FullDiskWithConfirmationAlsoReportsTheFailedSave) {
    Disk.Fill();
    EXPECT_FALSE(RunSaveCommand(State, Messages, Chooser, View, SaveCommand::Red));
    ASSERT_EQ(Messages.Shown.size(), 3u);
    EXPECT_EQ(Messages.Shown[1].Text, "Wegschrijven van " + File + " niet gelukt");
    EXPECT_EQ(ReadBytes(File), Saved);
}

TEST_F(SafetyFixture, ReadOnlyDiskKeepsThePreviousFilesAndSaysWhy) {
    ASSERT_TRUE(Disk.MakeReadOnly());
    EXPECT_FALSE(RunSaveCommand(State, Messages, Chooser, View, SaveCommand::Bewaren));
    EXPECT_EQ(ReadBytes(File), Saved);
    EXPECT_EQ(ReadBytes(Cfg), SavedCfg);
    EXPECT_EQ(FolderContent(), (std::vector<std::string>{"club.cfg", "club.tvs"}));
    EXPECT_EQ(Messages.Texts(),
              (std::vector<std::string>{
                  File + " (Read-only file system) Wegschrijven NIET gelukt\n\r probeer opnieuw "
                         "of controleer file",
                  Cfg + " (Read-only file system) Wegschrijven NIET gelukt\n\r probeer opnieuw "
                        "of controleer file"}));
}

TEST_F(SafetyFixture, TheDiskFreedAgainTakesTheSaveWithItsBackup) {
    Disk.Fill();
    RunSaveCommand(State, Messages, Chooser, View, SaveCommand::Bewaren);
    for (auto& e : std::filesystem::directory_iterator(Disk.Path))
        if (e.path().filename().string().rfind("vol", 0) == 0) std::filesystem::remove(e.path());
    EXPECT_TRUE(RunSaveCommand(State, Messages, Chooser, View, SaveCommand::Bewaren));
    EXPECT_EQ(ReadBytes(Disk.Path + "/club.~tv"), Saved);
    EXPECT_EQ(ReadBytes(File).substr(232 + 4, 10), std::string("\x09Gewijzigd"));
}

TEST(SafeFileWriter, AWriterNotCommittedLeavesNoTraceAndTheTargetUntouched) {
    ScratchFolder folder;
    std::string target = folder.Path("doel.cfg");
    WriteBytes(target, "oud");
    {
        SafeFileWriter writer(target, "nieuw");
        EXPECT_TRUE(Exists(writer.TemporaryName()));
        EXPECT_EQ(ReadBytes(target), "oud");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Root),
                            std::filesystem::directory_iterator{}),
              1);
    WriteFileAtomically(target, "nieuw");
    EXPECT_EQ(ReadBytes(target), "nieuw");
}

TEST(SafeFileWriter, AMissingFolderIsAFileErrorNamingTheFile) {
    try {
        WriteFileAtomically("/nonexistent-folder/club.tvs", "x");
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.FileName, "/nonexistent-folder/club.tvs");
        EXPECT_EQ(e.Reason, "No such file or directory");
    }
}

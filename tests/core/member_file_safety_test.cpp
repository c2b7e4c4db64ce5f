// Saves onto a full disk and onto a read-only disk: the previous files stay intact and the user
// is told which file failed and why. Every case runs on a file system that fails on request;
// with root it runs again on a small tmpfs mount (skipped without root).

#include "core/common/file_error.h"
#include "core/common/file_reader.h"
#include "core/common/safe_file_writer.h"
#include "core/config/config_file.h"
#include "core/members/member_file.h"
#include "failing_file_system.h"
#include "file_test_support.h"
#include "scripted_ports.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// A disk of 64 KiB: a tmpfs mount on the real machine, or a plain folder whose failures the
// failing file system plays.
class SmallDisk {
public:
    SmallDisk(const std::string& path, bool real, FailingFileSystem& files)
        : Path(path)
        , Real(real)
        , Files(files) {
        std::filesystem::create_directory(Path);
        Usable = !Real || ::mount("tmpfs", Path.c_str(), "tmpfs", 0, "size=64k") == 0;
        Mounted = Real && Usable;
    }
    ~SmallDisk() {
        if (Mounted) ::umount2(Path.c_str(), MNT_DETACH);
    }
    bool MakeReadOnly() {
        if (!Real) {
            Files.ReadOnly = true;
            return true;
        }
        return ::mount(nullptr, Path.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
    }
    // Takes every free block, so the next write of any size fails.
    void Fill() {
        if (!Real) {
            Files.WriteLimit = Files.Written;
            return;
        }
        std::string block(4096, 'f');
        for (int i = 0;; ++i) {
            FILE* f = std::fopen((Path + "/vol" + std::to_string(i)).c_str(), "wb");
            if (!f) break;
            std::size_t written = std::fwrite(block.data(), 1, block.size(), f);
            bool ok = std::fclose(f) == 0 && written == block.size();
            if (!ok) break;
        }
    }
    void Free() {
        Files.WriteLimit.reset();
        for (auto& e : std::filesystem::directory_iterator(Path))
            if (e.path().filename().string().rfind("vol", 0) == 0)
                std::filesystem::remove(e.path());
    }
    std::string Path;
    bool Real;
    FailingFileSystem& Files;
    bool Usable = false;
    bool Mounted = false;
};

// The parameter: true on a real tmpfs, false on the failing file system.
struct SafetyFixture : ::testing::TestWithParam<bool> {
    void SetUp() override {
        if (!Disk.Usable) GTEST_SKIP() << "mounting a tmpfs needs root";
        Host.DialogAnswers.push_back(true);
        NewLedenInput(State.Configuration, State.Members, Messages, Host, View);
        Chooser.SaveAnswers.push_back(File);
        ASSERT_TRUE(Save(SaveCommand::Bewaren));
        Saved = ReadBytes(File);
        SavedCfg = ReadBytes(Cfg);
        // An edit that makes the next file differ from the one on disk.
        State.Members.MemberList[1].LidRecord.Voornaam.Assign("Gewijzigd");
        State.Configuration.Config.CfgRec.NBanen = 4;
        // The next save would be the first of a run over an existing file.
        State.Members.BackupPending = true;
        Messages.Clear();
    }
    bool Save(SaveCommand command) {
        return RunSaveCommand(State.Common, State.Configuration, State.Members, Messages, Chooser,
                              View, command, Files);
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
    FailingFileSystem Files;
    SmallDisk Disk{Folder.Path("disk"), GetParam(), Files};
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

TEST_P(SafetyFixture, FullDiskKeepsThePreviousFilesAndSaysWhy) {
    Disk.Fill();
    EXPECT_FALSE(Save(SaveCommand::Bewaren));
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
    EXPECT_TRUE(State.Members.BackupPending);
}

TEST_P(SafetyFixture, FullDiskWithConfirmationAlsoReportsTheFailedSave) {
    Disk.Fill();
    EXPECT_FALSE(Save(SaveCommand::Red));
    ASSERT_EQ(Messages.Shown.size(), 3u);
    EXPECT_EQ(Messages.Shown[1].Text, "Wegschrijven van " + File + " niet gelukt");
    EXPECT_EQ(ReadBytes(File), Saved);
}

TEST_P(SafetyFixture, ReadOnlyDiskKeepsThePreviousFilesAndSaysWhy) {
    ASSERT_TRUE(Disk.MakeReadOnly());
    EXPECT_FALSE(Save(SaveCommand::Bewaren));
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

TEST_P(SafetyFixture, TheDiskFreedAgainTakesTheSaveWithItsBackup) {
    Disk.Fill();
    Save(SaveCommand::Bewaren);
    Disk.Free();
    EXPECT_TRUE(Save(SaveCommand::Bewaren));
    EXPECT_EQ(ReadBytes(Disk.Path + "/club.~tv"), Saved);
    EXPECT_EQ(ReadBytes(File).substr(232 + 4, 10), std::string("\x09Gewijzigd"));
}

INSTANTIATE_TEST_SUITE_P(Disks, SafetyFixture, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& param) {
                             return param.param ? std::string("Tmpfs") : std::string("Failing");
                         });

// Failures only the failing file system can play on demand.
using FailingSaveFixture = SafetyFixture;

TEST_P(FailingSaveFixture, AFailureHalfwayOnTheSyncOrOnTheRenameKeepsTheFilesAsTheyWere) {
    struct Case {
        const char* Name;
        void (*Arrange)(FailingFileSystem&);
        std::string Reason;
    };
    const Case cases[] = {
        {"after 300 bytes", [](FailingFileSystem& f) { f.WriteLimit = f.Written + 300; },
         "No space left on device"},
        {"on the sync", [](FailingFileSystem& f) { f.FailSync = true; }, "Input/output error"},
        {"on the rename", [](FailingFileSystem& f) { f.FailRenameOfTemporary = true; },
         "Input/output error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Files = FailingFileSystem{};
        State.Members.BackupPending = true;
        Messages.Clear();
        c.Arrange(Files);
        EXPECT_FALSE(Save(SaveCommand::Bewaren));
        EXPECT_EQ(ReadBytes(File), Saved);
        EXPECT_EQ(ReadBytes(Cfg), SavedCfg);
        // No temporary file, and a backup made on the way has taken the file's name again.
        EXPECT_EQ(FolderContent(), (std::vector<std::string>{"club.cfg", "club.tvs"}));
        EXPECT_EQ(Messages.Texts(),
                  (std::vector<std::string>{
                      File + " (" + c.Reason +
                          ") Wegschrijven NIET gelukt\n\r probeer opnieuw of controleer file",
                      Cfg + " (" + c.Reason +
                          ") Wegschrijven NIET gelukt\n\r probeer opnieuw of controleer file"}));
        EXPECT_TRUE(State.Members.BackupPending);
    }
    // The same save on a healthy disk syncs the file and its folder, and keeps the backup.
    Files = FailingFileSystem{};
    EXPECT_TRUE(Save(SaveCommand::Bewaren));
    EXPECT_EQ(Files.Syncs, 2);
    EXPECT_EQ(Files.FolderSyncs, 2);
    EXPECT_EQ(ReadBytes(Disk.Path + "/club.~tv"), Saved);
}

INSTANTIATE_TEST_SUITE_P(Disks, FailingSaveFixture, ::testing::Values(false),
                         [](const ::testing::TestParamInfo<bool>&) {
                             return std::string("Failing");
                         });

TEST(ReadFilePrefix, AReadThatFailsHalfwayIsAFileErrorNamingTheFile) {
    ScratchFolder folder;
    std::string file = folder.Path("club.tvs");
    WriteBytes(file, std::string(1000, 'x'));
    FailingFileSystem files;
    files.ReadLimit = 400;
    try {
        ReadFilePrefix(file, 5000, files);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.FileName, file);
        EXPECT_EQ(e.Reason, "Input/output error");
    }
    files.ReadLimit.reset();
    EXPECT_EQ(ReadFilePrefix(file, 5000, files).size(), 1000u);
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

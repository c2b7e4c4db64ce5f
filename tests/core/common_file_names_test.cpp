#include "core/common/common_state.h"
#include "core/common/date_text.h"
#include "core/common/file_backup.h"
#include "core/common/file_names.h"
#include "core/common/windows1252.h"
#include "failing_file_system.h"
#include "scripted_ports.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(TodayText, DayAndMonthGetALeadingZero) {
    EXPECT_EQ(TodayText({2015, 1, 7}), "07-01-2015");
    EXPECT_EQ(TodayText({2026, 12, 31}), "31-12-2026");
}

TEST(SplitFileName, DropsTheFolderAndNamesAnEmptyResult) {
    EXPECT_EQ(SplitFileName("/home/club/leden 2026.tvs"), "leden 2026.tvs");
    EXPECT_EQ(SplitFileName("leden.tvs"), "leden.tvs");
    EXPECT_EQ(SplitFileName("/home/club/"), "N_N");
    EXPECT_EQ(SplitFileName(""), "N_N");
}

TEST(ReplaceExtension, OnlyTheBareNameCountsForTheDot) {
    EXPECT_EQ(ReplaceExtension("/a/leden.tvs", ".cfg"), "/a/leden.cfg");
    EXPECT_EQ(ReplaceExtension("/a.b/leden", ".cfg"), "/a.b/leden.cfg");
    EXPECT_EQ(ReplaceExtension("leden.2026.TVS", ".~tv"), "leden.2026.~tv");
}

TEST(FileNames, AMessageShowsTheNameInTheProgramsCharacterSet) {
    EXPECT_EQ(FileNameText("/a/caf\xC3\xA9.tvs"), "/a/caf\xE9.tvs");
}

TEST(BackupExtension, OnePerKindOfFile) {
    EXPECT_EQ(BackupExtension(1), ".~tv");
    EXPECT_EQ(BackupExtension(2), ".~cf");
    EXPECT_EQ(BackupExtension(3), ".~ca");
}

class MakeBackupTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dir =
            fs::temp_directory_path() /
            ("tolvex_backup_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(Dir);
        fs::create_directories(Dir);
    }
    void TearDown() override { fs::remove_all(Dir); }
    static void Write(const fs::path& p, const std::string& text) { std::ofstream(p) << text; }
    static std::string Read(const fs::path& p) {
        std::ifstream in(p);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    fs::path Dir;
    CommonState State;
    ScriptedMessenger Messages;
};

TEST_F(MakeBackupTest, RenamesTheFileOverAnOlderBackup) {
    Write(Dir / "leden.tvs", "new");
    Write(Dir / "leden.~tv", "old");
    EXPECT_TRUE(MakeBackup({Messages, State.ErrorCode}, (Dir / "leden.tvs").string(), 1));
    EXPECT_FALSE(fs::exists(Dir / "leden.tvs"));
    EXPECT_EQ(Read(Dir / "leden.~tv"), "new");
    EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(MakeBackupTest, AMissingFileIsNoError) {
    EXPECT_FALSE(MakeBackup({Messages, State.ErrorCode}, (Dir / "nergens.tvs").string(), 1));
    EXPECT_TRUE(Messages.Shown.empty());
    EXPECT_EQ(State.ErrorCode, 0);
}

TEST_F(MakeBackupTest, AFailedRenameIsReportedWithTheFileName) {
    Write(Dir / "leden.cfg", "x");
    // A non-empty folder in the backup's place can be neither deleted nor replaced.
    fs::create_directories(Dir / "leden.~cf" / "inhoud");
    const std::string file = (Dir / "leden.cfg").string();
    EXPECT_FALSE(MakeBackup({Messages, State.ErrorCode}, file, 2));
    ASSERT_EQ(Messages.Shown.size(), 1u);
    EXPECT_EQ(Messages.Last().Text, "Reserve kopie maken mislukt: " + file);
    EXPECT_EQ(Messages.Last().Kind, KindFout);
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(State.ErrorCode, 0);
}

TEST_F(MakeBackupTest, OnAReadOnlyDiskTheFileStaysWhereItWas) {
    Write(Dir / "leden.tvs", "new");
    FailingFileSystem files;
    files.ReadOnly = true;
    EXPECT_FALSE(MakeBackup({Messages, State.ErrorCode}, (Dir / "leden.tvs").string(), 1, files));
    EXPECT_EQ(Read(Dir / "leden.tvs"), "new");
    EXPECT_FALSE(fs::exists(Dir / "leden.~tv"));
    EXPECT_EQ(Messages.Texts(), std::vector<std::string>{"Reserve kopie maken mislukt: " +
                                                         (Dir / "leden.tvs").string()});
}

TEST(Windows1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
}

TEST(Windows1252, AccentsAndTheEuroSign) {
    EXPECT_EQ(Windows1252ToUtf8("Ren\xe9 \x80"), "Ren\xc3\xa9 \xe2\x82\xac");
    EXPECT_EQ(Utf8ToWindows1252("Chlo\xc3\xab \xe2\x82\xac"), "Chlo\xeb \x80");
    EXPECT_EQ(Utf8ToWindows1252("\xe4\xb8\xad"), "?");
    EXPECT_EQ(Utf8ToWindows1252("a\xc3"), "a?");
}

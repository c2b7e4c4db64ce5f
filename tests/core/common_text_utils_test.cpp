#include "core/common/text_utils.h"
#include "core/common/windows1252.h"
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

TEST(FillText, RepeatsTheCharacter) {
    EXPECT_EQ(FillText(0, ' '), "");
    EXPECT_EQ(FillText(3, '-'), "---");
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
    MakeBackup({Messages, State.ErrorCode}, (Dir / "leden.tvs").string(), 1);
    EXPECT_FALSE(fs::exists(Dir / "leden.tvs"));
    EXPECT_EQ(Read(Dir / "leden.~tv"), "new");
    EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(MakeBackupTest, AMissingFileIsNoError) {
    MakeBackup({Messages, State.ErrorCode}, (Dir / "nergens.tvs").string(), 1);
    EXPECT_TRUE(Messages.Shown.empty());
    EXPECT_EQ(State.ErrorCode, 0);
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

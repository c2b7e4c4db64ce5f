#include "core/common/file_error.h"
#include "core/config/config_file.h"
#include "file_test_support.h"
#include "scripted_ports.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

struct ConfigFixture : ::testing::Test {
    AppState State;
    ScriptedMessenger Messages;
    FakeConfigHost Host{State, Messages};
    ScratchFolder Folder;
    std::string Member = Folder.Path("club.tvs");
    std::string Cfg = Folder.Path("club.cfg");
};

} // namespace

TEST(ConfigRecords, FieldsSitAtTheOffsetsOfTheFileLayout) {
    TConfigObj config{};
    std::string image = ConfigBytes(37);
    ByteReader in{image};
    EXPECT_EQ(ReadfromStream(config, in), 268u);
    EXPECT_EQ(+config.ClubLengte, 7);
    EXPECT_EQ(config.CfgRec.ClubNaam, "TC De Baan");
    EXPECT_EQ(+config.CfgRec.NLeden, 37);
    EXPECT_EQ(+config.CfgRec.NDubRonden, 5);
    EXPECT_EQ(+config.CfgRec.NMixRonden, 3);
    EXPECT_EQ(+config.CfgRec.NBanen, 6);
    EXPECT_EQ(+config.CfgRec.NMatches, 2);
    EXPECT_EQ(config.CfgRec.Grpn[0], "h");
    EXPECT_EQ(config.CfgRec.Grpn[1], "d");
    EXPECT_EQ(+config.CfgRec.Telling, 1);
    EXPECT_EQ(+config.CfgRec.Cfgflags, 19);
    const TPrnCFGRec& prn = config.PrnCFGRecord;
    EXPECT_EQ(prn.FontNameTv, "Arial");
    EXPECT_EQ(+prn.FontSizeTv, 11);
    EXPECT_EQ(+prn.FontSizePR, 9);
    EXPECT_EQ(+prn.LeftMarge, 100);
    EXPECT_EQ(+prn.TopMarge, 150);
    EXPECT_EQ(+prn.BottomMarge, 100);
    EXPECT_EQ(+prn.LineHeight, 45);
    EXPECT_EQ(+prn.LinespPage, 60);
    EXPECT_EQ(+prn.PrntInstel, 2);
    EXPECT_EQ(prn.Persoon[0], "J. Jansen");
    EXPECT_EQ(prn.FontNamePR, "Courier New");
    EXPECT_EQ(+prn.Preferent, 12);
}

TEST(ConfigRecords, SaveAfterReadGivesBackEveryByteIncludingThoseBehindTheLengths) {
    std::string image = ConfigBytes(37);
    image[4 + 1 + 20] = 'q'; // behind the club name's length
    image[241 + 1 + 15] = 'z';
    TConfigObj config{};
    ByteReader in{image};
    ReadfromStream(config, in);
    std::string out;
    SavetoStream(config, out);
    EXPECT_EQ(out, image);
}

TEST(ConfigRecords, AShortImageLeavesTheRestAsItWas) {
    TConfigObj config{};
    config.PrnCFGRecord.LineHeight = 77;
    std::string image = ConfigBytes(37).substr(0, 65);
    ByteReader in{image};
    EXPECT_EQ(ReadfromStream(config, in), 65u);
    EXPECT_EQ(+config.CfgRec.Cfgflags, 19);
    EXPECT_EQ(+config.PrnCFGRecord.LineHeight, 77);
}

TEST_F(ConfigFixture, DefaultConfigurationOnDiskHasTheDocumentedBytes) {
    State.Members.MemberFileName = Member;
    State.Configuration.Config = TConfigObj{};
    DefaultConfig(State.Common, State.Configuration);
    SaveConfig(State.Common, State.Configuration, Messages, Member);
    std::string bytes = ReadBytes(Cfg);
    ASSERT_EQ(bytes.size(), 268u);
    std::string expectedStart = RecordBytes(65)
                                    .I32(37, 24)
                                    .I32(41, 4)
                                    .I32(45, 2)
                                    .U16(49, 9)
                                    .U16(51, 1)
                                    .Str(53, "h")
                                    .Str(57, "d")
                                    .U16(61, 0)
                                    .U16(63, 17)
                                    .Bytes;
    EXPECT_EQ(bytes.substr(0, 65), expectedStart);
    RecordBytes prn(268);
    prn.Str(65, "MS Sans Serif").U16(98, 10).U16(100, 8).U16(102, 118).U16(104, 177);
    prn.U16(106, 118).U16(108, 50).U16(110, 61).I32(112, -1).Str(241, "MS Sans Serif");
    prn.U16(266, 4);
    EXPECT_EQ(bytes.substr(65), prn.Bytes.substr(65));
    EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(ConfigFixture, SavingAnUnnamedListWritesNothing) {
    DefaultConfig(State.Common, State.Configuration);
    SaveConfig(State.Common, State.Configuration, Messages, "N_N");
    EXPECT_FALSE(Exists(Folder.Path("N_N.cfg")));
    EXPECT_FALSE(Exists("N_N.cfg"));
}

TEST_F(ConfigFixture, SavingWithoutAnyConfigurationWarnsAndWritesTheDefaults) {
    SaveConfig(State.Common, State.Configuration, Messages, Member);
    EXPECT_EQ(Messages.Texts(),
              std::vector<std::string>{"Configuratie bestaat niet; wordt aangemaakt"});
    EXPECT_EQ(Messages.Last().Kind, KindWaarschuwing);
    EXPECT_EQ(ReadBytes(Cfg).size(), 268u);
    EXPECT_TRUE(State.Configuration.ConfigOK);
}

TEST_F(ConfigFixture, SaveTakesTheWorkingPrintSettingsAndKeepsClubLengte) {
    WriteBytes(Cfg, ConfigBytes(37));
    LoadConfig(State.Common, State.Configuration, Messages, Host, Member);
    State.Configuration.PrnCfg.LinespPage = 55;
    SaveConfig(State.Common, State.Configuration, Messages, Member);
    std::string expected = ConfigBytes(37);
    expected[110] = 55;
    EXPECT_EQ(ReadBytes(Cfg), expected);
}

TEST_F(ConfigFixture, AFullFileIsTakenAndItsFlagsApplied) {
    WriteBytes(Cfg, ConfigBytes(37));
    LoadConfig(State.Common, State.Configuration, Messages, Host, Member);
    EXPECT_TRUE(Messages.Shown.empty());
    EXPECT_TRUE(Host.DialogCalls.empty());
    EXPECT_TRUE(State.Configuration.ConfigOK);
    EXPECT_EQ(State.Configuration.ConfigFileName, Cfg);
    EXPECT_EQ(+State.Configuration.PrnCfg.PrntInstel, 2);
    EXPECT_TRUE(State.Configuration.GamesCounting);
    EXPECT_TRUE(State.Configuration.PersDataOn);
    EXPECT_FALSE(State.Configuration.PrintHeadOn);
    EXPECT_EQ(Host.Maximised, std::vector<bool>{false});
}

TEST_F(ConfigFixture, WithoutPrintersTheChosenPrinterIsForgottenInTheWorkingCopyOnly) {
    Host.Printers = false;
    WriteBytes(Cfg, ConfigBytes(37));
    LoadConfig(State.Common, State.Configuration, Messages, Host, Member);
    EXPECT_FALSE(State.Configuration.PrinterPresent);
    EXPECT_EQ(+State.Configuration.PrnCfg.PrntInstel, -1);
    EXPECT_EQ(+State.Configuration.Config.PrnCFGRecord.PrntInstel, 2);
}

TEST_F(ConfigFixture, AMissingFileIsReportedAndAFreshConfigurationOffered) {
    LoadConfig(State.Common, State.Configuration, Messages, Host, Member);
    EXPECT_EQ(Messages.Texts(), std::vector<std::string>{"Bestand bestaat niet : " + Cfg});
    EXPECT_EQ(Host.DialogCalls, std::vector<bool>{true});
    EXPECT_EQ(+State.Configuration.Config.CfgRec.NLeden, 24);
    EXPECT_FALSE(State.Configuration.ConfigOK); // the dialog was cancelled
}

TEST_F(ConfigFixture, FilesEndingBeforeNLedenAreUnusable) {
    for (std::size_t size : {0u, 20u, 37u}) {
        SCOPED_TRACE(size);
        Messages.Clear();
        Host.DialogCalls.clear();
        WriteBytes(Cfg, ConfigBytes(37).substr(0, size));
        LoadConfig(State.Common, State.Configuration, Messages, Host, Member);
        EXPECT_EQ(Messages.Texts(), std::vector<std::string>{"Ledenbestand is niet correct" + Cfg});
        EXPECT_EQ(Host.DialogCalls, std::vector<bool>{true});
        EXPECT_EQ(+State.Configuration.Config.CfgRec.NLeden, 24);
        EXPECT_EQ(+State.Configuration.PrnCfg.LinespPage, 61);
    }
}

TEST_F(ConfigFixture, ClubDataAloneAreAcceptedAndPrintingGetsNoZeroToDivideBy) {
    WriteBytes(Cfg, ConfigBytes(37).substr(0, 65));
    LoadConfig(State.Common, State.Configuration, Messages, Host, Member);
    EXPECT_TRUE(Messages.Shown.empty());
    EXPECT_TRUE(State.Configuration.ConfigOK);
    EXPECT_EQ(+State.Configuration.Config.CfgRec.NLeden, 37);
    EXPECT_EQ(State.Configuration.Config.CfgRec.ClubNaam, "TC De Baan");
    EXPECT_EQ(+State.Configuration.Config.PrnCFGRecord.LineHeight, 0);
    EXPECT_EQ(+State.Configuration.PrnCfg.LineHeight, 50);
    EXPECT_EQ(+State.Configuration.PrnCfg.LinespPage, 61);
    EXPECT_EQ(+State.Configuration.PrnCfg.LeftMarge, 0);
    EXPECT_EQ(State.Common.Printer.PrnPixPerCm, 118);
}

TEST_F(ConfigFixture, AConfigurationThatCannotBeReadLeavesTheOldOne) {
    State.Configuration.Config.CfgRec.NLeden = 99;
    std::filesystem::create_directory(Cfg); // exists, but is no file
    EXPECT_THROW(LoadConfig(State.Common, State.Configuration, Messages, Host, Member), FileError);
    EXPECT_EQ(+State.Configuration.Config.CfgRec.NLeden, 99);
}

TEST_F(ConfigFixture, MaximisedPreferenceReachesTheMainWindow) {
    std::string image = ConfigBytes(37);
    image[266] = static_cast<char>(2 | 1 | 16 | 32);
    WriteBytes(Cfg, image);
    LoadConfig(State.Common, State.Configuration, Messages, Host, Member);
    EXPECT_EQ(Host.Maximised, std::vector<bool>{true});
    EXPECT_TRUE(State.Configuration.PrintHeadOn);
    EXPECT_TRUE(State.Configuration.LandscapeOn);
    EXPECT_TRUE(State.Configuration.PrintTitelOn);
    EXPECT_FALSE(State.Configuration.PersDataOn);
}

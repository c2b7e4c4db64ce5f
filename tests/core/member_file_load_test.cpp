#include "core/config/config_file.h"
#include "core/members/member_file.h"
#include "file_test_support.h"
#include "scripted_ports.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

struct LoadFixture : ::testing::Test {
    LoadFixture() { WriteBytes(Folder.Path("club.cfg"), ConfigBytes(30)); }
    OpenOutcome Open(const std::string& members) {
        WriteBytes(File, members);
        return OpenNamedMemberFile(State.Common, State.Configuration, State.Members, Messages, Host,
                                   View, File);
    }
    AppState State;
    ScriptedMessenger Messages;
    FakeConfigHost Host{State, Messages};
    RecordingFileView View;
    ScratchFolder Folder;
    std::string File = Folder.Path("club.tvs");
};

std::string ThreeMembers() {
    return MemberBytes(1, 11, "Anna", "de Vries", "d", "X") +
           MemberBytes(2, 12, "Bram", "Bakker", "h", "-") +
           MemberBytes(3, 13, "Cor", "Visser", "h", "2");
}

} // namespace

TEST_F(LoadFixture, CountInTheClubNumberOfTheHeader) {
    OpenOutcome outcome = Open(HeaderBytes(3, "") + ThreeMembers());
    EXPECT_TRUE(outcome.Loaded);
    EXPECT_EQ(State.Members.MemberCount, 3);
    ASSERT_EQ(State.Members.MemberList.size(), 4u);
    EXPECT_EQ(State.Members.MemberList[1].LidRecord.Voornaam, "Anna");
    EXPECT_EQ(State.Members.MemberList[3].LidRecord.AchterNaam, "Visser");
    EXPECT_EQ(State.Members.MemberList[3].LidRecord.StatCode, "2");
    EXPECT_TRUE(State.Members.MemberDataPresent);
    EXPECT_EQ(State.Members.MemberFileName, File);
    EXPECT_EQ(View.StatusNames, std::vector<std::string>{"club.tvs"});
    EXPECT_EQ(View.FileCommandsEnabled, 1);
    EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(LoadFixture, CountInTheRemarkOfTheHeader) {
    EXPECT_TRUE(Open(HeaderBytes(0, "3") + ThreeMembers()).Loaded);
    EXPECT_EQ(State.Members.MemberCount, 3);
    EXPECT_TRUE(Open(HeaderBytes(0, " +2") + ThreeMembers()).Loaded);
    EXPECT_EQ(State.Members.MemberCount, 2);
}

TEST_F(LoadFixture, NoCountInTheHeaderFallsBackOnTheConfiguration) {
    OpenOutcome outcome = Open(HeaderBytes(0, "") + ThreeMembers());
    EXPECT_TRUE(outcome.Loaded);
    EXPECT_EQ(outcome.HeaderCount, 30);
    EXPECT_EQ(State.Members.MemberCount, 30);
    ASSERT_EQ(State.Members.MemberList.size(), 31u);
    // Records missing at the end of the file come out blank.
    const TLidRec& missing = State.Members.MemberList[30].LidRecord;
    EXPECT_EQ(+missing.ClubNo, 0);
    EXPECT_EQ(+missing.Indx, 0);
    EXPECT_TRUE(missing.Voornaam.Empty());
    EXPECT_EQ(State.Members.MemberList[2].LidRecord.Voornaam, "Bram");
}

TEST_F(LoadFixture, AShortLastRecordKeepsWhatCameAndBlanksTheRest) {
    std::string bytes = HeaderBytes(2, "") + ThreeMembers().substr(0, 232 + 50);
    EXPECT_TRUE(Open(bytes).Loaded);
    EXPECT_EQ(State.Members.MemberList[2].LidRecord.Voornaam, "Bram");
    EXPECT_TRUE(State.Members.MemberList[2].LidRecord.Groep.Empty());
}

TEST(MemberCountFromHeader, TheThreeStepsInTheirOrder) {
    TLidRec header{};
    header.ClubNo = 12;
    header.Opmerking.Assign("99");
    EXPECT_EQ(MemberCountFromHeader(header, 30), 12);
    header.ClubNo = 0;
    EXPECT_EQ(MemberCountFromHeader(header, 30), 99);
    header.Opmerking.Assign("0");
    EXPECT_EQ(MemberCountFromHeader(header, 30), 30);
    header.Opmerking.Assign("12a");
    EXPECT_EQ(MemberCountFromHeader(header, 30), 0);
    header.Opmerking.Assign("65539"); // stored as a signed 16-bit number
    EXPECT_EQ(MemberCountFromHeader(header, 30), 3);
    header.Opmerking.Assign("99999999999");
    EXPECT_EQ(MemberCountFromHeader(header, 30), 0);
    header.Opmerking.Assign("");
    EXPECT_EQ(MemberCountFromHeader(header, 65536 + 5), 5);
}

TEST(LoadLedenFromBytes, ZeroCountIsReportedAndLeavesOnlyTheHeader) {
    AppState state;
    ScriptedMessenger messages;
    state.Configuration.Config.CfgRec.NLeden = 30;
    EXPECT_FALSE(LoadLedenFromBytes({messages, state.Common.ErrorCode}, state.Configuration,
                                    state.Members, HeaderBytes(0, "vijf") + ThreeMembers()));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Fout in data bestand:  Aantalleden=0"});
    EXPECT_EQ(messages.Last().Kind, KindFout);
    EXPECT_EQ(state.Members.MemberList.size(), 1u);
    EXPECT_EQ(state.Members.MemberCount, 0);
    EXPECT_FALSE(state.Members.MemberDataPresent);
}

TEST(LoadLedenFromBytes, NegativeCountIsRefusedLikeZero) {
    AppState state;
    ScriptedMessenger messages;
    int16_t count = 0;
    EXPECT_FALSE(LoadLedenFromBytes({messages, state.Common.ErrorCode}, state.Configuration,
                                    state.Members, HeaderBytes(-3, "") + ThreeMembers(), &count));
    EXPECT_EQ(count, -3);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Fout in data bestand:  Aantalleden=-3"});
    EXPECT_EQ(state.Members.MemberCount, 0);
    EXPECT_EQ(state.Members.MemberList.size(), 1u);
}

TEST_F(LoadFixture, AFailedLoadKeepsTheListThatWasOpen) {
    ASSERT_TRUE(Open(HeaderBytes(3, "") + ThreeMembers()).Loaded);
    std::string other = Folder.Path("kapot.tvs");
    WriteBytes(other, HeaderBytes(0, "x") + ThreeMembers());
    Messages.Clear();
    OpenOutcome outcome = OpenNamedMemberFile(State.Common, State.Configuration, State.Members,
                                              Messages, Host, View, other);
    EXPECT_FALSE(outcome.Loaded);
    EXPECT_EQ(Messages.Texts(),
              (std::vector<std::string>{"Bestand bestaat niet : " + Folder.Path("kapot.cfg"),
                                        "Fout in data bestand:  Aantalleden=0"}));
    EXPECT_EQ(State.Members.MemberCount, 3);
    EXPECT_EQ(State.Members.MemberList[1].LidRecord.Voornaam, "Anna");
    EXPECT_EQ(State.Members.MemberFileName, File);
    EXPECT_EQ(+State.Configuration.Config.CfgRec.NLeden, 30);
}

TEST_F(LoadFixture, AFileThatCannotBeReadIsNamedWithTheReason) {
    ASSERT_TRUE(Open(HeaderBytes(3, "") + ThreeMembers()).Loaded);
    std::string folderAsFile = Folder.Path("map.tvs");
    std::filesystem::create_directory(folderAsFile);
    WriteBytes(Folder.Path("map.cfg"), ConfigBytes(8));
    Messages.Clear();
    EXPECT_FALSE(OpenNamedMemberFile(State.Common, State.Configuration, State.Members, Messages,
                                     Host, View, folderAsFile)
                     .Loaded);
    EXPECT_EQ(Messages.Texts(),
              std::vector<std::string>{folderAsFile +
                                       " (Is a directory) Inlezen NIET gelukt\n\r probeer "
                                       "opnieuw of controleer file"});
    EXPECT_EQ(State.Members.MemberCount, 3);
    EXPECT_EQ(State.Members.MemberFileName, File);
    EXPECT_EQ(+State.Configuration.Config.CfgRec.NLeden, 30);
}

TEST_F(LoadFixture, AMissingFileChangesNothing) {
    EXPECT_FALSE(OpenNamedMemberFile(State.Common, State.Configuration, State.Members, Messages,
                                     Host, View, Folder.Path("weg.tvs"))
                     .Loaded);
    EXPECT_EQ(Messages.Texts(),
              std::vector<std::string>{"Bestand bestaat niet : " + Folder.Path("weg.tvs")});
    EXPECT_EQ(State.Members.MemberFileName, "N_N");
    EXPECT_TRUE(View.StatusNames.empty());
}

TEST_F(LoadFixture, OpenDialogAsksForTvsFilesAndItsCancelClearsDataPresent) {
    ScriptedChooser chooser;
    chooser.OpenAnswers.push_back(std::nullopt);
    State.Members.MemberDataPresent = true;
    OpenMemberFile(State.Common, State.Configuration, State.Members, Messages, chooser, Host, View);
    EXPECT_FALSE(State.Members.MemberDataPresent);
    ASSERT_EQ(chooser.Requests.size(), 1u);
    EXPECT_EQ(chooser.Requests[0].InitialName, "*.TVS");
    EXPECT_EQ(chooser.Requests[0].Filter, "Tolvex bestand (*.tvs)");
    WriteBytes(File, HeaderBytes(3, "") + ThreeMembers());
    chooser.OpenAnswers.push_back(File);
    OpenMemberFile(State.Common, State.Configuration, State.Members, Messages, chooser, Host, View);
    EXPECT_TRUE(State.Members.MemberDataPresent);
    EXPECT_EQ(State.Members.MemberCount, 3);
}

TEST_F(LoadFixture, PrintSettingsOfTheFileReachTheWindows) {
    Open(HeaderBytes(3, "") + ThreeMembers());
    EXPECT_EQ(View.ScreenFont, "Arial:11");
    EXPECT_EQ(State.Common.ScreenFontName, "Arial");
    EXPECT_TRUE(State.Common.PrnFontSet);
}

TEST_F(LoadFixture, ANamedPipeIsRefusedInsteadOfWaitedFor) {
    std::string pipe = Folder.Path("pijp.tvs");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(OpenNamedMemberFile(State.Common, State.Configuration, State.Members, Messages,
                                     Host, View, pipe)
                     .Loaded);
    ASSERT_EQ(Messages.Shown.size(), 2u); // the missing configuration, then the pipe
    EXPECT_EQ(Messages.Shown[1].Text, pipe + " (Not a regular file) Inlezen NIET gelukt\n\r "
                                             "probeer opnieuw of controleer file");
}

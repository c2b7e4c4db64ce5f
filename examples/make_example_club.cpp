// Writes the example club: a made-up tennis club of 60 members with its configuration, as the
// program itself saves them, ticked off for two evenings. The output is the same on every run
// (a fixed seed), so the files in this folder can be checked against a fresh run.
//   make_example_club FOLDER      writes FOLDER/tc_de_kastanjelaan.tvs and .cfg (a club night
//                                 that the proposed courts compute completely) and
//                                 FOLDER/tc_de_kastanjelaan_laat.tvs and .cfg (an evening with
//                                 many late arrivals, which needs fewer courts in rounds 1 and 2)

#include "core/common/safe_file_writer.h"
#include "core/common/windows1252.h"
#include "core/config/config_file.h"
#include "core/members/member_file.h"
#include "state/app_state.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

// A small fixed generator: the example must not change between compilers.
class Dice {
public:
    uint32_t Next() {
        State = State * 1103515245u + 12345u;
        return (State >> 16) & 0x7FFF;
    }
    template <std::size_t N> const char* Pick(const std::array<const char*, N>& from) {
        return from[Next() % N];
    }

private:
    uint32_t State = 20261209u;
};

const std::array<const char*, 30> MenNames = {
    "Jan",  "Pieter",  "Kees",  "Henk",   "Willem", "Joost",  "Bram", "Sander", "Ruud", "Thijs",
    "Gert", "Maarten", "Erik",  "Johan",  "Frank",  "Wouter", "Bas",  "Niels",  "Koen", "Roel",
    "Dirk", "Marcel",  "Arjen", "Stefan", "Hans",   "Teun",   "Gijs", "René",   "Joël", "Luuk"};
const std::array<const char*, 30> LadiesNames = {
    "Anneke", "Marieke", "Ingrid", "Els",   "Karin",   "Petra",  "Sanne", "Femke",
    "Lotte",  "Ilse",    "Wilma",  "Truus", "Hanneke", "Marjan", "Ellen", "Joke",
    "Mieke",  "Nienke",  "Renée",  "Chloë", "Anouk",   "Esther", "Linda", "Monique",
    "Tineke", "Eva",     "Sophie", "Loes",  "Greet",   "Bea"};
const std::array<const char*, 36> Surnames = {
    "de Jong",      "Jansen",     "de Vries", "van den Berg", "van Dijk",  "Bakker",
    "Janssen",      "Visser",     "Smit",     "Meijer",       "de Boer",   "Mulder",
    "de Groot",     "Bos",        "Vos",      "Peters",       "Hendriks",  "van Leeuwen",
    "Dekker",       "Brouwer",    "de Wit",   "Dijkstra",     "Smits",     "de Graaf",
    "van der Meer", "Kok",        "Jacobs",   "de Haan",      "Vermeulen", "van den Heuvel",
    "Verhoeven",    "van 't Hof", "Schouten", "Willemsen",    "Hoekstra",  "van Beek"};
const std::array<const char*, 16> Streets = {
    "Kastanjelaan",     "Dorpsstraat",  "Kerkweg",       "Molenstraat",
    "Beukenlaan",       "Schoolstraat", "Julianalaan",   "Prinsengracht",
    "Lindelaan",        "Eikenhof",     "Veldweg",       "Stationsweg",
    "Wilhelminastraat", "Sportlaan",    "Het Hoogeland", "Zonnebloemstraat"};
const std::array<const char*, 3> Towns = {"Ede", "Bennekom", "Wageningen"};
const std::array<const char*, 3> TownPostcodes = {"6711", "6721", "6701"};
// The codes the generator draws first; the evening's ticks below replace them.
const std::array<const char*, 16> StatusCodes = {"-", "-", "-", "-", "-", "X",  "X",  "X",
                                                 "X", "X", "2", "3", "A", "B1", "C2", "D"};

// An evening: the status codes of the first sixteen men and the first sixteen ladies of the
// register ("X" plays every round, "2" and "3" at most that many games, "X1" and "X2" arrive
// for round 2 or 3, "D" leaves after round 4); everybody else is not there ("-").
struct Evening {
    const char* FileName;
    std::array<const char*, 16> Men;
    std::array<const char*, 16> Ladies;
};

const Evening ClubNight = {
    "tc_de_kastanjelaan",
    {"X", "2", "3", "X1", "X", "X", "X", "X", "X", "X", "X", "X", "X", "X", "X", "X"},
    {"X", "X", "X", "X", "D", "X", "X", "X", "X", "X", "X", "X", "X", "X", "X", "X"}};

const Evening LateNight = {
    "tc_de_kastanjelaan_laat",
    {"X1", "X", "X1", "X", "X1", "X", "X1", "X", "X1", "X", "X2", "X", "X2", "X", "3", "X"},
    {"X", "X1", "X", "X1", "X", "X1", "X", "X1", "X", "X2", "X", "X2", "X", "X", "2", "X"}};

void TickOff(AppState& state, const Evening& evening) {
    int men = 0, ladies = 0;
    for (int i = 1; i <= state.Members.MemberCount; ++i) {
        TLidRec& m = state.Members.MemberList[i].LidRecord;
        const bool man = m.Groep.View() == "h";
        int& seen = man ? men : ladies;
        const auto& codes = man ? evening.Men : evening.Ladies;
        m.StatCode.Assign(seen < 16 ? codes[seen] : "-");
        ++seen;
    }
}

class NullMessenger : public Messenger {
public:
    int Show(std::string_view, uint8_t, uint16_t, int) override { return ResultOK; }
};

std::string Win(const char* utf8) {
    return Utf8ToWindows1252(utf8);
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// "van 't Hof" -> "vanthof": letters only, for the e-mail address.
std::string MailPart(const std::string& utf8) {
    std::string out;
    for (char c : Lower(Win(utf8.c_str()))) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0xE8 || byte == 0xE9 || byte == 0xEB)
            out += 'e'; // è, é, ë
        else if (c >= 'a' && c <= 'z')
            out += c;
    }
    return out;
}

void FillMember(TLidRec& m, Dice& dice, int i, bool man) {
    std::string first = man ? dice.Pick(MenNames) : dice.Pick(LadiesNames);
    std::string last = dice.Pick(Surnames);
    m.Indx = static_cast<uint16_t>(i);
    m.ClubNo = static_cast<int16_t>(100 + i * 3 + static_cast<int>(dice.Next() % 3));
    m.Voornaam.Assign(Win(first.c_str()));
    m.AchterNaam.Assign(Win(last.c_str()));
    m.Groep.Assign(man ? "h" : "d");
    m.StatCode.Assign(dice.Pick(StatusCodes));
    int town = static_cast<int>(dice.Next() % Towns.size());
    std::string street = dice.Pick(Streets);
    street += ' ';
    street += std::to_string(1 + dice.Next() % 180);
    m.Adres.Assign(Win(street.c_str()));
    char postcode[16];
    const char letter1 = static_cast<char>('A' + dice.Next() % 26);
    const char letter2 = static_cast<char>('A' + dice.Next() % 26);
    std::snprintf(postcode, sizeof postcode, "%s %c%c", TownPostcodes[town], letter1, letter2);
    m.PostCode.Assign(postcode);
    m.Plaats.Assign(Towns[town]);
    char phone[16];
    std::snprintf(phone, sizeof phone, "0318-%06u",
                  static_cast<unsigned>(dice.Next() * 31 % 1000000));
    m.Telefoon.Assign(phone);
    if (dice.Next() % 4 != 0) {
        std::string mail = MailPart(first);
        mail += '.';
        mail += MailPart(last);
        mail += "@example.nl";
        m.EMail.Assign(mail);
    }
    switch (dice.Next() % 10) {
    case 0:
        m.Opmerking.Assign("bestuurslid");
        break;
    case 1:
        m.Opmerking.Assign("alleen 1e helft");
        break;
    case 2:
        m.Opmerking.Assign(Win("competitie zaterdag"));
        break;
    default:
        break;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "gebruik: make_example_club MAP\n");
        return 1;
    }
    AppState state;
    DefaultConfig(state.Common, state.Configuration);
    state.Configuration.Config.CfgRec.ClubNaam.Assign("T.C. De Kastanjelaan");
    state.Configuration.Config.CfgRec.NLeden = 60;
    state.Configuration.Config.CfgRec.NBanen = 6;
    state.Configuration.Config.CfgRec.Cfgflags = CfgWarnCourts | CfgShowProgress | CfgNewMark;
    state.Configuration.PrnCfg.FontNameTv.Assign("DejaVu Sans");
    state.Configuration.PrnCfg.FontSizeTv = 10;
    state.Configuration.PrnCfg.FontNamePR.Assign("DejaVu Sans");
    state.Configuration.PrnCfg.FontSizePR = 10;
    state.Configuration.PrnCfg.Persoon[0].Assign("M. van der Meer");
    state.Configuration.PrnCfg.Persoon[1].Assign("Kastanjelaan 12");
    state.Configuration.PrnCfg.Persoon[2].Assign("6711 KL");
    state.Configuration.PrnCfg.Persoon[3].Assign("Ede");
    state.Configuration.PrnCfg.Persoon[4].Assign("0318-641200");
    state.Configuration.PrnCfg.Preferent = PrefNewMark | PrefPrintKop | PrefPrintTitel;

    Dice dice;
    const int members = 60;
    state.Members.MemberCount = members;
    state.Members.MemberList.assign(members + 1, TLedenObj{});
    for (int i = 1; i <= members; ++i)
        FillMember(state.Members.MemberList[i].LidRecord, dice, i, dice.Next() % 100 < 55);

    for (const Evening* evening : {&ClubNight, &LateNight}) {
        TickOff(state, *evening);
        const std::string memberFile = std::string(argv[1]) + "/" + evening->FileName + ".tvs";
        state.Members.MemberList[0].LidRecord.Voornaam.Assign(std::string(evening->FileName) +
                                                              ".tvs");
        try {
            auto image = MemberFileImage(state.Members);
            WriteFileAtomically(memberFile, *image);
            state.Members.MemberFileName = memberFile;
            NullMessenger quiet;
            SaveConfig(state.Common, state.Configuration, quiet, memberFile);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "make_example_club: %s\n", e.what());
            return 1;
        }
    }
    return 0;
}

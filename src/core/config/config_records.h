#pragma once
// The configuration file's records: memory images, packed and little-endian, exactly as on disk.

#include "core/common/short_string.h"

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

struct TCfgRec {
    ShortString<32> ClubNaam;
    int32_t NLeden;
    int32_t NDubRonden;
    int32_t NMixRonden;
    int16_t NBanen;
    int16_t NMatches;
    ShortString<3> Grpn[2]; // Grpn[0] is group 1 (the men), Grpn[1] group 2 (the ladies)
    uint16_t Telling;
    uint16_t Cfgflags;
};

struct TPrnCFGRec {
    ShortString<32> FontNameTv;
    int16_t FontSizeTv;
    int16_t FontSizePR;
    uint16_t LeftMarge;
    uint16_t TopMarge;
    uint16_t BottomMarge;
    uint16_t LineHeight;
    uint16_t LinespPage;
    int32_t PrntInstel;
    ShortString<24> Persoon[5];
    ShortString<24> FontNamePR;
    uint16_t Preferent;
};

struct TConfigObj {
    int32_t ClubLengte;
    TCfgRec CfgRec;
    TPrnCFGRec PrnCFGRecord;
};

#pragma pack(pop)

static_assert(sizeof(TCfgRec) == 61);
static_assert(offsetof(TCfgRec, NLeden) == 33);
static_assert(offsetof(TCfgRec, NBanen) == 45);
static_assert(offsetof(TCfgRec, Grpn) == 49);
static_assert(offsetof(TCfgRec, Telling) == 57);
static_assert(offsetof(TCfgRec, Cfgflags) == 59);
static_assert(sizeof(TPrnCFGRec) == 203);
static_assert(offsetof(TPrnCFGRec, FontSizeTv) == 33);
static_assert(offsetof(TPrnCFGRec, LinespPage) == 45);
static_assert(offsetof(TPrnCFGRec, PrntInstel) == 47);
static_assert(offsetof(TPrnCFGRec, Persoon) == 51);
static_assert(offsetof(TPrnCFGRec, FontNamePR) == 176);
static_assert(offsetof(TPrnCFGRec, Preferent) == 201);
static_assert(sizeof(TConfigObj) == 268);

// Cfgflags bits.
enum : uint16_t {
    CfgWarnCourts = 1,   // "Waarschuwen bij teveel of teweinig banen"
    CfgShowProgress = 2, // "Voortgang-berichten tonen"
    CfgCourtCoding = 4,  // "Baancodering actief"
    CfgNewMark = 16,     // set in a new configuration; nothing tests it
};

// Preferent bits.
enum : uint16_t {
    PrefPrintKop = 1,
    PrefMaximised = 2,
    PrefNewMark = 4,
    PrefEigenaar = 8,
    PrefLiggend = 16,
    PrefPrintTitel = 32,
};

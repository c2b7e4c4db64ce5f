#pragma once
// The member file's record and the schedule's player record: memory images, packed and
// little-endian, exactly as on disk.

#include "core/common/short_string.h"

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

struct TLidRec {
    uint16_t Indx;
    int16_t ClubNo;
    ShortString<24> Voornaam;
    ShortString<40> AchterNaam;
    ShortString<3> Groep;
    ShortString<3> StatCode;
    ShortString<40> Adres;
    ShortString<8> PostCode;
    ShortString<24> Plaats;
    ShortString<12> Telefoon;
    ShortString<32> EMail;
    ShortString<32> Opmerking;
};

struct TNaamRec {
    uint8_t LidNo;
    uint8_t Index;
    ShortString<24> Voornaam;
    ShortString<40> AchterNaam;
    uint8_t StatusNr;
};

#pragma pack(pop)

static_assert(sizeof(TLidRec) == 232);
static_assert(offsetof(TLidRec, Voornaam) == 4);
static_assert(offsetof(TLidRec, AchterNaam) == 29);
static_assert(offsetof(TLidRec, Groep) == 70);
static_assert(offsetof(TLidRec, StatCode) == 74);
static_assert(offsetof(TLidRec, Adres) == 78);
static_assert(offsetof(TLidRec, PostCode) == 119);
static_assert(offsetof(TLidRec, Plaats) == 128);
static_assert(offsetof(TLidRec, Telefoon) == 153);
static_assert(offsetof(TLidRec, EMail) == 166);
static_assert(offsetof(TLidRec, Opmerking) == 199);
static_assert(sizeof(TNaamRec) == 69);
static_assert(offsetof(TNaamRec, AchterNaam) == 27);
static_assert(offsetof(TNaamRec, StatusNr) == 68);

// One member: a zero-filled record in a new object.
struct TLedenObj {
    TLidRec LidRecord{};
};

struct TNaamObj {
    TNaamRec NaamRec{};
};

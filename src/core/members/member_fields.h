#pragma once
// The field checks of a member record, shared by the member grid and the member dialog. They work
// on Windows-1252 byte texts.

#include "core/common/typed_text.h"
#include "core/config/config_records.h"
#include "core/members/member_records.h"

#include <string>
#include <string_view>

// A club number must not be empty.
bool CheckClubNr(std::string_view nummer);

// The group must be one of the two group marks of the configuration (any case); an empty group is
// allowed only for a member that does not take part (status "-").
bool CheckNewGroep(std::string_view grp, std::string_view statcd, const TCfgRec& cfg);

// A one-character status must be one the schedule knows; longer statuses are accepted as typed.
bool CheckNewStat(std::string_view actie);

// Stores a status; a one-character status gets blank spare bytes at once, since the schedule reads
// the second byte whatever the length.
void StoreStatusCode(TLidRec& rec, std::string_view status);

// Upper-cases the first letter, caps the second character of a three-character status at "2"
// and blanks the spare bytes of a one-character status. True when the status was capped.
bool NormaliseStatusCode(TLidRec& rec);

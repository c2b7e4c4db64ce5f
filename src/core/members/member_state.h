#pragma once
// The open member register.

#include "core/members/member_records.h"

#include <cstdint>
#include <string>
#include <vector>

struct MemberState {
    // Item 0 is the header record; items 1..MemberCount are the members in grid order.
    std::vector<TLedenObj> MemberList = std::vector<TLedenObj>(1);
    int16_t MemberCount = 0;
    std::string MemberFileName = "N_N";
    bool BackupPending = true;
    bool MemberDataPresent = false;
    // A member list is in memory: started with "&Nieuw" or loaded from a file. A cancelled
    // "&Open" clears MemberDataPresent but keeps the list, and this with it.
    bool MemberListLoaded = false;
    // "Bewaren &als..." confirmed over an existing file: that file becomes the backup, but only
    // once the new content is safely on disk.
    bool BackupRequested = false;
};

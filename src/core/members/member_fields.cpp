#include "core/members/member_fields.h"

bool CheckClubNr(std::string_view nummer) {
    return !TrimBlanks(nummer).empty();
}

bool CheckNewGroep(std::string_view grp, std::string_view statcd, const TCfgRec& cfg) {
    std::string group = TrimBlanks(grp);
    if (SameTextAscii(group, cfg.Grpn[0].View()) || SameTextAscii(group, cfg.Grpn[1].View()))
        return true;
    return group.empty() && statcd == "-";
}

bool CheckNewStat(std::string_view actie) {
    std::string status = TrimBlanks(actie);
    if (status.size() != 1) return true;
    static constexpr std::string_view Allowed = " -123456789ABCDEFGHIXabcdefghix";
    return Allowed.find(status[0]) != std::string_view::npos;
}

bool NormaliseStatusCode(TLidRec& rec) {
    auto& status = rec.StatCode;
    std::size_t length = status.Size();
    if (length >= 1 && status.Chars[0] >= 'a' && status.Chars[0] <= 'z')
        status.Chars[0] = static_cast<char>(status.Chars[0] - 'a' + 'A');
    bool capped = false;
    if (length == 3 && static_cast<unsigned char>(status.Chars[1]) > '2') {
        status.Chars[1] = '2';
        capped = true;
    }
    // The schedule reads the second status byte whatever the length: a one-character status must
    // not keep an old second character.
    if (length == 1) {
        status.Chars[1] = ' ';
        status.Chars[2] = ' ';
    }
    return capped;
}

void StoreStatusCode(TLidRec& rec, std::string_view status) {
    rec.StatCode = status;
    if (rec.StatCode.Size() == 1) {
        rec.StatCode.Chars[1] = ' ';
        rec.StatCode.Chars[2] = ' ';
    }
}

#pragma once
// What a round throws when its own tables cannot be searched (a pair list naming a player
// outside the group, a list longer than its table). The run reports the round as "Selectie niet
// gelukt" and goes on with the next; anything else a round meets is not the round's failure and
// goes on to the caller.

#include <stdexcept>

class RoundFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

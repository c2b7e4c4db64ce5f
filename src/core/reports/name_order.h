#pragma once
// The display order of a group: by last name and first name for a schedule with names, the list
// order for a schedule with pairs.

#include "core/schedule/schedule_store.h"

#include <string>
#include <vector>

// The 20-character sort key: the trimmed last name followed by the first name as stored.
std::string NameKey(const TNaamRec& rec);

// order[1..n] is a permutation of 1..n (order[0] is unused). Keys compare byte by byte by code
// value; equal keys keep their list order.
std::vector<int> NameOrder(const NameList& list, int n, bool withNames);

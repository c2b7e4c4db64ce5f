#include "core/reports/name_order.h"

#include "core/reports/report_text.h"

#include <algorithm>
#include <numeric>

std::string NameKey(const TNaamRec& rec) {
    std::string key(TrimText(rec.AchterNaam.View()));
    key += rec.Voornaam.View();
    return Cut(key, 20);
}

std::vector<int> NameOrder(const NameList& list, int n, bool withNames) {
    n = std::clamp(n, 0, MaxGroupPlayers);
    std::vector<int> order(n + 1);
    std::iota(order.begin(), order.end(), 0);
    if (!withNames || n < 2) return order;
    std::vector<std::string> keys(n + 1);
    for (int i = 1; i <= n; ++i) keys[i] = NameKey(list[i].NaamRec);
    // std::string compares its chars as unsigned bytes (char_traits<char>::lt), so accented
    // letters sort after all plain ones, by code value.
    std::stable_sort(order.begin() + 1, order.end(),
                     [&](int a, int b) { return keys[a] < keys[b]; });
    return order;
}

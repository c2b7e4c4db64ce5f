#include "core/schedule/availability.h"

#include "core/common/message_tables.h"

namespace {

uint8_t StatusOfRound(uint8_t s, int round) {
    if (s <= 9) return s;
    if (s <= 63) {
        // "XY": at most X games, sits out rounds 1..Y.
        int pause = s % 10;
        return pause >= round ? static_cast<uint8_t>(pause + 101) : static_cast<uint8_t>(s / 10);
    }
    return 0; // letters are handled by the caller: they also count absences
}

} // namespace

void PrepareAvailability(ScheduleStore& store, int scheduleKind, Group g) {
    GroupTables& tables = store.Of(g);
    int players = store.CountOf(g);
    for (int i = 1; i <= store.NumRounds; ++i) {
        StatusRecord& record = tables.StatusTable[i];
        record.AbsentCount = 0;
        for (int j = 1; j <= players; ++j) {
            uint8_t status = NoMaximum;
            if (scheduleKind == 1) {
                uint8_t s = tables.Names[j].NaamRec.StatusNr;
                if (s <= 63) {
                    status = StatusOfRound(s, i);
                } else {
                    // A letter: present in rounds 1..a, sitting out the first b of them.
                    int a = s - 64, b = 0;
                    if (s >= 164)
                        a = s - 164, b = 2;
                    else if (s >= 114)
                        a = s - 114, b = 1;
                    if (a < i) {
                        ++record.AbsentCount;
                        status = 0;
                    }
                    if (b >= i) status = PauseTwoTimes;
                }
            }
            record.Status[j] = status;
        }
    }
}

std::string CourtWarningText(const ScheduleStore& store, int n, int round, int g) {
    std::string text;
    std::string_view message = Messages[21 + n];
    if (round == 0) {
        text = message;
    } else if (round >= 1 && round <= 10) {
        text = std::string(message) + " Ronde : " + std::to_string(round);
    } else if (round >= 21 && round <= 40) {
        text = std::string(message) + "," + store.GroupLabel[g].Str() +
               " Ronde : " + std::to_string(round);
    }
    return text;
}

void ShowCourtWarning(CommonState& common, const ConfigState& config, const ScheduleStore& store,
                      RunPorts& ports, int n, int round, int g) {
    if ((config.Config.CfgRec.Cfgflags & CfgWarnCourts) == 0) return;
    ports.View.ShowWarning(CourtWarningText(store, n, round, g));
    common.ErrorCode = round;
    ports.Pump.Delay(500);
}

void CheckCourts(CommonState& common, const ConfigState& config, ScheduleStore& store,
                 RunPorts& ports) {
    const int rounds = store.NumDoublesRounds;
    for (Group g : {Men, Women}) {
        int players = store.CountOf(g);
        auto& courts = g == Men ? store.CourtsMen : store.CourtsWomen;
        const auto& status = store.Of(g).StatusTable;
        for (int r = 1; r <= rounds; ++r) {
            if (r >= 2 && 4 * (courts[r] + courts[r - 1]) <
                              players - status[r].AbsentCount - status[r - 1].AbsentCount)
                ShowCourtWarning(common, config, store, ports, 5, r, g);
            if (4 * courts[r] > players) {
                ShowCourtWarning(common, config, store, ports, 6, r, g);
                while (4 * courts[r] > players) --courts[r];
                store.NumCourts = store.CourtsMen[1] + store.CourtsWomen[1];
                common.ErrorCode = 0;
            }
        }
    }

    Group smaller = store.NumMen < store.NumWomen ? Men : Women;
    int players = store.CountOf(smaller);
    const auto& doublesCourts = smaller == Men ? store.CourtsMen : store.CourtsWomen;
    const auto& status = store.Of(smaller).StatusTable;
    auto& mixed = store.CourtsMixed;
    for (int m = 1; m <= store.NumMixedRounds; ++m) {
        // Without doubles rounds there is no earlier round whose absences would count.
        int prev = rounds > 0 ? status[rounds + m - 1].AbsentCount : 0;
        int cur = status[rounds + m].AbsentCount;
        if (m == 1 && rounds > 0) {
            if (2 * mixed[1] + 4 * doublesCourts[rounds] < players - cur - prev)
                ShowCourtWarning(common, config, store, ports, 5, rounds + 1, 2);
        } else if (m >= 2) {
            if (2 * (mixed[m] + mixed[m - 1]) < players - cur - prev)
                ShowCourtWarning(common, config, store, ports, 5, rounds + m, 2);
        }
        if (4 * mixed[m] > store.NumPlayers) {
            ShowCourtWarning(common, config, store, ports, 6, rounds + m, 2);
            while (4 * mixed[m] > store.NumPlayers) --mixed[m];
            common.ErrorCode = 0;
        }
    }
}

void RoundStatusUpdate(ScheduleStore& store, Group g, int r, StatusRecord& record) {
    GroupTables& tables = store.Of(g);
    const int players = store.CountOf(g);
    const uint8_t mode = store.PauseMode;
    int count = 0;
    for (int p = 1; p <= players; ++p) {
        uint8_t status = record.Status[p];
        if (tables.PlayCount[p] == status) status = 0;
        if (status == 0) ++count;
        if (mode >= 4) {
            // Two pauses for 2-times players: round 2 (if he played round 1), round 3, and
            // round 4 unless round 2 was already his pause.
            if (status == 2) {
                bool kept = r == 4 && tables.StatusTable[2].Status[p] == PauseTwoTimes;
                if ((r == 2 && tables.SatOut[p] == 0) || r == 3 || (r == 4 && !kept)) {
                    status = PauseTwoTimes;
                    ++count;
                }
            }
        } else if (mode >= 2) {
            if (status == 2 && r > 1 && tables.SatOut[p] == 0) {
                status = PauseTwoTimes;
                ++count;
            }
        }
        if ((mode & 1) != 0 && status == 3 && r > 1 && tables.SatOut[p] == 0) {
            status = PauseThreeTimes;
            ++count;
        }
        record.Status[p] = status;
    }
    // Initial pauses coded in the member's status are not counted as absent.
    record.AbsentCount = count;
}

void MixedRoundStatusUpdate(const ScheduleStore& store, Group g, StatusRecord& copy) {
    const GroupTables& tables = store.Of(g);
    const int players = store.CountOf(g);
    int count = 0;
    for (int p = 1; p <= players; ++p) {
        uint8_t status = copy.Status[p];
        if (tables.PlayCount[p] == status) status = 0;
        if (status == 0) ++count;
        if ((store.PauseMode & 1) != 0 && status == 3 && tables.SatOut[p] == 0) {
            status = PauseThreeTimes;
            ++count;
        }
        copy.Status[p] = status;
    }
    copy.AbsentCount = count;
}

int CountAvailable(const StatusRecord& record, int players) {
    int n = 0;
    for (int p = 1; p <= players; ++p)
        if (IsAvailable(record.Status[p])) ++n;
    return n;
}

bool MustPlayTest(GroupTables& tables, int players, const StatusRecord& record,
                  const uint8_t* selected) {
    MustPlayList& list = tables.MustPlay;
    list.Count = 0;
    bool all = true;
    for (int p = 1; p <= players; ++p) {
        if (tables.SatOut[p] != 0 && IsAvailable(record.Status[p])) {
            list.Players[++list.Count] = static_cast<uint8_t>(p);
            if (selected[p] == 0) all = false;
        }
    }
    return all;
}

bool BalanceTest(const GroupTables& tables, int players, const StatusRecord& record,
                 const uint8_t* selected, int start) {
    int hi = 1, lo = start;
    for (int p = 1; p <= players; ++p) {
        uint8_t status = record.Status[p];
        if (!IsAvailable(status)) continue;
        int games = tables.PlayCount[p] + (selected[p] != 0 ? 1 : 0);
        if (games > hi) hi = games;
        if (!IsLimited(status) && games < lo) lo = games;
    }
    return hi == lo || hi == lo + 1;
}

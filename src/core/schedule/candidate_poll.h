#pragma once
// The stop poll of the round searches, after every candidate. The fast path is one compare of
// the candidate count with the next point at which anything can happen: the event pump is due
// (every PumpInterval-th candidate), the scripted candidate limit is reached, or a stop is
// already pending. The stop key only changes while events are processed, so testing it at those
// points is testing it after every candidate.

#include "core/schedule/schedule_view.h"

#include <cstdint>

class CandidatePoll {
public:
    CandidatePoll(RunPorts& ports, uint64_t candidates)
        : Ports(ports)
        , Control(ports.Control)
        , Interval(ports.Control.PumpInterval == 0 ? 1 : ports.Control.PumpInterval)
        , Limit(ports.Control.CandidateLimit)
        , Stepped(candidates)
        , NextPump(candidates + Interval) {}

    // The candidate count at which Slow must run next.
    uint64_t NextPoint(uint64_t candidates) const {
        if (Control.StopAsked()) return candidates + 1;
        uint64_t next = NextPump;
        if (Limit > candidates && Limit < next) next = Limit;
        return next;
    }

    // Candidate number `candidates` has just been examined and is due; true when the search must
    // stop now.
    bool Slow(uint64_t candidates, uint64_t& nextPoint) {
        if (candidates >= NextPump) {
            // The candidates before this one have had their progress step; this one gets its
            // step after the stop test.
            if (candidates - 1 > Stepped) Ports.View.StepProgress(candidates - 1 - Stepped);
            Stepped = candidates - 1;
            Ports.Pump.ProcessEvents();
            NextPump = candidates + Interval;
        }
        if (Limit != 0 && candidates == Limit) Control.StopKey = 27;
        if (Control.StopAsked()) return true;
        nextPoint = NextPoint(candidates);
        return false;
    }

    // Work of the bounds between candidates, in pairs looked at: events are processed as often
    // as after PumpInterval candidates. True when the search must stop now.
    bool Work(uint64_t units) {
        Worked += units;
        if (Worked < Interval) return false;
        Worked = 0;
        Ports.Pump.ProcessEvents();
        return Control.StopAsked();
    }

    // End of a search: the progress steps not yet shown (a candidate that stopped the search
    // gets none).
    void Flush(uint64_t candidates, bool stopped) {
        uint64_t last = stopped ? candidates - 1 : candidates;
        if (last > Stepped) Ports.View.StepProgress(last - Stepped);
        Stepped = last;
    }

private:
    RunPorts& Ports;
    RunControl& Control;
    uint64_t Interval;
    uint64_t Limit;
    uint64_t Stepped;
    uint64_t NextPump;
    uint64_t Worked = 0;
};

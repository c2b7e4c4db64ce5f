#pragma once
// One computation of a schedule: the inputs are checked and copied into the run values,
// availability and courts are checked, then all men's doubles rounds, all ladies' doubles rounds
// and all mixed rounds are searched and recorded, each round's problems reported as it goes.

#include "core/common/common_state.h"
#include "core/config/config_state.h"
#include "core/schedule/schedule_store.h"
#include "core/schedule/schedule_view.h"

#include <string>

// "&Start": checks and preparations, the run, and the end of the computing memo.
void StartRun(CommonState& common, const ConfigState& config, ScheduleStore& store,
              RunPorts& ports);

// The three phases. Returns false when the user stopped the run.
bool RunSchedule(CommonState& common, const ConfigState& config, ScheduleStore& store,
                 RunPorts& ports);

// The round progress text (" Berekening Heren  in ronde : ,1,2,3").
std::string RoundProgressText(const ScheduleStore& store, int round, int g);

// Shows the round progress text when progress texts are on.
void ShowRoundProgress(const ConfigState& config, const ScheduleStore& store, RunPorts& ports,
                       int round, int g);

// The computing memo for phase compindx (4 = ready), with its 100 ms pause.
void WriteCompu(RunPorts& ports, int compindx);

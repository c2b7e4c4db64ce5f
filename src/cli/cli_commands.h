#pragma once
// The sub-commands of tolvex-cli. Each returns the process exit status.

// tolvex-cli dump FILE.tvs: the member file as "&Open" loads it, as one JSON object.
int RunDumpCommand(int argc, char** argv);

// tolvex-cli schedule SETUP.json [--max-candidates N]: one complete schedule, as one JSON object.
int RunScheduleCommand(int argc, char** argv);

// tolvex-cli report SETUP.json --kind K [--summary]: the lines of report K of the computed
// schedule, one per output line.
int RunReportCommand(int argc, char** argv);

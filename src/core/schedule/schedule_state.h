#pragma once
// The schedule store lives for the whole program run and is never written to disk.

struct ScheduleState {};

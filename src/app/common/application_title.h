#pragma once

// The application's title: the caption of messages of kind 4 and of the task bar entry.
inline constexpr const char* ApplicationTitle = "Tennis Programma TolvexX";

#pragma once

// The application's title: the caption of messages of kind 4, and the application's display name
// (TolvexApplication), which the platform shows where it names a program: the task bar or the
// window list of the desktop, and on some desktops after each window's own caption.
inline constexpr const char* ApplicationTitle = "Tennis Programma TolvexX";

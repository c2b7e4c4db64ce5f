#pragma once
// How both print commands (the member list and a report) open and run their print job.

#include "core/common/common_state.h"
#include "core/common/ports.h"
#include "core/common/print_canvas.h"
#include "core/config/config_state.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// 100 for portrait, 140 for landscape: a landscape page counts its lines 1.4 times.
inline constexpr int16_t PortraitFactor = 100;
inline constexpr int16_t LandscapeFactor = 140;

// Selects the chosen printer and the paper orientation of the settings and measures the printer
// (with the settings' printer font). Returns the orientation factor.
int16_t SelectPrinterForJob(CommonState& common, const ConfigState& config, Messenger& messenger,
                            PrintCanvas& canvas);

// The name of the chosen printer, empty when none is chosen or it is no longer in the list.
std::string ChosenPrinterName(const ConfigState& config, PrintCanvas& canvas);

// "Afdrukken op printer: " + CR + the printer's name (Informatie, "&Ja" + "&Nee"); true unless
// the answer is "&Nee".
bool AskPrintConfirmation(Messenger& messenger, std::string_view printerName);

// Starts a job, runs the layout and ends the job. Any failure on the way shows
// " Afdrukken niet gelukt" (Fout, OK) and still ends the job. Returns whether it succeeded.
bool RunPrintJob(Messenger& messenger, PrintCanvas& canvas, std::string_view title,
                 const std::function<void()>& layout);

inline constexpr std::string_view PrintFailedText = " Afdrukken niet gelukt";

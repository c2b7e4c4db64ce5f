#pragma once
// The print settings as the options window edits them: margins shown in millimetres and kept in
// printer pixels, the page length recomputed from the measured page, the print switches, and the
// printer, printer font and screen font choices.

#include "core/common/common_state.h"
#include "core/common/ports.h"
#include "core/common/print_canvas.h"
#include "core/config/config_state.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Pixels per centimetre as the conversions use it: a printer that was never measured (or a
// configuration that carried a zero) counts as 118, one centimetre at 300 dots per inch.
int PixPerCmForConversion(const CommonState& common);

// pixels x 10.0 / pixels per cm, halves to even.
int PixelsToMillimetres(int pixels, int pixPerCm);
// millimetres x pixels per cm div 10; nothing when the result does not fit a margin (0..65535)
// or the millimetres are negative.
std::optional<uint16_t> MillimetresToPixels(long millimetres, int pixPerCm);

// The number of printed lines that fit between the margins of the measured page. A page that was
// never measured keeps the stored length; a line height of zero counts as the default one.
uint16_t RecomputedLinesPerPage(const CommonState& common, const ConfigState& config);

// The margin boxes of the second page, by their Tags.
enum OptiesBox : int {
    BoxLeftMarge = 0,
    BoxTopMarge = 1,
    BoxBottomMarge = 2,
    BoxPaglen = 3,
};

// What the second page shows.
struct OptiesPage1Values {
    int LeftMm = 0;
    int TopMm = 0;
    int BottomMm = 0;
    int Paglen = 0;
    int PrntInstel = -1;
    bool PrintHead = false;
    bool PersData = false;
    bool Landscape = false;
    bool PrintTitel = false;
};

// Steps of filling the second page: measures the printer, recomputes LinespPage and returns what
// the controls show.
OptiesPage1Values FillOptiesPage1(CommonState& common, ConfigState& config, Messenger& messenger,
                                  PrintCanvas& canvas);

// Stores the text of one box of the second page: a margin in millimetres or the page length.
// A text that is no whole number in range stores nothing and shows the conversion error; then
// the result is false.
bool StoreOptiesBox(const CommonState& common, ConfigState& config, Messenger& messenger, int box,
                    std::string_view text);

// The texts of the second page in the order they are stored; storing stops at the first box
// that fails (see StoreOptiesBox) and returns its Tag, or -1 when all were stored.
struct OptiesPage1Texts {
    std::string Left, Top, Bottom, Paglen;
    bool PrintHead = false;
    bool PersData = false;
    bool Landscape = false;
    bool PrintTitel = false;
};
int StoreOptiesPage1(const CommonState& common, ConfigState& config, Messenger& messenger,
                     const OptiesPage1Texts& page);

// The personal data of the first page, each cut to 24 characters.
void StoreOptiesPage0(ConfigState& config, const std::string (&persoon)[5]);

// The three switches and the orientation: the flag and its Preferent bit together.
enum class PrintSwitch { PrintHead, PersData, Landscape, PrintTitel };
void SetPrintSwitch(ConfigState& config, PrintSwitch which, bool on);

// "Printer": the printer set-up dialog was confirmed with the printer now selected on the
// canvas. Returns true when that is another printer than the chosen one: it becomes the chosen
// one and gets the standard font at the next measurement.
bool TakeChosenPrinter(CommonState& common, ConfigState& config, PrintCanvas& canvas);

// "Print Font": the font the dialog gave, or nothing when it was cancelled; either way the
// printer font counts as set.
void TakePrintFont(CommonState& common, ConfigState& config, PrintCanvas& canvas,
                   const std::optional<FontChoice>& font);

// "TextFont": the screen font of the lists; sizes below 8 points are not offered.
inline constexpr int SmallestTextFont = 8;
void TakeTextFont(CommonState& common, ConfigState& config, const FontChoice& font);

// The printer font of the settings on the canvas, when one was chosen (a loaded configuration
// marks the font as set but the canvas gets it only here, before printing or measuring).
void ApplyPrinterFont(const CommonState& common, const ConfigState& config, PrintCanvas& canvas);

#include "core/config/print_options.h"

#include "core/common/printer_metrics.h"
#include "core/config/config_file.h"
#include "core/members/member_fields.h"

#include <cmath>

int PixPerCmForConversion(const AppState& state) {
    return state.Printer.PrnPixPerCm != 0 ? state.Printer.PrnPixPerCm : DefaultPixPerCm;
}

int PixelsToMillimetres(int pixels, int pixPerCm) {
    if (pixPerCm <= 0) pixPerCm = DefaultPixPerCm;
    // std::nearbyint rounds halves to even in the default rounding mode.
    return static_cast<int>(std::nearbyint(pixels * 10.0 / pixPerCm));
}

std::optional<uint16_t> MillimetresToPixels(long millimetres, int pixPerCm) {
    if (pixPerCm <= 0) pixPerCm = DefaultPixPerCm;
    if (millimetres < 0) return std::nullopt;
    long pixels = millimetres * pixPerCm / 10;
    if (pixels > 65535) return std::nullopt;
    return static_cast<uint16_t>(pixels);
}

uint16_t RecomputedLinesPerPage(const AppState& state) {
    const TPrnCFGRec& prn = state.PrnCfg;
    if (state.Printer.PrnLinesPerPage == 0) return prn.LinespPage;
    int lineHeight = prn.LineHeight != 0 ? prn.LineHeight : DefaultLineHeight;
    int lines = state.Printer.PrnLinesPerPage - (prn.TopMarge + prn.BottomMarge) / lineHeight;
    // Margins taller than the page leave one line, never none or a negative count.
    return static_cast<uint16_t>(lines < 1 ? 1 : lines);
}

void ApplyPrinterFont(AppState& state, PrintCanvas& canvas) {
    const TPrnCFGRec& prn = state.PrnCfg;
    if (!state.PrnFontSet || prn.FontSizePR <= 0 || prn.FontNamePR.Empty()) return;
    if (canvas.FontName() == prn.FontNamePR.View() && canvas.FontSize() == prn.FontSizePR) return;
    canvas.SetFontName(prn.FontNamePR.View());
    canvas.SetFontSize(prn.FontSizePR);
}

OptiesPage1Values FillOptiesPage1(AppState& state, Messenger& messenger, PrintCanvas& canvas) {
    ApplyPrinterFont(state, canvas);
    InitPrinterMetrics(state, messenger, canvas);
    TPrnCFGRec& prn = state.PrnCfg;
    prn.LinespPage = RecomputedLinesPerPage(state);
    const int pixPerCm = PixPerCmForConversion(state);
    OptiesPage1Values values;
    values.LeftMm = PixelsToMillimetres(prn.LeftMarge, pixPerCm);
    values.TopMm = PixelsToMillimetres(prn.TopMarge, pixPerCm);
    values.BottomMm = PixelsToMillimetres(prn.BottomMarge, pixPerCm);
    values.Paglen = prn.LinespPage;
    values.PrntInstel = prn.PrntInstel;
    values.PrintHead = state.PrintHeadOn;
    values.PersData = state.PersDataOn;
    values.Landscape = state.LandscapeOn;
    values.PrintTitel = state.PrintTitelOn;
    return values;
}

bool StoreOptiesBox(AppState& state, Messenger& messenger, int box, std::string_view text) {
    TPrnCFGRec& prn = state.PrnCfg;
    std::optional<uint16_t> value;
    if (box == BoxPaglen) {
        // A page of no lines would break after every row.
        if (auto lines = ParseWholeNumber(text, 1, 65535)) value = static_cast<uint16_t>(*lines);
    } else if (auto mm = ParseWholeNumber(text, 0, 65535)) {
        value = MillimetresToPixels(*mm, PixPerCmForConversion(state));
    }
    if (!value) {
        messenger.Show(ConversionErrorText(text), KindFout, ButtonsOK);
        return false;
    }
    switch (box) {
    case BoxLeftMarge:
        prn.LeftMarge = *value;
        break;
    case BoxTopMarge:
        prn.TopMarge = *value;
        break;
    case BoxBottomMarge:
        prn.BottomMarge = *value;
        break;
    default:
        prn.LinespPage = *value;
        break;
    }
    return true;
}

namespace {

void SetBit(uint16_t& bits, uint16_t bit, bool on) {
    if (on)
        bits |= bit;
    else
        bits &= static_cast<uint16_t>(~bit);
}

} // namespace

void SetPrintSwitch(AppState& state, PrintSwitch which, bool on) {
    uint16_t& pref = state.PrnCfg.Preferent;
    switch (which) {
    case PrintSwitch::PrintHead:
        state.PrintHeadOn = on;
        SetBit(pref, PrefPrintKop, on);
        break;
    case PrintSwitch::PersData:
        state.PersDataOn = on;
        SetBit(pref, PrefEigenaar, on);
        break;
    case PrintSwitch::Landscape:
        state.LandscapeOn = on;
        SetBit(pref, PrefLiggend, on);
        break;
    case PrintSwitch::PrintTitel:
        state.PrintTitelOn = on;
        SetBit(pref, PrefPrintTitel, on);
        break;
    }
}

int StoreOptiesPage1(AppState& state, Messenger& messenger, const OptiesPage1Texts& page) {
    const std::string* boxes[] = {&page.Left, &page.Top, &page.Bottom, &page.Paglen};
    for (int box = BoxLeftMarge; box <= BoxPaglen; ++box)
        if (!StoreOptiesBox(state, messenger, box, *boxes[box])) return box;
    TPrnCFGRec& prn = state.PrnCfg;
    if (state.Printer.PrnLineHeight != 0) prn.LineHeight = state.Printer.PrnLineHeight;
    SetBit(prn.Preferent, PrefPrintKop, page.PrintHead);
    SetBit(prn.Preferent, PrefEigenaar, page.PersData);
    SetBit(prn.Preferent, PrefLiggend, page.Landscape);
    SetBit(prn.Preferent, PrefPrintTitel, page.PrintTitel);
    return -1;
}

void StoreOptiesPage0(AppState& state, const std::string (&persoon)[5]) {
    for (int i = 0; i < 5; ++i) state.PrnCfg.Persoon[i].Assign(persoon[i]);
}

bool TakeChosenPrinter(AppState& state, PrintCanvas& canvas) {
    int chosen = canvas.PrinterIndex();
    if (chosen == state.PrnCfg.PrntInstel) return false;
    state.PrnCfg.PrntInstel = chosen;
    state.PrnFontSet = false;
    // The font chosen for the old printer does not follow to the new one, not even after the
    // next load of the configuration.
    state.PrnCfg.FontSizePR = 0;
    return true;
}

void TakePrintFont(AppState& state, PrintCanvas& canvas, const std::optional<FontChoice>& font) {
    if (font) {
        canvas.SetFontName(font->Name);
        canvas.SetFontSize(font->Size);
        state.PrnCfg.FontSizePR = static_cast<int16_t>(font->Size);
        state.PrnCfg.FontNamePR.Assign(font->Name);
    }
    state.PrnFontSet = true;
}

void TakeTextFont(AppState& state, const FontChoice& font) {
    int size = font.Size < SmallestTextFont ? SmallestTextFont : font.Size;
    state.ScreenFontSize = size;
    state.ScreenFontName = font.Name.substr(0, 32);
    state.PrnCfg.FontSizeTv = static_cast<int16_t>(size);
    state.PrnCfg.FontNameTv.Assign(font.Name);
}

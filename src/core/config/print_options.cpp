#include "core/config/print_options.h"

#include "core/common/printer_metrics.h"
#include "core/common/typed_text.h"
#include "core/config/config_file.h"

#include <cmath>

int PixPerCmForConversion(const CommonState& common) {
    return common.Printer.PrnPixPerCm != 0 ? common.Printer.PrnPixPerCm : DefaultPixPerCm;
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

uint16_t RecomputedLinesPerPage(const CommonState& common, const ConfigState& config) {
    const TPrnCFGRec& prn = config.PrnCfg;
    if (common.Printer.PrnLinesPerPage == 0) return prn.LinespPage;
    int lineHeight = prn.LineHeight != 0 ? prn.LineHeight : DefaultLineHeight;
    int lines = common.Printer.PrnLinesPerPage - (prn.TopMarge + prn.BottomMarge) / lineHeight;
    // Margins taller than the page leave one line, never none or a negative count.
    return static_cast<uint16_t>(lines < 1 ? 1 : lines);
}

void ApplyPrinterFont(const CommonState& common, const ConfigState& config, PrintCanvas& canvas) {
    const TPrnCFGRec& prn = config.PrnCfg;
    if (!common.PrnFontSet || prn.FontSizePR <= 0 || prn.FontNamePR.Empty()) return;
    if (canvas.FontName() == prn.FontNamePR.View() && canvas.FontSize() == prn.FontSizePR) return;
    canvas.SetFontName(prn.FontNamePR.View());
    canvas.SetFontSize(prn.FontSizePR);
}

OptiesPage1Values FillOptiesPage1(CommonState& common, ConfigState& config, Messenger& messenger,
                                  PrintCanvas& canvas) {
    ApplyPrinterFont(common, config, canvas);
    InitPrinterMetrics(common, messenger, canvas);
    TPrnCFGRec& prn = config.PrnCfg;
    prn.LinespPage = RecomputedLinesPerPage(common, config);
    const int pixPerCm = PixPerCmForConversion(common);
    OptiesPage1Values values;
    values.LeftMm = PixelsToMillimetres(prn.LeftMarge, pixPerCm);
    values.TopMm = PixelsToMillimetres(prn.TopMarge, pixPerCm);
    values.BottomMm = PixelsToMillimetres(prn.BottomMarge, pixPerCm);
    values.Paglen = prn.LinespPage;
    values.PrntInstel = prn.PrntInstel;
    values.PrintHead = config.PrintHeadOn;
    values.PersData = config.PersDataOn;
    values.Landscape = config.LandscapeOn;
    values.PrintTitel = config.PrintTitelOn;
    return values;
}

bool StoreOptiesBox(const CommonState& common, ConfigState& config, Messenger& messenger, int box,
                    std::string_view text) {
    TPrnCFGRec& prn = config.PrnCfg;
    std::optional<uint16_t> value;
    if (box == BoxPaglen) {
        // A page of no lines would break after every row.
        if (auto lines = ParseWholeNumber(text, 1, 65535)) value = static_cast<uint16_t>(*lines);
    } else if (auto mm = ParseWholeNumber(text, 0, 65535)) {
        value = MillimetresToPixels(*mm, PixPerCmForConversion(common));
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

void SetPrintSwitch(ConfigState& config, PrintSwitch which, bool on) {
    uint16_t& pref = config.PrnCfg.Preferent;
    switch (which) {
    case PrintSwitch::PrintHead:
        config.PrintHeadOn = on;
        SetBit(pref, PrefPrintKop, on);
        break;
    case PrintSwitch::PersData:
        config.PersDataOn = on;
        SetBit(pref, PrefEigenaar, on);
        break;
    case PrintSwitch::Landscape:
        config.LandscapeOn = on;
        SetBit(pref, PrefLiggend, on);
        break;
    case PrintSwitch::PrintTitel:
        config.PrintTitelOn = on;
        SetBit(pref, PrefPrintTitel, on);
        break;
    }
}

int StoreOptiesPage1(const CommonState& common, ConfigState& config, Messenger& messenger,
                     const OptiesPage1Texts& page) {
    const std::string* boxes[] = {&page.Left, &page.Top, &page.Bottom, &page.Paglen};
    for (int box = BoxLeftMarge; box <= BoxPaglen; ++box)
        if (!StoreOptiesBox(common, config, messenger, box, *boxes[box])) return box;
    TPrnCFGRec& prn = config.PrnCfg;
    if (common.Printer.PrnLineHeight != 0) prn.LineHeight = common.Printer.PrnLineHeight;
    SetBit(prn.Preferent, PrefPrintKop, page.PrintHead);
    SetBit(prn.Preferent, PrefEigenaar, page.PersData);
    SetBit(prn.Preferent, PrefLiggend, page.Landscape);
    SetBit(prn.Preferent, PrefPrintTitel, page.PrintTitel);
    return -1;
}

void StoreOptiesPage0(ConfigState& config, const std::string (&persoon)[5]) {
    for (int i = 0; i < 5; ++i) config.PrnCfg.Persoon[i].Assign(persoon[i]);
}

bool TakeChosenPrinter(CommonState& common, ConfigState& config, PrintCanvas& canvas) {
    int chosen = canvas.PrinterIndex();
    if (chosen == config.PrnCfg.PrntInstel) return false;
    config.PrnCfg.PrntInstel = chosen;
    common.PrnFontSet = false;
    // The font chosen for the old printer does not follow to the new one, not even after the
    // next load of the configuration.
    config.PrnCfg.FontSizePR = 0;
    return true;
}

void TakePrintFont(CommonState& common, ConfigState& config, PrintCanvas& canvas,
                   const std::optional<FontChoice>& font) {
    if (font) {
        canvas.SetFontName(font->Name);
        canvas.SetFontSize(font->Size);
        config.PrnCfg.FontSizePR = static_cast<int16_t>(font->Size);
        config.PrnCfg.FontNamePR.Assign(font->Name);
    }
    common.PrnFontSet = true;
}

void TakeTextFont(CommonState& common, ConfigState& config, const FontChoice& font) {
    int size = font.Size < SmallestTextFont ? SmallestTextFont : font.Size;
    common.ScreenFontSize = size;
    common.ScreenFontName = font.Name.substr(0, 32);
    config.PrnCfg.FontSizeTv = static_cast<int16_t>(size);
    config.PrnCfg.FontNameTv.Assign(font.Name);
}

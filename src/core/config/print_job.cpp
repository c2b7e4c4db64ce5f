#include "core/config/print_job.h"

#include "core/common/printer_metrics.h"
#include "core/config/print_options.h"

#include <exception>

int16_t SelectPrinterForJob(CommonState& common, const ConfigState& config, Messenger& messenger,
                            PrintCanvas& canvas) {
    canvas.SetPrinterIndex(config.PrnCfg.PrntInstel);
    const bool landscape = (config.PrnCfg.Preferent & PrefLiggend) != 0;
    canvas.SetOrientation(landscape ? PrintOrientation::Landscape : PrintOrientation::Portrait);
    ApplyPrinterFont(common, config, canvas);
    InitPrinterMetrics(common, messenger, canvas);
    return landscape ? LandscapeFactor : PortraitFactor;
}

std::string ChosenPrinterName(const ConfigState& config, PrintCanvas& canvas) {
    const int index = config.PrnCfg.PrntInstel;
    if (index < 0) return {};
    std::vector<std::string> printers = canvas.Printers();
    if (index >= static_cast<int>(printers.size())) return {};
    return printers[static_cast<std::size_t>(index)];
}

bool AskPrintConfirmation(Messenger& messenger, std::string_view printerName) {
    std::string question = "Afdrukken op printer: \r";
    question += printerName;
    return messenger.Show(question, KindInformatie, ButtonsJaNee) != ResultNo;
}

bool RunPrintJob(Messenger& messenger, PrintCanvas& canvas, std::string_view title,
                 const std::function<void()>& layout) {
    try {
        canvas.BeginDoc(title);
        layout();
        canvas.EndDoc();
        return true;
    } catch (const std::exception&) {
        messenger.Show(PrintFailedText, KindFout, ButtonsOK);
        try {
            if (canvas.Printing()) canvas.EndDoc();
        } catch (const std::exception&) {
        }
        return false;
    }
}

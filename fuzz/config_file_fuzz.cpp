// Any byte sequence as a configuration file: it ends in a usable configuration (with a message
// when it was unusable), printing never gets a zero to divide by, and a save writes exactly one
// 268-byte image. The same bytes also go through the dialog's number conversion.

#include "core/config/config_dialog_fields.h"
#include "core/config/config_file.h"
#include "fuzz_support.h"

#include <cstdint>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    AppState state;
    RecordingMessenger messenger;
    HeadlessConfigHost host(state, messenger);
    LoadConfigFromBytes(state.Common, state.Configuration, messenger, host, bytes);

    Require(state.Configuration.Config.CfgRec.NLeden != 0);
    Require(state.Configuration.PrnCfg.LineHeight != 0 &&
            state.Configuration.PrnCfg.LinespPage != 0);
    Require(state.Common.Printer.PrnPixPerCm != 0);
    Require(state.Configuration.PrnCfg.PrntInstel == -1); // no printers here
    bool usable = false;
    for (std::size_t i = 37; i < 41 && i < size; ++i) usable = usable || data[i] != 0;
    Require(usable ? messenger.Shown.size() == 0 : messenger.Shown.size() == 1);

    std::string image;
    SavetoStream(state.Configuration.Config, image);
    Require(image.size() == ConfigFileSize);
    if (usable) Require(std::memcmp(image.data(), data, std::min(size, ConfigFileSize)) == 0);

    // The first bytes as typed into each field of the dialog, with the range checks.
    QuietBeeper bell;
    std::string_view typed = bytes.substr(0, 40);
    for (int field = FieldClubNaam; field <= FieldNMatches; ++field) {
        state.Common.ErrorCode = 0;
        CheckConfigTextField(state.Common, state.Configuration, messenger, bell, field, typed,
                             true);
    }
    Require(state.Configuration.Config.CfgRec.Grpn[0].Size() <= 3 &&
            state.Configuration.Config.CfgRec.Grpn[1].Size() <= 3);
    return 0;
}

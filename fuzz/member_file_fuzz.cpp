// Any byte sequence as a member file: it ends in a loaded list or a message, the list keeps its
// invariant (MemberCount + 1 items), and saving what was loaded gives the same records back.

#include "core/common/windows1252.h"
#include "core/members/member_file.h"
#include "fuzz_support.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

template <std::size_t N> void Convert(const ShortString<N>& s) {
    Require(Windows1252ToUtf8(s.View()).size() <= 3 * N);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    AppState state;
    RecordingMessenger messenger;
    // The configuration loaded just before gives the fallback count; take it from the input's
    // last two bytes so that the fuzzer reaches every branch of the count rule. It is kept
    // within -600..600 so that most runs stay quick; the header's own count still reaches 32767.
    state.Configuration.Config.CfgRec.NLeden =
        size >= 2 ? static_cast<int16_t>(data[size - 2] | (data[size - 1] << 8)) % 600 : 24;

    int16_t count = 0;
    bool loaded = LoadLedenFromBytes({messenger, state.Common.ErrorCode}, state.Configuration,
                                     state.Members, bytes, &count);
    Require(state.Members.MemberList.size() ==
            static_cast<std::size_t>(state.Members.MemberCount) + 1);
    Require(loaded ? state.Members.MemberCount > 0 && messenger.Shown.size() == 0
                   : state.Members.MemberCount == 0 && messenger.Shown.size() == 1);
    if (!loaded) return 0;

    // Records beyond the end of the input are blank; converting the ones that came from it is
    // enough and keeps a header count of 32767 quick.
    const std::size_t fromInput =
        std::min(state.Members.MemberList.size(), size / MemberRecordSize + 1);
    for (std::size_t i = 0; i < fromInput; ++i) {
        const TLidRec& m = state.Members.MemberList[i].LidRecord;
        Convert(m.Voornaam);
        Convert(m.AchterNaam);
        Convert(m.Groep);
        Convert(m.StatCode);
        Convert(m.Adres);
        Convert(m.PostCode);
        Convert(m.Plaats);
        Convert(m.Telefoon);
        Convert(m.EMail);
        Convert(m.Opmerking);
    }
    CheckUniqueClubNumbers(state.Members, messenger);

    // The big lists that a bare header count gives are all blank beyond the input; writing and
    // reading them again would only make every run slow.
    if (state.Members.MemberCount > 1000) return 0;
    auto image = MemberFileImage(state.Members);
    Require(image.has_value());
    Require(image->size() ==
            MemberRecordSize * (static_cast<std::size_t>(state.Members.MemberCount) + 1));
    // The members come back byte for byte; only the header's count fields are rewritten.
    std::size_t same = std::min(image->size(), bytes.size());
    if (same > MemberRecordSize)
        Require(std::memcmp(image->data() + MemberRecordSize, bytes.data() + MemberRecordSize,
                            same - MemberRecordSize) == 0);

    AppState again;
    RecordingMessenger quiet;
    Require(LoadLedenFromBytes({quiet, again.Common.ErrorCode}, again.Configuration, again.Members,
                               *image));
    Require(again.Members.MemberCount == state.Members.MemberCount);
    return 0;
}

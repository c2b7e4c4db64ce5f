#include "file_test_support.h"

#include "core/config/config_dialog_fields.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>

void FakeConfigHost::OpenConfigDial(bool nieuw) {
    DialogCalls.push_back(nieuw);
    if (!PrepareConfigDial(State.Common, State.Configuration, Msg, nieuw,
                           State.Members.MemberListLoaded))
        return;
    bool ok = false;
    if (!DialogAnswers.empty()) {
        ok = DialogAnswers.front();
        DialogAnswers.pop_front();
    }
    State.Configuration.ConfigOK = ok;
}

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tolvex-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("no scratch folder");
    Root = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(Root, ec);
}

std::string ReadBytes(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& fileName, std::string_view bytes) {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool Exists(const std::string& fileName) {
    return std::filesystem::exists(fileName);
}

RecordBytes& RecordBytes::U16(std::size_t offset, uint16_t value) {
    Bytes.at(offset) = static_cast<char>(value & 0xFF);
    Bytes.at(offset + 1) = static_cast<char>(value >> 8);
    return *this;
}

RecordBytes& RecordBytes::I32(std::size_t offset, int32_t value) {
    auto u = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) Bytes.at(offset + i) = static_cast<char>((u >> (8 * i)) & 0xFF);
    return *this;
}

RecordBytes& RecordBytes::Str(std::size_t offset, std::string_view text) {
    Bytes.at(offset) = static_cast<char>(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) Bytes.at(offset + 1 + i) = text[i];
    return *this;
}

std::string MemberBytes(uint16_t indx, int16_t clubNo, std::string_view voornaam,
                        std::string_view achterNaam, std::string_view groep,
                        std::string_view statCode) {
    return RecordBytes(232)
        .U16(0, indx)
        .U16(2, static_cast<uint16_t>(clubNo))
        .Str(4, voornaam)
        .Str(29, achterNaam)
        .Str(70, groep)
        .Str(74, statCode)
        .Bytes;
}

std::string HeaderBytes(int16_t clubNo, std::string_view opmerking) {
    return RecordBytes(232).U16(2, static_cast<uint16_t>(clubNo)).Str(199, opmerking).Bytes;
}

std::string ConfigBytes(int32_t nLeden) {
    return RecordBytes(268)
        .I32(0, 7)
        .Str(4, "TC De Baan")
        .I32(37, nLeden)
        .I32(41, 5)
        .I32(45, 3)
        .U16(49, 6)
        .U16(51, 2)
        .Str(53, "h")
        .Str(57, "d")
        .U16(61, 1)
        .U16(63, 19)
        .Str(65, "Arial")
        .U16(98, 11)
        .U16(100, 9)
        .U16(102, 100)
        .U16(104, 150)
        .U16(106, 100)
        .U16(108, 45)
        .U16(110, 60)
        .I32(112, 2)
        .Str(116, "J. Jansen")
        .Str(241, "Courier New")
        .U16(266, 4 | 8)
        .Bytes;
}

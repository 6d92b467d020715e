// DTMF and hex digit strings: any field decodes to digits only, and what a field holds is what
// its text writes back.
#include "Digits.h"
#include "FuzzFiles.h"

#include <array>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const Digits::Code code = data[0] & 1 ? Digits::Code::Hex : Digits::Code::Dtmf;
    const std::span<const std::uint8_t> field(data + 1, std::min<std::size_t>(size - 1, 32));
    const QString text = Digits::readCode(field, code);
    FUZZ_ASSERT(std::size_t(text.size()) <= field.size());
    std::array<std::uint8_t, 32> written{};
    const std::span<std::uint8_t> out(written.data(), field.size());
    Digits::writeCode(out, text, code);
    FUZZ_ASSERT(Digits::readCode(out, code) == text);
    // The digits read, then 0xFF to the end of the field.
    for (std::size_t i = 0; i < out.size(); ++i)
        FUZZ_ASSERT(i < std::size_t(text.size()) ? out[i] == field[i] : out[i] == 0xFF);
    // Any text: what is written reads back as the characters that have a code.
    const QString typed =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)).left(16);
    std::array<std::uint8_t, 16> field2{};
    Digits::writeCode(field2, typed, code);
    const QString back = Digits::readCode(field2, code);
    FUZZ_ASSERT(back.size() <= typed.size());
    return 0;
}

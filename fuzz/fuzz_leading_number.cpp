// Any text: the leading number is read without a crash, both readers agree, and
// the conversions either give an in-range value or raise the overflow error.
#include "LeadingNumber.h"
#include "RuntimeError.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    std::u16string wide;
    for (const unsigned char byte : bytes)
        wide += static_cast<char16_t>(byte);

    const double value = MainBas::ReadLeadingNumber(bytes);
    if (std::isnan(value) || MainBas::ReadLeadingNumber(wide) != value)
        std::abort();
    try {
        const std::int16_t small = MainBas::RoundToInt16(value);
        if (std::abs(small - value) > 0.5)
            std::abort();
    } catch (const MainBas::RuntimeError &error) {
        if (error.number() != MainBas::Overflow || std::abs(value) < 32767.5)
            std::abort();
    }
    try {
        MainBas::RoundToInt32(value);
    } catch (const MainBas::RuntimeError &error) {
        if (error.number() != MainBas::Overflow || std::abs(value) < 2147483647.5)
            std::abort();
    }
    return 0;
}

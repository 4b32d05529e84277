#include "core/shared/amounts.h"

#include <array>
#include <string_view>

#include "platform/unicode.h"

namespace hashwell::core {

std::u16string GroupedCount(std::uint64_t count) {
    const std::string digits = std::to_string(count);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return platform::AsciiToUtf16(grouped);
}

namespace {

// Bytes in tenths of a unit of `divisor` tenths, the nearest, halves up; without overflow.
std::uint64_t Tenths(std::uint64_t bytes, std::uint64_t divisor) {
    return bytes / divisor + (bytes % divisor >= (divisor + 1) / 2 ? 1 : 0);
}

}  // namespace

std::u16string DecimalSize(std::uint64_t bytes) {
    if (bytes < 1000) {
        return platform::AsciiToUtf16(std::to_string(bytes)) + (bytes == 1 ? u" byte" : u" bytes");
    }
    constexpr std::array<std::u16string_view, 6> kUnits{u"KB", u"MB", u"GB", u"TB", u"PB", u"EB"};
    // In tenths of the unit, computed in integers so that no size rounds differently on
    // another machine.
    std::uint64_t divisor = 100;  // a tenth of a kilobyte
    std::size_t unit = 0;
    while (unit + 1 < kUnits.size() && Tenths(bytes, divisor) >= 10000) {
        divisor *= 1000;
        ++unit;
    }
    const std::uint64_t tenths = Tenths(bytes, divisor);
    return platform::AsciiToUtf16(std::to_string(tenths / 10) + "." + std::to_string(tenths % 10)) +
           u" " + std::u16string(kUnits[unit]);
}

}  // namespace hashwell::core

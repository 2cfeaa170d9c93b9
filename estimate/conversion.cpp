#include "dose.h"

#include <algorithm>

namespace zavir2 {

namespace {

int DigitValue(char c, int base) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (base == 16 && c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (base == 16 && c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads one or more digits making up all of `digits`, stopping as soon as the
// value passes `limit`, so that any number of digits is safe.
std::optional<std::uint64_t> ReadDigits(std::string_view digits, int base, std::uint64_t limit) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > limit) {
            return std::nullopt;
        }
    }
    return value;
}

} // namespace

std::optional<std::int32_t> StrToInt(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));

    std::optional<std::string_view> hex;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        hex = text.substr(2);
    } else if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
        hex = text.substr(1);
    }
    if (hex) {
        const auto value = ReadDigits(*hex, 16, 0xFFFF'FFFFu);
        if (!value) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(*value));
    }

    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    const std::uint64_t limit = negative ? 0x8000'0000u : 0x7FFF'FFFFu;
    const auto value = ReadDigits(text, 10, limit);
    if (!value) {
        return std::nullopt;
    }
    const auto magnitude = static_cast<std::int64_t>(*value);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::string ConversionErrorMessage(std::string_view text) {
    constexpr std::string_view After = "' is not a valid integer value";
    std::string message;
    message.reserve(1 + text.size() + After.size());
    message += '\'';
    message += text;
    message += After;
    return message;
}

std::string WithReportPeriod(std::string message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
        message += '.';
    }
    return message;
}

} // namespace zavir2

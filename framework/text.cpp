#include "framework/text.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <limits>
#include <system_error>

namespace fw {
namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Byte length of the character that starts at `at` (at < text.size()). Only well-formed sequences (Unicode
// table 3-7: no overlongs, no surrogates, nothing above U+10FFFF) count as one multi-byte character; any
// other byte is a character of its own, so a broken or truncated sequence never reaches past the end.
std::size_t CharLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const std::size_t left = text.size() - at;
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) {
            low = 0xA0;
        } else if (lead == 0xED) {
            high = 0x9F;
        }
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) {
            low = 0x90;
        } else if (lead == 0xF4) {
            high = 0x8F;
        }
    } else {
        return 1;
    }
    if (left < length || byte(1) < low || byte(1) > high) {
        return 1;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(byte(i))) {
            return 1;
        }
    }
    return length;
}

// Byte offset where character number `index` (counting from 0) begins; text.size() when there are fewer.
std::size_t ByteOffset(std::string_view text, std::int64_t index) {
    std::size_t at = 0;
    for (std::int64_t i = 0; i < index && at < text.size(); ++i) {
        at += static_cast<unsigned char>(text[at]) < 0x80 ? 1 : CharLength(text, at);
    }
    return at;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::int64_t Len(std::string_view text) {
    std::int64_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += CharLength(text, at)) {
        ++count;
    }
    return count;
}

std::string_view MidView(std::string_view text, std::int64_t start, std::int64_t count) {
    if (count < 1) {
        return {};
    }
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const std::int64_t end = start > kMax - count ? kMax : start + count; // one past the last position
    if (end <= 1) {
        return {};
    }
    const std::int64_t first = start < 1 ? 1 : start;
    const std::string_view rest = text.substr(ByteOffset(text, first - 1));
    return rest.substr(0, ByteOffset(rest, end - first));
}

Text Mid(std::string_view text, std::int64_t start, std::int64_t count) {
    return Text(MidView(text, start, count));
}

Text Mid(std::string_view text, std::int64_t start) {
    const std::int64_t first = start < 1 ? 1 : start;
    return Text(text.substr(ByteOffset(text, first - 1)));
}

Text Left(std::string_view text, std::int64_t n) {
    return Text(LeftView(text, n));
}

Text Right(std::string_view text, std::int64_t n) {
    if (n < 1) {
        return {};
    }
    const std::int64_t length = Len(text);
    return n >= length ? Text(text) : Mid(text, length - n + 1);
}

double Val(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    const std::size_t begin = at;
    // The mantissa's decimal magnitude tells an overflow from an underflow; a whole number of at most 15
    // digits is taken directly, since a double holds it exactly.
    std::int64_t magnitude = 0;
    bool seen_nonzero = false;
    std::int64_t whole = 0;
    std::size_t digits = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at, ++digits) {
        seen_nonzero = seen_nonzero || text[at] != '0';
        magnitude += seen_nonzero ? 1 : 0;
        whole = digits < 15 ? whole * 10 + (text[at] - '0') : whole;
    }
    bool exact = digits <= 15;
    if (at < text.size() && text[at] == '.') {
        ++at;
        for (; at < text.size() && IsDigit(text[at]); ++at, ++digits) {
            exact = exact && text[at] == '0';
            if (!seen_nonzero) {
                seen_nonzero = text[at] != '0';
                magnitude -= seen_nonzero ? 0 : 1;
            }
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    std::int64_t exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t e = at + 1;
        bool exponent_negative = false;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) {
            exponent_negative = text[e] == '-';
            ++e;
        }
        if (e < text.size() && IsDigit(text[e])) {
            for (; e < text.size() && IsDigit(text[e]); ++e) {
                exponent = exponent < 100000 ? exponent * 10 + (text[e] - '0') : exponent;
            }
            exponent = exponent_negative ? -exponent : exponent;
            exact = exact && exponent == 0;
            at = e;
        }
    }
    double value = 0.0;
    if (exact) {
        value = static_cast<double>(whole);
    } else {
        const auto [end, error] = std::from_chars(text.data() + begin, text.data() + at, value);
        if (error == std::errc::result_out_of_range) {
            value = magnitude + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        } else if (error != std::errc() || end != text.data() + at) {
            return 0.0; // not reached: the span was checked above
        }
    }
    return negative ? -value : value;
}

Text Str(std::int64_t value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return Text(buffer.data(), result.ptr);
}

} // namespace fw

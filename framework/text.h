// Text and its operations. A Text is UTF-8; the operations count characters (code points), not bytes,
// and number positions from 1.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

using Text = std::string;

// Number of characters. A byte that does not begin a well-formed UTF-8 sequence counts as one character.
std::int64_t Len(std::string_view text);

// The characters at positions start .. start + count - 1 that exist: a range reaching before position 1 or
// past the end yields only the part inside the text, possibly the empty text. A count below 1 gives "".
Text Mid(std::string_view text, std::int64_t start, std::int64_t count);
// From position start to the end; a start below 1 gives the whole text.
Text Mid(std::string_view text, std::int64_t start);
// The same characters as Mid, as a view into `text` (no copy).
std::string_view MidView(std::string_view text, std::int64_t start, std::int64_t count);
// The first / last n characters, or the whole text when it is shorter; n below 1 gives "".
Text Left(std::string_view text, std::int64_t n);
Text Right(std::string_view text, std::int64_t n);

// The same characters as Left, as a view into `text`. Inline, for scans that compare many short prefixes.
inline std::string_view LeftView(std::string_view text, std::int64_t n) {
    // ASCII bytes are whole characters: when the first n bytes are ASCII, they are the first n characters.
    if (n > 0 && static_cast<std::uint64_t>(n) <= text.size()) {
        std::size_t ascii = 0;
        while (ascii < static_cast<std::size_t>(n) && static_cast<unsigned char>(text[ascii]) < 0x80) {
            ++ascii;
        }
        if (ascii == static_cast<std::size_t>(n)) {
            return text.substr(0, ascii);
        }
    }
    return MidView(text, 1, n);
}

// Whether two texts are the same, byte for byte (letter case counts). Inline: a short loop beats a call to
// memcmp for the two-character keys that lookups compare.
inline bool Equal(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

// The number that the text begins with: leading blanks and tabs, an optional sign, ASCII decimal digits with
// an optional fraction and exponent. The longest such leading number counts; without one the result is 0.
// Independent of the process locale. A number too large for a double gives an infinity, one too small 0.
double Val(std::string_view text);

// Decimal text of a whole number, with a leading "-" when negative.
Text Str(std::int64_t value);

} // namespace fw

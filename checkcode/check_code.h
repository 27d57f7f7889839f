// The check code of an INPS employer registration number ("Matricola Azienda").
#pragma once

#include "framework/text.h"

#include <string_view>

namespace checkcode {

struct CheckCode {
    fw::Text code;   // two characters: last digit of the odd-position sum, then of the even-position sum
    fw::Text result; // the number as given, one blank, the code ("12345678 60")
};

// Adds up the characters at positions 1, 3, 5, 7 and at 2, 4, 6, 8 by their numeric value. The number is used
// whole and not checked: a missing position or a character other than a digit counts 0, characters past the
// eighth do not count but stay in the result.
CheckCode ComputeCheckCode(std::string_view number);

} // namespace checkcode

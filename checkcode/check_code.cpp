#include "checkcode/check_code.h"

#include <cstdint>

namespace checkcode {
namespace {

// One character gives Val a value of 0 to 9, so the cast is exact and the sums stay whole.
std::int32_t DigitAt(std::string_view number, std::int64_t position) {
    return static_cast<std::int32_t>(fw::Val(fw::Mid(number, position, 1)));
}

} // namespace

CheckCode ComputeCheckCode(std::string_view number) {
    std::int32_t odd_sum = 0;
    std::int32_t even_sum = 0;
    for (std::int64_t p = 1; p <= 7; p += 2) {
        odd_sum += DigitAt(number, p);
        even_sum += DigitAt(number, p + 1);
    }
    CheckCode check;
    check.code = fw::Right(fw::Str(odd_sum), 1) + fw::Right(fw::Str(even_sum), 1);
    check.result = fw::Text(number) + " " + check.code;
    return check;
}

} // namespace checkcode

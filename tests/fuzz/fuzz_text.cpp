// Arbitrary bytes, valid UTF-8 or not, through the text helpers, the check code and the office lookup: no
// read outside the input (AddressSanitizer) and the relations between the helpers hold.
#include "checkcode/check_code.h"
#include "checkcode/offices.h"
#include "framework/text.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    // The first two bytes pick a position and a count, a few of them below 1.
    const std::int64_t start = static_cast<std::int8_t>(data[0]);
    const std::int64_t count = static_cast<std::int8_t>(data[1]);
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::int64_t length = fw::Len(text);
    Require(length >= 0 && static_cast<std::size_t>(length) <= text.size());

    const fw::Text mid = fw::Mid(text, start, count);
    Require(mid == fw::MidView(text, start, count));
    Require(text.find(mid) != std::string_view::npos);
    Require(fw::Len(mid) <= std::max<std::int64_t>(count, 0));

    const fw::Text left = fw::Left(text, count);
    Require(left == fw::LeftView(text, count));
    Require(fw::Len(left) == std::clamp<std::int64_t>(count, 0, length));
    Require(count < 0 || left + fw::Mid(text, count + 1) == text);
    const fw::Text right = fw::Right(text, count);
    Require(text.ends_with(right));
    Require(fw::Len(right) == std::clamp<std::int64_t>(count, 0, length));
    Require(fw::Equal(text, text) && fw::Equal(left, text) == (left == text));

    const double value = fw::Val(text);
    Require(!std::isnan(value));
    // Over this alphabet the C library reads the same grammar; the fuzzer runs in the "C" locale.
    if (text.find_first_not_of(" \t+-.0123456789eE") == std::string_view::npos)
        Require(value == std::strtod(std::string(text).c_str(), nullptr));

    const checkcode::CheckCode check = checkcode::ComputeCheckCode(text);
    Require(check.code.size() == 2 && check.code.find_first_not_of("0123456789") == fw::Text::npos);
    Require(check.result == fw::Text(text) + " " + check.code);
    for (std::string_view entry : checkcode::FindOffices(text))
        Require(text.starts_with(entry.substr(0, 2)));
    return 0;
}

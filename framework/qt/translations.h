#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the reading of translations asks of Qt: the user's languages and the check of UTF-8.
namespace fw::detail {

// The user's languages, most wanted first, each followed by its bare language ("de_CH", then "de"), with
// '_' between language and region and no name twice.
std::vector<std::string> UserLanguages();

// Whether line is valid UTF-8 (a leading byte-order mark allowed).
bool ValidUtf8(std::string_view line);

} // namespace fw::detail

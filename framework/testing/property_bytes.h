#pragma once

#include "framework/property_literal.h"

#include <initializer_list>
#include <string>

// Property strings for tests, written as entries and encoded at run time by the program's own encoder:
//   fw::SetProperties(field, Encode({Str("Mask", "99"), Int("LimitText", 2)}));
namespace fw::testing {

inline std::string Encode(std::initializer_list<PropertyLiteral> entries) {
    std::string bytes;
    bytes.reserve(EncodedSize(entries));
    WriteProperties(entries, [&](char c) { bytes += c; });
    return bytes;
}

} // namespace fw::testing

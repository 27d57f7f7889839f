#pragma once

#include "framework/properties.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// Property strings written in code as tables of entries and encoded to their bytes at compile time:
//
//   using namespace fw::prop;
//   constexpr fw::PropertyLiteral kLabel[] = {Str("Name", "StaticText1"), Int("Index", kNoIndex),
//                                              Int("Left", 46)};
//   constexpr auto kLabelBytes = fw::EncodeProperties<fw::EncodedSize(kLabel)>(kLabel);
//   fw::SetProperties(label, fw::AsBytes(kLabelBytes));
namespace fw {

struct PropertyLiteral {
    std::string_view name;
    PropertyType type;
    std::int32_t integer = 0;
    bool boolean = false;
    Color color{};
    std::string_view text{};
};

namespace prop {

// The Index of a control that is not part of a control array.
inline constexpr std::int32_t kNoIndex = INT32_MIN;

constexpr PropertyLiteral Int(std::string_view name, std::int32_t v) {
    return {name, PropertyType::Integer, v};
}
constexpr PropertyLiteral Bool(std::string_view name, bool v) {
    return {name, PropertyType::Boolean, 0, v};
}
constexpr PropertyLiteral Rgb(std::string_view name, std::uint8_t red, std::uint8_t green,
                              std::uint8_t blue) {
    return {name, PropertyType::Color, 0, false, Color{red, green, blue}};
}
constexpr PropertyLiteral Str(std::string_view name, std::string_view v) {
    return {name, PropertyType::String, 0, false, {}, v};
}

} // namespace prop

constexpr std::size_t EncodedSize(std::span<const PropertyLiteral> entries) {
    std::size_t n = 0;
    for (const PropertyLiteral& e : entries) {
        n += e.name.size() + 1 + FixedWidth(e.type);
        if (e.type == PropertyType::String)
            n += e.text.size();
    }
    return n;
}

// The one writer of the byte format the property reader takes: each byte goes to put(char), so the same
// routine fills an array at compile time and a string at run time.
template <class Put>
constexpr void WriteProperties(std::span<const PropertyLiteral> entries, Put&& put) {
    auto put8 = [&](std::uint32_t v) { put(static_cast<char>(static_cast<std::uint8_t>(v))); };
    auto put32 = [&](std::uint32_t v) {
        put8(v >> 24);
        put8(v >> 16);
        put8(v >> 8);
        put8(v);
    };
    for (const PropertyLiteral& e : entries) {
        for (char c : e.name)
            put(c);
        put(' ');
        switch (e.type) {
        case PropertyType::Integer:
            put32(static_cast<std::uint32_t>(e.integer));
            break;
        case PropertyType::Boolean:
            put8(e.boolean ? 1 : 0);
            break;
        case PropertyType::Color:
            put8(e.color.red);
            put8(e.color.green);
            put8(e.color.blue);
            break;
        case PropertyType::String:
            put32(static_cast<std::uint32_t>(e.text.size()));
            for (char c : e.text)
                put(c);
            break;
        }
    }
}

template <std::size_t N>
constexpr std::array<char, N> EncodeProperties(std::span<const PropertyLiteral> entries) {
    std::array<char, N> out{};
    std::size_t at = 0;
    WriteProperties(entries, [&](char c) { out[at++] = c; });
    return out;
}

template <std::size_t N>
constexpr std::string_view AsBytes(const std::array<char, N>& bytes) {
    return std::string_view(bytes.data(), N);
}

} // namespace fw

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

template <std::size_t N>
constexpr std::array<char, N> EncodeProperties(std::span<const PropertyLiteral> entries) {
    std::array<char, N> out{};
    std::size_t at = 0;
    auto put = [&](std::uint8_t b) { out[at++] = static_cast<char>(b); };
    auto put32 = [&](std::uint32_t v) {
        put(static_cast<std::uint8_t>(v >> 24));
        put(static_cast<std::uint8_t>(v >> 16));
        put(static_cast<std::uint8_t>(v >> 8));
        put(static_cast<std::uint8_t>(v));
    };
    for (const PropertyLiteral& e : entries) {
        for (char c : e.name)
            put(static_cast<std::uint8_t>(c));
        put(0x20);
        switch (e.type) {
        case PropertyType::Integer:
            put32(static_cast<std::uint32_t>(e.integer));
            break;
        case PropertyType::Boolean:
            put(e.boolean ? 1 : 0);
            break;
        case PropertyType::Color:
            put(e.color.red);
            put(e.color.green);
            put(e.color.blue);
            break;
        case PropertyType::String:
            put32(static_cast<std::uint32_t>(e.text.size()));
            for (char c : e.text)
                put(static_cast<std::uint8_t>(c));
            break;
        }
    }
    return out;
}

template <std::size_t N>
constexpr std::string_view AsBytes(const std::array<char, N>& bytes) {
    return std::string_view(bytes.data(), N);
}

} // namespace fw

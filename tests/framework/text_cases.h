// The text helpers' cases: the unit tests check them, and the text fuzz target's corpus starts from them.
#pragma once

#include "framework/text.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace text_cases {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Characters of 2, 3 and 4 bytes.
inline const std::string kMixed = "aè€😀z", kNines(400, '9'), kHugeExponent = "1e99999999999999999999";

struct LenCase {
    std::string text;
    std::int64_t length;
};

// Malformed: cut short, stray continuations, overlong, surrogate, above U+10FFFF, lead byte then ASCII.
inline const std::vector<LenCase> kLen = {
    {"", 0},          {"12345678", 8},     {kMixed, 5},     {"\xC3", 1},         {"\x80\x80", 2},
    {"a\xE2\x82", 3}, {"\xF0\x9F\x98", 3}, {"\xC0\xAF", 2}, {"\xED\xA0\x80", 3}, {"\xF4\x90\x80\x80", 4},
    {"\xFF\xFE", 2},  {"\xE2\x82\x61", 3}};

struct Slice {
    std::string text;
    std::int64_t start, count;
    std::string expected;
};

inline const std::vector<Slice> kMid = {{"12345678", 3, 4, "3456"},   {"12345678", 9, 1, ""},
                                        {"12345678", 7, 5, "78"},     {"", 1, 1, ""},
                                        {"1234", 2, 0, ""},           {"1234", 0, 2, "1"},
                                        {"1234", -1, 4, "12"},        {"1234", 2, kMax, "234"},
                                        {"1234", kMax, kMax, ""},     {"1234", kMin, kMax, ""},
                                        {kMixed, 3, 2, "€😀"},         {kMixed, 5, 1, "z"},
                                        {"a\xE2\x82z", 2, 1, "\xE2"}, {"ab\xF0\x9F", 3, 5, "\xF0\x9F"}};

using Op = fw::Text (*)(std::string_view, std::int64_t);
inline const Op Left = fw::Left, Right = fw::Right, From = fw::Mid;

struct Ends {
    Op op;
    std::string text;
    std::int64_t n;
    std::string expected;
};

inline const std::vector<Ends> kEnds = {{Left, "4912", 2, "49"},        {Left, "", 2, ""},
                                        {Left, "49", -1, ""},           {Left, kMixed, 2, "aè"},
                                        {Right, "16", 1, "6"},          {Right, "16", 5, "16"},
                                        {Right, "16", kMin, ""},        {Right, kMixed, 2, "😀z"},
                                        {Right, "\xF0\x9F", 1, "\x9F"}, {From, "1234", 3, "34"},
                                        {From, "1234", kMin, "1234"},   {From, "1234", kMax, ""},
                                        {From, kMixed, 4, "😀z"}};

struct ValCase {
    std::string text;
    double value;
};

// Numbers in ASCII only (a full-width 3 is not), without one 0, out of range infinity or 0.
inline const std::vector<ValCase> kVal = {
    {"-12.5e1", -125}, {"  42abc", 42}, {"\t+3", 3},    {"2.5E-1", 0.25},
    {".5", 0.5},       {"5.", 5},       {"1e", 1},      {"1e+", 1},
    {"007", 7},        {"12 34", 12},   {"0.01e3", 10}, {"", 0},
    {"a", 0},          {"-", 0},        {".", 0},       {"e5", 0},
    {"- 1", 0},        {"0x10", 0},     {"inf", 0},     {"３", 0},
    {"1e400", kInf},   {kNines, kInf},  {"1e-400", 0},  {kHugeExponent, kInf}};

} // namespace text_cases

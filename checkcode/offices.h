// The built-in table of INPS offices and the lookup of the offices that match a registration number.
#pragma once

#include "framework/text.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace checkcode {

// 214 entries, each "CCCC Name" (four-digit office code, one blank, the name), in ascending order of name.
// The texts have static storage: a view of an entry stays valid after the table that held it is gone.
inline constexpr std::size_t kLastOfficeIndex = 213;
using OfficeTable = std::array<std::string_view, kLastOfficeIndex + 1>;

// A fresh copy of the table (on the caller's stack, no heap).
OfficeTable BuildOfficeTable();

// Hands on, in table order, every entry whose first two characters equal the number's first two characters;
// `on_selected(std::string_view)` runs for each entry as soon as it is selected. All entries are compared:
// an exception from `on_selected` leaves the lookup at once, with the table released.
template <typename OnSelected>
void LookupOffices(const OfficeTable& sedi, std::string_view number, OnSelected&& on_selected) {
    for (std::size_t i = 0; i <= kLastOfficeIndex; ++i) {
        if (fw::Equal(fw::LeftView(number, 2), fw::LeftView(sedi[i], 2))) {
            on_selected(sedi[i]);
        }
    }
}

// The same on a table built for this lookup alone.
template <typename OnSelected>
void LookupOffices(std::string_view number, OnSelected&& on_selected) {
    LookupOffices(BuildOfficeTable(), number, on_selected);
}

// The selected entries of LookupOffices, collected.
std::vector<std::string_view> FindOffices(std::string_view number);

} // namespace checkcode

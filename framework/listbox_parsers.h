#pragma once

#include "framework/listbox.h"
#include "framework/text.h"

#include <vector>

// The texts that a Listbox's declared properties are given, taken apart. Qt-free.
namespace fw::detail {

// ColumnWidths: comma-separated, each a number of pixels, a percentage of the list's width, or "*" / nothing
// for the list's own. In pixels; -1 for the list's own. UnsupportedFormatException naming the list and the
// width when one is none of these.
std::vector<int> ColumnWidthsIn(const Listbox& list, const fw::Text& v);

// InitialValue: lines of tab-separated cells; CR and LF each end a line. Every line is there, also an empty
// one (a single empty cell).
std::vector<std::vector<fw::Text>> InitialValueLines(const fw::Text& v);

} // namespace fw::detail

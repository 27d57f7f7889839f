// The office list: a list box that can tint every other row.
#pragma once

#include "framework/listbox.h"

#include <cstdint>

class ARListBox : public fw::Listbox {
public:
    static const fw::ClassInfo& Class();
    const fw::ClassInfo& GetClass() const override;

    // Declared Boolean "bAlternateRows": a plain stored switch; changing it repaints nothing by itself.
    bool bAlternateRows() const noexcept { return bAlternateRows_; }
    void SetbAlternateRows(bool v) { bAlternateRows_ = v; }

    // Rows 0, 2, 4 ... get the tint under their text while the switch is on. Always False, so the list
    // still draws the cell's text.
    bool Event_CellBackgroundPaint(fw::Graphics& g, std::int32_t row, std::int32_t column) override;

private:
    bool bAlternateRows_ = false;
};

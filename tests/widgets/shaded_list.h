#pragma once
// A list class of the test's own. Its cell handler records each call and fills the one row a test marks, so
// the tests see where the layer paints what; or it fails, as a handler without a drawing context would.

#include "framework/listbox.h"

#include <vector>

namespace testlists {

inline constexpr fw::Color kMark{200, 30, 40};

class ShadedList : public fw::Listbox {
public:
    bool Event_CellBackgroundPaint(fw::Graphics& g, std::int32_t row, std::int32_t column) override {
        if (fails)
            throw fw::NilObjectException("no drawing context");
        calls.push_back({row, column, g.Width(), g.Height()});
        kept = fw::Ref<fw::Graphics>(&g);
        if (row == marked) {
            g.SetForeColor(kMark);
            g.FillRect(0, 0, g.Width(), g.Height());
        }
        return false;
    }

    struct Call {
        int row, column, width, height;
    };
    int marked = -1;
    bool fails = false;
    std::vector<Call> calls;
    fw::Ref<fw::Graphics> kept; // past the paint
};

} // namespace testlists

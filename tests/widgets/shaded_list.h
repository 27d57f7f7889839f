#pragma once
// A list class declared the way the program declares its own, with one stored switch. Its cell handler
// records each call and fills the one row a test marks, so the tests see where the layer paints what.

#include "framework/listbox.h"

#include <vector>

namespace testlists {

inline constexpr fw::Color kMark{200, 30, 40};

class ShadedList : public fw::Listbox {
public:
    static const fw::ClassInfo& Class() {
        static const fw::PropertyDecl props[] = {
            fw::Declare<&ShadedList::AlternateRows, &ShadedList::SetAlternateRows>("bAlternateRows")};
        static const fw::ClassInfo info{"ARListBox", &fw::Listbox::Class(), props, {}};
        return info;
    }
    const fw::ClassInfo& GetClass() const override { return Class(); }

    bool AlternateRows() const { return alternate; }
    void SetAlternateRows(bool v) { alternate = v; }

    bool Event_CellBackgroundPaint(fw::Graphics& g, std::int32_t row, std::int32_t column) override {
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
    bool alternate = false;
    int marked = -1;
    std::vector<Call> calls;
    fw::Ref<fw::Graphics> kept;
};

} // namespace testlists

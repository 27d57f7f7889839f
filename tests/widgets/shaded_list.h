#pragma once
// A list class of the kind the program writes: one stored switch and every other row tinted.

#include "framework/listbox.h"

namespace testlists {

inline constexpr fw::Color kTint{237, 243, 254};

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

    bool Event_CellBackgroundPaint(fw::Graphics& g, std::int32_t row, std::int32_t) override {
        ++paints;
        if (!alternate || row % 2 != 0)
            return false;
        g.SetForeColor(fw::RGB(237, 243, 254));
        g.FillRect(0, 0, g.Width(), g.Height());
        return false;
    }

    bool alternate = false;
    int paints = 0;
};

} // namespace testlists

#include "mainwindow/ar_list_box.h"

#include "framework/properties.h"

namespace {

constexpr fw::PropertyDecl kARListBoxProperties[] = {
    fw::Declare<&ARListBox::bAlternateRows, &ARListBox::SetbAlternateRows>("bAlternateRows"),
};

} // namespace

const fw::ClassInfo& ARListBox::Class() {
    static const fw::ClassInfo info{"ARListBox", &fw::Listbox::Class(), kARListBoxProperties, {}};
    return info;
}

const fw::ClassInfo& ARListBox::GetClass() const {
    return Class();
}

bool ARListBox::Event_CellBackgroundPaint(fw::Graphics& g, std::int32_t row, std::int32_t /*column*/) {
    if (bAlternateRows() && row % 2 == 0) {
        g.SetForeColor(fw::RGB(237, 243, 254));
        g.FillRect(0, 0, g.Width(), g.Height());
    }
    return false;
}

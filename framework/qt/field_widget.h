#pragma once

#include "framework/qt/control_widgets.h"

#include <QLineEdit>

namespace fw::detail {

// Every way of pasting or dropping text (keys, context menu, middle click, drop) judges the whole text: the
// widget itself would cut it to the limit first. Typed keys keep the widget's own handling.
class FieldWidget : public PeerWidget<QLineEdit> {
protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

} // namespace fw::detail

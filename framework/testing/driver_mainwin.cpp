#include "framework/testing/driver_mainwin.h"

#include "framework/qt/control_peer.h"
#include "framework/runtime.h"
#include "framework/testing/run_control.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QTimer>

namespace fw::testing {

Image Grab(RectControl& control) {
    QWidget* w = control.Peer().Widget();
    if (!w)
        throw NilObjectException(control.Describe() + " has no widget: its window is gone");
    const QImage image = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    Image out{image.width(), image.height(), {}};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            out.pixels.push_back(detail::FromQColor(image.pixelColor(x, y)));
    return out;
}

std::vector<std::string> PopUpCaptionsOf(const std::function<void()>& action) {
    std::vector<std::string> captions;
    auto readAndClose = [&captions] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || !captions.empty())
            return;
        for (const QAction* a : menu->actions())
            captions.push_back(a->isSeparator() ? std::string("-") : a->text().toStdString());
        menu->close();
    };
    // A menu shown with exec() blocks the action: this timer reads it from the menu's own loop.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, readAndClose);
    poll.start(10);
    action();
    poll.stop();
    // A menu that does not block is open by now, or opens once the click's events are through.
    ProcessEvents();
    readAndClose();
    ProcessEvents();
    return captions;
}

std::int32_t RunAndCloseAsUser(Window& window, int timeoutMs) {
    ResetRunState();
    Ref<Window> keep(&window);
    QTimer::singleShot(0, [keep] { CloseAsUser(*keep); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { Quit(-1); });
    guard.start(timeoutMs);
    RuntimeRun();
    guard.stop();
    const std::int32_t status = RuntimeExit();
    // RuntimeExit let the system object go: start it again for the tests that follow.
    RuntimeInit();
    ResetRunState();
    ProcessEvents();
    return status;
}

} // namespace fw::testing

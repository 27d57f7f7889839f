#include "framework/qt/runtime_peer.h"

#include "framework/exceptions.h"

#include <QApplication>

#include <string>

namespace fw::detail {

namespace {

// A handler's exception is caught here, per event, so that it leaves Qt's dispatch at once instead of
// unwinding through it.
class RuntimeApplication : public QApplication {
public:
    RuntimeApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            PassToEventLoop(std::current_exception());
            return true;
        }
    }
};

} // namespace

bool ApplicationStarted() {
    return QCoreApplication::instance() != nullptr;
}

void StartApplication(int& argc, char** argv) {
    // Never deleted: windows and menus may still hold widgets while the process ends.
    auto* app = new RuntimeApplication(argc, argv);
    // The run ends through Quit only, not when its last window closes.
    app->setQuitOnLastWindowClosed(false);
}

QApplication& RequireApplication(std::string_view where) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app)
        throw RuntimeException(std::string(where) + ": the runtime has not started (RuntimeInit)");
    return *app;
}

void RequireStarted(std::string_view where) {
    RequireApplication(where);
}

void RunEventLoop() {
    QApplication::exec();
}

void ExitEventLoops(std::int32_t code) {
    QCoreApplication::exit(code);
}

void DeletePendingWidgets() {
    if (QCoreApplication::instance())
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::string ApplicationFilePath() {
    if (!QCoreApplication::instance())
        return {};
    return QCoreApplication::applicationFilePath().toStdString();
}

} // namespace fw::detail

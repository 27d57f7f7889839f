#include "framework/runtime.h"

#include "framework/qt/run_state.h"
#include "framework/qt/runtime_peer.h"
#include "framework/qt/window_peer.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMessageBox>
#include <xcb/xcb.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

namespace fw {

using detail::RunState;
using detail::State;

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
            detail::PassToEventLoop(std::current_exception());
            return true;
        }
    }
};

std::string KindOf(const std::exception& e) {
    if (const auto* own = dynamic_cast<const RuntimeException*>(&e))
        return own->Kind();
    return TypeName(typeid(e));
}

bool UserSeesDialogs() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

// Whether this Qt can open a Wayland display: its platform plug-in is a separate package.
bool HasWaylandPlatform() {
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libqwayland*")}, QDir::Files).isEmpty();
}

// Qt's X11 platform ends the process with an abort when it cannot open its display, so the display is tried
// first and a failure refused with a word. Other platforms (offscreen in the tests, an installed Wayland) are
// Qt's to open.
void RequireDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return;
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) {
        const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
        if (wayland.isEmpty())
            throw RuntimeException("no display: neither DISPLAY nor WAYLAND_DISPLAY is set");
        if (platform.isEmpty() && HasWaylandPlatform())
            return;
        throw RuntimeException("no display: DISPLAY is not set, and the Wayland display \"" +
                               wayland.toStdString() + "\" cannot be used here");
    }
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (!opened)
        throw RuntimeException("cannot open display \"" + display.toStdString() + "\"");
}

} // namespace

namespace detail {

QApplication& RequireApplication(std::string_view where) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app)
        throw RuntimeException(std::string(where) + ": the runtime has not started (RuntimeInit)");
    return *app;
}

namespace {

// What a handler let out, as an exception the program's guard catches: something thrown that is not a
// std::exception becomes a RuntimeException saying so, instead of ending the process unreported.
std::exception_ptr AsStandardException(std::exception_ptr e) {
    try {
        std::rethrow_exception(e);
    } catch (const std::exception&) {
        return e;
    } catch (...) {
        return std::make_exception_ptr(
            RuntimeException("a handler threw something that is not an exception"));
    }
}

} // namespace

void PassToEventLoop(std::exception_ptr e) {
    RunState& s = State();
    e = AsStandardException(e);
    if (s.loopDepth == 0 || s.pending) {
        // No loop to hand it to (or the loop is already ending for an earlier failure): raising it into Qt's
        // dispatch would unwind code that does not expect it, so it is reported here, on its own.
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& failure) {
            UnhandledException(failure);
        }
        return;
    }
    s.pending = e;
    QCoreApplication::exit(1); // ends every running loop, nested ones (a pop-up menu) included
}

bool TakeCreationFailure() {
    if (void (*raise)() = std::exchange(State().creationThrow, nullptr))
        raise();
    int& failures = State().creationFailures;
    if (failures <= 0)
        return false;
    --failures;
    return true;
}

} // namespace detail

void RuntimeInit() {
    RunState& s = State();
    if (!QCoreApplication::instance()) {
        RequireDisplay();
        // The program hands the runtime nothing: Qt gets the program's name only.
        s.argv[0] = program_invocation_name;
        // Never deleted: windows and menus may still hold widgets while the process ends.
        auto* app = new RuntimeApplication(s.argc, s.argv);
        // The run ends through Quit only, not when its last window closes.
        app->setQuitOnLastWindowClosed(false);
        detail::LoadTranslationsAtStart();
    }
    if (!s.system)
        s.system = MakeRef<SystemClass>();
}

void RuntimeInitExternalClasses() {
    detail::RequireApplication("RuntimeInitExternalClasses");
}

void RuntimeRegisterAppObject(const Ref<Application>& obj) {
    Require(obj, "application object to register");
    State().appObject = obj;
}

Ref<Application> GetAppObject() {
    return State().appObject;
}

void RuntimeRun() {
    QApplication& app = detail::RequireApplication("RuntimeRun");
    RunState& s = State();
    if (s.loopDepth > 0)
        throw RuntimeException("RuntimeRun: the event loop is already running");
    if (s.quitRequested) {
        // Quit came before the loop started: there is nothing to run.
        s.quitRequested = false;
        return;
    }
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(++d) {}
        ~Depth() { --depth; }
    } depth(s.loopDepth);
    app.exec();
    s.quitRequested = false;
    if (s.pending)
        std::rethrow_exception(std::exchange(s.pending, nullptr));
}

void Quit(std::int32_t code) {
    RunState& s = State();
    s.quitCode = code;
    if (s.loopDepth > 0)
        QCoreApplication::exit(code);
    else
        s.quitRequested = true;
}

void UnhandledException(const std::exception& e) {
    State().reported = true;
    const std::string kind = KindOf(e);
    std::fprintf(stderr, "Unhandled %s: %s\n", kind.c_str(), e.what());
    std::fflush(stderr);
    if (!UserSeesDialogs())
        return;
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                    QStringLiteral("Il programma ha incontrato un errore che non è in grado di gestire."),
                    QMessageBox::Ok);
    box.setInformativeText(QString::fromStdString(kind + ": " + e.what()));
    box.exec();
}

void RuntimeReleaseModules() {
    detail::ReleaseWindowRegistry();
}

std::int32_t RuntimeExit() {
    RunState& s = State();
    // Widgets of closed windows that wait for deletion go now, while the runtime is still there.
    if (QCoreApplication::instance())
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    s.appObject = nullptr;
    s.system = nullptr;
    if (s.reported && s.quitCode == 0)
        return 1; // a reported failure never ends as success
    return s.quitCode;
}

} // namespace fw

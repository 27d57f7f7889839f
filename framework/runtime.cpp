#include "framework/runtime.h"

#include "framework/qt/runtime_peer.h"
#include "framework/system.h"

#include <QApplication>
#include <QMessageBox>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fw {

namespace detail {
void StartSystem();
void StopSystem() noexcept;
void LoadTranslationsAtStart();
} // namespace detail

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

struct RunState {
    int loopDepth = 0;
    bool quitRequested = false;
    std::int32_t quitCode = 0;
    bool reported = false;
    std::exception_ptr pending;
    Ref<Application> appObject;
    int creationFailures = 0;
    void (*creationThrow)() = nullptr;
    std::vector<void (*)()> moduleReleases;
};

// Never destroyed: an application object still registered at exit must not be released while Qt and the
// layer's other statics are being torn down.
RunState& State() {
    static auto* state = new RunState;
    return *state;
}

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

bool dialogsSuppressed = false;

// Qt's X11 platform ends the process with an abort when it cannot open its display, so the display is tried
// first and a failure refused with a word. Other platforms (offscreen in the tests, Wayland) are Qt's to
// open.
void RequireDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return;
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) {
        if (platform.isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            return;
        throw RuntimeException("no display: neither DISPLAY nor WAYLAND_DISPLAY is set");
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

bool EventLoopRunning() noexcept {
    return State().loopDepth > 0;
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

void AddModuleRelease(void (*release)()) {
    auto& hooks = State().moduleReleases;
    if (std::find(hooks.begin(), hooks.end(), release) == hooks.end())
        hooks.push_back(release);
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
    if (!QCoreApplication::instance()) {
        RequireDisplay();
        // The program hands the runtime nothing: Qt gets the program's name only.
        static char* argv[] = {program_invocation_name, nullptr};
        static int argc = 1;
        // Never deleted: windows and menus may still hold widgets while the process ends.
        auto* app = new RuntimeApplication(argc, argv);
        // The run ends through Quit only, not when its last window closes.
        app->setQuitOnLastWindowClosed(false);
        detail::LoadTranslationsAtStart();
    }
    detail::StartSystem();
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
    if (dialogsSuppressed || !UserSeesDialogs())
        return;
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                    QStringLiteral("Il programma ha incontrato un errore che non è in grado di gestire."),
                    QMessageBox::Ok);
    box.setInformativeText(QString::fromStdString(kind + ": " + e.what()));
    box.exec();
}

void RuntimeReleaseModules() {
    // Copied: a release may add hooks of its own.
    const std::vector<void (*)()> hooks = State().moduleReleases;
    for (void (*release)() : hooks)
        release();
}

std::int32_t RuntimeExit() {
    RunState& s = State();
    // Widgets of closed windows that wait for deletion go now, while the runtime is still there.
    if (QCoreApplication::instance())
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    s.appObject = nullptr;
    detail::StopSystem();
    if (s.reported && s.quitCode == 0)
        return 1; // a reported failure never ends as success
    return s.quitCode;
}

namespace testing {

void FailObjectCreations(int count) {
    State().creationFailures = std::max(count, 0);
}

void ThrowOnObjectCreation(void (*raise)()) {
    State().creationThrow = raise;
}

void ResetRunState() {
    RunState& s = State();
    s.quitRequested = false;
    s.quitCode = 0;
    s.reported = false;
    s.pending = nullptr;
    s.appObject = nullptr;
    s.creationFailures = 0;
    s.creationThrow = nullptr;
}

void SuppressErrorDialogs(bool suppress) {
    dialogsSuppressed = suppress;
}

bool FailureReported() {
    return State().reported;
}

} // namespace testing

} // namespace fw

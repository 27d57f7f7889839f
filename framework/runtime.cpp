#include "framework/runtime.h"

#include "framework/qt/display_check.h"
#include "framework/qt/event_loop.h"
#include "framework/qt/failure_dialog.h"
#include "framework/qt/run_state.h"
#include "framework/qt/window_peer.h"

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

std::string KindOf(const std::exception& e) {
    if (const auto* own = dynamic_cast<const RuntimeException*>(&e))
        return own->Kind();
    return TypeName(typeid(e));
}

} // namespace

namespace detail {

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
    ExitEventLoops(1); // ends every running loop, nested ones (a pop-up menu) included
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
    if (!detail::ApplicationStarted()) {
        detail::RequireDisplay();
        // The program hands the runtime nothing: Qt gets the program's name only.
        s.argv[0] = program_invocation_name;
        detail::StartApplication(s.argc, s.argv);
        detail::LoadTranslationsAtStart();
    }
    if (!s.system)
        s.system = MakeRef<SystemClass>();
}

void RuntimeInitExternalClasses() {
    detail::RequireStarted("RuntimeInitExternalClasses");
}

void RuntimeRegisterAppObject(const Ref<Application>& obj) {
    Require(obj, "application object to register");
    State().appObject = obj;
}

Ref<Application> GetAppObject() {
    return State().appObject;
}

void RuntimeRun() {
    detail::RequireStarted("RuntimeRun");
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
    detail::RunEventLoop();
    s.quitRequested = false;
    if (s.pending)
        std::rethrow_exception(std::exchange(s.pending, nullptr));
}

void Quit(std::int32_t code) {
    RunState& s = State();
    s.quitCode = code;
    if (s.loopDepth > 0)
        detail::ExitEventLoops(code);
    else
        s.quitRequested = true;
}

void UnhandledException(const std::exception& e) {
    State().reported = true;
    const std::string kind = KindOf(e);
    std::fprintf(stderr, "Unhandled %s: %s\n", kind.c_str(), e.what());
    std::fflush(stderr);
    detail::ShowFailureToUser(kind + ": " + e.what());
}

void RuntimeReleaseModules() {
    detail::ReleaseWindowRegistry();
}

std::int32_t RuntimeExit() {
    RunState& s = State();
    // Widgets of closed windows that wait for deletion go now, while the runtime is still there.
    detail::DeletePendingWidgets();
    s.appObject = nullptr;
    s.system = nullptr;
    if (s.reported && s.quitCode == 0)
        return 1; // a reported failure never ends as success
    return s.quitCode;
}

} // namespace fw

#pragma once

#include "framework/application.h"
#include "framework/object.h"

#include <cstdint>
#include <exception>
#include <new>
#include <string_view>

namespace fw {

// Starts the runtime (the GUI application object of the platform). The program hands it nothing. Throws
// RuntimeException when no display can be opened.
void RuntimeInit();
// Sets up the layer's own classes.
void RuntimeInitExternalClasses();
// Fills the table of plug-in entry points, each resolved by name (see plugins.h).
void InitPluginEntrypoints();

// Makes obj the application object; the runtime holds it for the rest of the run.
void RuntimeRegisterAppObject(const Ref<Application>& obj);
// The registered application object, or nil.
Ref<Application> GetAppObject();

// The event loop; returns when the application quits. An exception that a handler lets out ends the loop
// and leaves RuntimeRun; one that a handler lets out while no loop runs is reported (UnhandledException).
void RuntimeRun();
// Asks the event loop to end; code becomes the exit status. Asked before the loop runs, the next RuntimeRun
// returns at once.
void Quit(std::int32_t code = 0);

// Reports an exception once: to standard error with its kind and message, and where a display is there,
// in a message the user sees. After a report the exit status is never 0.
void UnhandledException(const std::exception& e);

// Releases the layer's module lists (single-instance windows, window bookkeeping, class caches).
void RuntimeReleaseModules();
// Ends the runtime and gives the process exit status.
std::int32_t RuntimeExit();

namespace detail {
bool TakeCreationFailure();
// Adds a module list of the layer (such as the window lists) for RuntimeReleaseModules to release. Hooks run
// in the order they were added, each once per call; adding the same hook again keeps one.
void AddModuleRelease(void (*release)());
} // namespace detail

// Creation of a new object of a class: nil when no object can be had.
template <class T>
Ref<T> RuntimeNewObject() {
    if (detail::TakeCreationFailure())
        return nullptr;
    T* p = new (std::nothrow) T();
    return Ref<T>(p);
}

namespace testing {
// The next count object creations through RuntimeNewObject give nil.
void FailObjectCreations(int count);
// The next object creation through RuntimeNewObject calls raise, which throws, as a failing constructor
// would.
void ThrowOnObjectCreation(void (*raise)());
// Forgets a pending quit, its code, a reported failure, the application object and pending creation failures,
// so that one test process can run the loop many times.
void ResetRunState();
// Keeps UnhandledException from showing its message box on a display (it never shows one offscreen).
void SuppressErrorDialogs(bool suppress);
// Whether UnhandledException reported something since the last ResetRunState.
bool FailureReported();
} // namespace testing

} // namespace fw

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
// Only checks that the runtime has started: raises RuntimeException when RuntimeInit has not run.
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

// Releases the layer's window lists: every window still open (single-instance ones included) is closed
// without its events.
void RuntimeReleaseModules();
// Ends the runtime and gives the process exit status.
std::int32_t RuntimeExit();

namespace detail {
bool TakeCreationFailure();
} // namespace detail

// Creation of a new object of a class: nil when no object can be had.
template <class T>
Ref<T> RuntimeNewObject() {
    if (detail::TakeCreationFailure())
        return nullptr;
    T* p = new (std::nothrow) T();
    return Ref<T>(p);
}

} // namespace fw

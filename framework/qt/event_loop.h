#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

// The platform's application object and its event loop, as the runtime drives them.
namespace fw::detail {

// Whether the platform's application object exists (of any kind).
bool ApplicationStarted();
// Makes the GUI application object; argc and argv must outlive it. Closing the last window does not quit.
void StartApplication(int& argc, char** argv);
// Raises RuntimeException naming where it was needed when RuntimeInit has not made the GUI application.
void RequireStarted(std::string_view where);

// Runs the event loop until it is asked to end.
void RunEventLoop();
// Ends every running event loop, nested ones (a pop-up menu) included; code is what the outermost returns.
void ExitEventLoops(std::int32_t code);
// Deletes the widgets that wait for deletion, while the application is still there.
void DeletePendingWidgets();

// The executable as the application object knows it; empty without one.
std::string ApplicationFilePath();

// An exception that left an event handler. Catch it in the slot or event handler itself and hand it over
// here, so that it never unwinds through Qt. While RuntimeRun's loop runs it is kept, every event loop is
// asked to end and RuntimeRun raises it again; outside the loop (or when one is already pending) it is
// reported through UnhandledException.
void PassToEventLoop(std::exception_ptr e);

} // namespace fw::detail

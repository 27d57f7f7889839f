#pragma once

#include <QApplication>

#include <exception>
#include <string_view>

namespace fw::detail {

// The running QApplication; raises RuntimeException naming where it was needed when RuntimeInit has not run.
QApplication& RequireApplication(std::string_view where);

// An exception that left an event handler. Catch it in the slot or event handler itself and hand it over
// here, so that it never unwinds through Qt. While RuntimeRun's loop runs it is kept, every event loop is
// asked to end and RuntimeRun raises it again; outside the loop (or when one is already pending) it is
// reported through UnhandledException.
void PassToEventLoop(std::exception_ptr e);

} // namespace fw::detail

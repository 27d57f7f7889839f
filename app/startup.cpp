#include "app/startup.h"

#include "framework/exceptions.h"
#include "framework/runtime.h"
#include "mainwindow/finestra1.h"

#include <exception>

void Main() {
    try {
        fw::RuntimeInitExternalClasses();
        fw::InitPluginEntrypoints();
        InitFileTypes();
        NewAppInstance();
        ApplicationAddMenuHandlers();
        MakeDefaultView();
        fw::RuntimeRun();
    } catch (const fw::RuntimeException& e) {
        // The framework's own failures (a nil object, a refused argument or format): reported once, and the
        // run goes on to its clean-up instead of leaving main with the menu bar and the runtime still up.
        fw::UnhandledException(e);
    } catch (const std::exception& e) {
        // A standard failure out of a step or a handler (out of memory, say) is reported the same way.
        // Anything that is not an exception at all is not ours to swallow and is left to terminate.
        fw::UnhandledException(e);
    }
}

void MakeDefaultView() {
    // The framework keeps the window and shows it; the reference is not needed here.
    implicit::Finestra1();
}

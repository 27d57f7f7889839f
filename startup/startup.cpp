#include "startup/startup.h"

#include "app/app.h"
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
    } catch (const std::exception& e) {
        // The framework's failures (fw::RuntimeException and its kinds) and standard ones alike: reported
        // once, and the run goes on to its clean-up.
        fw::UnhandledException(e);
    } catch (...) {
        // Something thrown that is not an exception is reported the same way, not left to terminate.
        fw::UnhandledException(fw::RuntimeException("an unknown exception left start-up"));
    }
}

void MakeDefaultView() {
    // The framework keeps the window and shows it; the reference is not needed here.
    implicit::Finestra1();
}

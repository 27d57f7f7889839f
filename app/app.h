#pragma once

#include "framework/application.h"
#include "framework/object.h"

// The application object: one instance for the whole run, held by the framework. It handles no application
// event; its one command is About.
class App : public fw::Application {
public:
    // File > About: shows the about window (the open one, or a new one). True: handled.
    bool ArchivioInfosuMorvalit_Action();
};

// The application's start-up steps, run in this order by the program's Main.
// No document types are declared.
void InitFileTypes();
// Creates the application object, gives it the shared menu bar and registers it.
void NewAppInstance();
// Binds the About item, by its name, to the application's About command; the program binds nothing else.
void ApplicationAddMenuHandlers();

namespace implicit {
// The registered application object as an App; nil when none is registered or it is not an App.
fw::Ref<::App> App();
} // namespace implicit

#pragma once

// The start-up steps, run by Main in this order inside one guarded block: the framework's classes and
// plug-in entry points, InitFileTypes, NewAppInstance, ApplicationAddMenuHandlers, MakeDefaultView, then the
// event loop. Anything thrown out of any step is reported once through the framework and ends the run.
void Main();
// No document types are declared.
void InitFileTypes();
// Creates the application object, gives it the shared menu bar and registers it.
void NewAppInstance();
// Binds the About item, by its name, to the application's About command; the program binds nothing else.
void ApplicationAddMenuHandlers();
// Opens the main window, which shows itself.
void MakeDefaultView();

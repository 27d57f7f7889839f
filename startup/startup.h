#pragma once

// The start-up steps, run by Main in this order inside one guarded block: the framework's classes and
// plug-in entry points, then the application's own (InitFileTypes, NewAppInstance,
// ApplicationAddMenuHandlers), MakeDefaultView, then the event loop. Anything thrown out of any step is
// reported once through the framework and ends the run.
void Main();
// Opens the main window, which shows itself.
void MakeDefaultView();

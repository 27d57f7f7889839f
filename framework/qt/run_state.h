#pragma once

#include "framework/application.h"
#include "framework/system.h"
#include "framework/window.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace fw::detail {

class MenuItemPeer;

// A plug-in entry point the layer knows by name.
struct PluginEntry {
    std::string_view name;
    void* address; // nullptr: named, but not built into this layer
};

// The layer's state of the run, in one place: RuntimeInit sets it up, the event loop and the layer's calls
// change it, RuntimeReleaseModules and RuntimeExit let its objects go.
struct RunState {
    // The platform's application object keeps references to these for as long as it lives.
    int argc = 1;
    char* argv[2] = {nullptr, nullptr};

    // The event loop.
    int loopDepth = 0;
    bool quitRequested = false;
    std::int32_t quitCode = 0;
    // What a handler let out while the loop ran: raised again when RuntimeRun returns.
    std::exception_ptr pending;
    // UnhandledException reported something: the exit status is not 0.
    bool reported = false;

    // Objects of the run.
    Ref<Application> appObject;
    Ref<SystemClass> system;
    std::map<std::string, std::string, std::less<>> translations;
    // Object creations through RuntimeNewObject that give nil, or the one that throws through creationThrow.
    int creationFailures = 0;
    void (*creationThrow)() = nullptr;

    // Open windows, oldest first.
    std::vector<Ref<Window>> openWindows;

    // Empty until InitPluginEntrypoints fills it.
    std::vector<PluginEntry> plugins;

    // What ApplicationExecutable answers instead of the real executable, when not empty.
    std::string executableOverride;

    // Every live menu item peer, so that their Edit items follow focus, selection and clipboard.
    std::vector<MenuItemPeer*> menuItemPeers;

    // The MouseDown event being raised comes from a contextual click.
    bool contextualClick = false;
    // The control whose event handler runs now (innermost first), or nullptr.
    Control* currentSender = nullptr;

    // Calls into Qt under way from the layer, and what a handler let out during one of them: raised again
    // when that call returns.
    int qtCallDepth = 0;
    std::exception_ptr held;
};

// The one state of the run, made on first use. RuntimeInit starts the run in it, RuntimeReleaseModules closes
// its windows (while the GUI still runs) and RuntimeExit lets the application and system objects go. The
// state itself is never destroyed: menu items held by the program's own statics untrack their peers here
// after every static of the layer would be gone.
RunState& State();

// Reads the translations for the user's language into the run state (at the runtime's first start).
void LoadTranslationsAtStart();

} // namespace fw::detail

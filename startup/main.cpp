#include "app/menu.h"
#include "framework/exceptions.h"
#include "framework/runtime.h"
#include "startup/startup.h"

#include <cstdio>
#include <exception>

// The program reads neither its arguments nor its environment.
int main() {
    try {
        fw::RuntimeInit();
    } catch (const std::exception& e) {
        // Nothing has started (no display, say): one plain line, and the run ends with failure.
        std::fprintf(stderr, "MorvalitDL: %s\n", e.what());
        return 1;
    } catch (...) {
        std::fprintf(stderr, "MorvalitDL: the runtime could not start: an unknown exception\n");
        return 1;
    }
    Main();
    fw::RuntimeReleaseModules();
    Menu::Exit();
    return fw::RuntimeExit();
}

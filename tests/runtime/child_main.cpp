// Whole runs for runtime_test.cpp to watch from outside: `runtime_child <scenario> <executable path>`.
#include "framework/runtime.h"
#include "framework/system.h"
#include "framework/testing/driver.h"
#include "framework/testing/run_control.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>

namespace {

struct Boom : fw::MenuItem {
    bool Event_Action() override { throw fw::NilObjectException("nil object: Boom's target"); }
};

void ThrowFromShortcut() {
    static fw::Ref<fw::MenuBar> bar = fw::MakeRef<fw::MenuBar>();
    bar->Append(fw::MakeRef<fw::MenuItem>());
    fw::Ref<fw::MenuItem> boom = fw::MakeRef<Boom>();
    boom->SetKeyboardShortcut("Cmd+B");
    bar->Item(0)->Append(boom);
    static fw::testing::MenuWindow window(*bar);
    window.Activate(); // when it does not, the key is lost and the run hangs
    fw::testing::After(0, [] { window.Press("Ctrl+B"); });
}

void PrintTranslations() {
    std::printf("[%s]\n", fw::System()->GetLocalizedString("Localize.Esci", "Esci").c_str());
    std::printf("[%s]\n", fw::System()->GetLocalizedString("Localize.Arch", "Archivio").c_str());
    fw::Quit(0);
}

// Outside the loop a handler's failure is reported at once; the quit that follows still sets the status.
void ThrowOutsideLoop() {
    fw::testing::After(0, [] { throw std::out_of_range("index 9"); });
    fw::testing::ProcessEvents();
    fw::Quit(4);
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    using fw::testing::After;
    const std::map<std::string, void (*)()> scenarios = {
        {"throw-in-loop", [] { After(0, [] { throw fw::InvalidArgumentException("bad value"); }); }},
        {"throw-non-exception", [] { After(0, [] { throw 42; }); }},
        {"throw-from-shortcut", &ThrowFromShortcut},
        {"throw-before-loop", [] { throw fw::NilObjectException("nil object: App"); }},
        {"throw-outside-loop", &ThrowOutsideLoop},
        {"quit-code", [] { After(0, [] { fw::Quit(7); }); }},
        {"quit-item", [] { After(0, [] { fw::MakeRef<fw::QuitMenuItem>()->Choose(); }); }},
        {"translations", &PrintTranslations}};
    const auto steps = scenarios.find(argc == 3 ? argv[1] : "");
    if (steps == scenarios.end()) {
        std::fprintf(stderr, "usage: runtime_child <scenario> <executable path>\n");
        return 125;
    }
    // As the program starts and ends: the bundle's translations are read at the first start.
    fw::testing::SetApplicationExecutable(argv[2]);
    fw::RuntimeInit();
    try {
        steps->second();
        fw::RuntimeRun();
    } catch (const std::exception& e) {
        fw::UnhandledException(e);
    }
    fw::RuntimeReleaseModules();
    const int status = fw::RuntimeExit();
    std::printf("loop ended\n");
    return status;
}

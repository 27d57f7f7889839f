// Whole runs for runtime_test.cpp to watch from outside: `runtime_child <scenario> <executable path>`.
#include "framework/runtime.h"
#include "framework/system.h"
#include "framework/testing/driver_runtime.h"
#include "framework/testing/run_control.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

class Boom : public fw::MenuItem {
public:
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

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string scenario = argc == 3 ? argv[1] : "";
    void (*steps)() = nullptr;
    if (scenario == "throw-in-loop")
        steps = [] { fw::testing::After(0, [] { throw fw::InvalidArgumentException("bad value"); }); };
    else if (scenario == "throw-non-exception")
        steps = [] { fw::testing::After(0, [] { throw 42; }); };
    else if (scenario == "throw-from-shortcut")
        steps = &ThrowFromShortcut;
    else if (scenario == "throw-before-loop")
        steps = [] { throw fw::NilObjectException("nil object: App"); };
    else if (scenario == "quit-code")
        steps = [] { fw::testing::After(0, [] { fw::Quit(7); }); };
    else if (scenario == "quit-item")
        steps = [] { fw::testing::After(0, [] { fw::MakeRef<fw::QuitMenuItem>()->Choose(); }); };
    else if (scenario == "translations")
        steps = &PrintTranslations;
    else {
        std::fprintf(stderr, "usage: runtime_child <scenario> <executable path>\n");
        return 125;
    }
    // As the program starts and ends: the bundle's translations are read at the first start.
    fw::testing::SetApplicationExecutable(argv[2]);
    fw::RuntimeInit();
    try {
        steps();
        fw::RuntimeRun();
    } catch (const std::exception& e) {
        fw::UnhandledException(e);
    }
    fw::RuntimeReleaseModules();
    const int status = fw::RuntimeExit();
    std::printf("loop ended\n");
    return status;
}

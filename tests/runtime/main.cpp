#include "child_process.h"

#include "framework/application.h"
#include "framework/folder_item.h"
#include "framework/menu_item.h"
#include "framework/runtime.h"
#include "framework/system.h"
#include "framework/testing/driver_runtime.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Each test starts from a quiet runtime: no pending quit, no report, no application object, no translations.
class ResetRuntime : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        fw::testing::ResetRunState();
        fw::ClearTranslations();
        fw::testing::SetApplicationExecutable({});
    }
};

class Boom : public fw::MenuItem {
public:
    bool Event_Action() override { throw fw::NilObjectException("nil object: Boom's target"); }
};

// The program's frame: guarded steps, the loop, the report, the release and the exit status.
int GuardedRun(void (*steps)()) {
    try {
        steps();
        fw::RuntimeRun();
    } catch (const std::exception& e) {
        fw::UnhandledException(e);
    }
    fw::RuntimeReleaseModules();
    return fw::RuntimeExit();
}

std::string ArgValue(int argc, char** argv, const char* name) {
    const std::string prefix = std::string(name) + "=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], prefix.c_str(), prefix.size()) == 0)
            return argv[i] + prefix.size();
    }
    return {};
}

int Scenario(const std::string& name, int argc, char** argv) {
    if (name == "throw-in-loop") {
        fw::RuntimeInit();
        return GuardedRun(
            [] { fw::testing::After(0, [] { throw fw::InvalidArgumentException("bad value"); }); });
    }
    if (name == "throw-from-shortcut") {
        fw::RuntimeInit();
        return GuardedRun([] {
            static fw::Ref<fw::MenuBar> bar = fw::MakeRef<fw::MenuBar>();
            fw::Ref<fw::MenuItem> menu = fw::MakeRef<fw::MenuItem>();
            menu->SetName("FileMenu");
            menu->SetText("File");
            bar->Append(menu);
            fw::Ref<fw::MenuItem> boom = fw::MakeRef<Boom>();
            boom->SetName("Boom");
            boom->SetText("Boom");
            boom->SetKeyboardShortcut("Cmd+B");
            menu->Append(boom);
            static fw::testing::MenuWindow window(*bar);
            if (!window.Activate())
                throw fw::RuntimeException("window not active");
            fw::testing::After(0, [] { window.Press("Ctrl+B"); });
        });
    }
    if (name == "throw-before-loop") {
        fw::RuntimeInit();
        return GuardedRun([] { throw fw::NilObjectException("nil object: App"); });
    }
    if (name == "quit-code") {
        fw::RuntimeInit();
        return GuardedRun([] { fw::testing::After(0, [] { fw::Quit(7); }); });
    }
    if (name == "quit-item") {
        fw::RuntimeInit();
        const int status = GuardedRun([] {
            static fw::Ref<fw::QuitMenuItem> quit = fw::MakeRef<fw::QuitMenuItem>();
            quit->SetName("FileQuit");
            fw::testing::After(0, [] { quit->Choose(); });
        });
        std::printf("loop ended\n");
        return status;
    }
    if (name == "translations") {
        // The executable is said to lie in <bundle>/MacOS, so the translations come from <bundle>/Resources.
        fw::testing::SetApplicationExecutable(ArgValue(argc, argv, "--executable"));
        fw::RuntimeInit();
        std::printf("[%s]\n", fw::System()->GetLocalizedString("Localize.Esci", "Esci").c_str());
        std::printf("[%s]\n", fw::System()->GetLocalizedString("Localize.Arch", "Archivio").c_str());
        return 0;
    }
    std::fprintf(stderr, "unknown child scenario %s\n", name.c_str());
    return 125;
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string child = ArgValue(argc, argv, "--child");
    if (!child.empty())
        return Scenario(child, argc, argv);

    fw::RuntimeInit();
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetRuntime);
    return RUN_ALL_TESTS();
}

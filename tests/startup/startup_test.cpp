// The start-up sequence with the main window: the whole of Main in-process, and a failing start-up run as a
// process of its own, the way main() runs it, to see its report and its exit status.
#include "app/app.h"
#include "app/info.h"
#include "app/menu.h"
#include "framework/runtime.h"
#include "framework/testing/driver.h"
#include "framework/testing/environment.h"
#include "framework/testing/run_control.h"
#include "mainwindow/finestra1.h"
#include "startup/startup.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace {

namespace fs = std::filesystem;
namespace drv = fw::testing;

// The child: main()'s sequence with one failure: the first object creation gives nil or throws something that
// is not an exception, or, inside the event loop, the About command's window gives nil. Its exit status is
// the runtime's, unless what it finds says otherwise.
int RunFailing(const std::string& scenario) {
    const bool inLoop = scenario == "failing-about";
    if (scenario == "failing-creation")
        fw::testing::FailObjectCreations(1);
    if (scenario == "failing-throw")
        fw::testing::ThrowOnObjectCreation([] { throw 42; });
    fw::RuntimeInit();
    if (inLoop) {
        fw::testing::After(0, [] {
            fw::testing::FailObjectCreations(1);
            Menu::_implicitInstance->Lookup("ArchivioInfosuMorvalit")->Choose();
        });
        fw::testing::After(10000, [] { fw::Quit(97); }); // the failure did not end the loop
    }
    Main();
    const std::size_t windows = fw::OpenWindows().size();
    fw::RuntimeReleaseModules();
    Menu::Exit();
    const int status = fw::RuntimeExit();
    if (!inLoop && windows != 0) {
        std::fprintf(stderr, "child: %zu window(s) open after the failed start-up\n", windows);
        return 98;
    }
    return status;
}

struct ChildRun {
    int status = -1; // exit status, or -1 when it had to be killed (still in an event loop, say)
    std::string errors;
};

// This program run again as `--run=<scenario>`, killed after 30 seconds, its errors kept in a file.
ChildRun RunChild(const std::string& scenario) {
    const fs::path errors = fs::temp_directory_path() / ("morvalit-startup-" + std::to_string(getpid()));
    const std::string command = "timeout -s KILL 30 '" + fs::read_symlink("/proc/self/exe").string() +
                                "' --run=" + scenario + " 2>'" + errors.string() + "'";
    const int wstatus = std::system(command.c_str());
    std::ifstream in(errors, std::ios::binary);
    ChildRun run{-1, std::string(std::istreambuf_iterator<char>(in), {})};
    fs::remove(errors);
    if (WIFEXITED(wstatus) && WEXITSTATUS(wstatus) != 128 + SIGKILL)
        run.status = WEXITSTATUS(wstatus);
    return run;
}

// A failure is reported once, leaves no window open, starts or ends the loop and ends the run with failure.
TEST(StartUp, AFailureBeforeOrInsideTheEventLoopIsReportedOnceAndTheRunEndsWithFailure) {
    const std::pair<const char*, std::string> cases[] = {{"failing-creation", "NilObjectException"},
                                                         {"failing-about", "NilObjectException"},
                                                         {"failing-throw", "RuntimeException: an unknown"}};
    for (const auto& [scenario, report] : cases) {
        SCOPED_TRACE(scenario);
        const ChildRun run = RunChild(scenario);
        EXPECT_EQ(run.status, 1) << run.errors;
        const std::size_t at = run.errors.find(report);
        EXPECT_TRUE(at != std::string::npos && at == run.errors.rfind(report)) << "not once: " << run.errors;
    }
}

// A quit asked for before the loop starts lets Main run every step and return. With no translation, every
// caption shown is the Italian one: the menu bar's, the main window's and, once chosen, the about window's.
TEST(StartUp, OpensOnlyTheMainWindowSharingTheOneMenuBarAllInItalian) {
    fw::RuntimeInit();
    fw::Quit(0);
    Main();

    const auto windows = fw::OpenWindows();
    ASSERT_EQ(windows.size(), 1u);
    fw::Ref<Finestra1> mainWindow = fw::RefCast<Finestra1>(windows.front());
    ASSERT_TRUE(mainWindow);
    ASSERT_TRUE(Menu::_implicitInstance);
    EXPECT_EQ(mainWindow->MenuBar().Get(), Menu::_implicitInstance.Get());
    EXPECT_EQ(implicit::App()->MenuBar().Get(), Menu::_implicitInstance.Get());
    EXPECT_EQ(implicit::App()->MenuHandlerNames(), std::vector<fw::Text>{"ArchivioInfosuMorvalit"});

    mainWindow->ArchivioInfosuMorvalit()->Choose();
    const fw::Ref<Info> about = fw::RefCast<Info>(fw::GetImplicitWindow("Info.Info"));
    ASSERT_TRUE(about);
    const auto text = [](fw::RectControl& c) { return drv::Inspect(c).text; };
    std::vector<std::string> shown = drv::MenuBarCaptions(*mainWindow);
    shown.insert(shown.end(),
                 {drv::Inspect(*mainWindow).title, text(*mainWindow->StaticText1()),
                  text(*mainWindow->PushButton1()), text(*mainWindow->GroupBox1()),
                  text(*mainWindow->GroupBox2()), drv::Inspect(*about).title, text(*about->StaticText1()),
                  text(*about->StaticText3()), text(*about->PushButton1())});
    EXPECT_EQ(shown,
              (std::vector<std::string>{
                  "Archivio", "Info su Morvalit", "Esci", "Composizione", "Annulla", "-", "Taglia", "Copia",
                  "Incolla", "Cancella", "Morvalit DL", "Matricola Azienda", "Calcola Contro Codice",
                  "Controllo Matricola Azienda", "Sedi INPS corrispondenti", "Info su Morvalit",
                  "Versione " + implicit::App()->ShortVersion(), "Prodotto Freeware", "OK"}));

    fw::RuntimeReleaseModules();
    Menu::Exit();
    EXPECT_TRUE(Menu::_implicitInstance.IsNil());
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

} // namespace

int main(int argc, char** argv) {
    fw::testing::UseOwnEnvironment();
    if (argc == 2 && std::strncmp(argv[1], "--run=failing-", 14) == 0)
        return RunFailing(argv[1] + 6);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

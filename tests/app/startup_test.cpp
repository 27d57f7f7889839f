// The start-up sequence with the main window: the whole of Main in-process, and a failing start-up run as a
// process of its own, the way main() runs it, to see its report and its exit status.
#include "app/app.h"
#include "app/info.h"
#include "app/localize.h"
#include "app/menu.h"
#include "app/startup.h"
#include "framework/runtime.h"
#include "framework/system.h"
#include "framework/testing/driver_runtime.h"
#include "mainwindow/finestra1.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

// The child: main()'s sequence with the first object creation failing. Its exit status is the runtime's,
// unless what it finds after Main says otherwise.
int RunWithFailingCreation() {
    fw::testing::FailObjectCreations(1);
    fw::RuntimeInit();
    Main();
    const std::size_t windows = fw::OpenWindows().size();
    fw::RuntimeReleaseModules();
    Menu::Exit();
    const int status = fw::RuntimeExit();
    if (windows != 0) {
        std::fprintf(stderr, "child: %zu window(s) open after the failed start-up\n", windows);
        return 98;
    }
    return status;
}

// The child: main()'s sequence where the About command fails inside the event loop (its window cannot be
// created). The loop hands the failure on and Main's guard reports it.
int RunWithFailingAbout() {
    fw::RuntimeInit();
    fw::testing::After(0, [] {
        fw::testing::FailObjectCreations(1);
        Menu::_implicitInstance->Lookup("ArchivioInfosuMorvalit")->Choose();
    });
    fw::testing::After(10000, [] { fw::Quit(97); }); // the failure did not end the loop
    Main();
    fw::RuntimeReleaseModules();
    Menu::Exit();
    return fw::RuntimeExit();
}

struct ChildRun {
    int status = -1; // exit status, or -1 when it did not exit by itself
    std::string errors;
};

ChildRun RunChild(const char* scenario, std::chrono::seconds limit) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::string self = "/proc/self/exe";
    std::string arg = std::string("--run=") + scenario;
    char* argv[] = {self.data(), arg.data(), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        throw std::runtime_error(std::string("posix_spawn failed: ") + std::strerror(spawned));
    }

    ChildRun run;
    // Read on a thread, so a child that fills the pipe cannot stall while we wait for it.
    std::thread reader([&] {
        char buf[4096];
        ssize_t n;
        while ((n = read(pipeFds[0], buf, sizeof buf)) > 0)
            run.errors.append(buf, static_cast<std::size_t>(n));
    });
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int wstatus = 0;
    while (waitpid(pid, &wstatus, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &wstatus, 0);
            run.errors += "\n[killed: the child was still running, e.g. in an event loop]";
            wstatus = -1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    reader.join();
    close(pipeFds[0]);
    if (wstatus != -1 && WIFEXITED(wstatus))
        run.status = WEXITSTATUS(wstatus);
    return run;
}

int CountOf(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++n;
    return n;
}

TEST(StartUp, FailedApplicationObjectIsReportedOnceAndTheRunEndsWithFailure) {
    const ChildRun run = RunChild("failing-creation", std::chrono::seconds(30));
    EXPECT_NE(run.status, -1) << "did not end by itself: " << run.errors;
    EXPECT_NE(run.status, 0) << run.errors;
    EXPECT_NE(run.status, 98) << run.errors;
    EXPECT_EQ(CountOf(run.errors, "NilObjectException"), 1) << run.errors;
}

TEST(StartUp, FailureInsideTheEventLoopIsReportedOnceAndEndsTheRun) {
    const ChildRun run = RunChild("failing-about", std::chrono::seconds(30));
    EXPECT_NE(run.status, -1) << "did not end by itself: " << run.errors;
    EXPECT_NE(run.status, 0) << run.errors;
    EXPECT_NE(run.status, 97) << run.errors;
    EXPECT_EQ(CountOf(run.errors, "NilObjectException"), 1) << run.errors;
}

// A quit asked for before the loop starts lets Main run every step and return.
TEST(StartUp, OpensOnlyTheMainWindowSharingTheOneMenuBar) {
    fw::RuntimeInit();
    fw::Quit(0);
    Main();

    const auto windows = fw::OpenWindows();
    ASSERT_EQ(windows.size(), 1u);
    fw::Ref<Finestra1> mainWindow = fw::RefCast<Finestra1>(windows.front());
    ASSERT_TRUE(mainWindow);
    EXPECT_EQ(mainWindow->Title(), "Morvalit DL");
    ASSERT_TRUE(Menu::_implicitInstance);
    EXPECT_EQ(mainWindow->MenuBar().Get(), Menu::_implicitInstance.Get());
    EXPECT_EQ(implicit::App()->MenuBar().Get(), Menu::_implicitInstance.Get());
    EXPECT_EQ(implicit::App()->MenuHandlerNames(), std::vector<fw::Text>{"ArchivioInfosuMorvalit"});

    fw::RuntimeReleaseModules();
    Menu::Exit();
    EXPECT_TRUE(Menu::_implicitInstance.IsNil());
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST(StartUp, OkOnTheAboutWindowLeavesTheMainWindowOpen) {
    fw::RuntimeInit();
    fw::Quit(0);
    Main();
    Menu::_implicitInstance->Lookup("ArchivioInfosuMorvalit")->Choose();
    fw::Ref<Info> about = fw::RefCast<Info>(fw::GetImplicitWindow("Info.Info"));
    ASSERT_TRUE(about);
    about->PushButton1()->Push();
    EXPECT_FALSE(about->IsOpen());
    ASSERT_EQ(fw::OpenWindows().size(), 1u);
    EXPECT_TRUE(fw::RefCast<Finestra1>(fw::OpenWindows().front()));

    fw::RuntimeReleaseModules();
    Menu::Exit();
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST(Captions, WithoutTheSystemObjectRaiseTheNilObjectException) {
    ASSERT_TRUE(fw::System().IsNil()) << "this process must not have started the runtime";
    EXPECT_THROW(Localize::Arch(), fw::NilObjectException);
    EXPECT_THROW(Localize::About(), fw::NilObjectException);
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc == 2 && std::strcmp(argv[1], "--run=failing-creation") == 0)
        return RunWithFailingCreation();
    if (argc == 2 && std::strcmp(argv[1], "--run=failing-about") == 0)
        return RunWithFailingAbout();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

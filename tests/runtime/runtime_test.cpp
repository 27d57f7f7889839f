#include "child_process.h"
#include "menu_fixture.h"

#include "framework/runtime.h"
#include "framework/system.h"
#include "framework/testing/driver_runtime.h"

#include <gtest/gtest.h>

#include <csignal>

namespace {

using fw::Ref;

// Counts how often text occurs in s.
int Occurrences(const std::string& s, const std::string& text) {
    int n = 0;
    for (std::size_t at = s.find(text); at != std::string::npos; at = s.find(text, at + text.size()))
        ++n;
    return n;
}

// RuntimeExit drops the system object; the next test needs the runtime running again.
std::int32_t ExitAndRestart() {
    const std::int32_t status = fw::RuntimeExit();
    fw::RuntimeInit();
    return status;
}

// --- The event loop and Quit ------------------------------------------------------------------------------

TEST(EventLoop, RunsUntilQuitAndTheCodeBecomesTheExitStatus) {
    bool ran = false;
    fw::testing::After(0, [&ran] { ran = true; });
    fw::testing::After(10, [] { fw::Quit(5); });
    fw::RuntimeRun();
    EXPECT_TRUE(ran);
    EXPECT_EQ(ExitAndRestart(), 5);
}

TEST(EventLoop, QuitBeforeTheLoopStartsMakesItReturnAtOnce) {
    fw::Quit(0);
    bool ran = false;
    fw::testing::After(0, [&ran] { ran = true; });
    fw::RuntimeRun();
    EXPECT_FALSE(ran) << "the loop did not run";
    fw::testing::After(0, [] { fw::Quit(0); });
    fw::RuntimeRun(); // the early quit was used up: this run needs its own
    EXPECT_TRUE(ran);
}

TEST(EventLoop, RunsAgainAfterItEnded) {
    for (int round = 1; round <= 3; ++round) {
        fw::testing::After(0, [round] { fw::Quit(round); });
        fw::RuntimeRun();
    }
    EXPECT_EQ(ExitAndRestart(), 3);
}

TEST(EventLoop, RunningItFromInsideItselfIsRefused) {
    bool refused = false;
    fw::testing::After(0, [&refused] {
        try {
            fw::RuntimeRun();
        } catch (const fw::RuntimeException&) {
            refused = true;
        }
        fw::Quit(0);
    });
    fw::RuntimeRun();
    EXPECT_TRUE(refused);
}

// --- Exceptions that leave handlers -----------------------------------------------------------------------

TEST(HandlerExceptions, ExceptionFromAHandlerEndsTheLoopAndLeavesRuntimeRun) {
    bool laterRan = false;
    fw::testing::After(0, [] { throw fw::NilObjectException("nil object: EditField1"); });
    fw::testing::After(200, [&laterRan] { laterRan = true; });
    try {
        fw::RuntimeRun();
        FAIL() << "RuntimeRun returned normally";
    } catch (const fw::NilObjectException& e) {
        EXPECT_STREQ(e.what(), "nil object: EditField1");
    }
    EXPECT_FALSE(laterRan) << "the loop ended with the exception";
    fw::testing::RunEventsFor(250);
}

TEST(HandlerExceptions, ExceptionFromAPopUpPickEndsThePopUpAndTheLoop) {
    class Throwing : public fw::MenuItem {
        bool Event_Action() override { throw fw::InvalidArgumentException("picked a bad item"); }
    };
    Ref<fw::MenuBar> bar = ProgramLikeBar();
    bar->Child("EditMenu")->Append(NewItem<Throwing>("EditBoom", "Boom"));
    bool popUpReturned = false;
    fw::testing::After(0, [&] {
        fw::testing::CloseActivePopUpSoon("EditBoom");
        bar->Lookup("EditMenu")->PopUp();
        popUpReturned = true;
    });
    EXPECT_THROW(fw::RuntimeRun(), fw::InvalidArgumentException);
    EXPECT_TRUE(popUpReturned);
}

TEST(HandlerExceptions, SecondExceptionWhileTheLoopEndsIsReportedOnItsOwn) {
    fw::testing::After(0, [] { throw fw::NilObjectException("first"); });
    fw::testing::After(0, [] { throw fw::InvalidArgumentException("second"); });
    ::testing::internal::CaptureStderr();
    EXPECT_THROW(fw::RuntimeRun(), fw::NilObjectException);
    const std::string err = ::testing::internal::GetCapturedStderr();
    // Both timers may or may not fire before the loop ends; if the second ran it was reported, never lost.
    EXPECT_EQ(Occurrences(err, "Unhandled InvalidArgumentException: second"), 1) << err;
    EXPECT_EQ(Occurrences(err, "first"), 0) << "the first is the caller's to report";
}

TEST(HandlerExceptions, OutsideTheLoopTheExceptionIsReportedOnce) {
    fw::testing::After(0, [] { throw fw::NilObjectException("outside"); });
    ::testing::internal::CaptureStderr();
    EXPECT_NO_THROW(fw::testing::RunEventsFor(20));
    EXPECT_EQ(Occurrences(::testing::internal::GetCapturedStderr(), "Unhandled NilObjectException: outside"),
              1);
    EXPECT_TRUE(fw::testing::FailureReported());
    EXPECT_NE(ExitAndRestart(), 0);
}

TEST(HandlerExceptions, MenuCommandFailingOutsideTheLoopIsReportedAndTheMenuStaysUsable) {
    class Throwing : public fw::MenuItem {
        bool Event_Action() override { throw fw::InvalidArgumentException("menu failed"); }
    };
    Ref<fw::MenuBar> bar = ProgramLikeBar();
    bar->Child("EditMenu")->Append(NewItem<Throwing>("EditBoom", "Boom"));
    ::testing::internal::CaptureStderr();
    fw::testing::CloseActivePopUpSoon("EditBoom");
    EXPECT_EQ(bar->Lookup("EditMenu")->PopUp(), bar->Lookup("EditBoom"));
    EXPECT_EQ(Occurrences(::testing::internal::GetCapturedStderr(),
                          "Unhandled InvalidArgumentException: menu failed"),
              1);
    fw::testing::CloseActivePopUpSoon();
    EXPECT_FALSE(bar->Lookup("EditMenu")->PopUp());
}

// --- Reporting and the exit status ------------------------------------------------------------------------

TEST(Report, UnhandledExceptionWritesKindAndMessageOnceAndTheStatusIsNotZero) {
    ::testing::internal::CaptureStderr();
    fw::UnhandledException(fw::NilObjectException("nil object: App"));
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(Occurrences(err, "Unhandled NilObjectException: nil object: App"), 1) << err;
    EXPECT_EQ(ExitAndRestart(), 1);
}

TEST(Report, ForeignExceptionsAreNamedByTheirType) {
    ::testing::internal::CaptureStderr();
    fw::UnhandledException(std::out_of_range("index 9"));
    EXPECT_EQ(Occurrences(::testing::internal::GetCapturedStderr(), "Unhandled std::out_of_range: index 9"),
              1);
}

TEST(Report, QuitCodeIsKeptAfterAReportWhenItIsNotZero) {
    ::testing::internal::CaptureStderr();
    fw::UnhandledException(fw::RuntimeException("x"));
    ::testing::internal::GetCapturedStderr();
    fw::Quit(4);
    EXPECT_EQ(ExitAndRestart(), 4);
}

// --- Whole runs in a child process ------------------------------------------------------------------------

struct RunCase {
    const char* scenario;
    int status;
    const char* report; // expected once on standard error; nullptr: no report at all
    const char* output; // what the child printed after its run
};

class WholeRun : public ::testing::TestWithParam<RunCase> {};

TEST_P(WholeRun, EndsWithoutAbortOrHangAndReportsAtMostOnce) {
    const RunCase& c = GetParam();
    const ChildRun run = RunChild(c.scenario);
    ASSERT_FALSE(run.timedOut) << c.scenario << " hung";
    ASSERT_TRUE(run.exited) << c.scenario << " ended by signal " << run.signal << "\n" << run.stderrText;
    EXPECT_EQ(run.status, c.status) << run.stderrText;
    if (c.report) {
        EXPECT_EQ(Occurrences(run.stderrText, c.report), 1) << run.stderrText;
    }
    EXPECT_EQ(Occurrences(run.stderrText, "Unhandled"), c.report ? 1 : 0) << run.stderrText;
    EXPECT_EQ(run.stdoutText, c.output);
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, WholeRun,
    ::testing::Values(RunCase{"throw-in-loop", 1, "Unhandled InvalidArgumentException: bad value", ""},
                      RunCase{"throw-from-shortcut", 1,
                              "Unhandled NilObjectException: nil object: Boom's target", ""},
                      RunCase{"throw-before-loop", 1, "Unhandled NilObjectException: nil object: App", ""},
                      RunCase{"quit-code", 7, nullptr, ""}, RunCase{"quit-item", 0, nullptr, "loop ended\n"}),
    [](const ::testing::TestParamInfo<RunCase>& info) {
        std::string name = info.param.scenario;
        for (char& ch : name)
            if (ch == '-')
                ch = '_';
        return name;
    });

// --- Objects, the application object ----------------------------------------------------------------------

TEST(ObjectCreation, FailedCreationsGiveNilForTheirCountOnly) {
    fw::testing::FailObjectCreations(2);
    EXPECT_FALSE(fw::RuntimeNewObject<CountingApp>());
    EXPECT_FALSE(fw::RuntimeNewObject<fw::MenuItem>());
    Ref<CountingApp> third = fw::RuntimeNewObject<CountingApp>();
    ASSERT_TRUE(third);
    EXPECT_EQ(third->RefCount(), 1);
}

TEST(AppObject, RegisteredObjectIsHeldAndReturned) {
    EXPECT_FALSE(fw::GetAppObject());
    EXPECT_THROW(fw::RuntimeRegisterAppObject(nullptr), fw::NilObjectException);
    fw::Application* raw = nullptr;
    {
        Ref<CountingApp> app = fw::RuntimeNewObject<CountingApp>();
        raw = app.Get();
        fw::RuntimeRegisterAppObject(app);
    }
    EXPECT_EQ(fw::GetAppObject().Get(), raw) << "the runtime keeps it alive";
    EXPECT_EQ(fw::RefCast<CountingApp>(fw::GetAppObject()).Get(), raw);
}

TEST(AppObject, ShortVersionIsTheBuildsVersion) {
    EXPECT_FALSE(fw::MakeRef<CountingApp>()->ShortVersion().empty());
}

// --- Module release ---------------------------------------------------------------------------------------

std::string releaseLog;
void ReleaseWindows() {
    releaseLog += "windows;";
}
void ReleaseBookkeeping() {
    releaseLog += "bookkeeping;";
    fw::detail::AddModuleRelease(&ReleaseWindows); // already there: not added twice
}

TEST(ModuleRelease, HooksRunInTheOrderAddedOncePerRelease) {
    releaseLog.clear();
    fw::detail::AddModuleRelease(&ReleaseWindows);
    fw::detail::AddModuleRelease(&ReleaseBookkeeping);
    fw::detail::AddModuleRelease(&ReleaseWindows);
    fw::RuntimeReleaseModules();
    EXPECT_EQ(releaseLog, "windows;bookkeeping;");
    fw::RuntimeReleaseModules();
    EXPECT_EQ(releaseLog, "windows;bookkeeping;windows;bookkeeping;");
}

} // namespace

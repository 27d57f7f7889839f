#include "framework/runtime.h"
#include "framework/system.h"
#include "framework/testing/driver_runtime.h"
#include "framework/testing/run_control.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

int Occurrences(const std::string& s, const std::string& text) {
    int n = 0;
    for (std::size_t at = s.find(text); at != std::string::npos; at = s.find(text, at + text.size()))
        ++n;
    return n;
}

// Each test starts from a quiet runtime: no pending quit, no report, no translations.
class Runtime : public ::testing::Test {
protected:
    void SetUp() override {
        fw::testing::ResetRunState();
        fw::ClearTranslations();
    }
};

TEST_F(Runtime, QuitBeforeTheLoopMakesItReturnAtOnceAndItRunsAgainAfterwards) {
    fw::Quit(0);
    bool ran = false;
    fw::testing::After(0, [&ran] { ran = true; });
    fw::RuntimeRun();
    EXPECT_FALSE(ran) << "the loop did not run";
    for (int round = 1; round <= 2; ++round) { // the early quit was used up: each run needs its own
        fw::testing::After(0, [round] { fw::Quit(round); });
        fw::RuntimeRun();
    }
    EXPECT_TRUE(ran);
    EXPECT_EQ(fw::RuntimeExit(), 2);
    fw::RuntimeInit(); // the exit dropped the system object, which the next test needs
}

TEST_F(Runtime, SecondExceptionWhileTheLoopEndsIsReportedOnItsOwn) {
    fw::testing::After(0, [] { throw fw::NilObjectException("first"); });
    fw::testing::After(0, [] { throw fw::InvalidArgumentException("second"); });
    ::testing::internal::CaptureStderr();
    EXPECT_THROW(fw::RuntimeRun(), fw::NilObjectException);
    const std::string err = ::testing::internal::GetCapturedStderr();
    // The second may or may not fire before the loop ends; if it ran it was reported, never lost.
    EXPECT_EQ(Occurrences(err, "Unhandled InvalidArgumentException: second"), 1) << err;
    EXPECT_EQ(Occurrences(err, "first"), 0) << "the first is the caller's to report";
}

TEST_F(Runtime, OutsideTheLoopAHandlersExceptionIsReportedOnceByItsTypesName) {
    fw::testing::After(0, [] { throw std::out_of_range("index 9"); });
    ::testing::internal::CaptureStderr();
    EXPECT_NO_THROW(fw::testing::RunEventsFor(20));
    EXPECT_EQ(Occurrences(::testing::internal::GetCapturedStderr(), "Unhandled std::out_of_range: index 9"),
              1);
    EXPECT_TRUE(fw::testing::FailureReported());
    fw::Quit(4);
    EXPECT_EQ(fw::RuntimeExit(), 4) << "a quit code other than 0 outlives the report";
    fw::RuntimeInit();
}

TEST_F(Runtime, SuppliedTranslationIsAnsweredAndAChangeShowsOnTheNextRead) {
    const auto read = [] { return fw::System()->GetLocalizedString("Localize.About", "Info su Morvalit"); };
    fw::SetTranslation("Localize.About", "About Morvalit");
    EXPECT_EQ(read(), "About Morvalit");
    fw::SetTranslation("Localize.About", "");
    EXPECT_EQ(read(), "") << "an empty translation is still the answer";
    fw::RemoveTranslation("Localize.About");
    EXPECT_EQ(read(), "Info su Morvalit");
}

// Whole runs of runtime_child, in a bundle whose Resources hold a German translation.

struct RunCase {
    const char* scenario;
    const char* language;
    int status;      // 124: hung (stopped after 20 s), 128 and up: ended by a signal
    const char* err; // expected once on standard error; nullptr: nothing reported
    const char* out;
    void (*translation)(const fs::path& file) = nullptr; // puts another in place of the German file
};

void Write(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

constexpr const char* kItalian = "[Esci]\n[Archivio]\nloop ended\n";

class WholeRun : public ::testing::TestWithParam<RunCase> {
protected:
    void SetUp() override {
        fs::create_directories(dir / "bin");
        fs::create_directories(dir / "Resources");
        std::ofstream(dir / "Resources/Localizable_de.txt")
            << "# German\nLocalize.Esci=Beenden\r\nno equals sign\n\n";
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Read(const char* name) const {
        std::stringstream s;
        s << std::ifstream(dir / name).rdbuf();
        return s.str();
    }
    const fs::path dir = fs::path(::testing::TempDir()) / ("runtime_child_" + std::to_string(getpid()));
};

TEST_P(WholeRun, EndsWithItsStatusAndReportsAtMostOnce) {
    const RunCase& c = GetParam();
    SCOPED_TRACE(std::string(c.scenario) + " " + c.language + " " + (c.err ? c.err : ""));
    if (c.translation) {
        fs::remove(dir / "Resources/Localizable_de.txt");
        c.translation(dir / "Resources/Localizable_de.txt");
        if (IsSkipped())
            return;
    }
    const std::string command = "cd '" + dir.string() + "' && LANGUAGE=" + c.language +
                                " LC_ALL=" + c.language + " timeout -k 5 20 '" RUNTIME_CHILD "' " +
                                c.scenario + " \"$PWD/bin/MorvalitDL\" >out 2>err";
    const int wait = std::system(command.c_str());
    const std::string err = Read("err");
    EXPECT_EQ(WIFEXITED(wait) ? WEXITSTATUS(wait) : 128 + WTERMSIG(wait), c.status) << err;
    const bool unhandled = c.err && std::string(c.err).starts_with("Unhandled");
    EXPECT_EQ(Occurrences(err, "Unhandled"), unhandled ? 1 : 0) << err;
    EXPECT_EQ(c.err ? Occurrences(err, c.err) : 1, 1) << err;
    EXPECT_EQ(Read("out"), c.out) << "the run came back from the loop, whatever happened in it";
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, WholeRun,
    ::testing::Values(
        RunCase{"throw-in-loop", "C", 1, "Unhandled InvalidArgumentException: bad value", "loop ended\n"},
        RunCase{"throw-non-exception", "C", 1,
                "Unhandled RuntimeException: a handler threw something that is not an exception",
                "loop ended\n"},
        RunCase{"throw-from-shortcut", "C", 1, "Unhandled NilObjectException: nil object: Boom's target",
                "loop ended\n"},
        RunCase{"throw-before-loop", "C", 1, "Unhandled NilObjectException: nil object: App", "loop ended\n"},
        RunCase{"quit-code", "C", 7, nullptr, "loop ended\n"},
        RunCase{"quit-item", "C", 0, nullptr, "loop ended\n"},
        // The user's language file supplies texts, a key it lacks keeps its default, a bad line is named.
        RunCase{"translations", "de_DE", 0, "Localizable_de.txt:3: translation line without",
                "[Beenden]\n[Archivio]\nloop ended\n"},
        RunCase{"translations", "fr_FR", 0, nullptr, kItalian},
        // A file that is no translation text is refused whole, named once, and the run starts in Italian.
        RunCase{"translations", "de_DE", 0, "Localizable_de.txt: not a regular file; translations not used",
                kItalian, [](const fs::path& f) { ASSERT_EQ(mkfifo(f.c_str(), 0600), 0); }},
        RunCase{"translations", "de_DE", 0, "Localizable_de.txt: not a regular file", kItalian,
                [](const fs::path& f) { fs::create_symlink("/dev/zero", f); }},
        RunCase{"translations", "de_DE", 0, "Localizable_de.txt: cannot be read (", kItalian,
                [](const fs::path& f) { fs::create_symlink(f.filename(), f); }}, // unreadable also to root
        RunCase{"translations", "de_DE", 0, "Localizable_de.txt: cannot be read (Permission denied)",
                kItalian,
                [](const fs::path& f) {
                    Write(f, "Localize.Esci=Beenden\n");
                    fs::permissions(f, fs::perms::none);
                    if (geteuid() == 0)
                        GTEST_SKIP() << "root reads a file of mode 000";
                }},
        RunCase{"translations", "de_DE", 0, "Localizable_de.txt: larger than 1 MiB; not used", kItalian,
                [](const fs::path& f) {
                    Write(f, "Localize.Esci=Beenden\n" + std::string((1 << 20) - 21, '\n'));
                }},
        RunCase{"translations", "de_DE", 0, "Localizable_de.txt:2: longer than 4 KiB; not used", kItalian,
                [](const fs::path& f) { Write(f, "Localize.Esci=Beenden\n#" + std::string(4096, 'x')); }},
        RunCase{"translations", "de_DE", 0,
                "Localizable_de.txt: looks like UTF-16; translations must be UTF-8", kItalian,
                [](const fs::path& f) { Write(f, std::string("\xFF\xFEL\0=\0x\0\n\0", 10)); }},
        // At both limits, after a byte-order mark: taken; a line that is not UTF-8 is named and left out.
        RunCase{"translations", "de_DE", 0, "Localizable_de.txt:2: not valid UTF-8; line skipped",
                "[Beenden]\n[Archivio]\nloop ended\n", [](const fs::path& f) {
                    const std::string text = "\xEF\xBB\xBFLocalize.Esci=Beenden\nLocalize.Arch=Archiv\xFF\n#";
                    Write(f,
                          text + std::string(4095, 'x') + std::string((1 << 20) - 4095 - text.size(), '\n'));
                }}));

} // namespace

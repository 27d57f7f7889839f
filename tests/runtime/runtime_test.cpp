#include "framework/runtime.h"
#include "framework/system.h"
#include "framework/testing/driver.h"
#include "framework/testing/run_control.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
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

TEST(Runtime, SecondExceptionWhileTheLoopEndsIsReportedOnItsOwn) {
    fw::testing::ResetRunState();
    fw::testing::After(0, [] { throw fw::NilObjectException("first"); });
    fw::testing::After(0, [] { throw fw::InvalidArgumentException("second"); });
    ::testing::internal::CaptureStderr();
    EXPECT_THROW(fw::RuntimeRun(), fw::NilObjectException);
    const std::string err = ::testing::internal::GetCapturedStderr();
    // Both wait in the same batch of posted events, so the second runs while the loop ends: it is reported
    // on its own, once, never lost.
    EXPECT_EQ(Occurrences(err, "Unhandled InvalidArgumentException: second"), 1) << err;
    EXPECT_EQ(Occurrences(err, "first"), 0) << "the first is the caller's to report";
}

TEST(Runtime, SuppliedTranslationEvenEmptyIsTheAnswerUntilCleared) {
    const auto read = [] { return fw::System()->GetLocalizedString("Localize.About", "Info su Morvalit"); };
    fw::testing::SetTranslation("Localize.About", "");
    EXPECT_EQ(read(), "");
    fw::testing::ClearTranslations();
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
constexpr const char* kGerman = "[Beenden]\n[Archivio]\nloop ended\n";

// A translation file put in place of the German one and refused whole: named once, the run in Italian.
RunCase Refused(const char* err, void (*translation)(const fs::path&)) {
    return {"translations", "de_DE", 0, err, kItalian, translation};
}

class WholeRun : public ::testing::TestWithParam<RunCase> {
protected:
    void TearDown() override { fs::remove_all(dir); }
    std::string Read(const char* name) const {
        std::ifstream in(dir / name);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    const fs::path dir = fs::path(::testing::TempDir()) / ("runtime_child_" + std::to_string(getpid()));
};

TEST_P(WholeRun, EndsWithItsStatusAndReportsAtMostOnce) {
    const RunCase& c = GetParam();
    SCOPED_TRACE(std::string(c.scenario) + " " + c.language + " " + (c.err ? c.err : ""));
    const fs::path file = dir / "Resources/Localizable_de.txt";
    fs::create_directories(file.parent_path());
    if (c.translation)
        c.translation(file);
    else
        Write(file, "# German\nLocalize.Esci=Beenden\r\nno equals sign\nLocalize.Arch=Archiv = Ablage\n\n");
    const std::string command = "cd '" + dir.string() + "' && LANGUAGE=" + c.language +
                                " LC_ALL=" + c.language + " timeout -k 5 20 '" RUNTIME_CHILD "' " +
                                c.scenario + " \"$PWD/bin/MorvalitDL\" >out 2>err";
    const int wait = std::system(command.c_str());
    const std::string err = Read("err");
    EXPECT_EQ(WIFEXITED(wait) ? WEXITSTATUS(wait) : 128 + WTERMSIG(wait), c.status) << err;
    EXPECT_EQ(Occurrences(err, "Unhandled"), c.err && std::string_view(c.err).starts_with("Unhandled"))
        << err;
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
        RunCase{"throw-outside-loop", "C", 4, "Unhandled std::out_of_range: index 9", "loop ended\n"},
        RunCase{"quit-code", "C", 7, nullptr, "loop ended\n"},
        RunCase{"quit-item", "C", 0, nullptr, "loop ended\n"},
        // The user's language file supplies texts, each all of its line after the first "="; a bad line is
        // named and left out.
        RunCase{"translations", "de_DE", 0, "Localizable_de.txt:3: translation line without",
                "[Beenden]\n[Archiv = Ablage]\nloop ended\n"},
        RunCase{"translations", "fr_FR", 0, nullptr, kItalian},
        Refused("Localizable_de.txt: not a regular file; translations not used",
                [](const fs::path& f) { ASSERT_EQ(mkfifo(f.c_str(), 0600), 0); }),
        Refused("Localizable_de.txt: not a regular file",
                [](const fs::path& f) { fs::create_symlink("/dev/zero", f); }),
        Refused("Localizable_de.txt: not a regular file", [](const fs::path& f) { fs::create_directory(f); }),
        Refused("Localizable_de.txt: cannot be read (", // a symbolic link loop: unreadable also to root
                [](const fs::path& f) { fs::create_symlink(f.filename(), f); }),
        Refused("Localizable_de.txt: larger than 1 MiB; not used",
                [](const fs::path& f) {
                    Write(f, "Localize.Esci=Beenden\n" + std::string((1 << 20) - 21, '\n'));
                }),
        Refused("Localizable_de.txt:2: longer than 4 KiB; not used",
                [](const fs::path& f) { Write(f, "Localize.Esci=Beenden\n#" + std::string(4096, 'x')); }),
        Refused("Localizable_de.txt: looks like UTF-16; translations must be UTF-8",
                [](const fs::path& f) { Write(f, std::string("\xFF\xFEL\0=\0x\0\n\0", 10)); }),
        // At both limits, after a byte-order mark: taken; a line that is not UTF-8 is named and left out.
        RunCase{"translations", "de_DE", 0, "Localizable_de.txt:2: not valid UTF-8; line skipped", kGerman,
                [](const fs::path& f) {
                    const std::string text = "\xEF\xBB\xBFLocalize.Esci=Beenden\nLocalize.Arch=Archiv\xFF\n#";
                    Write(f,
                          text + std::string(4095, 'x') + std::string((1 << 20) - 4095 - text.size(), '\n'));
                }}));

} // namespace

#include "framework/testing/environment.h"

#include "framework/exceptions.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fw::testing {

namespace {

// What a caller may export that changes how a test runs: platform, displays, scaling, style, fonts and
// desktop settings, language, and where files go.
bool CallersSetting(std::string_view name) {
    for (std::string_view prefix : {"QT_", "XDG_", "LC_"})
        if (name.starts_with(prefix))
            return true;
    for (std::string_view exact : {"LANG", "LANGUAGE", "DISPLAY", "WAYLAND_DISPLAY", "TEST_TMPDIR"})
        if (name == exact)
            return true;
    return false;
}

void Set(const char* name, const std::string& value) {
    if (setenv(name, value.c_str(), 1) != 0)
        throw RuntimeException(std::string("test environment: cannot set ") + name + ": " +
                               std::strerror(errno));
}

// Removed by the process that made it, not by a forked child ending.
struct Scratch {
    std::string path;
    pid_t owner = getpid();
    ~Scratch() {
        if (getpid() != owner)
            return;
        std::error_code failed;
        std::filesystem::remove_all(path, failed);
        if (failed)
            std::fprintf(stderr, "test environment: cannot remove %s: %s\n", path.c_str(),
                         failed.message().c_str());
    }
};

std::string MakeScratch() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/morvalit-test-XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw RuntimeException("test environment: cannot make a scratch folder " + pattern + ": " +
                               std::strerror(errno));
    return pattern;
}

} // namespace

const std::string& UseOwnEnvironment() {
    static const Scratch scratch{MakeScratch()};
    [[maybe_unused]] static const bool ready = [] {
        std::vector<std::string> names;
        for (char** entry = environ; *entry; ++entry) {
            const std::string_view name(*entry, std::strcspn(*entry, "="));
            if (CallersSetting(name))
                names.emplace_back(name);
        }
        for (const std::string& name : names)
            unsetenv(name.c_str());
        // Qt wants the runtime folder private to the user (mode 0700).
        const std::string runtime = scratch.path + "/runtime";
        if (mkdir(runtime.c_str(), 0700) != 0)
            throw RuntimeException("test environment: cannot make " + runtime + ": " + std::strerror(errno));
        Set("QT_QPA_PLATFORM", "offscreen");
        Set("LC_ALL", "C.UTF-8");
        Set("HOME", scratch.path);
        Set("TMPDIR", scratch.path);
        Set("XDG_RUNTIME_DIR", runtime);
        return true;
    }();
    return scratch.path;
}

} // namespace fw::testing

#include "framework/testing/environment.h"

#include "framework/exceptions.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fw::testing {

namespace {

// What a caller may export that changes how a test runs: platform, displays, scaling, style, fonts and
// desktop settings, language, and where files go.
bool CallersSetting(std::string_view name) {
    constexpr std::string_view exact[] = {"LANG", "LANGUAGE", "DISPLAY", "WAYLAND_DISPLAY", "TEST_TMPDIR"};
    return name.starts_with("QT_") || name.starts_with("XDG_") || name.starts_with("LC_") ||
           std::ranges::find(exact, name) != std::end(exact);
}

void Set(const char* name, const std::string& value) {
    if (setenv(name, value.c_str(), 1) != 0)
        throw RuntimeException(std::string("test environment: cannot set ") + name + ": " +
                               std::strerror(errno));
}

class OwnEnvironment {
public:
    OwnEnvironment() {
        const char* tmp = std::getenv("TMPDIR");
        scratch = std::string(tmp && *tmp ? tmp : "/tmp") + "/morvalit-test-XXXXXX";
        if (!mkdtemp(scratch.data())) // mode 0700, as Qt wants of a runtime folder
            throw RuntimeException("test environment: cannot make a scratch folder " + scratch + ": " +
                                   std::strerror(errno));
        std::vector<std::string> names;
        for (char** entry = environ; *entry; ++entry)
            if (const std::string_view name(*entry, std::strcspn(*entry, "=")); CallersSetting(name))
                names.emplace_back(name);
        for (const std::string& name : names)
            unsetenv(name.c_str());
        Set("QT_QPA_PLATFORM", "offscreen");
        Set("LC_ALL", "C.UTF-8");
        for (const char* folder : {"HOME", "TMPDIR", "XDG_RUNTIME_DIR"})
            Set(folder, scratch);
    }
    // Only the process that made the folder removes it: not a forked child that ends.
    ~OwnEnvironment() {
        if (getpid() != owner)
            return;
        std::error_code failed;
        std::filesystem::remove_all(scratch, failed);
        if (failed)
            std::fprintf(stderr, "test environment: cannot remove %s: %s\n", scratch.c_str(),
                         failed.message().c_str());
    }
    OwnEnvironment(const OwnEnvironment&) = delete;
    OwnEnvironment& operator=(const OwnEnvironment&) = delete;

    std::string scratch;
    const pid_t owner = getpid();
};

} // namespace

const std::string& UseOwnEnvironment() {
    static const OwnEnvironment environment;
    return environment.scratch;
}

} // namespace fw::testing

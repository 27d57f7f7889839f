#include "framework/testing/run_control.h"

#include "framework/qt/run_state.h"

#include <algorithm>
#include <string>

namespace fw::testing {

using detail::State;

void FailObjectCreations(int count) {
    State().creationFailures = std::max(count, 0);
}

void ThrowOnObjectCreation(void (*raise)()) {
    State().creationThrow = raise;
}

void ResetRunState() {
    detail::RunState& s = State();
    s.quitRequested = false;
    s.quitCode = 0;
    s.reported = false;
    s.pending = nullptr;
    s.appObject = nullptr;
    s.creationFailures = 0;
    s.creationThrow = nullptr;
}

void SetApplicationExecutable(std::string_view path) {
    State().executableOverride = std::string(path);
}

void SetTranslation(std::string_view key, std::string_view text) {
    State().translations[std::string(key)] = text;
}

void ClearTranslations() {
    State().translations.clear();
}

} // namespace fw::testing

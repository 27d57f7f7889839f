#pragma once

#include <string_view>

// Steers the runtime's state of the run for tests: failures to inject, the run's outcome to forget, the
// executable the program believes it is, the translations it reads.
namespace fw::testing {

// The next count object creations through RuntimeNewObject give nil.
void FailObjectCreations(int count);
// The next object creation through RuntimeNewObject calls raise, which throws, as a failing constructor
// would.
void ThrowOnObjectCreation(void (*raise)());
// Forgets a pending quit, its code, a reported failure, the application object and pending creation failures,
// so that one test process can run the loop many times.
void ResetRunState();
// Makes ApplicationExecutable answer path (empty: the real executable again).
void SetApplicationExecutable(std::string_view path);

// Supply or withdraw translations directly, as if read from the translation file.
void SetTranslation(std::string_view key, std::string_view text);
void ClearTranslations();

} // namespace fw::testing

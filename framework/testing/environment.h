#pragma once

#include <string>

namespace fw::testing {

// Gives this test process an environment of its own, whatever its caller exported: the offscreen platform,
// no display, no Qt or desktop settings, the C locale, and a scratch folder that is its home, its runtime
// folder and its temporary folder (child processes make theirs inside it). The folder goes when the process
// ends normally. Call first thing in main; later calls do nothing. Gives the scratch folder.
const std::string& UseOwnEnvironment();

} // namespace fw::testing

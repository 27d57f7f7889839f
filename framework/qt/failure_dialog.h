#pragma once

#include <string>

namespace fw::detail {

// Tells the user in a modal message that the program met an error it cannot handle, with details below;
// nothing where no user sees dialogs (no GUI application, or the offscreen and minimal platforms).
void ShowFailureToUser(const std::string& details);

} // namespace fw::detail

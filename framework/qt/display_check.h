#pragma once

namespace fw::detail {

// Qt's X11 platform ends the process with an abort when it cannot open its display, so the display is tried
// first and a failure refused with a word (RuntimeException). Other platforms (offscreen in the tests, an
// installed Wayland) are Qt's to open.
void RequireDisplay();

} // namespace fw::detail

#pragma once

#include "framework/qt/event_loop.h"

#include <QApplication>

#include <string_view>

namespace fw::detail {

// The running QApplication; raises RuntimeException naming where it was needed when RuntimeInit has not run.
QApplication& RequireApplication(std::string_view where);

} // namespace fw::detail

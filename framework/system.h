#pragma once

#include "framework/object.h"
#include "framework/text.h"

#include <string_view>

namespace fw {

// The framework's system object.
class SystemClass : public Object {
public:
    // The text to show for key: the translation for the user's language where there is one, else the
    // default. Nothing is cached: a changed translation shows on the next read.
    fw::Text GetLocalizedString(std::string_view key, std::string_view defaultText) const;
};

// The system object, or nil before the runtime has started.
Ref<SystemClass> System();

// The translation of key for the user's language, else defaultText. At its first start the runtime reads the
// translations from the bundle's Resources folder: the file Localizable_<language>.txt for the first of the
// user's languages that has one ("de_CH", then "de"), UTF-8 lines "key=text" ('#' starts a comment line). A
// file that is not a regular file, cannot be read, is larger than 1 MiB, holds a line longer than 4 KiB or is
// not UTF-8 gives no translations; a line that is not valid UTF-8 or has no "key=" is skipped; each with a
// warning on standard error.
fw::Text SystemGetLocalizedString(const SystemClass& system, std::string_view key,
                                  std::string_view defaultText);

} // namespace fw

#include "framework/events.h"

#include "framework/exceptions.h"

#include <string>

namespace fw {

void ThrowSignatureMismatch(std::string_view given, std::string_view actual) {
    throw InvalidArgumentException("delegate signature \"" + std::string(given) +
                                   "\" does not describe the handler, which is \"" + std::string(actual) +
                                   "\"");
}

} // namespace fw

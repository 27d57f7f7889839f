#include "framework/object.h"

#include "framework/properties.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>

namespace fw {

namespace {
const ClassInfo kObjectClass{"Object", nullptr, {}, {}};

std::string Demangle(const char* name) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> out(abi::__cxa_demangle(name, nullptr, nullptr, &status),
                                                    &std::free);
    return status == 0 && out ? std::string(out.get()) : std::string(name);
}
} // namespace

const ClassInfo& Object::GetClass() const {
    return kObjectClass;
}

std::string Object::Describe() const {
    return std::string(GetClass().name);
}

void ThrowNilObject(const std::type_info& type) {
    throw NilObjectException("nil object used where a " + Demangle(type.name()) + " was expected");
}

} // namespace fw

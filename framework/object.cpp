#include "framework/object.h"

#include "framework/properties.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>

namespace fw {

namespace {
const ClassInfo kObjectClass{"Object", nullptr, {}, {}};
} // namespace

const ClassInfo& Object::GetClass() const {
    return kObjectClass;
}

std::string Object::Describe() const {
    return std::string(GetClass().name);
}

void ThrowNilObject(const std::type_info& type) {
    throw NilObjectException("nil object used where a " + TypeName(type) + " was expected");
}

std::string TypeName(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> out(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    return status == 0 && out ? std::string(out.get()) : std::string(type.name());
}

} // namespace fw

// Fuzzes the property-string reader and the mass property setter. Whatever the bytes:
// - no crash, no read past the end, no sanitizer report;
// - a string the reader takes writes back to exactly the same bytes, and every entry reads back as set;
// - a string that is refused (by the reader or by a check) leaves the target as it was.
#include "framework/properties.h"
#include "framework/property_literal.h"
#include "tests/framework/probe.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace {

using probe::kProbe;
using probe::Probe;

void Require(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Probe target;

    bool readable = true;
    std::vector<fw::PropertyEntry> entries;
    try {
        entries = fw::ReadPropertyString(kProbe, bytes, "Probe");
    } catch (const fw::UnsupportedFormatException&) {
        readable = false;
    }

    bool applied = false;
    try {
        fw::RuntimeMassPropertySetter(target, bytes);
        applied = true;
    } catch (const fw::UnsupportedFormatException&) {
        Require(!readable); // the setter refuses exactly what the reader refuses
    } catch (const fw::OutOfBoundsException&) {
        Require(readable); // only the ColumnCount setter refuses a readable string
    }

    if (!applied) {
        Require(target.Untouched());
        return 0;
    }
    std::vector<fw::PropertyLiteral> written;
    for (const fw::PropertyEntry& e : entries) {
        Require(fw::GetProperty(target, e.name) == e.value);
        if (const auto* i = std::get_if<std::int32_t>(&e.value))
            written.push_back(fw::prop::Int(e.name, *i));
        else if (const auto* b = std::get_if<bool>(&e.value))
            written.push_back(fw::prop::Bool(e.name, *b));
        else if (const auto* c = std::get_if<fw::Color>(&e.value))
            written.push_back(fw::prop::Rgb(e.name, c->red, c->green, c->blue));
        else
            written.push_back(fw::prop::Str(e.name, std::get<fw::Text>(e.value)));
    }
    std::string back;
    fw::WriteProperties(written, [&](char c) { back += c; });
    Require(readable && back == bytes);
    return 0;
}

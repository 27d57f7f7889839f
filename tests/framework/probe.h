// A small class for the property-string tests and their fuzz target. Its chain has two links, as a control's
// class and the class it derives from. Width and ColumnCount go through typed accessors, and ColumnCount
// refuses values outside 1..256, as the system's setters refuse values; the others are only stored.
#pragma once

#include "framework/properties.h"

#include <cstdint>
#include <string>

namespace probe {

class Probe : public fw::Object {
public:
    const fw::ClassInfo& GetClass() const override;
    std::string Describe() const override { return "Probe 'probe'"; }
    std::int32_t Width() const { return width; }
    void SetWidth(std::int32_t v) { width = v; }
    std::int32_t ColumnCount() const { return columns; }
    void CheckColumnCount(std::int32_t v) const {
        if (v < 1 || v > 256)
            throw fw::OutOfBoundsException("ColumnCount out of range");
    }
    void SetColumnCount(std::int32_t v) {
        CheckColumnCount(v);
        columns = v;
    }
    fw::PropertyStore& StoredProperties() noexcept { return stored; }
    const fw::PropertyStore& StoredProperties() const noexcept { return stored; }

    // Nothing was ever set: every property reads as a new one's and none is stored (a value set back would
    // be).
    bool Untouched() const;

    std::int32_t width = 0, columns = 1;
    fw::PropertyStore stored;
};

using Type = fw::PropertyType;
inline constexpr auto Stored = &fw::DeclareStored<Probe>;
inline const fw::PropertyDecl kBaseProperties[] = {
    fw::Declare<&Probe::ColumnCount, &Probe::SetColumnCount, &Probe::CheckColumnCount>("ColumnCount"),
    fw::Declare<&Probe::Width, &Probe::SetWidth>("Width"),
    Stored("Visible", Type::Boolean),
    Stored("BackColor", Type::Color),
    Stored("MultiLine", Type::Boolean),
    Stored("MacProcId", Type::Integer),
    Stored("_ScrollWidth", Type::Integer),
    Stored("Text", Type::String)};
inline const fw::PropertyDecl kProbeProperties[] = {Stored("bAlternateRows", Type::Boolean)};
inline const fw::ClassInfo kBase{"ProbeBase", nullptr, kBaseProperties, {}};
inline const fw::ClassInfo kProbe{"Probe", &kBase, kProbeProperties, {}};

inline const fw::ClassInfo& Probe::GetClass() const {
    return kProbe;
}

inline bool Probe::Untouched() const {
    for (const fw::ClassInfo* c = &kProbe; c; c = c->parent)
        for (const fw::PropertyDecl& d : c->properties)
            if (stored.Find(d.name) || d.get(*this, d) != d.get(Probe(), d))
                return false;
    return true;
}

} // namespace probe

// Fuzzes the property-string reader and the mass property setter. Whatever the bytes:
// - no crash, no read past the end, no sanitizer report;
// - a string the reader takes writes back to exactly the same bytes, and every entry reads back as set;
// - a string that is refused (by the reader or by a setter) leaves the target as it was.
#include "framework/properties.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

class Probe : public fw::Object {
public:
    static const fw::ClassInfo& Class();
    const fw::ClassInfo& GetClass() const override { return Class(); }
    std::string Describe() const override { return "Probe"; }

    std::int32_t Width() const { return width; }
    void SetWidth(std::int32_t v) { width = v; }
    bool Visible() const { return visible; }
    void SetVisible(bool v) { visible = v; }
    fw::Color BackColor() const { return back; }
    void SetBackColor(fw::Color v) { back = v; }
    fw::Text Name() const { return name; }
    void SetName(const fw::Text& v) { name = v; }
    std::int32_t ColumnCount() const { return columns; }
    void SetColumnCount(std::int32_t v) {
        if (v < 1 || v > 256)
            throw fw::OutOfBoundsException("ColumnCount out of range");
        columns = v;
    }

    fw::PropertyStore& StoredProperties() noexcept { return stored; }
    const fw::PropertyStore& StoredProperties() const noexcept { return stored; }

    bool operator==(const Probe& o) const {
        if (width != o.width || visible != o.visible || back != o.back || name != o.name ||
            columns != o.columns)
            return false;
        for (const fw::ClassInfo* c = &GetClass(); c; c = c->parent)
            for (const fw::PropertyDecl& d : c->properties)
                if (d.get(*this, d) != d.get(o, d))
                    return false;
        return true;
    }

    std::int32_t width = 0;
    bool visible = true;
    fw::Color back{1, 2, 3};
    fw::Text name = "probe";
    std::int32_t columns = 1;
    fw::PropertyStore stored;
};

const fw::PropertyDecl kProbeProperties[] = {
    fw::Declare<&Probe::Width, &Probe::SetWidth>("Width"),
    fw::Declare<&Probe::Visible, &Probe::SetVisible>("Visible"),
    fw::Declare<&Probe::BackColor, &Probe::SetBackColor>("BackColor"),
    fw::Declare<&Probe::Name, &Probe::SetName>("Name"),
    fw::Declare<&Probe::ColumnCount, &Probe::SetColumnCount>("ColumnCount"),
    fw::DeclareStored<Probe>("MultiLine", fw::PropertyType::Boolean),
    fw::DeclareStored<Probe>("MacProcId", fw::PropertyType::Integer),
    fw::DeclareStored<Probe>("_ScrollWidth", fw::PropertyType::Integer),
    fw::DeclareStored<Probe>("TextColor", fw::PropertyType::Color),
    fw::DeclareStored<Probe>("Text", fw::PropertyType::String),
};

const fw::ClassInfo& Probe::Class() {
    static const fw::ClassInfo info{"Probe", nullptr, kProbeProperties, {}};
    return info;
}

class DerivedProbe : public Probe {
public:
    static const fw::ClassInfo& Class() {
        static const fw::PropertyDecl props[] = {
            fw::DeclareStored<DerivedProbe>("bAlternateRows", fw::PropertyType::Boolean)};
        static const fw::ClassInfo info{"DerivedProbe", &Probe::Class(), props, {}};
        return info;
    }
    const fw::ClassInfo& GetClass() const override { return Class(); }
};

void Require(bool ok) {
    if (!ok)
        std::abort();
}

std::string WriteBack(const std::vector<fw::PropertyEntry>& entries) {
    fw::PropertyStringWriter w;
    for (const fw::PropertyEntry& e : entries) {
        switch (e.decl->type) {
        case fw::PropertyType::Integer:
            w.Integer(e.name, std::get<std::int32_t>(e.value));
            break;
        case fw::PropertyType::Boolean:
            w.Boolean(e.name, std::get<bool>(e.value));
            break;
        case fw::PropertyType::Color:
            w.Colour(e.name, std::get<fw::Color>(e.value));
            break;
        case fw::PropertyType::String:
            w.String(e.name, std::get<fw::Text>(e.value));
            break;
        }
    }
    return w.Bytes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    DerivedProbe target;
    const DerivedProbe pristine;

    bool readable = true;
    std::vector<fw::PropertyEntry> entries;
    try {
        entries = fw::ReadPropertyString(target.GetClass(), bytes, target.Describe());
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
        Require(target == pristine);
        return 0;
    }
    Require(readable);
    Require(WriteBack(entries) == bytes);
    for (const fw::PropertyEntry& e : entries)
        Require(fw::GetProperty(target, e.name) == e.value);
    return 0;
}

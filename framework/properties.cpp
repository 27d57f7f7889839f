#include "framework/properties.h"

#include <algorithm>
#include <span>
#include <string>

namespace fw {

namespace {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) noexcept {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return lower(static_cast<unsigned char>(x)) == lower(static_cast<unsigned char>(y));
           });
}

// Names in messages are shown printable: other bytes as \xNN.
std::string Printable(std::string_view bytes) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes.substr(0, 64)) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 0xF];
        }
    }
    if (bytes.size() > 64)
        out += "...";
    return out;
}

std::string Located(std::string_view target, std::string_view property, std::size_t offset,
                    std::string_view what) {
    std::string message = "property string for " + std::string(target);
    if (!property.empty())
        message += ", property '" + Printable(property) + "'";
    message += ", at byte " + std::to_string(offset) + ": ";
    message += what;
    return message;
}

[[noreturn]] void Refuse(std::string_view target, std::string_view property, std::size_t offset,
                         const std::string& what) {
    throw UnsupportedFormatException(Located(target, property, offset, what));
}

// The same refusal, of the same kind, saying where in the string it was.
template <class E>
[[noreturn]] void RefuseEntry(const E& refusal, std::string_view target, const PropertyEntry& entry) {
    throw E(Located(target, entry.name, entry.offset, refusal.what()));
}

// Raises what setting the entry would refuse, changing nothing.
void Check(const Object& target, std::span<const PropertyEntry> entries, std::size_t at,
           std::string_view targetName) {
    const PropertyEntry& e = entries[at];
    try {
        e.decl->get(target,
                    *e.decl); // a property that cannot be read yet (a control not constructed) is not set
        if (e.decl->check)
            e.decl->check(target, e.value, entries.first(at));
    } catch (const NilObjectException& refusal) {
        RefuseEntry(refusal, targetName, e);
    } catch (const InvalidArgumentException& refusal) {
        RefuseEntry(refusal, targetName, e);
    } catch (const UnsupportedFormatException& refusal) {
        RefuseEntry(refusal, targetName, e);
    } catch (const OutOfBoundsException& refusal) {
        RefuseEntry(refusal, targetName, e);
    }
}

std::uint32_t ReadBigEndian32(std::string_view bytes, std::size_t at) noexcept {
    auto b = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i]));
    };
    return (b(0) << 24) | (b(1) << 16) | (b(2) << 8) | b(3);
}

} // namespace

const char* PropertyTypeName(PropertyType type) noexcept {
    switch (type) {
    case PropertyType::Integer:
        return "Integer";
    case PropertyType::Boolean:
        return "Boolean";
    case PropertyType::Color:
        return "Color";
    case PropertyType::String:
        return "String";
    }
    return "?";
}

Color RGB(std::int32_t red, std::int32_t green, std::int32_t blue) noexcept {
    auto clamp = [](std::int32_t v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); };
    return Color{clamp(red), clamp(green), clamp(blue)};
}

PropertyType TypeOf(const PropertyValue& value) noexcept {
    return static_cast<PropertyType>(value.index());
}

const PropertyDecl* FindProperty(const ClassInfo& cls, std::string_view name) noexcept {
    for (const ClassInfo* c = &cls; c; c = c->parent)
        for (const PropertyDecl& d : c->properties)
            if (EqualsIgnoringAsciiCase(d.name, name))
                return &d;
    return nullptr;
}

const EventDecl* FindEvent(const ClassInfo& cls, std::string_view name) noexcept {
    for (const ClassInfo* c = &cls; c; c = c->parent)
        for (const EventDecl& e : c->events)
            if (e.name == name)
                return &e;
    return nullptr;
}

const PropertyValue* PropertyStore::Find(std::string_view name) const noexcept {
    for (const auto& [n, v] : values_)
        if (n == name)
            return &v;
    return nullptr;
}

void PropertyStore::Set(std::string_view name, PropertyValue value) {
    for (auto& [n, v] : values_) {
        if (n == name) {
            v = std::move(value);
            return;
        }
    }
    values_.emplace_back(name, std::move(value));
}

std::vector<PropertyEntry> ReadPropertyString(const ClassInfo& cls, std::string_view bytes,
                                              std::string_view targetName) {
    std::vector<PropertyEntry> entries;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t start = pos;
        const std::size_t blank = bytes.find(' ', pos);
        if (blank == std::string_view::npos)
            Refuse(targetName, bytes.substr(pos), start, "no blank after the property name");
        const std::string_view name = bytes.substr(pos, blank - pos);
        if (name.empty())
            Refuse(targetName, name, start, "empty property name");
        const PropertyDecl* decl = FindProperty(cls, name);
        if (!decl)
            Refuse(targetName, name, start, "not a declared property of " + std::string(cls.name));
        for (const PropertyEntry& e : entries)
            if (e.decl == decl)
                Refuse(targetName, name, start, "repeats the entry at byte " + std::to_string(e.offset));

        pos = blank + 1;
        const std::size_t left = bytes.size() - pos;
        if (left < FixedWidth(decl->type))
            Refuse(targetName, name, start,
                   std::string(PropertyTypeName(decl->type)) + " value runs past the end of the string");

        PropertyEntry entry{start, name, decl, {}};
        switch (decl->type) {
        case PropertyType::Integer:
            entry.value = static_cast<std::int32_t>(ReadBigEndian32(bytes, pos));
            pos += 4;
            break;
        case PropertyType::Boolean: {
            const auto b = static_cast<unsigned char>(bytes[pos]);
            if (b > 1)
                Refuse(targetName, name, start, "Boolean byte " + std::to_string(b) + " is neither 0 nor 1");
            entry.value = b == 1;
            pos += 1;
            break;
        }
        case PropertyType::Color:
            entry.value =
                Color{static_cast<std::uint8_t>(bytes[pos]), static_cast<std::uint8_t>(bytes[pos + 1]),
                      static_cast<std::uint8_t>(bytes[pos + 2])};
            pos += 3;
            break;
        case PropertyType::String: {
            const std::uint32_t count = ReadBigEndian32(bytes, pos);
            pos += 4;
            if (count > bytes.size() - pos)
                Refuse(targetName, name, start,
                       "String of " + std::to_string(count) + " bytes runs past the end of the string");
            entry.value = Text(bytes.substr(pos, count));
            pos += count;
            break;
        }
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

void RuntimeMassPropertySetter(Object& target, std::string_view bytes) {
    const std::string targetName = target.Describe();
    const std::vector<PropertyEntry> entries = ReadPropertyString(target.GetClass(), bytes, targetName);
    // Every entry is checked before the first is set, so nothing is ever to be set back.
    for (std::size_t i = 0; i < entries.size(); ++i)
        Check(target, entries, i, targetName);
    for (const PropertyEntry& e : entries)
        e.decl->set(target, *e.decl, e.value);
}

void SetProperties(Object& target, std::string_view bytes) {
    RuntimeMassPropertySetter(target, bytes);
}

PropertyValue GetProperty(const Object& target, std::string_view name) {
    const PropertyDecl* decl = FindProperty(target.GetClass(), name);
    if (!decl)
        throw InvalidArgumentException(target.Describe() + " declares no property '" + std::string(name) +
                                       "'");
    return decl->get(target, *decl);
}

void SetProperty(Object& target, std::string_view name, const PropertyValue& value) {
    const PropertyDecl* decl = FindProperty(target.GetClass(), name);
    if (!decl)
        throw InvalidArgumentException(target.Describe() + " declares no property '" + std::string(name) +
                                       "'");
    if (TypeOf(value) != decl->type)
        throw InvalidArgumentException(target.Describe() + " property '" + std::string(decl->name) + "' is " +
                                       PropertyTypeName(decl->type) + ", not " +
                                       PropertyTypeName(TypeOf(value)));
    decl->set(target, *decl, value);
}

} // namespace fw

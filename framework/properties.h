#pragma once

#include "framework/object.h"
#include "framework/text.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace fw {

enum class PropertyType : std::uint8_t { Integer, Boolean, Color, String };

const char* PropertyTypeName(PropertyType type) noexcept;

// Bytes a value of the type takes in a property string after the blank that ends its name; a String's count
// is followed by that many bytes of text.
constexpr std::size_t FixedWidth(PropertyType type) noexcept {
    switch (type) {
    case PropertyType::Integer:
        return 4;
    case PropertyType::Boolean:
        return 1;
    case PropertyType::Color:
        return 3;
    case PropertyType::String:
        return 4;
    }
    return 0;
}

// 24-bit colour, as RGB makes it.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(const Color&, const Color&) = default;
};

// Components outside 0..255 are clamped.
Color RGB(std::int32_t red, std::int32_t green, std::int32_t blue) noexcept;

// Alternatives in PropertyType's order.
using PropertyValue = std::variant<std::int32_t, bool, Color, Text>;

PropertyType TypeOf(const PropertyValue& value) noexcept;

struct PropertyDecl;

// One decoded entry of a property string.
struct PropertyEntry {
    std::size_t offset = 0; // of the entry's first byte
    std::string_view name;  // as written in the string
    const PropertyDecl* decl = nullptr;
    PropertyValue value;
};

using PropertySetter = void (*)(Object& target, const PropertyDecl& decl, const PropertyValue& value);
using PropertyGetter = PropertyValue (*)(const Object& target, const PropertyDecl& decl);
// Raises what the setter would refuse the value with, and changes nothing. `earlier` holds the entries that
// the same property string sets before this one.
using PropertyCheck = void (*)(const Object& target, const PropertyValue& value,
                               std::span<const PropertyEntry> earlier);

// One declared, typed property of a class: the name as declared, its type and its accessors; a setter that
// can refuse a value has a check, which it runs first itself.
struct PropertyDecl {
    std::string_view name;
    PropertyType type;
    PropertySetter set;
    PropertyGetter get;
    PropertyCheck check = nullptr;
};

// One event a class can raise, with the handler signature text it expects, e.g. "( Int32 ) as Boolean".
struct EventDecl {
    std::string_view name;
    std::string_view signature;
};

// A class of the layer (or of the system) as the property reader and the event binder see it.
struct ClassInfo {
    std::string_view name;
    const ClassInfo* parent = nullptr;
    std::span<const PropertyDecl> properties;
    std::span<const EventDecl> events;
};

// Looks a property up along the class chain, most derived first, ignoring ASCII letter case.
const PropertyDecl* FindProperty(const ClassInfo& cls, std::string_view name) noexcept;
// Looks an event up along the class chain, most derived first; event names match exactly.
const EventDecl* FindEvent(const ClassInfo& cls, std::string_view name) noexcept;

// Values of declared properties that have no effect of their own here: stored and read back.
class PropertyStore {
public:
    const PropertyValue* Find(std::string_view name) const noexcept;
    void Set(std::string_view name, PropertyValue value);

private:
    std::vector<std::pair<std::string_view, PropertyValue>> values_;
};

// Declares a property through a class's typed getter and setter, and the check of a setter that can refuse:
//   Declare<&RectControl::Left, &RectControl::SetLeft>("Left")
//   Declare<&Listbox::ColumnCount, &Listbox::SetColumnCount, &CheckColumnCount>("ColumnCount")
// The declared type follows from the setter's parameter: int32_t, bool, Color or Text. The check is called as
// check(object, value) or, when it depends on what the entries before it set, check(object, value, earlier).
namespace detail {
template <class M>
struct SetterTraits;
template <class C, class V>
struct SetterTraits<void (C::*)(V)> {
    using Class = C;
    using Value = std::remove_cvref_t<V>;
};
template <class V>
constexpr PropertyType TypeFor() {
    if constexpr (std::is_same_v<V, std::int32_t>)
        return PropertyType::Integer;
    else if constexpr (std::is_same_v<V, bool>)
        return PropertyType::Boolean;
    else if constexpr (std::is_same_v<V, Color>)
        return PropertyType::Color;
    else {
        static_assert(std::is_same_v<V, Text>, "a property is Integer, Boolean, Color or String");
        return PropertyType::String;
    }
}
} // namespace detail

template <auto Getter, auto Setter, auto Check = nullptr>
constexpr PropertyDecl Declare(std::string_view name) {
    using Traits = detail::SetterTraits<decltype(Setter)>;
    using C = typename Traits::Class;
    using V = typename Traits::Value;
    PropertyCheck check = nullptr;
    if constexpr (!std::is_null_pointer_v<decltype(Check)>) {
        check = [](const Object& target, const PropertyValue& value, std::span<const PropertyEntry> earlier) {
            const C& object = static_cast<const C&>(target);
            if constexpr (std::is_invocable_v<decltype(Check), const C&, const V&,
                                              std::span<const PropertyEntry>>)
                std::invoke(Check, object, std::get<V>(value), earlier);
            else
                std::invoke(Check, object, std::get<V>(value));
        };
    }
    return PropertyDecl{
        name,
        detail::TypeFor<V>(),
        [](Object& target, const PropertyDecl&, const PropertyValue& value) {
            (static_cast<C&>(target).*Setter)(std::get<V>(value));
        },
        [](const Object& target, const PropertyDecl&) -> PropertyValue {
            return PropertyValue((static_cast<const C&>(target).*Getter)());
        },
        check,
    };
}

// Declares a property that is only stored: C must offer PropertyStore& StoredProperties() (and a const form).
template <class C>
constexpr PropertyDecl DeclareStored(std::string_view name, PropertyType type) {
    return PropertyDecl{
        name,
        type,
        [](Object& target, const PropertyDecl& decl, const PropertyValue& value) {
            static_cast<C&>(target).StoredProperties().Set(decl.name, value);
        },
        [](const Object& target, const PropertyDecl& decl) -> PropertyValue {
            if (const PropertyValue* v = static_cast<const C&>(target).StoredProperties().Find(decl.name))
                return *v;
            switch (decl.type) {
            case PropertyType::Integer:
                return PropertyValue(std::int32_t{0});
            case PropertyType::Boolean:
                return PropertyValue(false);
            case PropertyType::Color:
                return PropertyValue(Color{});
            case PropertyType::String:
                break;
            }
            return PropertyValue(Text{});
        },
    };
}

// Reads a whole property string against the target's class chain without applying anything. Every fault
// (undeclared name, missing blank, value past the end, Boolean byte other than 0 or 1, repeated key) raises
// UnsupportedFormatException naming the target, the property and the byte offset.
std::vector<PropertyEntry> ReadPropertyString(const ClassInfo& cls, std::string_view bytes,
                                              std::string_view targetName);

// The mass property setter: reads the whole string, then checks every entry against the state the entries
// before it leave (a property that cannot be read now, a value its setter would refuse), and only then sets
// every entry in order through the property's own setter. A refused string changes nothing: the check's
// exception passes on, of its own kind, its message saying the target, the property and the byte offset.
// (What an event handler throws while the entries are set, such as from TextChange, passes on as it is.)
void RuntimeMassPropertySetter(Object& target, std::string_view bytes);
// What windows call to apply their design-time property strings.
void SetProperties(Object& target, std::string_view bytes);

// Reads or sets one declared property by name; an undeclared name or a value of the wrong type raises
// InvalidArgumentException.
PropertyValue GetProperty(const Object& target, std::string_view name);
void SetProperty(Object& target, std::string_view name, const PropertyValue& value);

} // namespace fw

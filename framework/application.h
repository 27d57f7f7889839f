#pragma once

#include "framework/menu_item.h"
#include "framework/object.h"
#include "framework/text.h"

#include <functional>
#include <string_view>
#include <vector>

namespace fw {

// The application object. A subclass adds menu handlers, bound by item name.
class Application : public Object {
public:
    Application();
    ~Application() override;

    Ref<fw::MenuBar> MenuBar() const { return menuBar_; }
    void SetMenuBar(const Ref<fw::MenuBar>& bar);
    // The program's version, as the build sets it.
    fw::Text ShortVersion() const;

    // Binds handler (a method of the application's class, called on this object) to the menu item of that
    // name: choosing the item calls it, and True means handled. A name that no item of the application's
    // menu bar carries raises InvalidArgumentException.
    template <class A>
    void AddMenuHandler(std::string_view itemName, bool (A::*handler)()) {
        A* self = dynamic_cast<A*>(this);
        if (!self)
            ThrowNotOfClass(typeid(A));
        AddMenuHandler(itemName, std::function<bool()>([self, handler] { return (self->*handler)(); }));
    }
    void AddMenuHandler(std::string_view itemName, std::function<bool()> handler);
    // The handler bound to that item name, or nullptr.
    const std::function<bool()>* MenuHandler(std::string_view itemName) const;
    // Names with a bound handler, in binding order.
    std::vector<fw::Text> MenuHandlerNames() const;

private:
    [[noreturn]] void ThrowNotOfClass(const std::type_info& wanted) const;

    Ref<fw::MenuBar> menuBar_;
    std::vector<std::pair<fw::Text, std::function<bool()>>> handlers_;
};

} // namespace fw

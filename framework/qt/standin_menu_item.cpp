// Until the menu classes land: enough of MenuItem for windows to hold a menu bar.
#include "framework/menu_item.h"

namespace fw {
namespace detail {
class MenuItemPeer {};
} // namespace detail

MenuItem::MenuItem() = default;
MenuItem::~MenuItem() = default;
std::string MenuItem::Describe() const {
    return "MenuItem '" + name_ + "'";
}
void MenuItem::Constructor() {}
void MenuItem::Append(const Ref<MenuItem>& item) {
    item->parent_ = this;
    children_.push_back(item);
}
Ref<MenuItem> MenuItem::Lookup(std::string_view name) const {
    for (const Ref<MenuItem>& c : children_) {
        if (c->Name() == name)
            return c;
        if (Ref<MenuItem> found = c->Lookup(name))
            return found;
    }
    return nullptr;
}
} // namespace fw

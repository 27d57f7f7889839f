#include "framework/application.h"

#include <string>

namespace fw {

Application::Application() = default;

Application::~Application() = default;

void Application::SetMenuBar(const Ref<fw::MenuBar>& bar) {
    menuBar_ = bar;
}

fw::Text Application::ShortVersion() const {
    return MORVALIT_SHORT_VERSION;
}

void Application::AddMenuHandler(std::string_view itemName, std::function<bool()> handler) {
    const std::string name(itemName);
    if (!handler)
        throw InvalidArgumentException("AddMenuHandler: the handler for menu item '" + name + "' is empty");
    Ref<MenuItem> item = menuBar_ ? menuBar_->Lookup(itemName) : nullptr;
    if (!item)
        throw InvalidArgumentException("AddMenuHandler: no item named '" + name +
                                       "' in the application's menu bar" +
                                       (menuBar_ ? "" : " (it has none)"));
    if (MenuHandler(itemName))
        throw InvalidArgumentException("AddMenuHandler: menu item '" + name + "' already has a handler");
    handlers_.emplace_back(name, std::move(handler));
    // The handler now decides what the item does, so the layer no longer greys it out for its own commands.
    item->SetEnabled(true);
}

const std::function<bool()>* Application::MenuHandler(std::string_view itemName) const {
    for (const auto& [name, handler] : handlers_) {
        if (name == itemName)
            return &handler;
    }
    return nullptr;
}

std::vector<fw::Text> Application::MenuHandlerNames() const {
    std::vector<fw::Text> names;
    names.reserve(handlers_.size());
    for (const auto& entry : handlers_)
        names.push_back(entry.first);
    return names;
}

void Application::ThrowNotOfClass(const std::type_info& wanted) const {
    throw InvalidArgumentException("AddMenuHandler: the application object is not a " + TypeName(wanted));
}

} // namespace fw

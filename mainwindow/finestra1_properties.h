// The design-time property strings of the check-code window and its seven controls, as the property-string
// reader takes them. The tables themselves are in finestra1_properties.cpp, one per object, entries in the
// order they are written in the string.
#pragma once

#include <string_view>

namespace finestra1_properties {

std::string_view Window();
std::string_view StaticText1();
std::string_view EditField1();
std::string_view PushButton1();
std::string_view GroupBox1();
std::string_view StaticText2();
std::string_view GroupBox2();
std::string_view ARListBox1();

} // namespace finestra1_properties

#pragma once
// Stand-in until the text helpers land.
#include <string>
namespace fw {
using Text = std::string;
}

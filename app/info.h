#pragma once

#include "framework/image_well.h"
#include "framework/object.h"
#include "framework/push_button.h"
#include "framework/static_text.h"
#include "framework/text.h"
#include "framework/window.h"

#include <string_view>

// The about window: the picture, the version line, the copyright line, the freeware note and OK.
// One at a time; a new one is built from scratch each time the previous one has been closed.
class Info : public fw::Window {
public:
    Info();

    void Layout() override;
    void CreateControls() override;
    void CreateControls0();
    void StaticText1_Open();
    void PushButton1_Action();
    void StaticText3_Open();
    void Event_Open() override;

    // The controls, looked up by name on every call.
    fw::Ref<fw::StaticText> StaticText1() const;
    fw::Ref<fw::StaticText> StaticText2() const;
    fw::Ref<fw::PushButton> PushButton1() const;
    fw::Ref<fw::ImageWell> ImageWell1() const;
    fw::Ref<fw::StaticText> StaticText3() const;
};

// The version line: the label's text, one blank, the version, whatever the version is (also empty).
fw::Text VersionLine(const fw::Text& label, const fw::Text& shortVersion);

// The copyright line the about window shows ("© Morvalit DL"): short enough for its 131-pixel label.
inline constexpr std::string_view kInfoCopyright = "\xC2\xA9 Morvalit DL";

namespace implicit {
// The open about window, or a new one built now (not shown); nil when no window can be created.
fw::Ref<::Info> Info();
} // namespace implicit

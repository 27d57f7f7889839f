#include "app/info.h"

#include "app/info_morvalit.h"
#include "app/localize.h"
#include "framework/application.h"
#include "framework/events.h"
#include "framework/property_literal.h"
#include "framework/runtime.h"

namespace {

using namespace fw::prop;

// One entry per line, in the order the strings hold them, so each table reads (and diffs) like its design.
// clang-format off
constexpr fw::PropertyLiteral kWindow[] = {
    Int("Placement", 0),
    Int("Width", 425),
    Int("Height", 442),
    Int("MinWidth", 64),
    Int("MinHeight", 64),
    Int("MaxWidth", 32000),
    Int("MaxHeight", 32000),
    Int("Frame", 1),
    Bool("Composite", false),
    Bool("HasBackColor", false),
    Rgb("BackColor", 255, 255, 255),
    Bool("Visible", true),
    Bool("FullScreen", false),
    Bool("MenuBarVisible", true),
    Bool("CloseButton", true),
    Bool("Resizeable", false),
    Bool("LiveResize", false),
    Bool("MaximizeButton", false),
    Bool("MinimizeButton", true),
    Int("MacProcID", 0),
};

constexpr fw::PropertyLiteral kStaticText1[] = {
    Str("InitialParent", ""),
    Str("DataField", ""),
    Str("DataSource", ""),
    Bool("Underline", false),
    Bool("Italic", false),
    Bool("Bold", false),
    Int("TextSize", 0),
    Str("TextFont", "System"),
    Bool("AutoDeactivate", true),
    Str("HelpTag", ""),
    Bool("Visible", true),
    Bool("Enabled", true),
    Bool("Multiline", false),
    Rgb("TextColor", 0, 0, 0),
    Int("TextAlign", 1),
    Int("TabIndex", 0),
    Int("TabPanelIndex", 0),
    Bool("LockBottom", false),
    Bool("LockRight", false),
    Bool("LockTop", false),
    Bool("LockLeft", false),
    Int("Height", 20),
    Int("Width", 173),
    Int("Top", 302),
    Int("Left", 126),
    Int("Index", kNoIndex),
    Str("Name", "StaticText1"),
    Bool("TabStop", true),
};

constexpr fw::PropertyLiteral kStaticText2[] = {
    Str("InitialParent", ""),
    Str("DataField", ""),
    Str("DataSource", ""),
    Bool("Underline", false),
    Bool("Italic", false),
    Bool("Bold", false),
    Int("TextSize", 0),
    Str("TextFont", "System"),
    Bool("AutoDeactivate", true),
    Str("HelpTag", ""),
    Bool("Visible", true),
    Bool("Enabled", true),
    Bool("Multiline", false),
    Rgb("TextColor", 0, 0, 0),
    Int("TextAlign", 1),
    Str("Text", kInfoCopyright),
    Int("TabIndex", 1),
    Int("TabPanelIndex", 0),
    Bool("LockBottom", false),
    Bool("LockRight", false),
    Bool("LockTop", false),
    Bool("LockLeft", false),
    Int("Height", 20),
    Int("Width", 131),
    Int("Top", 326),
    Int("Left", 151),
    Int("Index", kNoIndex),
    Str("Name", "StaticText2"),
    Bool("TabStop", true),
};

constexpr fw::PropertyLiteral kPushButton1[] = {
    Str("InitialParent", ""),
    Bool("Underline", false),
    Bool("Italic", false),
    Bool("Bold", false),
    Int("TextSize", 0),
    Str("TextFont", "System"),
    Bool("AutoDeactivate", true),
    Str("HelpTag", ""),
    Bool("Visible", true),
    Bool("Enabled", true),
    Bool("Cancel", false),
    Bool("Default", true),
    Str("Caption", "OK"),
    Bool("TabStop", true),
    Int("TabIndex", 2),
    Int("TabPanelIndex", 0),
    Bool("LockBottom", false),
    Bool("LockRight", false),
    Bool("LockTop", false),
    Bool("LockLeft", false),
    Int("Height", 22),
    Int("Width", 80),
    Int("Top", 400),
    Int("Left", 172),
    Int("Index", kNoIndex),
    Str("Name", "PushButton1"),
};

constexpr fw::PropertyLiteral kImageWell1[] = {
    Bool("Enabled", true),
    Bool("AutoDeactivate", true),
    Str("HelpTag", ""),
    Bool("Visible", true),
    Str("InitialParent", ""),
    Bool("TabStop", true),
    Int("TabIndex", 3),
    Int("TabPanelIndex", 0),
    Bool("LockBottom", false),
    Bool("LockRight", false),
    Bool("LockTop", false),
    Bool("LockLeft", false),
    Int("Height", 290),
    Int("Width", 425),
    Int("Top", 0),
    Int("Left", 0),
    Int("Index", kNoIndex),
    Str("Name", "ImageWell1"),
};

constexpr fw::PropertyLiteral kStaticText3[] = {
    Str("InitialParent", ""),
    Str("DataField", ""),
    Str("DataSource", ""),
    Bool("Underline", false),
    Bool("Italic", false),
    Bool("Bold", false),
    Int("TextSize", 0),
    Str("TextFont", "System"),
    Bool("AutoDeactivate", true),
    Str("HelpTag", ""),
    Bool("Visible", true),
    Bool("Enabled", true),
    Bool("Multiline", false),
    Rgb("TextColor", 0, 0, 0),
    Int("TextAlign", 1),
    Int("TabIndex", 4),
    Int("TabPanelIndex", 0),
    Bool("LockBottom", false),
    Bool("LockRight", false),
    Bool("LockTop", false),
    Bool("LockLeft", false),
    Int("Height", 20),
    Int("Width", 385),
    Int("Top", 361),
    Int("Left", 20),
    Int("Index", kNoIndex),
    Str("Name", "StaticText3"),
    Bool("TabStop", true),
};

// clang-format on

static_assert(std::size(kWindow) == 20 && fw::EncodedSize(kWindow) == 257);
static_assert(std::size(kStaticText1) == 28 && fw::EncodedSize(kStaticText1) == 338);
static_assert(std::size(kStaticText2) == 29 && fw::EncodedSize(kStaticText2) == 347 + kInfoCopyright.size());
static_assert(std::size(kPushButton1) == 26 && fw::EncodedSize(kPushButton1) == 302);
static_assert(std::size(kImageWell1) == 18 && fw::EncodedSize(kImageWell1) == 213);
static_assert(std::size(kStaticText3) == 28 && fw::EncodedSize(kStaticText3) == 338);

constexpr auto kWindowBytes = fw::EncodeProperties<fw::EncodedSize(kWindow)>(kWindow);
constexpr auto kStaticText1Bytes = fw::EncodeProperties<fw::EncodedSize(kStaticText1)>(kStaticText1);
constexpr auto kStaticText2Bytes = fw::EncodeProperties<fw::EncodedSize(kStaticText2)>(kStaticText2);
constexpr auto kPushButton1Bytes = fw::EncodeProperties<fw::EncodedSize(kPushButton1)>(kPushButton1);
constexpr auto kImageWell1Bytes = fw::EncodeProperties<fw::EncodedSize(kImageWell1)>(kImageWell1);
constexpr auto kStaticText3Bytes = fw::EncodeProperties<fw::EncodedSize(kStaticText3)>(kStaticText3);

} // namespace

Info::Info() : fw::Window("Info.Info") {}

void Info::Layout() {
    SetTitle(Localize::About());
    fw::SetProperties(*this, fw::AsBytes(kWindowBytes));
}

void Info::CreateControls() {
    CreateControls0();
}

void Info::CreateControls0() {
    AddNew<fw::StaticText>("StaticText1");
    StaticText1()->SetText(Localize::versione());
    fw::SetProperties(*StaticText1(), fw::AsBytes(kStaticText1Bytes));
    StaticText1()->InstallInstanceEventHandler(
        "Open", fw::RuntimeCreateDelegate(&Info::StaticText1_Open, *this, fw::kSignatureNone));

    AddNew<fw::StaticText>("StaticText2");
    fw::SetProperties(*StaticText2(), fw::AsBytes(kStaticText2Bytes));

    AddNew<fw::PushButton>("PushButton1");
    fw::SetProperties(*PushButton1(), fw::AsBytes(kPushButton1Bytes));
    PushButton1()->InstallInstanceEventHandler(
        "Action", fw::RuntimeCreateDelegate(&Info::PushButton1_Action, *this, fw::kSignatureNone));

    AddNew<fw::ImageWell>("ImageWell1");
    fw::SetProperties(*ImageWell1(), fw::AsBytes(kImageWell1Bytes));

    AddNew<fw::StaticText>("StaticText3");
    StaticText3()->SetText(Localize::PrFree());
    fw::SetProperties(*StaticText3(), fw::AsBytes(kStaticText3Bytes));
    StaticText3()->InstallInstanceEventHandler(
        "Open", fw::RuntimeCreateDelegate(&Info::StaticText3_Open, *this, fw::kSignatureNone));
}

void Info::StaticText1_Open() {
    fw::Ref<fw::StaticText> label = StaticText1();
    fw::Ref<fw::Application> app = fw::GetAppObject();
    label->SetText(VersionLine(label->Text(),
                               fw::Require(app, "application object, for the version line").ShortVersion()));
}

void Info::PushButton1_Action() {
    Close();
}

void Info::StaticText3_Open() {}

void Info::Event_Open() {
    ImageWell1()->SetImage(InfoMorvalit());
}

fw::Ref<fw::StaticText> Info::StaticText1() const {
    return ControlNamed<fw::StaticText>("StaticText1");
}
fw::Ref<fw::StaticText> Info::StaticText2() const {
    return ControlNamed<fw::StaticText>("StaticText2");
}
fw::Ref<fw::PushButton> Info::PushButton1() const {
    return ControlNamed<fw::PushButton>("PushButton1");
}
fw::Ref<fw::ImageWell> Info::ImageWell1() const {
    return ControlNamed<fw::ImageWell>("ImageWell1");
}
fw::Ref<fw::StaticText> Info::StaticText3() const {
    return ControlNamed<fw::StaticText>("StaticText3");
}

fw::Text VersionLine(const fw::Text& label, const fw::Text& shortVersion) {
    return label + " " + shortVersion;
}

namespace implicit {

fw::Ref<::Info> Info() {
    if (fw::Ref<::Info> open = fw::RefCast<::Info>(fw::GetImplicitWindow("Info.Info")))
        return open;
    fw::Ref<::Info> window = fw::RuntimeNewObject<::Info>();
    if (window)
        window->Constructor();
    return window;
}

} // namespace implicit

#include "started_app.h"

#include "app/info.h"
#include "app/info_morvalit.h"
#include "framework/folder_item.h"
#include "framework/runtime.h"
#include "framework/testing/driver.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A 2 x 3 picture in a format Qt reads whatever the file is called.
std::string SmallPicture() {
    return std::string("P6\n2 3\n255\n") + std::string(2 * 3 * 3, '\x7f');
}

// The picture's green band (bottom left) as the well shows it; JPEG leaves the colour a little off.
bool ShowsTheGreenBand(Info& about) {
    const fw::Color c = fw::testing::ContentPixelAt(about, 60, 282);
    return c.green > 110 && c.red < 50 && c.blue < 110;
}

// Each test runs the program from a bundle of its own in a temporary folder: <bundle>/MacOS/MorvalitDL.
class AboutWindow : public StartedApp {
protected:
    void SetUp() override {
        StartedApp::SetUp();
        bundle_ = fs::temp_directory_path() /
                  ("morvalit-about-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(bundle_);
        fs::create_directories(bundle_ / "MacOS");
        fw::testing::SetApplicationExecutable((bundle_ / "MacOS" / "MorvalitDL").string());
    }
    void TearDown() override {
        fw::testing::CloseAllWindows();
        StartedApp::TearDown();
        fw::testing::SetApplicationExecutable("");
        fs::remove_all(bundle_);
    }

    fs::path Resources() const { return bundle_ / "Resources"; }
    fs::path PictureFile() const { return Resources() / "Info Morvalit.jpg"; }
    void InstallPicture(const std::string& bytes) {
        fs::create_directories(Resources());
        WriteFile(PictureFile(), bytes);
    }
    static std::string ThePicture() { return ReadFile(MORVALIT_PICTURE_FILE); }

    // File > About, as the user chooses it; the about window it leaves open.
    static fw::Ref<Info> ChooseAbout() {
        implicit::Menu()->Lookup("ArchivioInfosuMorvalit")->Choose();
        return fw::RefCast<Info>(fw::GetImplicitWindow("Info.Info"));
    }
    static std::vector<fw::Ref<fw::Window>> OpenAboutWindows() {
        std::vector<fw::Ref<fw::Window>> found;
        for (const fw::Ref<fw::Window>& w : fw::OpenWindows())
            if (fw::RefCast<Info>(w))
                found.push_back(w);
        return found;
    }
    static fw::Text ExpectedVersionLine() { return "Versione " + implicit::App()->ShortVersion(); }

    fs::path bundle_;
};

TEST_F(AboutWindow, AboutTwiceWhileOpenShowsTheOneWindowWithTheVersionOnce) {
    fw::Ref<App> app = implicit::App();
    EXPECT_TRUE(app->ArchivioInfosuMorvalit_Action());
    fw::Ref<Info> first = fw::RefCast<Info>(fw::GetImplicitWindow("Info.Info"));
    ASSERT_TRUE(first);
    EXPECT_TRUE(app->ArchivioInfosuMorvalit_Action());

    EXPECT_EQ(OpenAboutWindows().size(), 1u);
    EXPECT_EQ(fw::GetImplicitWindow("Info.Info").Get(), first.Get());
    EXPECT_EQ(first->StaticText1()->Text(), ExpectedVersionLine());
}

TEST_F(AboutWindow, AfterClosingANewWindowIsBuiltAndThePictureIsNotReadAgain) {
    InstallPicture(ThePicture());
    fw::Ref<Info> first = ChooseAbout();
    ASSERT_TRUE(first);
    fw::Ref<fw::Picture> shown = first->ImageWell1()->Image();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->Width(), 425);
    EXPECT_EQ(shown->Height(), 290);
    EXPECT_TRUE(ShowsTheGreenBand(*first));
    first->Close();
    EXPECT_FALSE(first->IsOpen());
    EXPECT_TRUE(fw::GetImplicitWindow("Info.Info").IsNil());

    WriteFile(PictureFile(), SmallPicture()); // a different picture now lies on disk
    fw::Ref<Info> second = ChooseAbout();
    ASSERT_TRUE(second);
    EXPECT_NE(second.Get(), first.Get());
    EXPECT_EQ(second->StaticText1()->Text(), ExpectedVersionLine());
    EXPECT_EQ(second->ImageWell1()->Image().Get(), shown.Get()) << "the picture was read again";
    EXPECT_EQ(second->ImageWell1()->Image()->Width(), 425);
    EXPECT_TRUE(ShowsTheGreenBand(*second));
}

TEST_F(AboutWindow, WithoutResourcesTheWellIsEmptyUntilThePictureAppears) {
    fw::Ref<Info> first = ChooseAbout();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->ImageWell1()->Image().IsNil());
    EXPECT_FALSE(ShowsTheGreenBand(*first));
    EXPECT_TRUE(InfoMorvalit().IsNil());
    first->Close();

    InstallPicture(ThePicture());
    fw::Ref<Info> second = ChooseAbout();
    ASSERT_TRUE(second);
    ASSERT_TRUE(second->ImageWell1()->Image());
    EXPECT_EQ(second->ImageWell1()->Image()->Width(), 425);
    EXPECT_TRUE(ShowsTheGreenBand(*second));
}

struct BadFile {
    const char* name;
    std::string (*bytes)();
};

const BadFile kBadFiles[] = {
    {"ZeroBytes", [] { return std::string(); }},
    {"Truncated", [] { return ReadFile(MORVALIT_PICTURE_FILE).substr(0, 12); }},
    {"NotAnImage", [] { return std::string("Matricola Azienda 12345678\n"); }},
};

class BadPictureFile : public AboutWindow, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadPictureFile, LeavesTheWellEmptyAndIsTriedAgainNextTime) {
    InstallPicture(GetParam().bytes());
    fw::Ref<Info> first = ChooseAbout();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->IsOpen());
    EXPECT_TRUE(first->ImageWell1()->Image().IsNil());
    first->Close();

    WriteFile(PictureFile(), ThePicture());
    fw::Ref<Info> second = ChooseAbout();
    ASSERT_TRUE(second);
    ASSERT_TRUE(second->ImageWell1()->Image());
    EXPECT_EQ(second->ImageWell1()->Image()->Height(), 290);
}

INSTANTIATE_TEST_SUITE_P(Files, BadPictureFile, ::testing::ValuesIn(kBadFiles),
                         [](const ::testing::TestParamInfo<BadFile>& info) {
                             return std::string(info.param.name);
                         });

// OK is the default button: Return closes the window as a click on OK does, and so does the close box;
// nothing else closes with it.
struct CloseWay {
    const char* name;
    void (*act)(Info& about);
};

const CloseWay kCloseWays[] = {
    {"ClickOk", [](Info& about) { fw::testing::Click(*about.PushButton1()); }},
    {"PressReturn", [](Info& about) { fw::testing::PressKey(about, fw::testing::Key::Return); }},
    {"CloseBox", [](Info& about) { fw::testing::CloseAsUser(about); }},
};

class Closing : public AboutWindow, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(Closing, ClosesOnlyTheAboutWindow) {
    fw::Ref<fw::Window> other = fw::MakeRef<fw::Window>();
    other->Constructor();
    other->Show();
    fw::Ref<Info> about = ChooseAbout();
    ASSERT_TRUE(about);
    ASSERT_TRUE(fw::testing::WaitForWindowActive(*about));
    EXPECT_EQ(about->PushButton1()->Caption(), "OK");
    EXPECT_TRUE(fw::testing::Inspect(*about->PushButton1()).defaultButton);
    EXPECT_FALSE(about->PushButton1()->Cancel());

    GetParam().act(*about);
    fw::testing::ProcessEvents();
    EXPECT_FALSE(about->IsOpen());
    EXPECT_TRUE(fw::GetImplicitWindow("Info.Info").IsNil());
    EXPECT_TRUE(other->IsOpen());
    EXPECT_EQ(fw::OpenWindows().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Ways, Closing, ::testing::ValuesIn(kCloseWays),
                         [](const ::testing::TestParamInfo<CloseWay>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(AboutWindow, WindowThatCannotBeCreatedRaisesTheNilObjectException) {
    fw::testing::FailObjectCreations(1);
    EXPECT_THROW(implicit::App()->ArchivioInfosuMorvalit_Action(), fw::NilObjectException);
    fw::testing::FailObjectCreations(0);
    EXPECT_TRUE(OpenAboutWindows().empty());
}

TEST_F(AboutWindow, ShowsItsTextsAsBuilt) {
    fw::Ref<Info> about = ChooseAbout();
    ASSERT_TRUE(about);
    EXPECT_EQ(fw::testing::Inspect(*about).title, "Info su Morvalit");
    EXPECT_EQ(fw::testing::Inspect(*about->StaticText1()).text, ExpectedVersionLine());
    EXPECT_EQ(fw::testing::Inspect(*about->StaticText2()).text, std::string(kInfoCopyright));
    EXPECT_EQ(fw::testing::Inspect(*about->StaticText3()).text, "Prodotto Freeware");
    for (auto label : {about->StaticText1(), about->StaticText2(), about->StaticText3()})
        EXPECT_EQ(fw::testing::Inspect(*label).alignment, 1) << label->Name();
}

// The About item and the window title are two reads of one caption: a translation shows in both.
TEST_F(AboutWindow, TranslatedCaptionShowsInTheMenuAndTheTitle) {
    fw::SetTranslation("Localize.About", "About Morvalit");
    fw::Ref<Menu> shared = implicit::Menu();
    Menu::Exit();
    fw::Ref<Menu> bar = implicit::Menu(); // captions are read while a bar is built
    EXPECT_EQ(bar->Lookup("ArchivioInfosuMorvalit")->Text(), "About Morvalit");
    Menu::_implicitInstance = shared;

    fw::Ref<Info> about = ChooseAbout();
    ASSERT_TRUE(about);
    EXPECT_EQ(about->Title(), "About Morvalit");
    EXPECT_EQ(fw::testing::Inspect(*about).title, "About Morvalit");
}

// The version is the build's; an empty one still gets its blank.
TEST(VersionLine, IsTheLabelABlankAndTheVersion) {
    EXPECT_EQ(VersionLine("Versione", "1.0.0"), "Versione 1.0.0");
    EXPECT_EQ(VersionLine("Versione", ""), "Versione ");
    EXPECT_EQ(VersionLine("", ""), " ");
}

struct Placement {
    const char* name;
    std::int32_t left, top, width, height;
};

const Placement kPlacements[] = {
    {"StaticText1", 126, 302, 173, 20}, {"StaticText2", 151, 326, 131, 20}, {"PushButton1", 172, 400, 80, 22},
    {"ImageWell1", 0, 0, 425, 290},     {"StaticText3", 20, 361, 385, 20},
};

class AboutControl : public AboutWindow, public ::testing::WithParamInterface<Placement> {};

TEST_P(AboutControl, SitsWhereItsPropertiesPutIt) {
    fw::Ref<Info> about = ChooseAbout();
    ASSERT_TRUE(about);
    auto control = fw::RefCast<fw::RectControl>(about->FindControl(GetParam().name));
    ASSERT_TRUE(control);
    EXPECT_EQ(control->Name(), GetParam().name);
    EXPECT_EQ(control->Left(), GetParam().left);
    EXPECT_EQ(control->Top(), GetParam().top);
    EXPECT_EQ(control->Width(), GetParam().width);
    EXPECT_EQ(control->Height(), GetParam().height);
    EXPECT_TRUE(control->Visible());
    EXPECT_TRUE(control->Enabled());
}

INSTANTIATE_TEST_SUITE_P(TheFive, AboutControl, ::testing::ValuesIn(kPlacements),
                         [](const ::testing::TestParamInfo<Placement>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(AboutWindow, IsAFixedSizeWindowWithoutAMenuBar) {
    fw::Ref<Info> about = ChooseAbout();
    ASSERT_TRUE(about);
    const fw::testing::WindowFacts shown = fw::testing::Inspect(*about);
    EXPECT_TRUE(shown.shown);
    EXPECT_EQ(shown.contentWidth, 425);
    EXPECT_EQ(shown.contentHeight, 442);
    EXPECT_TRUE(shown.fixedSize);
    EXPECT_TRUE(shown.closeButton);
    EXPECT_TRUE(shown.minimizeButton);
    EXPECT_FALSE(shown.maximizeButton);
    EXPECT_FALSE(shown.menuBarShown);
    EXPECT_TRUE(about->MenuBar().IsNil());
    std::vector<std::string> order;
    for (const fw::Ref<fw::Control>& c : about->Controls())
        order.push_back(c->Name());
    EXPECT_EQ(order, (std::vector<std::string>{"StaticText1", "StaticText2", "PushButton1", "ImageWell1",
                                               "StaticText3"}));
}

} // namespace

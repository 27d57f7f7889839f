// The about window as File > About opens it, on the runtime that the tests' main has started.
#include "app/app.h"
#include "app/info.h"
#include "app/info_morvalit.h"
#include "app/menu.h"
#include "framework/runtime.h"
#include "framework/system.h"
#include "framework/testing/driver.h"
#include "framework/testing/run_control.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

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

// The picture's green band (bottom left) as the well shows it; JPEG leaves the colour a little off.
bool ShowsTheGreenBand(Info& about) {
    const fw::Color c = fw::testing::ContentPixelAt(about, 60, 282);
    return c.green > 110 && c.red < 50 && c.blue < 110;
}

// The application object with its About binding, as the start-up makes them; each test runs the program from
// a bundle of its own in a temporary folder: <bundle>/bin/MorvalitDL.
class AboutWindow : public ::testing::Test {
protected:
    void SetUp() override {
        if (!implicit::App()) {
            NewAppInstance();
            ApplicationAddMenuHandlers();
        }
        bundle_ = fs::temp_directory_path() /
                  ("morvalit-about-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(bundle_);
        fs::create_directories(bundle_ / "bin");
        fw::testing::SetApplicationExecutable((bundle_ / "bin" / "MorvalitDL").string());
    }
    void TearDown() override {
        fw::testing::CloseAllWindows();
        fw::ClearTranslations();
        fw::testing::SetApplicationExecutable("");
        fs::remove_all(bundle_);
    }

    fs::path PictureFile() const { return bundle_ / "Resources" / "Info Morvalit.jpg"; }
    void InstallPicture(const std::string& bytes) {
        fs::create_directories(PictureFile().parent_path());
        WriteFile(PictureFile(), bytes);
    }
    static std::string ThePicture() { return ReadFile(MORVALIT_PICTURE_FILE); }

    // File > About, as the user chooses it; the about window it leaves open.
    static fw::Ref<Info> ChooseAbout() {
        implicit::Menu()->Lookup("ArchivioInfosuMorvalit")->Choose();
        return fw::RefCast<Info>(fw::GetImplicitWindow("Info.Info"));
    }
    static std::size_t OpenAboutWindows() {
        std::size_t found = 0;
        for (const fw::Ref<fw::Window>& w : fw::OpenWindows())
            found += fw::RefCast<Info>(w) ? 1 : 0;
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

    EXPECT_EQ(OpenAboutWindows(), 1u);
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

    // A different (2 x 3) picture now lies on disk, in a format Qt reads whatever the file is called.
    WriteFile(PictureFile(), std::string("P6\n2 3\n255\n") + std::string(2 * 3 * 3, '\x7f'));
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

// OK is the default button: a click on it and Return both close the about window, and nothing else.
TEST_F(AboutWindow, OkClosesOnlyTheAboutWindowByClickOrByReturn) {
    fw::Ref<fw::Window> other = fw::MakeRef<fw::Window>();
    other->Constructor();
    other->Show();
    for (const bool byReturn : {false, true}) {
        SCOPED_TRACE(byReturn ? "Return" : "click");
        fw::Ref<Info> about = ChooseAbout();
        ASSERT_TRUE(about);
        ASSERT_TRUE(fw::testing::WaitForWindowActive(*about));
        if (byReturn)
            fw::testing::PressKey(*about, fw::testing::Key::Return);
        else
            fw::testing::Click(*about->PushButton1());
        fw::testing::ProcessEvents();
        EXPECT_FALSE(about->IsOpen());
        EXPECT_TRUE(fw::GetImplicitWindow("Info.Info").IsNil());
        EXPECT_TRUE(other->IsOpen());
        EXPECT_EQ(fw::OpenWindows().size(), 1u);
    }
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

} // namespace

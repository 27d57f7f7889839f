// The about window as File > About opens it, on the runtime that the tests' main has started.
#include "app/app.h"
#include "app/info.h"
#include "app/info_morvalit.h"
#include "app/menu.h"
#include "framework/runtime.h"
#include "framework/testing/driver.h"
#include "framework/testing/run_control.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;
namespace t = fw::testing;

// Whether the window's content shows about the colour at x, y: JPEG leaves the picture's colours a little
// off.
bool ShowsNear(Info& about, int x, int y, fw::Color want) {
    const fw::Color c = t::ContentPixelAt(about, x, y);
    return std::abs(c.red - want.red) < 40 && std::abs(c.green - want.green) < 40 &&
           std::abs(c.blue - want.blue) < 40;
}

// The picture's flag along its bottom edge, as the well shows it: green left (at 60, 282), red right.
constexpr fw::Color kGreen{0, 146, 71};
constexpr fw::Color kRed{207, 43, 54};

// Ends a child process: its failures on the error stream, which the parent shows, and 1 when there were any.
[[noreturn]] void ExitWithItsFailures() {
    t::CloseAllWindows();
    const ::testing::TestResult& r = *::testing::UnitTest::GetInstance()->current_test_info()->result();
    for (int i = 0; i < r.total_part_count(); ++i)
        std::fprintf(stderr, "%s:%d: %s\n", r.GetTestPartResult(i).file_name(),
                     r.GetTestPartResult(i).line_number(), r.GetTestPartResult(i).message());
    std::exit(r.Failed() ? 1 : 0);
}

// The application object with its About binding, as the start-up makes them; each test runs the program from
// a bundle of its own in the process's temporary folder: <bundle>/bin/MorvalitDL.
class AboutWindow : public ::testing::Test {
protected:
    void SetUp() override {
        if (!implicit::App()) {
            NewAppInstance();
            ApplicationAddMenuHandlers();
        }
        bundle_ = fs::temp_directory_path() / ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(bundle_);
        fs::create_directories(bundle_ / "bin");
        t::SetApplicationExecutable((bundle_ / "bin" / "MorvalitDL").string());
    }
    void TearDown() override {
        t::CloseAllWindows();
        t::ClearTranslations();
        t::SetApplicationExecutable("");
        fs::remove_all(bundle_);
    }

    fs::path PictureFile() const { return bundle_ / "Resources" / "Info Morvalit.jpg"; }

    // File > About, as the user chooses it; the about window it leaves open.
    static fw::Ref<Info> ChooseAbout() {
        implicit::Menu()->Lookup("ArchivioInfosuMorvalit")->Choose();
        return fw::RefCast<Info>(fw::GetImplicitWindow("Info.Info"));
    }

    fs::path bundle_;

    void PictureStory() {
        // No Resources folder, then an empty file and a cut-short picture: an empty well each time.
        for (const int size : {-1, 0, 12}) {
            SCOPED_TRACE(size);
            if (size >= 0) {
                fs::create_directories(PictureFile().parent_path());
                fs::copy_file(MORVALIT_PICTURE_FILE, PictureFile(), fs::copy_options::overwrite_existing);
                fs::resize_file(PictureFile(), size);
            }
            fw::Ref<Info> about = ChooseAbout();
            ASSERT_TRUE(about);
            EXPECT_TRUE(about->ImageWell1()->Image().IsNil());
            EXPECT_FALSE(ShowsNear(*about, 60, 282, kGreen));
            about->Close();
        }
        fs::copy_file(MORVALIT_PICTURE_FILE, PictureFile(), fs::copy_options::overwrite_existing);
        fw::Ref<Info> first = ChooseAbout();
        ASSERT_TRUE(first);
        fw::Ref<fw::Picture> shown = first->ImageWell1()->Image();
        ASSERT_TRUE(shown);
        EXPECT_EQ(std::pair(shown->Width(), shown->Height()), std::pair(425, 290));
        EXPECT_TRUE(ShowsNear(*first, 60, 282, kGreen));
        first->Close();

        // A different (2 x 3) picture now lies on disk, in a format Qt reads whatever the file is called.
        std::ofstream(PictureFile(), std::ios::binary) << "P6\n2 3\n255\n" << std::string(2 * 3 * 3, '\x7f');
        fw::Ref<Info> second = ChooseAbout();
        ASSERT_TRUE(second);
        EXPECT_NE(second.Get(), first.Get());
        EXPECT_EQ(second->ImageWell1()->Image().Get(), shown.Get()) << "the picture was read again";
        EXPECT_TRUE(ShowsNear(*second, 60, 282, kGreen));
    }
};

// The picture is read on first use and kept for the rest of the run; while no read has given a picture,
// every opening tries again. The cache lives as long as the process, so this runs in a fresh child process.
TEST_F(AboutWindow, ThePictureIsTriedAgainUntilOneIsReadAndThenKeptForTheRun) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            PictureStory();
            ExitWithItsFailures();
        },
        ::testing::ExitedWithCode(0), "");
}

// About chosen again while open shows the same window with its version line once. OK is the default button:
// a click on it and Return both close the about window, and nothing else.
TEST_F(AboutWindow, ChosenTwiceItIsOneWindowAndOkClosesOnlyItByClickOrByReturn) {
    fw::Ref<fw::Window> other = fw::MakeRef<fw::Window>();
    other->Constructor();
    other->Show();
    for (const bool byReturn : {false, true}) {
        SCOPED_TRACE(byReturn ? "Return" : "click");
        fw::Ref<Info> about = ChooseAbout();
        ASSERT_TRUE(about);
        EXPECT_EQ(ChooseAbout().Get(), about.Get());
        EXPECT_EQ(fw::OpenWindows().size(), 2u);
        EXPECT_EQ(about->StaticText1()->Text(), "Versione " + implicit::App()->ShortVersion());
        ASSERT_TRUE(t::WaitForWindowActive(*about));
        if (byReturn)
            t::PressKey(*about, t::Key::Return);
        else
            t::Click(*about->PushButton1());
        t::ProcessEvents();
        EXPECT_FALSE(about->IsOpen());
        EXPECT_TRUE(fw::GetImplicitWindow("Info.Info").IsNil());
        EXPECT_EQ(fw::OpenWindows(), std::vector{other});
    }
}

// The window keeps its fixed 425 x 442 and the picture spans its top: the flag's ends fill the corners of
// the picture's bottom edge, and the window's own background lies below it.
TEST_F(AboutWindow, IsAFixed425By442WindowWithThePictureAcrossItsTop) {
    fs::create_directories(PictureFile().parent_path());
    fs::copy_file(MORVALIT_PICTURE_FILE, PictureFile());
    fw::Ref<Info> about = ChooseAbout();
    ASSERT_TRUE(about);
    const t::WindowFacts window = t::Inspect(*about);
    EXPECT_EQ(std::tuple(window.contentWidth, window.contentHeight, window.fixedSize),
              std::tuple(425, 442, true));
    EXPECT_EQ(t::Inspect(*about->ImageWell1()).rect, (t::Rect{0, 0, 425, 290}));
    EXPECT_TRUE(ShowsNear(*about, 0, 289, kGreen));
    EXPECT_TRUE(ShowsNear(*about, 424, 289, kRed));
    EXPECT_FALSE(ShowsNear(*about, 0, 291, kGreen) || ShowsNear(*about, 424, 291, kRed));
}

// The title is the About item's caption; the menu's side the menu bar's tests cover.
TEST_F(AboutWindow, TranslationsReachTheTitleAndTheWindowsTexts) {
    t::SetTranslation("Localize.About", "About Morvalit");
    t::SetTranslation("Localize.versione", "Version");
    t::SetTranslation("Localize.PrFree", "Freeware");
    fw::Ref<Info> about = ChooseAbout();
    ASSERT_TRUE(about);
    EXPECT_EQ(t::Inspect(*about).title, "About Morvalit");
    EXPECT_EQ(t::Inspect(*about->StaticText1()).text, "Version " + implicit::App()->ShortVersion());
    EXPECT_EQ(t::Inspect(*about->StaticText3()).text, "Freeware");
}

} // namespace

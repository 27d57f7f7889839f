#include "framework/folder_item.h"
#include "framework/testing/driver_runtime.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using fw::FolderItem;
using fw::Ref;

class Files : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/runtime_files_XXXXXX";
        ASSERT_TRUE(mkdtemp(tmpl));
        dir = tmpl;
        folder = fw::MakeRef<FolderItem>(dir.string());
    }
    void TearDown() override {
        fw::testing::SetApplicationExecutable({});
        fs::remove_all(dir);
    }
    std::string Path(const char* name) const { return (dir / name).string(); }
    void CopyCut(const char* from, const char* to, std::uintmax_t bytes) const {
        fs::copy_file(Path(from), Path(to));
        fs::resize_file(Path(to), bytes);
    }
    fs::path dir;
    Ref<FolderItem> folder;
};

// --- Pictures from real files -----------------------------------------------------------------------------

TEST_F(Files, GoodJpegAndPngNamedJpgOpenWithTheirSize) {
    ASSERT_TRUE(fw::testing::WritePicture(Path("good.jpg"), "JPG", 425, 290));
    ASSERT_TRUE(fw::testing::WritePicture(Path("png.jpg"), "PNG", 30, 20));
    for (const char* name : {"good.jpg", "png.jpg"}) {
        Ref<fw::Picture> picture = folder->Child(name)->OpenAsPicture();
        ASSERT_TRUE(picture) << name;
        EXPECT_EQ(picture->Width(), name[0] == 'g' ? 425 : 30);
        EXPECT_EQ(picture->Height(), name[0] == 'g' ? 290 : 20);
    }
}

TEST_F(Files, UnreadableFilesGiveNilWithoutCrashing) {
    ASSERT_TRUE(fw::testing::WritePicture(Path("good.jpg"), "JPG", 425, 290));
    CopyCut("good.jpg", "cut.jpg", 10);
    std::ofstream(Path("empty.jpg"));
    std::ofstream(Path("text.jpg")) << "not a picture at all\n";
    std::ofstream(Path("header.jpg"), std::ios::binary) << "\xff\xd8\xff\xe0";
    fs::create_directory(Path("folder.jpg"));
    ASSERT_EQ(mkfifo(Path("fifo.jpg").c_str(), 0600), 0);
    for (const char* name :
         {"cut.jpg", "empty.jpg", "text.jpg", "header.jpg", "folder.jpg", "fifo.jpg", "missing.jpg"})
        EXPECT_FALSE(folder->Child(name)->OpenAsPicture()) << name;
}

TEST_F(Files, HalfAJpegStillOpens) {
    ASSERT_TRUE(fw::testing::WritePicture(Path("good.jpg"), "JPG", 425, 290));
    CopyCut("good.jpg", "half.jpg", fs::file_size(Path("good.jpg")) / 2);
    Ref<fw::Picture> picture = folder->Child("half.jpg")->OpenAsPicture();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 425);
}

// --- Names, parents and children --------------------------------------------------------------------------

TEST_F(Files, ChildIsAnItemWhetherItExistsOrNotAndNilForBadNames) {
    Ref<FolderItem> missing = folder->Child("Info Morvalit.jpg");
    ASSERT_TRUE(missing);
    EXPECT_FALSE(missing->Exists());
    EXPECT_EQ(missing->Name(), "Info Morvalit.jpg");
    EXPECT_EQ(missing->Parent()->NativePath(), folder->NativePath());
    for (std::string_view bad :
         {std::string_view(""), std::string_view("."), std::string_view(".."), std::string_view("a/b"),
          std::string_view("/etc"), std::string_view("a\0b", 3)})
        EXPECT_FALSE(folder->Child(bad)) << "name of " << bad.size() << " bytes";
}

TEST(FolderItems, ParentWalksUpToTheRootAndStops) {
    Ref<FolderItem> item = fw::MakeRef<FolderItem>("/usr/lib/");
    EXPECT_EQ(item->NativePath(), "/usr/lib");
    EXPECT_EQ(item->Name(), "lib");
    EXPECT_EQ(item->Parent()->NativePath(), "/usr");
    EXPECT_EQ(item->Parent()->Parent()->NativePath(), "/");
    EXPECT_FALSE(item->Parent()->Parent()->Parent());
    EXPECT_EQ(fw::MakeRef<FolderItem>("/usr/./lib/../bin")->NativePath(), "/usr/bin");
    EXPECT_THROW(FolderItem(""), fw::InvalidArgumentException);
}

TEST(FolderItems, ApplicationExecutableIsThisRunningProgram) {
    Ref<FolderItem> exe = fw::ApplicationExecutable();
    ASSERT_TRUE(exe);
    EXPECT_EQ(exe->NativePath(), fs::read_symlink("/proc/self/exe").string());
    EXPECT_TRUE(exe->Exists());
    EXPECT_FALSE(exe->Directory());
}

// --- The bundle's Resources folder ------------------------------------------------------------------------

TEST_F(Files, ResourcesFolderBesideTheExecutablesFolder) {
    fs::create_directories(dir / "MacOS");
    fw::testing::SetApplicationExecutable((dir / "MacOS" / "MorvalitDL").string());
    EXPECT_FALSE(fw::GetApplicationBundleResources()) << "no Resources folder yet";
    std::ofstream(Path("Resources")) << "a file, not a folder";
    EXPECT_FALSE(fw::GetApplicationBundleResources());
    fs::remove(Path("Resources"));
    fs::create_directory(Path("Resources"));
    Ref<FolderItem> resources = fw::GetApplicationBundleResources();
    ASSERT_TRUE(resources);
    EXPECT_EQ(resources->NativePath(), Path("Resources"));
    ASSERT_TRUE(fw::testing::WritePicture((dir / "Resources" / "Info Morvalit.jpg").string(), "JPG", 8, 6));
    EXPECT_TRUE(resources->Child("Info Morvalit.jpg")->OpenAsPicture());
}

TEST(FolderItems, ExecutableAtTheRootHasNoResourcesFolder) {
    fw::testing::SetApplicationExecutable("/MorvalitDL");
    EXPECT_FALSE(fw::GetApplicationBundleResources());
    fw::testing::SetApplicationExecutable({});
}

} // namespace

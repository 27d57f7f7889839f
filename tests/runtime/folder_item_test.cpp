#include "framework/folder_item.h"
#include "framework/testing/driver_runtime.h"
#include "framework/testing/run_control.h"

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
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override {
        fw::testing::SetApplicationExecutable({});
        fs::remove_all(dir);
    }
    std::string Path(const fs::path& name) const { return (dir / name).string(); }
    const fs::path dir = fs::path(::testing::TempDir()) / ("runtime_files_" + std::to_string(getpid()));
    const Ref<FolderItem> folder = fw::MakeRef<FolderItem>(dir.string());
};

TEST_F(Files, PictureOpensFromEachKindOfFileItCanReadAndOtherwiseGivesNil) {
    ASSERT_TRUE(fw::testing::WritePicture(Path("good.jpg"), "JPG", 425, 290));
    ASSERT_TRUE(fw::testing::WritePicture(Path("png.jpg"), "PNG", 30, 20));
    fs::copy_file(Path("good.jpg"), Path("half.jpg"));
    fs::resize_file(Path("half.jpg"), fs::file_size(Path("good.jpg")) / 2);
    std::ofstream(Path("empty.jpg"));
    std::ofstream(Path("text.jpg")) << "not a picture at all\n";
    std::ofstream(Path("header.jpg"), std::ios::binary) << "\xff\xd8\xff\xe0";
    fs::create_directory(Path("folder.jpg"));
    ASSERT_EQ(mkfifo(Path("fifo.jpg").c_str(), 0600), 0);
    const struct {
        const char* name;
        int width, height; // 0: nil
    } kinds[] = {{"good.jpg", 425, 290}, {"png.jpg", 30, 20}, {"half.jpg", 425, 290},
                 {"empty.jpg", 0, 0},    {"text.jpg", 0, 0},  {"header.jpg", 0, 0},
                 {"folder.jpg", 0, 0},   {"fifo.jpg", 0, 0},  {"missing.jpg", 0, 0}};
    for (const auto& kind : kinds) {
        Ref<fw::Picture> picture = folder->Child(kind.name)->OpenAsPicture();
        EXPECT_EQ(picture ? std::pair(picture->Width(), picture->Height()) : std::pair(0, 0),
                  std::pair(kind.width, kind.height))
            << kind.name;
    }
}

TEST_F(Files, ChildIsAnItemWhetherItExistsOrNotAndNilForBadNamesAndParentsStopAtTheRoot) {
    Ref<FolderItem> missing = folder->Child("Info Morvalit.jpg");
    ASSERT_TRUE(missing);
    EXPECT_FALSE(missing->Exists());
    EXPECT_EQ(missing->Parent()->NativePath(), folder->NativePath());
    for (std::string_view bad :
         {std::string_view(""), std::string_view("."), std::string_view(".."), std::string_view("a/b"),
          std::string_view("/etc"), std::string_view("a\0b", 3)})
        EXPECT_FALSE(folder->Child(bad)) << "name of " << bad.size() << " bytes";
    Ref<FolderItem> item = fw::MakeRef<FolderItem>("/usr/lib/");
    EXPECT_EQ(item->NativePath(), "/usr/lib");
    EXPECT_EQ(item->Parent()->Parent()->NativePath(), "/");
    EXPECT_FALSE(item->Parent()->Parent()->Parent());
    EXPECT_EQ(fw::MakeRef<FolderItem>("/usr/./lib/../bin")->NativePath(), "/usr/bin");
    EXPECT_THROW(FolderItem(""), fw::InvalidArgumentException);
    EXPECT_EQ(fw::ApplicationExecutable()->NativePath(), fs::read_symlink("/proc/self/exe").string());
}

TEST_F(Files, ResourcesIsTheFolderBesideTheExecutablesFolder) {
    fw::testing::SetApplicationExecutable("/MorvalitDL");
    EXPECT_FALSE(fw::GetApplicationBundleResources()) << "at the root there is no bundle";
    fs::create_directories(dir / "bin");
    fw::testing::SetApplicationExecutable(Path("bin/MorvalitDL"));
    EXPECT_FALSE(fw::GetApplicationBundleResources()) << "no Resources folder yet";
    std::ofstream(Path("Resources")) << "a file, not a folder";
    EXPECT_FALSE(fw::GetApplicationBundleResources());
    fs::remove(Path("Resources"));
    fs::create_directory(Path("Resources"));
    Ref<FolderItem> resources = fw::GetApplicationBundleResources();
    EXPECT_EQ(resources ? resources->NativePath() : "nil", Path("Resources"));
}

} // namespace

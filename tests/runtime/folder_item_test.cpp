#include "framework/folder_item.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using fw::FolderItem;
using fw::Ref;

TEST(FolderItem, PictureOpensFromEachKindOfFileItCanReadAndOtherwiseGivesNil) {
    const fs::path dir = fs::path(::testing::TempDir()) / ("runtime_files_" + std::to_string(getpid()));
    fs::create_directories(dir);
    fs::copy_file(MORVALIT_PICTURE_FILE, dir / "half.jpg");
    fs::resize_file(dir / "half.jpg", fs::file_size(dir / "half.jpg") / 2);
    std::ofstream(dir / "pbm.jpg") << "P1\n3 2\n0 1 0\n1 0 1\n"; // named for another kind than it holds
    std::ofstream(dir / "empty.jpg");
    std::ofstream(dir / "text.jpg") << "not a picture at all\n";
    ASSERT_EQ(mkfifo((dir / "fifo.jpg").c_str(), 0600), 0);
    const Ref<FolderItem> folder = fw::MakeRef<FolderItem>(dir.string());
    const struct {
        const char* name;
        int width, height; // 0: nil
    } kinds[] = {{"half.jpg", 425, 290}, {"pbm.jpg", 3, 2},  {"empty.jpg", 0, 0},
                 {"text.jpg", 0, 0},     {"fifo.jpg", 0, 0}, {"missing.jpg", 0, 0}};
    for (const auto& kind : kinds) {
        Ref<fw::Picture> picture = folder->Child(kind.name)->OpenAsPicture();
        EXPECT_EQ(picture ? std::pair(picture->Width(), picture->Height()) : std::pair(0, 0),
                  std::pair(kind.width, kind.height))
            << kind.name;
    }
    fs::remove_all(dir);
}

TEST(FolderItem, ChildIsAnItemWhetherItExistsOrNotAndNilForBadNamesAndParentsStopAtTheRoot) {
    const Ref<FolderItem> folder = fw::MakeRef<FolderItem>("/usr/lib/");
    EXPECT_EQ(folder->NativePath(), "/usr/lib");
    Ref<FolderItem> missing = folder->Child("Info Morvalit.jpg");
    EXPECT_FALSE(missing->Exists());
    EXPECT_EQ(missing->Parent()->NativePath(), "/usr/lib");
    using namespace std::string_view_literals;
    for (std::string_view bad : {""sv, "."sv, ".."sv, "a/b"sv, "/etc"sv, "a\0b"sv})
        EXPECT_FALSE(folder->Child(bad)) << "name of " << bad.size() << " bytes";
    EXPECT_EQ(folder->Parent()->Parent()->NativePath(), "/");
    EXPECT_FALSE(folder->Parent()->Parent()->Parent());
    EXPECT_EQ(fw::MakeRef<FolderItem>("/usr/./lib/../bin")->NativePath(), "/usr/bin");
    EXPECT_THROW(FolderItem(""), fw::InvalidArgumentException);
    EXPECT_EQ(fw::ApplicationExecutable()->NativePath(), fs::read_symlink("/proc/self/exe").string());
}

} // namespace

#include "framework/plugins.h"
#include "framework/qt/image_well_entry.h"
#include "framework/runtime.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PluginEntrypoints, ImageWellPictureSetterResolvesByName) {
    fw::InitPluginEntrypoints();
    fw::InitPluginEntrypoints(); // a second fill changes nothing
    EXPECT_EQ(
        fw::ResolvedPluginEntrypoint("ImageWell.Image.Set"),
        reinterpret_cast<void*>(static_cast<fw::ImageWellImageSetEntry>(&fw::detail::ImageWellImageSet)));
}

TEST(PluginEntrypoints, UnknownAndUnbuiltEntriesRaiseNamingTheEntry) {
    fw::InitPluginEntrypoints();
    try {
        fw::ResolvedPluginEntrypoint("imagewell.image.set");
        FAIL() << "names match exactly";
    } catch (const fw::NilObjectException& e) {
        EXPECT_NE(std::string(e.what()).find("imagewell.image.set"), std::string::npos);
    }
    try {
        fw::ResolvedPluginEntrypoint("Sound.Play");
        FAIL() << "not built here";
    } catch (const fw::NilObjectException& e) {
        EXPECT_NE(std::string(e.what()).find("not available here"), std::string::npos);
    }
}

} // namespace

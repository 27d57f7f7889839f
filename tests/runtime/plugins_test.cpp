#include "framework/plugins.h"
#include "framework/qt/image_well_entry.h"
#include "framework/runtime.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(PluginEntrypoints, ImageWellPictureSetterResolvesByNameAndOtherNamesRaiseNamingThemselves) {
    fw::InitPluginEntrypoints(); // the shared main filled the table already: a second fill changes nothing
    EXPECT_EQ(
        fw::ResolvedPluginEntrypoint("ImageWell.Image.Set"),
        reinterpret_cast<void*>(static_cast<fw::ImageWellImageSetEntry>(&fw::detail::ImageWellImageSet)));
    // Names match exactly; an entry known but not built here says so.
    for (const auto& [name, message] : {std::pair{"imagewell.image.set", "\"imagewell.image.set\""},
                                        std::pair{"Sound.Play", "\"Sound.Play\" is not available here"}}) {
        EXPECT_THAT([&] { fw::ResolvedPluginEntrypoint(name); },
                    ::testing::ThrowsMessage<fw::NilObjectException>(::testing::HasSubstr(message)));
    }
}

} // namespace

#include "framework/plugins.h"
#include "framework/qt/image_well_entry.h"
#include "framework/runtime.h"

#include <gtest/gtest.h>

#include <string>
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
        try {
            fw::ResolvedPluginEntrypoint(name);
            ADD_FAILURE() << name << " resolved";
        } catch (const fw::NilObjectException& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
}

} // namespace

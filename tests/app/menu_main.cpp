// The menu bar's tests drive menus through the runtime's test driver; the runtime starts as the program's
// does.
#include "framework/runtime.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    fw::RuntimeInit();
    fw::RuntimeInitExternalClasses();
    fw::InitPluginEntrypoints();
    return RUN_ALL_TESTS();
}

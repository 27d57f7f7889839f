// GoogleTest main for tests of real windows: the offscreen platform unless the caller chose one (an X
// server for end-to-end runs), then the runtime as the program starts it, then the tests.
#include "framework/runtime.h"
#include "framework/testing/driver.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    // The same start as the program's: runtime, the layer's classes, the plug-in entry points.
    fw::RuntimeInit();
    fw::RuntimeInitExternalClasses();
    fw::InitPluginEntrypoints();
    const int result = RUN_ALL_TESTS();
    fw::testing::CloseAllWindows();
    return result;
}

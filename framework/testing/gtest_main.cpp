// GoogleTest main for tests of real windows: an environment of their own on the offscreen platform, then the
// runtime as the program starts it, then the tests.
#include "framework/runtime.h"
#include "framework/testing/driver.h"
#include "framework/testing/environment.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    fw::testing::UseOwnEnvironment();
    ::testing::InitGoogleTest(&argc, argv);
    // The same start as the program's: runtime, the layer's classes, the plug-in entry points.
    fw::RuntimeInit();
    fw::RuntimeInitExternalClasses();
    fw::InitPluginEntrypoints();
    const int result = RUN_ALL_TESTS();
    fw::testing::CloseAllWindows();
    return result;
}

// The application frame's tests run in-process on the offscreen platform, with the runtime started and the
// application object set up as the start-up does it (without the main window and the event loop).
#include "app/menu.h"
#include "app/startup.h"
#include "framework/runtime.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class StartedApplication : public ::testing::Environment {
public:
    void SetUp() override {
        fw::RuntimeInit();
        fw::RuntimeInitExternalClasses();
        fw::InitPluginEntrypoints();
        InitFileTypes();
        NewAppInstance();
        ApplicationAddMenuHandlers();
    }
    void TearDown() override {
        fw::RuntimeReleaseModules();
        Menu::Exit();
        fw::RuntimeExit();
    }
};

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new StartedApplication);
    return RUN_ALL_TESTS();
}

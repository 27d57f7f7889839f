#pragma once
// The application object and its About binding, set up as the start-up does it (without the main window and
// the event loop), on the runtime that the tests' main has started.
#include "app/app.h"
#include "app/menu.h"
#include "app/startup.h"
#include "framework/system.h"

#include <gtest/gtest.h>

class StartedApp : public ::testing::Test {
protected:
    void SetUp() override {
        if (!implicit::App()) {
            NewAppInstance();
            ApplicationAddMenuHandlers();
        }
    }
    void TearDown() override { fw::ClearTranslations(); }
};

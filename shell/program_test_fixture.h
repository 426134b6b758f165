#pragma once

#include "platform/controls/application.h"
#include "platform/system/files.h"
#include "platform/testkit/temp_folder.h"
#include "shell/main_block.h"
#include "shell/main_window.h"
#include "common/state/program_state.h"

#include <gtest/gtest.h>

// A test of the whole program: a fresh program folder and state; start() creates the windows,
// which go again after the test.
class TProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        Reset_Program_State();
        SetProgramFolder(folder.path());
    }
    void TearDown() override {
        Application->DestroyForms();
        SetProgramFolder({});
    }
    void start() { Create_Program_Windows(); }
    TFLoomwrighteFirmWare& w() { return *FLoomwrighteFirmWare; }

    TempFolder folder;
};

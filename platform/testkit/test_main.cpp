#include <gtest/gtest.h>

#include "platform/testkit/headless_app.h"

// Every test program runs headless: no window opens, modal windows and message boxes are
// answered by the scripted driver, and time is a fake clock.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    HeadlessApp app(argc, argv);
    return RUN_ALL_TESTS();
}

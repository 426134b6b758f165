#include "platform/testkit/headless_app.h"

#include "platform/controls/activation.h"
#include "platform/controls/key_state.h"
#include "platform/controls/keyboard.h"
#include "platform/controls/modal_driver.h"
#include "platform/messages/clock.h"
#include "platform/messages/message_loop.h"
#include "platform/net/echo_client.h"
#include "platform/net/http_client.h"
#include "platform/system/registry.h"
#include "platform/testkit/testkit.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {
// Every test starts with an empty script, no queued messages and no timers.
class ResetBetweenTests : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        driver().reset();
        ResetKeyboard();
        ResetAsyncKeyState();
        ActivateWindow(nullptr);
        TMessageLoop::Instance().Reset();
    }
};
}  // namespace

HeadlessApp::HeadlessApp(int& argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc, argv);
    SetClock(&fakeClock());
    SetModalDriver(&driver());
    SetRegistryFile(settings_.file("Registry.json"));
    Restrict_Echo_To_Loopback(true);
    Restrict_Http_To_Loopback(true);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetBetweenTests);
}

HeadlessApp::~HeadlessApp() {
    SetModalDriver(nullptr);
    SetClock(nullptr);
}

#include "platform/controls/layered_windows.h"

#include "platform/controls/form.h"
#include "platform/controls/qt_backend.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

class WindowOpacityTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetWindowBackend(&backend);
        form = new TForm(nullptr);
        form->SetBounds(10, 10, 200, 100);
        form->HandleNeeded();
    }
    void TearDown() override {
        delete form;
        SetWindowBackend(nullptr);
    }
    double opacity() const { return static_cast<QWidget*>(form->BackendData)->windowOpacity(); }

    QtBackend backend;
    TForm* form = nullptr;
    TWindowOpacity layered;
};

TEST_F(WindowOpacityTest, ConstantAlphaBecomesTheWindowsOpacity) {
    EXPECT_TRUE(layered.SetLayeredWindowAttributes(form->Handle(), clNone, 51, LWA_ALPHA));
    EXPECT_NEAR(opacity(), 0.2, 0.01);
    EXPECT_TRUE(layered.SetLayeredWindowAttributes(form->Handle(), clWhite, 255, LWA_COLORKEY));
    EXPECT_NEAR(opacity(), 0.2, 0.01);  // colour keys change nothing

    BLENDFUNCTION blend;
    blend.SourceConstantAlpha = 204;
    const TPoint at{30, 40};
    const TSize size{100, 100};
    EXPECT_TRUE(layered.UpdateLayeredWindow(form->Handle(), nullptr, &at, &size, nullptr, nullptr, clNone, &blend, ULW_ALPHA));
    EXPECT_NEAR(opacity(), 0.8, 0.01);
    EXPECT_EQ(form->BoundsRect(), (TRect{30, 40, 130, 140}));
    EXPECT_TRUE(layered.UpdateLayeredWindow(form->Handle(), nullptr, nullptr, nullptr, nullptr, nullptr, clNone, &blend, ULW_OPAQUE));
    EXPECT_NEAR(opacity(), 1.0, 0.01);
    EXPECT_EQ(form->BoundsRect(), (TRect{30, 40, 130, 140}));
}

TEST_F(WindowOpacityTest, AControlWithoutANativeWindowFails) {
    auto* inner = new TWinControl(form);
    inner->SetParent(form);
    inner->HandleNeeded();
    EXPECT_FALSE(layered.SetLayeredWindowAttributes(inner->Handle(), clNone, 128, LWA_ALPHA));
    EXPECT_FALSE(layered.SetLayeredWindowAttributes(nullptr, clNone, 128, LWA_ALPHA));
    BLENDFUNCTION blend;
    EXPECT_FALSE(layered.UpdateLayeredWindow(inner->Handle(), nullptr, nullptr, nullptr, nullptr, nullptr, clNone, &blend, ULW_ALPHA));
    EXPECT_NEAR(opacity(), 1.0, 0.01);
}

}  // namespace

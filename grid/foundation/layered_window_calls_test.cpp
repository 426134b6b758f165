#include "grid/foundation/layered_window_calls.h"

#include "platform/controls/control.h"

#include <gtest/gtest.h>

namespace {

// Layered windows that note what they were asked and answer as told.
class RecordingLayeredWindows : public TLayeredWindows {
public:
    RecordingLayeredWindows() { SetLayeredWindows(this); }
    ~RecordingLayeredWindows() override { SetLayeredWindows(nullptr); }

    bool UpdateLayeredWindow(HWND wnd, TCanvas* destDC, const TPoint* destPoint, const TSize* size, TCanvas* sourceDC,
                             const TPoint* sourcePoint, TColor colorKey, const BLENDFUNCTION* blend,
                             uint32_t flags) override {
        updated = {wnd, destPoint, size, sourcePoint, colorKey, blend, flags};
        return answer;
    }
    bool SetLayeredWindowAttributes(HWND wnd, TColor colorKey, uint8_t alpha, uint32_t flags) override {
        attributes = {wnd, colorKey, alpha, flags};
        return answer;
    }

    struct Update {
        HWND wnd;
        const TPoint* destPoint;
        const TSize* size;
        const TPoint* sourcePoint;
        TColor colorKey;
        const BLENDFUNCTION* blend;
        uint32_t flags;
    } updated{};
    struct Attributes {
        HWND wnd;
        TColor colorKey;
        uint8_t alpha;
        uint32_t flags;
    } attributes{};
    bool answer = false;
};

TEST(LayeredWindowCalls, WithoutLayeredWindowsTheCallsSucceedAndChangeNothing) {
    TWinControl window(nullptr);
    window.SetBounds(1, 2, 30, 40);
    const TPoint at{50, 60};
    const TSize size{100, 100};
    BLENDFUNCTION blend;
    EXPECT_TRUE(CallUpdateLayeredWindow(window.Handle(), nullptr, &at, &size, nullptr, nullptr, clNone, &blend, ULW_ALPHA));
    EXPECT_TRUE(CallSetLayeredWindowAttributes(window.Handle(), clNone, 100, LWA_ALPHA));
    EXPECT_EQ(window.BoundsRect(), (TRect{1, 2, 31, 42}));
}

TEST(LayeredWindowCalls, ThePlatformsCallsGetTheArgumentsUnchangedAndGiveTheirAnswer) {
    RecordingLayeredWindows layered;
    TWinControl window(nullptr);
    const TPoint at{50, 60}, source{0, 0};
    const TSize size{100, 100};
    BLENDFUNCTION blend;
    blend.SourceConstantAlpha = 230;
    blend.AlphaFormat = AC_SRC_ALPHA;

    EXPECT_FALSE(CallUpdateLayeredWindow(&window, nullptr, &at, &size, nullptr, &source, clWhite, &blend, ULW_ALPHA));
    EXPECT_EQ(layered.updated.wnd, &window);
    EXPECT_EQ(layered.updated.destPoint, &at);
    EXPECT_EQ(layered.updated.size, &size);
    EXPECT_EQ(layered.updated.sourcePoint, &source);
    EXPECT_EQ(layered.updated.colorKey, clWhite);
    EXPECT_EQ(layered.updated.blend, &blend);
    EXPECT_EQ(layered.updated.flags, uint32_t(ULW_ALPHA));

    layered.answer = true;
    EXPECT_TRUE(CallSetLayeredWindowAttributes(&window, clRed, 155, LWA_ALPHA | LWA_COLORKEY));
    EXPECT_EQ(layered.attributes.wnd, &window);
    EXPECT_EQ(layered.attributes.colorKey, clRed);
    EXPECT_EQ(layered.attributes.alpha, 155);
    EXPECT_EQ(layered.attributes.flags, uint32_t(LWA_ALPHA | LWA_COLORKEY));
}

}  // namespace

#include "platform/messages/message_loop.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

struct Recorder : TMessageTarget {
    explicit Recorder(std::vector<std::pair<Recorder*, uint32_t>>* log) : log(log) {}
    void WndProc(TMessage& m) override {
        log->emplace_back(this, m.Msg);
        if (onMessage) onMessage(m);
    }
    std::vector<std::pair<Recorder*, uint32_t>>* log;
    std::function<void(TMessage&)> onMessage;
};

TEST(MessageLoop, PostedMessagesArriveInOrderAndSkipDestroyedWindows) {
    std::vector<std::pair<Recorder*, uint32_t>> log;
    Recorder a(&log);
    auto b = std::make_unique<Recorder>(&log);
    PostMessage(&a, WM_USER + 1);
    PostMessage(b.get(), WM_USER + 2);
    PostMessage(&a, WM_USER + 3);
    b.reset();
    EXPECT_TRUE(log.empty());
    processPosted();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].second, WM_USER + 1u);
    EXPECT_EQ(log[1].second, WM_USER + 3u);
    EXPECT_FALSE(PostMessage(reinterpret_cast<HWND>(0x1234), WM_USER));
}

TEST(MessageLoop, SendRunsHooksFirstAndReturnsTheResult) {
    std::vector<std::pair<Recorder*, uint32_t>> log;
    Recorder a(&log);
    a.onMessage = [](TMessage& m) { m.Result = static_cast<intptr_t>(m.WParam) * 2; };
    std::vector<uint32_t> hooked;
    const int hook = AddCallWndHook([&](HWND, TMessage& m) {
        hooked.push_back(m.Msg);
        EXPECT_TRUE(log.empty());
    });
    EXPECT_EQ(SendMessage(&a, WM_USER, 21), 42);
    RemoveCallWndHook(hook);
    SendMessage(&a, WM_USER);
    EXPECT_EQ(hooked, std::vector<uint32_t>{WM_USER});
}

TEST(MessageLoop, RegisteredNamesGetStableIdsIgnoringCase) {
    const uint32_t first = RegisterWindowMessage("TExStringGrid Cells");
    EXPECT_GE(first, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage("texstringgrid cells"), first);
    EXPECT_NE(RegisterWindowMessage("another"), first);
}

TEST(MessageLoop, TimersFireInOrderOfDueTimeOnTheFakeClock) {
    std::vector<std::pair<Recorder*, uint32_t>> log;
    Recorder slow(&log), fast(&log);
    std::vector<std::pair<Recorder*, uint64_t>> fired;
    slow.onMessage = [&](TMessage&) { fired.emplace_back(&slow, fakeClock().NowMs()); };
    fast.onMessage = [&](TMessage&) { fired.emplace_back(&fast, fakeClock().NowMs()); };
    const uint64_t start = fakeClock().NowMs();
    SetTimer(&slow, 7, 50);
    SetTimer(&fast, 1, 30);
    advance(100);
    ASSERT_EQ(fired.size(), 5u);
    EXPECT_EQ(fired[0], std::make_pair(&fast, start + 30));
    EXPECT_EQ(fired[1], std::make_pair(&slow, start + 50));
    EXPECT_EQ(fired[2], std::make_pair(&fast, start + 60));
    EXPECT_EQ(fired[3], std::make_pair(&fast, start + 90));
    EXPECT_EQ(fired[4], std::make_pair(&slow, start + 100));
    EXPECT_TRUE(KillTimer(&fast, 1));
    fired.clear();
    advance(60);
    ASSERT_EQ(fired.size(), 1u);
    EXPECT_EQ(fired[0].first, &slow);
}

TEST(MessageLoop, KilledTimerSendsNothingAlreadyQueued) {
    std::vector<std::pair<Recorder*, uint32_t>> log;
    Recorder a(&log);
    SetTimer(&a, 3, 10);
    TMessageLoop::Instance().RunDueTimers(fakeClock().NowMs() + 10);
    KillTimer(&a, 3);
    processPosted();
    EXPECT_TRUE(log.empty());
}

TEST(MessageLoop, QueuedCallsRunOnTheLoopInOrderWithMessages) {
    std::vector<std::pair<Recorder*, uint32_t>> log;
    Recorder a(&log);
    std::vector<int> order;
    a.onMessage = [&](TMessage&) { order.push_back(1); };
    PostMessage(&a, WM_USER);
    TMessageLoop::Instance().QueueCall([&] { order.push_back(2); });
    processPosted();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

}  // namespace

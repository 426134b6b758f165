#include "platform/testkit/testkit.h"

#include "platform/controls/activation.h"
#include "platform/controls/control.h"
#include "platform/controls/keyboard.h"
#include "platform/graphics/canvas.h"
#include "platform/messages/message_loop.h"

#include <QPainter>
#include <chrono>
#include <thread>

ScriptedDriver& driver() {
    static ScriptedDriver d;
    return d;
}

FakeClock& fakeClock() {
    static FakeClock c;
    return c;
}

void processPosted() {
    while (TMessageLoop::Instance().ProcessPosted() > 0) {
    }
}

bool serveUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        if (TMessageLoop::Instance().ProcessPosted() == 0) std::this_thread::yield();
    }
    return true;
}

std::pair<int, int> paintedAround(const QImage& image, TColor paper, const TRect& r) {
    int inside = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (RGB(c.red(), c.green(), c.blue()) != paper) ++(r.Contains({x, y}) ? inside : outside);
        }
    return {inside, outside};
}

void advance(unsigned ms) {
    TMessageLoop& loop = TMessageLoop::Instance();
    const uint64_t target = fakeClock().NowMs() + ms;
    for (;;) {
        const auto next = loop.NextTimerDue();
        if (!next || *next > target) break;
        if (*next > fakeClock().NowMs()) fakeClock().set(*next);
        loop.RunDueTimers(fakeClock().NowMs());
        processPosted();
    }
    fakeClock().set(target);
    processPosted();
}

void keyDown(TWinControl& control, uint16_t key, TShiftState shift, const QString& text) {
    DeliverKeyDown(control, key, shift, text, false);
}

void keyUp(TWinControl& control, uint16_t key, TShiftState shift) { DeliverKeyUp(control, key, shift); }

void keyPress(TWinControl& control, uint16_t key, TShiftState shift) {
    keyDown(control, key, shift);
    keyUp(control, key, shift);
}

void typeChar(TWinControl& control, QChar ch) { DeliverMessage(control, WM_CHAR, ch.unicode()); }

void mouseMessage(TControl& control, uint32_t msg, int x, int y, uintptr_t keys) {
    // A graphic control gets its mouse messages through its parent window.
    TControl* target = &control;
    TPoint p{x, y};
    if (!control.IsWindowed() && control.Parent()) {
        target = control.Parent();
        p = {x + control.Left(), y + control.Top()};
    }
    // A press activates the window it lands in, as the native layer does; pop-ups are never
    // activated by a click.
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN) {
        const TControl* top = target;
        while (top->Parent()) top = top->Parent();
        auto* window = const_cast<TWinControl*>(dynamic_cast<const TWinControl*>(top));
        if (window && !(window->WindowParams().Style & WS_POPUP)) ActivateWindow(window);
    }
    DeliverMessage(*target, msg, keys, MakeLParam(p.X, p.Y));
}

void click(TControl& control, int x, int y) {
    mouseMessage(control, WM_MOUSEMOVE, x, y);
    mouseMessage(control, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    mouseMessage(control, WM_LBUTTONUP, x, y);
}

void mouseMove(TControl& control, int x, int y) { mouseMessage(control, WM_MOUSEMOVE, x, y); }

namespace {
void paintTree(TControl& control, QPainter& painter, TCanvas& canvas) {
    control.Perform(WM_PAINT, 0, reinterpret_cast<intptr_t>(&canvas));
    auto* win = dynamic_cast<TWinControl*>(&control);
    if (!win) return;
    for (int i = 0; i < win->ControlCount(); ++i) {
        TControl* child = win->Controls(i);
        if (!child->IsWindowed() || !child->Visible()) continue;
        painter.save();
        painter.translate(child->Left(), child->Top());
        painter.setClipRect(0, 0, child->Width(), child->Height(), Qt::IntersectClip);
        paintTree(*child, painter, canvas);
        painter.restore();
    }
}
}  // namespace

QImage renderToImage(TControl& control) {
    QImage image(std::max(1, control.Width()), std::max(1, control.Height()), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TCanvas canvas(&painter);
    paintTree(control, painter, canvas);
    return image;
}

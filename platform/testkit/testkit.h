#pragma once

#include "platform/controls/control.h"
#include "platform/messages/message_ids.h"
#include "platform/testkit/fake_clock.h"
#include "platform/testkit/scripted_driver.h"

#include <QImage>
#include <functional>
#include <utility>

// The test program's driver of modal windows and boxes, reset before every test.
ScriptedDriver& driver();
FakeClock& fakeClock();

// Moves the fake clock on by ms: timers fire in order of due time, each followed by the
// messages it caused; then whatever is still posted runs.
void advance(unsigned ms);
// Runs every posted message and queued call, including those they post in turn.
void processPosted();

// Runs the GUI thread's queued work until done() holds, for at most ten seconds of real time;
// false when it never did (a worker thread never delivered).
bool serveUntil(const std::function<bool()>& done);

// Input as the native layer delivers it. A key goes down (with the characters it types, Alt+
// characters as accelerators) and up; the release may reach another control than the press,
// as when the press closed the window it was typed in.
void keyDown(TWinControl& control, uint16_t key, TShiftState shift = 0, const QString& text = QString());
void keyUp(TWinControl& control, uint16_t key, TShiftState shift = 0);
void keyPress(TWinControl& control, uint16_t key, TShiftState shift = 0);
void typeChar(TWinControl& control, QChar ch);
void click(TControl& control, int x, int y);
void mouseMove(TControl& control, int x, int y);
// Asks the nearest window of control to route the message, as a native event would arrive;
// a button press first activates the top-level window it lands in (ActivateWindow).
void mouseMessage(TControl& control, uint32_t msg, int x, int y, uintptr_t keys = 0);

// Paints a control and its children into an image of its size.
QImage renderToImage(TControl& control);

// The pixels of image that differ from paper: how many lie inside r and how many outside it.
std::pair<int, int> paintedAround(const QImage& image, TColor paper, const TRect& r);

#pragma once

#include "platform/controls/modal_driver.h"
#include "platform/graphics/graphics_objects.h"

#include <QString>
#include <QtCore/qnamespace.h>

class TControl;
class TForm;
class TTreeNode;
class TTreeView;
class TWinControl;

// The user's hands for a program that runs its real windows on a display: every input is an
// event of the toolkit, queued to the native widget under the pointer or with the keyboard, as
// the window system would deliver it. Queued, not sent: a click that opens a modal window
// returns only when that window closes, and the script must go on inside it meanwhile.
namespace robot {

// A press and a release of the left button at a client point of the control.
void click(TControl& control, int x, int y);
void clickCenter(TControl& control);
void doubleClick(TControl& control, int x, int y);
// The wheel turned by notches at a client point: positive away from the user (up).
void wheel(TControl& control, int x, int y, int notches);
// Keys go to the widget that has the keyboard when they arrive.
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void typeText(const QString& text);

// The program window that is the active modal one; nullptr when none is, or when a message
// box or another window of the toolkit's own is.
TForm* activeModalForm();
// The main window shows and nothing modal or popped up is open.
bool idleIn(const TForm& mainForm);
// The native widget of the control has the keyboard.
bool hasKeyboard(const TWinControl& control);

// The open message box: its text, or an empty text when none is open.
QString messageBoxText();
// Clicks the open message box's button of that kind; false when there is no such button.
bool clickMessageBoxButton(TMsgDlgBtn button);

// What the user sees in front: the active window's and the modal window's titles, and the
// message box's text; for the report of a step that never became ready.
QString describeScreen();

// Where the native view of the tree shows the node, in the control's client coordinates; an
// empty rectangle while it is not shown (a parent collapsed, scrolled away).
TRect treeNodeRect(TTreeView& tree, const TTreeNode& node);

}  // namespace robot

#pragma once

#include <QString>
#include <functional>

class TExCustomDropDown;

// Completes what was typed into a drop-down's edit (the text before the caret) from the first
// of Count entries that starts with it, keeping the typed letters as they are and selecting
// the completed rest. Without MatchCase the comparison is upper-cased; Upper gives an entry
// upper-cased (a list may keep them ready). Nothing typed completes nothing. Where no entry
// matches, the text is cut back to what was typed. Returns the entry taken, -1 for none;
// Typed gets the typed length.
int CompleteTypedStart(TExCustomDropDown& Edit, int Count, const std::function<QString(int)>& Entry,
                       const std::function<QString(int)>& Upper, bool MatchCase, int& Typed);

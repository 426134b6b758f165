#pragma once

#include "platform/core/events.h"
#include "platform/messages/message_ids.h"

#include <QString>
#include <functional>

class TComponent;
class TExCustomItemSelector;
class TTimer;

// The keys and the wheel of a drop-down whose pop-up holds an item selector (the colour and
// image pickers): the open list moves by them without closing, the closed drop-down steps its
// own value, and typed letters look up an item by its caption until half a second passes.
class TSelectorListKeys {
public:
    // The drop-down's own steps and its list's filling.
    struct TOwnerSteps {
        std::function<int()> Count;
        std::function<void()> Refill;
        std::function<void(bool Last)> SelectEnd;
        std::function<void(bool Next)> SelectStep;
    };

    TSelectorListKeys(TComponent* Owner, TOwnerSteps Steps);

    // Set while the drop-down itself moves the list: the list's choice must not close it.
    bool InternalCall = false;

    // Enter in the open list over a hot item chooses that item; true when it did.
    bool TakeHot(TExCustomItemSelector& List);
    // The keys after the framework's handling; true for an Enter that should fire OnSelect.
    bool KeyDown(TExCustomItemSelector& List, uint16_t Key, TShiftState Shift, bool TookHot, int Columns,
                 bool DroppedDown, bool EditorEnabled);
    // Hot item in the open list, the value in the closed drop-down.
    void Wheel(TExCustomItemSelector& List, bool Down, bool DroppedDown);
    // The list's index moved by the drop-down, scrolled into view.
    void SetListIndex(TExCustomItemSelector& List, int Value);

private:
    // Runs a step of the list as the drop-down's own move.
    void internal(const std::function<void()>& Step);

    TOwnerSteps steps_;
    TTimer* keyTimer_;
    QString curSearch_;
};

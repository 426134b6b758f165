#pragma once

#include "grid/editors/dropdown/dropdown_columns.h"
#include "platform/core/events.h"

#include <cstdint>

class TColumnListDropDown;
class TImageList;
class TStringGrid;
struct TMessage;

// What the lists in the pop-ups of the column drop-downs keep of their drop-down: its columns,
// header and line colours and images, and the state of a choice being made in them.
struct TColumnListLooks {
    TDropDownColumns Columns;
    TColor HeaderColor = clWhite;
    TColor HeaderColorTo = clGray;
    TColor LineColor = clGray;
    TColor FixedLineColor = clGray;
    TImageList* Images = nullptr;
    int HeaderHeight = 25;
    TFont HeaderFont;

    // Fired by Enter in the list and by a button released over a data row.
    TNotifyEvent OnSelect;
    // A key or button went down in the list: its row is to be taken over; a wheel move clears it.
    bool ConfirmSelection = false;

    // The columns, colours, header and images of the drop-down.
    void TakeLooks(const TColumnListDropDown& DropDown);
    // A key going down in the list: its row is to be taken; Alt with an arrow goes to the
    // drop-down's edit, which opens and closes the list (true: the key is taken).
    bool ListKeyDown(TColumnListDropDown* DropDown, uint16_t Key, TShiftState Shift);
    // The list's answers that differ from a grid's: it keeps Tab from stepping on and wants the
    // arrows and Tab (true: the message is answered).
    static bool ListMessage(TMessage& Message);
};

// The width an AutoSize column's item texts need, given to the grid and to the column of the
// list and of the drop-down; the row heights the Wordwrap columns need. Both only while the
// grid stands in the drop-down's pop-up, where its texts are measured.
void SizeListColumnsToItems(TStringGrid& Grid, TColumnListLooks& List, TColumnListDropDown& DropDown);
void SizeListRowsToWordWrap(TStringGrid& Grid, const TColumnListLooks& List, const TColumnListDropDown& DropDown);

#pragma once

#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "platform/controls/scroll_bar.h"
#include "platform/core/string_list.h"

class TMemo;
class TPopupMenu;

// A drop-down that edits several lines: the pop-up holds a memo with all of them, the edit
// shows the first (with "..." when there are more or it is too wide), or, while the edit can
// be typed into, all lines joined. Closing keeps what was typed in the memo; Escape (a
// cancelled close) throws it away. Enter and the arrows stay in the memo.
class TExMemoDropDown : public TExCustomDropDown {
public:
    explicit TExMemoDropDown(TComponent* AOwner);
    ~TExMemoDropDown() override;

    TStringList& MemoText() { return memoText_; }
    void SetMemoText(const TStringList& Value);
    TMemo* Memo() const { return memo_; }
    TPopupMenu* MemoPopup = nullptr;
    // Taken when the pop-up opens.
    TScrollStyle MemoScrollBars = ssNone;
    bool MemoReadOnly() const { return memoReadOnly_; }
    void SetMemoReadOnly(bool Value);
    // Opens the pop-up when the edit receives the focus.
    bool AutoDrop = false;

    // Fired for every change made in the memo.
    TNotifyEvent OnMemoChange;

    void WndProc(TMessage& Message) override;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoHideDropDown(bool Cancel) override;
    void DropDownFormHide() override;
    void ControlKeyDown(uint16_t& Key, TShiftState Shift) override;
    void ControlKeyUp(uint16_t& Key, TShiftState Shift) override;
    void ControlKeyPress(QChar& Key) override;
    void Change() override;

private:
    // The edit's text from the lines.
    void memoTextChanged();

    TStringList memoText_;
    TMemo* memo_ = nullptr;
    bool memoReadOnly_ = false;
    bool internalUpdate_ = false;
};

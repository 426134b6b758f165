#include "grid/editors/dropdown/memo_dropdown.h"

#include "grid/editors/dropdown/dropdown_form.h"
#include "grid/editors/dropdown/dropdown_text.h"
#include "platform/controls/memo.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

TExMemoDropDown::TExMemoDropDown(TComponent* AOwner) : TExCustomDropDown(AOwner) {
    // The base made its pop-up before this class existed: the memo joins it now.
    CreateDropDownForm();
    memoText_.OnChange = [this](TObject*) { memoTextChanged(); };
}

TExMemoDropDown::~TExMemoDropDown() { memoText_.OnChange = nullptr; }

void TExMemoDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (memo_ || !DropDownForm()) return;
    memo_ = new TMemo(this);
    memo_->SetParent(DropDownForm());
    memo_->SetHeight(100);
    memo_->BorderStyle = TMemo::bsNone;
    memo_->OnChange = [this](TObject*) { OnMemoChange(this); };
    SetControl(memo_);
}

void TExMemoDropDown::SetMemoText(const TStringList& Value) {
    memoText_.Assign(Value);
    if (memo_) memo_->SetLines(memoText_.ToStringList());
}

void TExMemoDropDown::SetMemoReadOnly(bool Value) {
    memoReadOnly_ = Value;
    if (DroppedDown() && memo_) memo_->ReadOnly = Value;
}

void TExMemoDropDown::memoTextChanged() {
    QString text;
    if (memoText_.Count() == 0 || EditorEnabled()) {
        text = memoText_.Text();
    } else {
        text = memoText_.Strings(0);
        TBitmap measure(1, 1);
        TCanvas& canvas = measure.Canvas();
        canvas.Font.Assign(Font());
        const int available = GetEditRect().Width();
        if (GetTextSize(canvas, text).cx < available) {
            if (memoText_.Count() > 1) text += "...";
        } else {
            text = TruncateText(canvas, text, available, true);
        }
    }
    internalUpdate_ = true;
    SetTextDirect(text);
    internalUpdate_ = false;
}

void TExMemoDropDown::Change() {
    if (!internalUpdate_) {
        const TNotifyEvent onChange = memoText_.OnChange;
        memoText_.OnChange = nullptr;
        memoText_.SetText(Text());
        memoText_.OnChange = onChange;
    }
    TExCustomDropDown::Change();
}

void TExMemoDropDown::WndProc(TMessage& Message) {
    TExCustomDropDown::WndProc(Message);
    if (Message.Msg == CM_ENTER && AutoDrop) DoShowDropDown();
}

void TExMemoDropDown::BeforeDropDown() {
    TExCustomDropDown::BeforeDropDown();
    if (!DropDownForm() || !memo_) return;
    // A click elsewhere closes the pop-up keeping what was typed.
    DropDownForm()->CancelOnDeActivate = false;
    memo_->SetLines(memoText_.ToStringList());
    memo_->PopupMenu = MemoPopup;
    memo_->MaxLength = MaxLength;
    memo_->SetScrollBars(MemoScrollBars);
    memo_->ReadOnly = memoReadOnly_;
}

void TExMemoDropDown::DoHideDropDown(bool Cancel) {
    // The focus coming back to the edit must not open the pop-up again.
    const bool autoDrop = AutoDrop;
    AutoDrop = false;
    if (Cancel && memo_ && DroppedDown()) memo_->SetLines(memoText_.ToStringList());
    TExCustomDropDown::DoHideDropDown(Cancel);
    // A cancelled close puts back the edit's last written text, which is not the lines':
    // the edit shows the lines again, so that the change it makes does not replace them.
    if (Cancel) memoTextChanged();
    AutoDrop = autoDrop;
}

void TExMemoDropDown::DropDownFormHide() {
    TExCustomDropDown::DropDownFormHide();
    if (!memo_) return;
    memoText_.SetText(memo_->Text());
    SetSelStart(0);
    SetSelLength(0);
}

// Keys typed in the memo stay there, but for the ones that close the pop-up.

void TExMemoDropDown::ControlKeyDown(uint16_t& Key, TShiftState Shift) {
    if ((Shift & ssAlt) || Key == VK_ESCAPE || Key == VK_F4) TExCustomDropDown::ControlKeyDown(Key, Shift);
    if ((Shift & ssCtrl) && (Key == 65 || Key == 97) && memo_) memo_->SelectAll();
}

void TExMemoDropDown::ControlKeyUp(uint16_t& Key, TShiftState Shift) {
    if ((Shift & ssAlt) || Key == VK_ESCAPE || Key == VK_F4) TExCustomDropDown::ControlKeyUp(Key, Shift);
}

void TExMemoDropDown::ControlKeyPress(QChar& Key) {
    if (Key == QChar(27)) TExCustomDropDown::ControlKeyPress(Key);
}

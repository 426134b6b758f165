#include "platform/controls/custom_combo_box.h"

#include "platform/controls/combo_drop_list.h"
#include "platform/controls/popup.h"
#include "platform/controls/window_backend.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/frame_control.h"
#include "platform/messages/clock.h"

#include <QFontMetrics>
#include <algorithm>

TCustomComboBox::TCustomComboBox(TComponent* AOwner) : TCustomListControl(AOwner) {
    SetBounds(0, 0, 145, 21);
    SetColor(clWindow);
    TabStop = true;
    list_ = new TComboDropList(*this);
}

TCustomComboBox::~TCustomComboBox() { delete list_; }

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
    style_ = Value;
    if (ListStyle()) text_.clear();
    Invalidate();
}

void TCustomComboBox::SetItemIndex(int Index) {
    TCustomListControl::SetItemIndex(Index);
    if (!ListStyle() && ItemIndex() >= 0) {
        text_ = Items()[ItemIndex()];
        SelectAll();
    }
}

QString TCustomComboBox::Text() const { return ListStyle() ? Items().value(ItemIndex()) : text_; }

void TCustomComboBox::SetText(const QString& Value) {
    if (ListStyle()) {
        TCustomListControl::SetItemIndex(static_cast<int>(Items().indexOf(Value)));
        return;
    }
    text_ = Value;
    selStart_ = std::min(selStart_, static_cast<int>(text_.size()));
    selLength_ = 0;
    Invalidate();
}

void TCustomComboBox::SetSelStart(int Value) {
    selStart_ = std::clamp(Value, 0, static_cast<int>(Text().size()));
    selLength_ = 0;
    Invalidate();
}

void TCustomComboBox::SetSelLength(int Value) {
    selLength_ = std::clamp(Value, 0, static_cast<int>(Text().size()) - selStart_);
    Invalidate();
}

void TCustomComboBox::SelectAll() {
    selStart_ = 0;
    selLength_ = static_cast<int>(Text().size());
    Invalidate();
}

int TCustomComboBox::CharFromPos(int X) const {
    // The field's text starts inside the sunken edge and a pixel of margin, as painted.
    constexpr int textLeft = 4;
    const QFontMetrics metrics(ToQFont(Font()));
    for (int i = 0; i < text_.size(); ++i) {
        const int mid = textLeft + (metrics.horizontalAdvance(text_.left(i)) + metrics.horizontalAdvance(text_.left(i + 1))) / 2;
        if (X < mid) return i;
    }
    return static_cast<int>(text_.size());
}

int TCustomComboBox::ItemHeight() const {
    if (itemHeight_ > 0) return itemHeight_;
    return QFontMetrics(ToQFont(Font())).height();
}

void TCustomComboBox::SetItemHeight(int Value) {
    if (Value <= 0) return;
    itemHeight_ = Value;
    Invalidate();
}

int TCustomComboBox::ItemHeightOf(int Index) {
    int height = ItemHeight();
    if (style_ == csOwnerDrawVariable && Index >= 0 && Index < Count()) OnMeasureItem(this, Index, height);
    return std::max(1, height);
}

int TCustomComboBox::ButtonStripWidth() const { return style_ == csSimple ? 0 : GetSystemMetrics(SM_CXVSCROLL); }

void TCustomComboBox::SetDroppedDown(bool Value) {
    if (Value == droppedDown_ || style_ == csSimple) return;
    if (Value) {
        DropDown();
        indexBeforeDrop_ = ItemIndex();
        textBeforeDrop_ = text_;
        droppedDown_ = true;
        list_->Prepare(droppedWidth_);
        ShowPopup(*list_, true);
        Perform(CN_COMMAND, MakeWParam(0, CBN_DROPDOWN));
    } else {
        CloseUp(true);
    }
}

void TCustomComboBox::CloseUp(bool Accept) {
    if (!droppedDown_) return;
    droppedDown_ = false;
    ShowPopup(*list_, false);
    if (!Accept && ItemIndex() != indexBeforeDrop_) {
        TCustomListControl::SetItemIndex(indexBeforeDrop_);
        text_ = textBeforeDrop_;
        Change();
    }
    Perform(CN_COMMAND, MakeWParam(0, CBN_CLOSEUP));
    OnCloseUp(this);
    Invalidate();
}

void TCustomComboBox::DropDown() { OnDropDown(this); }
void TCustomComboBox::Change() { OnChange(this); }

void TCustomComboBox::Select() {
    if (OnSelect) OnSelect(this);
    else Change();
}

void TCustomComboBox::PickItem(int Index) { ItemSelectedNatively(Index); }

void TCustomComboBox::ItemPicked() {
    if (!ListStyle()) {
        text_ = Items()[ItemIndex()];
        SelectAll();
    }
    if (droppedDown_) list_->SetHotIndex(ItemIndex());
    Perform(CN_COMMAND, MakeWParam(0, CBN_SELCHANGE));
    Click();
    Select();
}

void TCustomComboBox::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CB_SETDROPPEDWIDTH:
        droppedWidth_ = static_cast<int>(m.WParam);
        m.Result = std::max(droppedWidth_, Width());
        return;
    case CB_GETDROPPEDWIDTH:
        m.Result = std::max(droppedWidth_, Width());
        return;
    case CM_EXIT:
        CloseUp(true);
        break;
    case CM_ENTER:
        if (!ListStyle()) SelectAll();
        break;
    default:
        break;
    }
    TCustomListControl::WndProc(m);
}

void TCustomComboBox::KeyDown(uint16_t& Key, TShiftState Shift) {
    TCustomListControl::KeyDown(Key, Shift);
    const bool alt = Shift & ssAlt;
    const int page = std::max(1, DropDownCount - 1);
    int next = -2;
    switch (Key) {
    case VK_F4:
        SetDroppedDown(!droppedDown_);
        return;
    case VK_UP:
    case VK_DOWN:
        if (alt) {
            SetDroppedDown(!droppedDown_);
            return;
        }
        next = Key == VK_DOWN ? std::min(ItemIndex() + 1, Count() - 1) : std::max(ItemIndex() - 1, 0);
        break;
    case VK_PRIOR: next = std::max(ItemIndex() - page, 0); break;
    case VK_NEXT: next = std::min(ItemIndex() + page, Count() - 1); break;
    case VK_RETURN:
        if (droppedDown_) {
            CloseUp(true);
            Key = 0;
        }
        return;
    case VK_ESCAPE:
        if (droppedDown_) {
            CloseUp(false);
            Key = 0;
        }
        return;
    case VK_HOME:
    case VK_END:
        if (ListStyle()) next = Key == VK_HOME ? 0 : Count() - 1;
        else SetSelStart(Key == VK_HOME ? 0 : static_cast<int>(text_.size()));
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (!ListStyle()) SetSelStart(Key == VK_LEFT ? (selLength_ ? selStart_ : selStart_ - 1)
                                                     : selStart_ + std::max(selLength_, 1));
        return;
    case VK_DELETE:
        if (!ListStyle() && (selLength_ > 0 || selStart_ < text_.size())) {
            text_.remove(selStart_, std::max(selLength_, 1));
            selLength_ = 0;
            TCustomListControl::SetItemIndex(-1);
            Perform(CN_COMMAND, MakeWParam(0, CBN_EDITCHANGE));
            Change();
            Invalidate();
        }
        return;
    default:
        return;
    }
    if (next >= 0 && Count() > 0) PickItem(next);
}

void TCustomComboBox::KeyPress(QChar& Key) {
    TCustomListControl::KeyPress(Key);
    if (Key.isNull() || Key == QChar('\r') || Key == QChar(27)) return;
    if (ListStyle()) searchList(Key);
    else typeInto(Key);
}

void TCustomComboBox::searchList(QChar ch) {
    if (ch.unicode() < 0x20 || !AutoComplete) return;
    const uint64_t now = Clock().NowMs();
    if (now - lastSearchKey_ > AutoCompleteDelay) search_.clear();
    lastSearchKey_ = now;
    search_ += ch;
    for (const QString& prefix : {search_, QString(ch)}) {
        for (int i = 0; i < Count(); ++i)
            if (Items()[i].startsWith(prefix, Qt::CaseInsensitive)) {
                if (i != ItemIndex()) PickItem(i);
                if (prefix != search_) search_ = prefix;
                return;
            }
    }
}

void TCustomComboBox::typeInto(QChar ch) {
    QString text = text_;
    const bool atEnd = selStart_ + selLength_ >= text.size();
    if (ch == QChar('\b')) {
        if (selLength_ > 0) text.remove(selStart_, selLength_);
        else if (selStart_ > 0) text.remove(--selStart_, 1);
        else return;
        selLength_ = 0;
    } else if (ch.unicode() >= 0x20) {
        if (MaxLength > 0 && text.size() - selLength_ >= MaxLength) return;
        text.replace(selStart_, selLength_, ch);
        ++selStart_;
        selLength_ = 0;
    } else {
        return;
    }
    text_ = text;
    TCustomListControl::SetItemIndex(-1);
    if (AutoComplete && ch != QChar('\b') && atEnd) completeText();
    Invalidate();
    Perform(CN_COMMAND, MakeWParam(0, CBN_EDITCHANGE));
    Change();
}

void TCustomComboBox::completeText() {
    for (int i = 0; i < Count(); ++i) {
        if (!Items()[i].startsWith(text_, Qt::CaseInsensitive)) continue;
        const int typed = static_cast<int>(text_.size());
        TCustomListControl::SetItemIndex(i);
        text_ = Items()[i];
        selStart_ = typed;
        selLength_ = static_cast<int>(text_.size()) - typed;
        return;
    }
}

void TCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomListControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    if (CanFocus() && !Focused()) SetFocus();
    if (ListStyle() || X >= Width() - ButtonStripWidth() - 2) SetDroppedDown(!droppedDown_);
}

void TCustomComboBox::DrawItem(TCanvas& Canvas, int Index, const TRect& Rect, TOwnerDrawState State) {
    const bool ownerDraw = style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable;
    Canvas.Brush.Color = (State & odSelected) ? clHighlight : Color();
    Canvas.Brush.Style = bsSolid;
    Canvas.FillRect(Rect);
    Canvas.Font.Assign(Font());
    if (State & odSelected) Canvas.Font.SetColor(clHighlightText);
    if (ownerDraw && OnDrawItem) {
        OnDrawItem(this, Canvas, Index, Rect, State);
        return;
    }
    TRect r{Rect.Left + 2, Rect.Top, Rect.Right, Rect.Bottom};
    Canvas.Brush.Style = bsClear;
    Canvas.DrawText(Items().value(Index), r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    Canvas.Brush.Style = bsSolid;
}

void TCustomComboBox::PaintWindow(TCanvas& Canvas) {
    const TRect client = ClientRect();
    Canvas.Brush.Color = Color();
    Canvas.Brush.Style = bsSolid;
    Canvas.FillRect(client);
    TRect frame = client;
    DrawEdge(Canvas, frame, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const int button = ButtonStripWidth();
    if (button > 0) {
        const TRect b{frame.Right - button, frame.Top, frame.Right, frame.Bottom};
        unsigned state = DFCS_SCROLLCOMBOBOX;
        if (!Enabled()) state |= DFCS_INACTIVE;
        if (droppedDown_) state |= DFCS_PUSHED;
        DrawFrameControl(Canvas, b, DFC_SCROLL, state);
    }
    const TRect field{frame.Left + 1, frame.Top, frame.Right - button - 1, frame.Bottom};
    Canvas.SaveDC();
    Canvas.IntersectClipRect(field);
    const bool focusedItem = Focused() && ListStyle() && !droppedDown_;
    if (ListStyle() && ItemIndex() >= 0) {
        DrawItem(Canvas, ItemIndex(), field, TOwnerDrawState(odComboBoxEdit | (focusedItem ? odSelected | odFocused : 0)));
    } else {
        Canvas.Font.Assign(Font());
        if (!Enabled()) Canvas.Font.SetColor(clGrayText);
        Canvas.Brush.Style = bsClear;
        const int top = field.Top + (field.Height() - Canvas.TextHeight("Wg")) / 2;
        Canvas.TextOut(field.Left + 1, top, text_);
        if (Focused() && !ListStyle()) {
            const int from = field.Left + 1 + Canvas.TextWidth(text_.left(selStart_));
            const int to = field.Left + 1 + Canvas.TextWidth(text_.left(selStart_ + selLength_));
            Canvas.Brush.Style = bsSolid;
            Canvas.Brush.Color = selLength_ ? clHighlight : clWindowText;
            Canvas.FillRect({from, top, selLength_ ? to : from + 1, top + Canvas.TextHeight("Wg")});
            if (selLength_) {
                Canvas.Font.SetColor(clHighlightText);
                Canvas.Brush.Style = bsClear;
                Canvas.TextOut(from, top, text_.mid(selStart_, selLength_));
            }
        }
    }
    Canvas.RestoreDC();
    Canvas.Brush.Style = bsSolid;
}

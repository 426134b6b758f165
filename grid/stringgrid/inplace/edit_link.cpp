#include "grid/stringgrid/inplace/edit_link.h"

#include "grid/stringgrid/inplace/ex_inplace_edit.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/application.h"
#include "platform/controls/keyboard.h"
#include "platform/messages/message_loop.h"

// ---- TEditLinkPopupForm

void TEditLinkPopupForm::WndProc(TMessage& Message) {
    TForm::WndProc(Message);
    if (Message.Msg == WM_ACTIVATE && Message.WParam == WA_INACTIVE) OnDeactivate(this);
}

void TEditLinkPopupForm::CreateParams(TCreateParams& Params) {
    TForm::CreateParams(Params);
    Params.ExStyle |= WS_EX_TOPMOST;
}

// ---- TEditLink

TEditLink::TEditLink(TComponent* AOwner) : TComponent(AOwner) {}

// The free notifications the link asked for stay until it goes: a derived link may watch the
// same components, and the pair has one registration.
TEditLink::~TEditLink() {
    // The grid that last showed the link must not reach for it any more.
    if (FOwner && FOwner->EditLink == this) FOwner->EditLink = nullptr;
}

void TEditLink::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupForm) FPopupForm = nullptr;
    if (Operation == opRemove && AComponent == FOwner) FOwner = nullptr;
    if (Operation == opRemove && AComponent == FSubClassedControl) {
        FSubClassedControl = nullptr;
        FSubClassed = false;
    }
}

bool TEditLink::leaves(uint16_t Key, TShiftState Shift) const {
    bool out = (Shift & ssAlt) != 0;
    switch (Key) {
    case VK_TAB: case VK_RETURN: case VK_ESCAPE: case VK_PRIOR: case VK_NEXT: case VK_END:
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
        out = true;
        break;
    default:
        break;
    }
    // Wanted keys stay in the editor, with Alt too.
    switch (Key) {
    case VK_UP: case VK_DOWN: if (WantKeyUpDown) out = false; break;
    case VK_LEFT: case VK_RIGHT: if (WantKeyLeftRight) out = false; break;
    case VK_HOME: case VK_END: if (WantKeyHomeEnd) out = false; break;
    case VK_PRIOR: case VK_NEXT: if (WantKeyPriorNext) out = false; break;
    case VK_RETURN: if (WantKeyReturn) out = false; break;
    case VK_ESCAPE: if (WantKeyEscape) out = false; break;
    case VK_TAB: if (WantTabs) out = false; break;
    default: break;
    }
    return out;
}

void TEditLink::focusGrid() {
    FForcedExit = true;
    SetFocus(false);
    FForcedExit = false;
}

void TEditLink::EditKeyDown(TObject*, uint16_t& Key, TShiftState Shift) {
    if (!FOwner || !leaves(Key, Shift)) return;
    TExStringGrid& grid = *FOwner;
    TExStringGridPrivate& p = grid.Private();
    if (Key == VK_TAB) {
        if (grid.Navigation().TabToNextAtEnd) {
            focusGrid();
            grid.HideEditControl(grid.Col(), grid.Row());
            const bool backward = GetKeyState(VK_SHIFT) < 0;
            if (grid.TabNavigate(backward) && !grid.IsControlCell(grid.Col(), grid.Row())) {
                PostMessage(&grid, WM_KEYDOWN, VK_F2, 0);
                Key = 0;
                return;
            }
        }
        Key = 0;
    }
    if (Key == VK_ESCAPE) SetEditorValue(p.FCellCache);
    const uint16_t key = Key;
    focusGrid();
    grid.HideEditControl(grid.Col(), grid.Row());
    if (EditStyle == esPopup) exitPopupAfterKey();
    p.EditMode = false;
    grid.SelectCell(grid.Col(), grid.Row());
    if (!p.FLastValidation) {
        // The commit was refused: the edit goes on in the same cell.
        p.FLastValidation = true;
        grid.ShowEditControl(grid.Col(), grid.Row());
        Key = 0;
        return;
    }
    if (key == VK_RETURN) {
        grid.AdvanceCell(grid.Col(), grid.Row(), true, false, !(Shift & ssShift), true, false);
        Key = 0;
        return;
    }
    if (key == VK_ESCAPE) {
        Key = 0;
        return;
    }
    if (key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN) {
        uint16_t k = key;
        grid.KeyDown(k, Shift);
    }
    if (TWinControl* control = GetEditControl()) control->SetEnabled(false);
    focusGrid();
}

void TEditLink::FormExit(TObject* Sender) {
    if (!FOwner) return;
    if (TExInplaceEdit* edit = FOwner->NormalEdit()) edit->SetText(GetEditorValue());
    if (FForcedExit) {
        SetCellValue(GetEditorValue());
        return;
    }
    EditExit(Sender);
    FOwner->Private().InvokedFocusChange = true;
}

void TEditLink::EditExit(TObject*) {
    HideEditor();
    if (EditStyle == esPopup && FPopupForm) {
        DestroyEditor();
        FPopupForm->Hide();
    }
}

void TEditLink::exitPopupAfterKey() {
    HideEditor();
    if (!FPopupForm) return;
    FPopupForm->Hide();
    // The key is still being handled by the control: freeing it now would pull it from under
    // its own window procedure.
    const std::weak_ptr<bool> alive = FAlive;
    const int shown = FShowCount;
    TMessageLoop::Instance().QueueCall([this, alive, shown] {
        if (alive.expired() || FShowCount != shown) return;
        DestroyEditor();
    });
}

void TEditLink::HideEditor() {
    if (!FOwner) return;
    SetCellValue(GetEditorValue());
    FOwner->HideInplaceEdit();
    RestoreWinProc();
}

TWinControl* TEditLink::GetParent() const {
    if (EditStyle == esPopup) return FPopupForm;
    return FOwner;
}

QString TEditLink::GetCellValue() {
    if (!FOwner) return QString();
    return FOwner->GetCellEx(FOwner->RealColIndex(FOwner->Col()), FOwner->Row());
}

void TEditLink::SetCellValue(const QString& s) {
    if (!FOwner) return;
    FOwner->CommitEditValue(FOwner->RealColIndex(FOwner->Col()), FOwner->Row(), s);
}

void TEditLink::SetFocus(bool Value) {
    TWinControl* control = GetEditControl();
    if (control && Value) {
        if (!control->Visible()) control->SetVisible(true);
        if (!control->Enabled()) control->SetEnabled(true);
    }
    if (control && EditStyle == esInplace && !FSubClassed && FOwner) {
        // The grid's editor window procedure: with goTabs the editor takes Tab, the arrows and
        // the characters from the dialog navigation.
        TExStringGrid* grid = FOwner;
        control->WindowProc = [grid, control](TMessage& m) {
            if (m.Msg == WM_GETDLGCODE && (grid->Options() & goTabs)) {
                m.Result |= DLGC_WANTCHARS | DLGC_WANTTAB | DLGC_WANTARROWS;
                return;
            }
            control->WndProc(m);
        };
        FSubClassedControl = control;
        control->FreeNotification(this);
        FSubClassed = true;
    }
    if (Value) {
        if (control) control->SetFocus();
    } else if (FOwner) {
        FOwner->SetFocus();
    }
}

void TEditLink::RestoreWinProc() {
    if (EditStyle != esInplace || !FSubClassedControl) return;
    FSubClassedControl->WindowProc = nullptr;
    FSubClassedControl->SetVisible(false);
    FSubClassedControl = nullptr;
    FSubClassed = false;
}

void TEditLink::SetRect(TRect r) {
    TWinControl* control = GetEditControl();
    if (!control) return;
    const int line = FOwner ? FOwner->GridLineWidth() : 0;
    control->SetBounds(r.Left, r.Top, r.Right - r.Left - line, r.Bottom - r.Top - line);
}

void TEditLink::SetVisible(bool Value) {
    if (TWinControl* control = GetEditControl()) control->SetVisible(Value);
}

void TEditLink::makePopupForm(const TRect& CellRect) {
    if (!FPopupForm) {
        if (Application) {
            if (TComponent* old = Application->FindComponent(QStringLiteral("gridform"))) delete old;
        }
        FPopupForm = new TEditLinkPopupForm(Application);
        FPopupForm->Name = QStringLiteral("gridform");
        FPopupForm->FreeNotification(this);
        FPopupForm->OnDeactivate = [this](TObject* Sender) { FormExit(Sender); };
    }
    TPoint at{PopupLeft, PopupTop};
    if (PopupLeft == -1 || PopupTop == -1) at = FOwner->ClientToScreen(TPoint{CellRect.Left, CellRect.Top});
    FPopupForm->BorderStyle = bsNone;
    FPopupForm->SetBounds(at.X, at.Y, 0, 0);
    FPopupForm->Show();
    FPopupForm->SetBounds(at.X, at.Y, PopupWidth, PopupHeight);
}

void TEditLink::ShowInGrid(TExStringGrid& AGrid, int ACol, int ARow, TColor AColor, TFont& AFont, QChar Start) {
    ++FShowCount;
    AGrid.FreeNotification(this);
    FOwner = &AGrid;
    FEditCell = TPoint{AGrid.RealColIndex(ACol), ARow};
    TExStringGridPrivate& p = AGrid.Private();
    p.EditMode = true;
    const TRect cell = AGrid.CellRect(ACol, ARow);
    if (EditStyle == esPopup) {
        if (AutoPopupWidth) PopupWidth = cell.Right - cell.Left;
        makePopupForm(cell);
        CreateEditor(FPopupForm);
        SetRect(TRect{0, 0, PopupWidth, PopupHeight});
    } else {
        CreateEditor(&AGrid);
        SetRect(cell);
    }
    SetVisible(true);
    SetCellProps(AColor, AFont);
    SetProperties();
    AGrid.DoGetEditorProp(FEditCell.X, ARow, this);
    SetEditorValue(AGrid.GetCellEx(FEditCell.X, ARow));
    SetFocus(true);
    p.FEditing = true;
    if (!Start.isNull()) {
        if (TWinControl* control = GetEditControl()) PostMessage(control, WM_CHAR, Start.unicode(), 0);
    }
}

void TEditLink::PlaceOnCell() {
    if (!FOwner || EditStyle != esInplace || !GetEditControl()) return;
    const int col = FOwner->RealToDisplCol(FEditCell.X);
    SetRect(FOwner->CellRect(col, FEditCell.Y));
}

void TEditLink::HideInGrid() {
    if (!FOwner) return;
    FOwner->CommitEditValue(FEditCell.X, FEditCell.Y, GetEditorValue());
    if (EditStyle != esPopup) SetVisible(false);
    RestoreWinProc();
    FOwner->Private().EditMode = false;
}

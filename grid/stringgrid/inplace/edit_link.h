#pragma once

#include "platform/controls/form.h"

#include <memory>

class TExStringGrid;
class TFont;

enum TEditStyle { esInplace, esPopup };

// The borderless, stay-on-top form a pop-up link's editor stands on. Losing the activation
// fires OnDeactivate.
class TEditLinkPopupForm : public TForm {
public:
    using TForm::TForm;
    TNotifyEvent OnDeactivate;
    void WndProc(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
};

// The base of custom cell editors (editor kind edCustom): an application derives from it to put
// any control of its own into a cell, in place or on a pop-up form. The application creates and
// owns the link; the grid drives it (ShowInGrid, PlaceOnCell, HideInGrid) and a derived link
// supplies the control through the virtual operations.
class TEditLink : public TComponent {
public:
    explicit TEditLink(TComponent* AOwner);
    ~TEditLink() override;

    // ---- what a derived link overrides
    // The key rule of the editor: keys that leave the editor commit it and go to the grid.
    // A derived link calls it from its control's key-down handler.
    virtual void EditKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
    virtual TWinControl* GetEditControl() { return nullptr; }
    virtual void CreateEditor(TWinControl* AParent) {}
    virtual void DestroyEditor() {}
    // True shows and focuses the control; false gives the focus to the grid.
    virtual void SetFocus(bool Value);
    // Places the control on r less the grid's line width.
    virtual void SetRect(TRect r);
    virtual void SetVisible(bool Value);
    virtual void SetProperties() {}
    virtual void SetCellProps(TColor AColor, TFont& AFont) {}
    virtual QString GetEditorValue() { return QString(); }
    virtual void SetEditorValue(const QString& s) {}

    // ---- services for derived links
    void EditExit(TObject* Sender);
    // The pop-up form's OnDeactivate.
    void FormExit(TObject* Sender);
    // The pop-up form for esPopup, else the grid.
    TWinControl* GetParent() const;
    // The stored text of the grid's current cell.
    QString GetCellValue();
    void SetCellValue(const QString& s);
    void HideEditor();
    // Puts the control's own window procedure back and hides its window.
    void RestoreWinProc();

    // ---- how the grid drives the link
    // Shows the editor over the cell (ACol display, ARow): creates it (and the pop-up form),
    // places, loads and focuses it. Start, when not null, is posted to the control as WM_CHAR.
    void ShowInGrid(TExStringGrid& AGrid, int ACol, int ARow, TColor AColor, TFont& AFont, QChar Start);
    // Keeps an in-place editor on its cell after the grid scrolled or was resized.
    void PlaceOnCell();
    // Commits the editor's value into the cell and puts the editor away.
    void HideInGrid();

    TExStringGrid* Grid() const { return FOwner; }
    TPoint EditCell() const { return FEditCell; }
    TEditLinkPopupForm* PopupForm() const { return FPopupForm; }
    bool ForcedExit() const { return FForcedExit; }
    bool SubClassed() const { return FSubClassed; }

    bool WantKeyLeftRight = false;
    bool WantKeyUpDown = false;
    bool WantKeyHomeEnd = false;
    bool WantKeyPriorNext = false;
    bool WantKeyReturn = false;
    bool WantKeyEscape = false;
    TEditStyle EditStyle = esInplace;
    int PopupWidth = 0;
    int PopupHeight = 0;
    bool AutoPopupWidth = false;
    int PopupLeft = -1;
    int PopupTop = -1;
    // Stored only: the key rule does not consult it.
    bool WantReturns = false;
    bool WantTabs = false;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Whether the key leaves the editor by the key rule.
    bool leaves(uint16_t Key, TShiftState Shift) const;
    // The link moves the focus to the grid itself.
    void focusGrid();
    void makePopupForm(const TRect& CellRect);
    // EditExit for a key that left the editor: the control is freed once its own key handling
    // is over, unless the editor was shown again meanwhile.
    void exitPopupAfterKey();

    TExStringGrid* FOwner = nullptr;
    TEditLinkPopupForm* FPopupForm = nullptr;
    bool FForcedExit = false;
    TPoint FEditCell;
    bool FSubClassed = false;
    // The control whose window procedure the grid replaced.
    TWinControl* FSubClassedControl = nullptr;
    // Counts the shows; a deferred exit is dropped when the editor was shown again.
    int FShowCount = 0;
    // Expires with the link: a deferred exit does nothing then.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

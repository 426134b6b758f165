#pragma once

#include "platform/controls/control.h"
#include "platform/controls/modal_driver.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition { poDesigned, poDefault, poScreenCenter, poMainFormCenter, poOwnerFormCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TBorderIcon : uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };

using TCloseEvent = TEvent<void(TObject*, TCloseAction&)>;
using TCloseQueryEvent = TEvent<void(TObject*, bool&)>;

// A top-level window. Its bounds are those of its client area. Tab and Shift+Tab move the
// focus through its enabled, visible tab stops in tab order; a form that is shown without
// the focus on one of its controls gives it to the first of them. A form is created in two
// steps: the constructor sets fields, Create() builds the controls (Loaded) and fires OnCreate.
class TForm : public TWinControl {
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    void Create();

    TFormBorderStyle BorderStyle = bsSizeable;
    TPosition Position = poDesigned;
    uint8_t BorderIcons = biSystemMenu | biMinimize | biMaximize;
    bool KeyPreview = false;

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult v);
    TModalResult ShowModal();
    bool InModal() const { return inModal_; }
    void Close();

    // The focused control when it stands on this form, else nullptr.
    TWinControl* ActiveControl() const;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    void WndProc(TMessage& Message) override;

protected:
    // Builds the form's controls and wires its events, as its description gives them.
    virtual void Loaded() {}
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual bool CloseQuery();
    void VisibleChanged() override;

private:
    // Runs OnCloseQuery and OnClose; false when the form stays open.
    bool closeModal();

    TModalResult modalResult_ = mrNone;
    bool inModal_ = false;
};

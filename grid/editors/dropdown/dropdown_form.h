#pragma once

#include "platform/controls/form.h"

#include <cstdint>

class TExCustomDropDown;
class TExFooter;
class TExHeader;

// The borderless top-level window a drop-down shows under or over its edit: it paints the
// drop-down's background and border, holds the header and footer strips and the drop-down's
// control inside that border, may be sized from its bottom-right corner, and closes the
// drop-down when another window becomes active.
class TDropDownForm : public TForm {
public:
    explicit TDropDownForm(TComponent* AOwner);
    ~TDropDownForm() override;

    // The tick count of the last loss of activation.
    uint32_t DeActivateTime() const { return deActivate_; }
    bool Shadow = true;
    TExHeader* Header() const { return header_; }
    TExFooter* Footer() const { return footer_; }
    TExCustomDropDown* ExDropDown() const { return dropDown_; }
    void SetExDropDown(TExCustomDropDown* Value) { dropDown_ = Value; }
    bool Sizeable = false;
    bool CancelOnDeActivate = true;
    bool BlockActivate = false;
    TNotifyEvent OnSizing;
    // The smallest size the form takes.
    int MinWidth = 0;
    int MinHeight = 0;

    // Makes or refreshes the header and footer from the drop-down's appearances.
    void InitializeAndUpdate();
    virtual void UpdateSize() {}
    // The area inside the border where the strips and the control stand.
    TRect AdjustedClientRect() const;
    // Lays out the children by their Align inside the border, once the form has a size.
    void ArrangeChildren();

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void WndProc(TMessage& Message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void PaintWindow(TCanvas& Canvas) override;
    void Resize() override;

private:
    void activate(bool Active, TWinControl* Other);
    int borderWidth() const;

    uint32_t deActivate_ = 0;
    TExFooter* footer_ = nullptr;
    TExHeader* header_ = nullptr;
    TExCustomDropDown* dropDown_ = nullptr;
};

#pragma once

#include "grid/editors/dropdown/alive_flag.h"
#include "grid/editors/dropdown/dbg_list.h"
#include "grid/editors/dropdown/dropdown_types.h"
#include "grid/editors/dropdown/strip_appearance.h"
#include "platform/controls/control.h"

class TExButton;
class TExCustomDropDown;
class TImageList;

// The strips at the top and the bottom of a drop-down's pop-up: a gradient with a border, an
// image, a caption in the suite's markup and a row of push buttons made from the drop-down's
// button items; the footer may carry a grip that sizes the pop-up.
class TExStrip : public TCustomControl {
public:
    explicit TExStrip(TComponent* AOwner);
    ~TExStrip() override;

    TImageList* Images() const { return images_; }
    void SetImages(TImageList* Value);
    TExCustomDropDown* ExDropDown() const { return dropDown_; }
    // Takes the drop-down's images and a copy of its appearance for this strip, then builds
    // the buttons (nullptr detaches).
    void Attach(TExCustomDropDown* DropDown);
    const TDbgList<TExButton>& ButtonList() const { return buttons_; }
    // The strip's own copy of its look.
    virtual TStripAppearanceBase& Look() = 0;
    // The place of the button row.
    virtual TRect ButtonArea() const = 0;

    virtual void BuildButtons();
    virtual void ClearButtons();
    virtual void ArrangeButtons();
    virtual void UpdateButtons();

    // When set, it paints the whole strip.
    TDrawBackGroundEvent OnDrawBackGround;
    TGetTextEvent OnGetText;

    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    // The drop-down's appearance whose items the buttons show.
    virtual const TStripAppearanceBase* Items() const = 0;
    virtual void copyAppearance() = 0;
    virtual void buttonMade(TExButton&, int /*Index*/) {}
    virtual void buttonClicked(int Index) = 0;
    // The border lines; Framed: the pop-up draws no border of its own, so the strip closes its
    // outline on the other sides too.
    virtual void paintBorder(TCanvas& Canvas, TRect R, bool Framed) = 0;
    virtual void paintGrip(TCanvas&, TRect) {}
    void Paint() override;
    void Resize() override;
    // Follows the look's visibility and height.
    void lookChanged();

    TExCustomDropDown* dropDown_ = nullptr;

private:
    TImageList* images_ = nullptr;
    TDbgList<TExButton> buttons_;
};

class TExHeader : public TExStrip {
public:
    explicit TExHeader(TComponent* AOwner);
    THeaderAppearance& Appearance() { return appearance_; }
    void SetAppearance(const THeaderAppearance& Value) { appearance_.Assign(Value); }
    TStripAppearanceBase& Look() override { return appearance_; }
    TRect ButtonArea() const override;
    // The attached drop-down's header items, nullptr without one.
    const THeaderButtons* Buttons() const;

protected:
    const TStripAppearanceBase* Items() const override;
    void copyAppearance() override;
    void buttonClicked(int Index) override;
    void paintBorder(TCanvas& Canvas, TRect R, bool Framed) override;

private:
    THeaderAppearance appearance_;
};

class TExFooter : public TExStrip {
public:
    explicit TExFooter(TComponent* AOwner);
    TFooterAppearance& Appearance() { return appearance_; }
    void SetAppearance(const TFooterAppearance& Value) { appearance_.Assign(Value); }
    TStripAppearanceBase& Look() override { return appearance_; }
    TRect ButtonArea() const override;
    const TFooterButtons* Buttons() const;
    // The grip shows: asked for, and the drop-down may be sized.
    bool HasSizeGrip() const;

    void WndProc(TMessage& Message) override;

protected:
    const TStripAppearanceBase* Items() const override;
    void copyAppearance() override;
    void buttonMade(TExButton& Button, int Index) override;
    void buttonClicked(int Index) override;
    void paintBorder(TCanvas& Canvas, TRect R, bool Framed) override;
    void paintGrip(TCanvas& Canvas, TRect R) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool overGrip(int X, int Y) const;

    TFooterAppearance appearance_;
    TCursor oldCursor_ = crDefault;
};

#pragma once

#include "grid/editors/dropdown/dropdown_types.h"
#include "platform/core/component.h"
#include "platform/core/events.h"
#include "platform/graphics/graphics_objects.h"

#include <QString>
#include <memory>
#include <vector>

// The looks of the header and footer strips of a drop-down's pop-up, and the push buttons they
// carry. A drop-down holds one of each; the strips copy them when the pop-up opens.

class TStripButtonsBase;

// One push button of a strip. Width or Height 0 leaves the size that fits the caption.
class THeaderButton {
public:
    explicit THeaderButton(TStripButtonsBase* Collection) : collection_(Collection) {}
    virtual ~THeaderButton() = default;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& Value);
    int ImageIndex = -1;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    int Height = 0;
    int Width() const { return width_; }
    void SetWidth(int Value);

    void Assign(const THeaderButton& Source);

private:
    void changed();

    TStripButtonsBase* collection_;
    QString caption_;
    bool enabled_ = true;
    int width_ = 0;
};

// A footer button also closes the pop-up by its modal result.
class TFooterButton : public THeaderButton {
public:
    using THeaderButton::THeaderButton;
    int ModalResult = 0;
    void Assign(const TFooterButton& Source);
};

// The items of a strip, in order; OnChange (Sender: the collection) fires when an item's
// caption, enabled state or width changes, or items come or go.
class TStripButtonsBase : public TObject {
public:
    TNotifyEvent OnChange;
    void Changed() { OnChange(this); }
};

template <typename Item>
class TStripButtons : public TStripButtonsBase {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    Item* Items(int Index) const { return items_.at(static_cast<size_t>(Index)).get(); }
    Item* Add() { return Insert(Count()); }
    Item* Insert(int Index) {
        auto item = std::make_unique<Item>(this);
        Item* added = item.get();
        items_.insert(items_.begin() + Index, std::move(item));
        Changed();
        return added;
    }
    void Delete(int Index) {
        items_.erase(items_.begin() + Index);
        Changed();
    }
    void Clear() {
        items_.clear();
        Changed();
    }
    void Assign(const TStripButtons& Source) {
        if (&Source == this) return;
        items_.clear();
        for (const auto& item : Source.items_) {
            auto copy = std::make_unique<Item>(this);
            copy->Assign(*item);
            items_.push_back(std::move(copy));
        }
        Changed();
    }

private:
    std::vector<std::unique_ptr<Item>> items_;
};

using THeaderButtons = TStripButtons<THeaderButton>;
using TFooterButtons = TStripButtons<TFooterButton>;

// What a header and a footer share. Visible fires OnChange when it changes; the buttons'
// changes fire OnButtonsChanged (Sender: the appearance); other settings are only stored.
class TStripAppearanceBase : public TObject {
public:
    bool Visible() const { return visible_; }
    void SetVisible(bool Value) {
        if (visible_ == Value) return;
        visible_ = Value;
        OnChange(this);
    }
    int Height = 22;
    int BorderWidth = 1;
    int ImageIndex = -1;
    QString Caption;
    TColor ColorTo = 0xFFFFFF;
    TColor Color = 0xC0C0C0;
    TColor BorderColor = clBlack;
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& Value) { font_.Assign(Value); }
    TGradientDirection GradientDirection = gdVertical;
    TButtonAlignment ButtonAlignment = baRight;

    // The items of the strip's buttons, in order.
    virtual int ButtonCount() const = 0;
    virtual const THeaderButton* Button(int Index) const = 0;

    TNotifyEvent OnChange;
    TNotifyEvent OnButtonsChanged;

protected:
    // Colours, font and gradient direction.
    void assignColors(const TStripAppearanceBase& Source) {
        ColorTo = Source.ColorTo;
        Color = Source.Color;
        BorderColor = Source.BorderColor;
        font_.Assign(Source.font_);
        GradientDirection = Source.GradientDirection;
    }
    void assignLook(const TStripAppearanceBase& Source) {
        assignColors(Source);
        Caption = Source.Caption;
        ImageIndex = Source.ImageIndex;
        BorderWidth = Source.BorderWidth;
        Height = Source.Height;
        SetVisible(Source.visible_);
        ButtonAlignment = Source.ButtonAlignment;
    }

private:
    bool visible_ = true;
    TFont font_;
};

template <typename Buttons>
class TStripAppearance : public TStripAppearanceBase {
public:
    TStripAppearance() {
        buttons_.OnChange = [this](TObject*) { OnButtonsChanged(this); };
    }
    Buttons& GetButtons() { return buttons_; }
    const Buttons& GetButtons() const { return buttons_; }
    void SetButtons(const Buttons& Value) { buttons_.Assign(Value); }
    int ButtonCount() const override { return buttons_.Count(); }
    const THeaderButton* Button(int Index) const override { return buttons_.Items(Index); }

protected:
    void assignAll(const TStripAppearance& Source) {
        assignLook(Source);
        buttons_.Assign(Source.buttons_);
    }

private:
    Buttons buttons_;
};

class THeaderAppearance : public TStripAppearance<THeaderButtons> {
public:
    THeaderAppearance() { Font().SetName("Tahoma"); }
    void Assign(const THeaderAppearance& Source) {
        if (&Source != this) assignAll(Source);
    }
    void AssignColors(const THeaderAppearance& Source) {
        if (&Source != this) assignColors(Source);
    }
};

class TFooterAppearance : public TStripAppearance<TFooterButtons> {
public:
    // The corner grip that sizes the pop-up (shown only when the drop-down may be sized).
    bool SizeGrip = true;
    void Assign(const TFooterAppearance& Source) {
        if (&Source == this) return;
        SizeGrip = Source.SizeGrip;
        assignAll(Source);
    }
    void AssignColors(const TFooterAppearance& Source) {
        if (&Source != this) assignColors(Source);
    }
};

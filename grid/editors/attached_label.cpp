#include "grid/editors/attached_label.h"

#include "platform/controls/label.h"

TAttachedLabel::TAttachedLabel(TWinControl& Control) : control_(Control) {}

TAttachedLabel::~TAttachedLabel() {
    Font.OnChange = nullptr;
    delete label_;
}

QString TAttachedLabel::Caption() const { return label_ ? label_->Caption() : QString(); }

void TAttachedLabel::SetCaption(const QString& Value) {
    if (!label_) {
        label_ = new TLabel(&control_);
        label_->SetParent(control_.Parent());
        label_->Font().Assign(Font);
        label_->SetParentFont(control_.ParentFont());
        label_->OnClick = [this](TObject*) {
            if (control_.CanFocus()) control_.SetFocus();
        };
    }
    label_->SetCaption(Value);
}

void TAttachedLabel::Place(const TFont* LabelFont) {
    if (!label_) return;
    label_->Transparent = Transparent;
    if (LabelFont) label_->Font().Assign(*LabelFont);
    PlaceLabel(*label_, control_, Position, Margin, LabelTextWidth(*label_));
    label_->SetVisible(control_.Visible());
}

void TAttachedLabel::SetBold(bool Value) {
    if (!label_) return;
    const TFontStyles style = label_->Font().Style();
    label_->Font().SetStyle(Value ? style | fsBold : style & ~fsBold);
}

void TAttachedLabel::Forget(const TComponent* Component) {
    if (Component == label_) label_ = nullptr;
}

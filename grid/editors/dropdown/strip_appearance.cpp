#include "grid/editors/dropdown/strip_appearance.h"

void THeaderButton::changed() {
    if (collection_) collection_->Changed();
}

void THeaderButton::SetCaption(const QString& Value) {
    if (caption_ == Value) return;
    caption_ = Value;
    changed();
}

void THeaderButton::SetEnabled(bool Value) {
    if (enabled_ == Value) return;
    enabled_ = Value;
    changed();
}

void THeaderButton::SetWidth(int Value) {
    if (width_ == Value) return;
    width_ = Value;
    changed();
}

void THeaderButton::Assign(const THeaderButton& Source) {
    SetCaption(Source.caption_);
    ImageIndex = Source.ImageIndex;
    SetEnabled(Source.enabled_);
    Height = Source.Height;
    SetWidth(Source.width_);
}

void TFooterButton::Assign(const TFooterButton& Source) {
    THeaderButton::Assign(Source);
    ModalResult = Source.ModalResult;
}

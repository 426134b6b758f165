#include "platform/controls/label.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetParentColor(true);
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetAutoSize(bool v) {
    autoSize_ = v;
    AdjustBounds();
}

void TLabel::WndProc(TMessage& m) {
    TGraphicControl::WndProc(m);
    if (m.Msg == CM_TEXTCHANGED) AdjustBounds();
}

void TLabel::FontChanged() {
    TGraphicControl::FontChanged();
    AdjustBounds();
}

// Measures on a scratch bitmap, so the size is right before the label is ever painted.
void TLabel::AdjustBounds() {
    if (!autoSize_) return;
    TBitmap scratch(1, 1);
    TCanvas& canvas = scratch.Canvas();
    canvas.Font.Assign(Font());
    TRect r{0, 0, WordWrap ? Width() : 0x7FFF, 0};
    const QString text = DisplayText().isEmpty() ? QStringLiteral(" ") : DisplayText();
    canvas.DrawText(text, r, DT_CALCRECT | (WordWrap ? DT_WORDBREAK : 0u));
    SetBounds(Left(), Top(), WordWrap ? Width() : r.Width(), r.Height());
}

void TLabel::Paint(TCanvas& canvas) {
    if (!Transparent) {
        canvas.Brush.Color = Color();
        canvas.Brush.Style = bsSolid;
        canvas.FillRect(ClientRect());
    }
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(Font());
    if (!Enabled()) canvas.Font.SetColor(clGrayText);
    unsigned flags = WordWrap ? DT_WORDBREAK : DT_SINGLELINE;
    if (Alignment == taCenter) flags |= DT_CENTER;
    if (Alignment == taRightJustify) flags |= DT_RIGHT;
    if (!WordWrap && Layout == tlCenter) flags |= DT_VCENTER;
    if (!WordWrap && Layout == tlBottom) flags |= DT_BOTTOM;
    TRect r = ClientRect();
    canvas.DrawText(DisplayText(), r, flags);
}

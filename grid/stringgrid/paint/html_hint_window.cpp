#include "grid/stringgrid/paint/html_hint_window.h"

#include "grid/foundation/codings.h"
#include "grid/foundation/html_renderer.h"
#include "grid/foundation/picture_container.h"
#include "grid/foundation/theme_detection.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/controls/image_list.h"
#include "platform/graphics/canvas.h"

namespace {
constexpr int TextTypeWide = 5;
// The widest a hint is laid out, whatever the caller's rectangle.
constexpr int LayoutWidth = 1008;
// Room beside the text: wide text, markup; and below it.
constexpr int WideExtraWidth = 8, HTMLExtraWidth = 16, ExtraHeight = 4;

QString hintFontName;

bool isWide(const QString& S) { return TextType(S, false) == TextTypeWide; }
}  // namespace

QString HTMLHintFontName() { return hintFontName; }
void SetHTMLHintFontName(const QString& AName) { hintFontName = AName; }

THTMLHintWindow::THTMLHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

THintWindow* THTMLHintWindow::New(TComponent* AOwner) { return new THTMLHintWindow(AOwner); }

// The window may outlive the grid whose images it took: a freed list is let go.
void THTMLHintWindow::SetImages(TImageList* Value) {
    if (images_ == Value) return;
    if (images_) RemoveFreeNotification(images_);
    images_ = Value;
    if (images_) FreeNotification(images_);
}

void THTMLHintWindow::SetPictureContainer(TPictureContainer* Value) {
    if (pictures_ == Value) return;
    if (pictures_) RemoveFreeNotification(pictures_);
    pictures_ = Value;
    if (pictures_) FreeNotification(pictures_);
}

void THTMLHintWindow::Notification(TComponent* AComponent, TOperation Operation) {
    THintWindow::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == images_) images_ = nullptr;
    if (AComponent == pictures_) pictures_ = nullptr;
}

void THTMLHintWindow::CreateParams(TCreateParams& Params) {
    THintWindow::CreateParams(Params);
    // The plain window has no border bit to take away; the shadow comes with the newer desktops.
    if (IsWinXPOrLater()) Params.ClassStyle |= CS_DROPSHADOW;
}

THTMLDrawOptions THTMLHintWindow::drawOptions() const {
    THTMLDrawOptions options;
    options.Images = images_;
    options.PictureContainer = pictures_;
    options.ShadowColor = clGray;
    options.URLColor = clBlue;
    return options;
}

int THTMLHintWindow::measure(const QString& AHint, const TRect& R) {
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(Font());
    if (isWide(AHint)) {
        canvas.Font.SetName(hintFontName.isEmpty() ? Font().Name() : hintFontName);
        wideCaption_ = DecodeWideText(AHint);
        TRect r = R;
        canvas.DrawText(wideCaption_, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        textWidth_ = r.Width();
        textHeight_ = r.Height();
        return WideExtraWidth;
    }
    THTMLDrawOptions options = drawOptions();
    options.MeasureOnly = true;
    THTMLDrawResults measured;
    DrawHTMLText(canvas, AHint, R, options, measured);
    textWidth_ = measured.MaxLineWidth;
    textHeight_ = measured.TotalHeight;
    return HTMLExtraWidth;
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const QString& AHint, TObject*) {
    const int extra = measure(AHint, Rect(0, 0, MaxWidth, 65535));
    return Rect(0, 0, textWidth_ + extra, textHeight_ + ExtraHeight);
}

void THTMLHintWindow::ActivateHint(TRect ARect, const QString& AHint) {
    TRect r = ARect;
    r.Right = r.Left + LayoutWidth;
    const int extra = measure(AHint, r);
    r.Right = r.Left + textWidth_ + extra;
    r.Bottom = r.Top + textHeight_ + ExtraHeight;
    // The platform window keeps the rectangle on the monitor as this one must.
    THintWindow::ActivateHint(r, AHint);
}

void THTMLHintWindow::ActivateHintData(TRect ARect, const QString& AHint, TObject* AData) {
    if (auto* grid = dynamic_cast<TExStringGrid*>(AData)) {
        SetImages(grid->GridImages());
        SetPictureContainer(grid->PictureContainer());
    }
    THintWindow::ActivateHintData(ARect, AHint, AData);
}

void THTMLHintWindow::WndProc(TMessage& Message) {
    THintWindow::WndProc(Message);
    if (Message.Msg == CM_TEXTCHANGED) Invalidate();
}

void THTMLHintWindow::Paint() {
    TCanvas& canvas = Canvas();
    PaintBackground(canvas);
    const TRect client = ClientRect();
    const int top = client.Top + (client.Height() - textHeight_) / 2;
    TRect r = Rect(client.Left + 4, top, client.Right - 4, top + textHeight_ + 8);
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.Font.Assign(Font());
    const QString text = Caption();
    if (isWide(text)) {
        canvas.Font.SetName(hintFontName.isEmpty() ? Font().Name() : hintFontName);
        canvas.DrawText(wideCaption_, r, DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    THTMLDrawResults drawn;
    DrawHTMLText(canvas, text, r, drawOptions(), drawn);
}

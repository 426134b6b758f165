#include "platform/controls/rich_edit.h"

#include "platform/controls/rtf_codec.h"
#include "platform/controls/window_backend.h"
#include "platform/graphics/canvas.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>
#include <optional>

struct TRichEdit::TState {
    QTextDocument Doc;
    // Set while the document itself gave the text, so the text change does not reload it.
    bool Storing = false;
    // A format chosen at the caret, for the text typed there next.
    std::optional<QTextCharFormat> CaretFormat;
    int CaretFormatAt = -1;
};

namespace {

QColor toColor(TColor c) {
    const TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

void setOffset(QTextCharFormat& f, int twips) {
    f.setProperty(RichTextOffsetProperty, twips);
    f.setVerticalAlignment(twips > 0   ? QTextCharFormat::AlignSuperScript
                           : twips < 0 ? QTextCharFormat::AlignSubScript
                                       : QTextCharFormat::AlignNormal);
}

// The format text typed at position takes: that of the character before it, or after it at
// the start of a paragraph.
QTextCharFormat typingFormat(QTextDocument& doc, int position) {
    QTextCursor c(&doc);
    c.setPosition(std::clamp(position, 0, doc.characterCount() - 1));
    return c.charFormat();
}

}  // namespace

TRichEdit::TRichEdit(TComponent* AOwner) : TCustomEdit(AOwner), d_(std::make_unique<TState>()) {
    SetBounds(0, 0, 185, 89);
    d_->Doc.setDocumentMargin(0);
    d_->Doc.setUndoRedoEnabled(false);
}

// The native field shows the document: it goes before the document does.
TRichEdit::~TRichEdit() { DestroyHandle(); }

QTextDocument* TRichEdit::Document() const { return &d_->Doc; }
bool TRichEdit::DocumentChanging() const { return d_->Storing; }

QString TRichEdit::RTFToPlainText(const QString& Rtf) {
    QTextDocument doc;
    ReadRTF(Rtf, doc);
    return DocumentPlainText(doc);
}

void TRichEdit::LoadRTF(const QString& Rtf) {
    d_->CaretFormat.reset();
    d_->Storing = true;
    ReadRTF(Rtf, d_->Doc);
    SetText(DocumentPlainText(d_->Doc));
    d_->Storing = false;
    textColor_ = clNone;
    Invalidate();
}

QString TRichEdit::SaveRTF() const { return WriteRTF(d_->Doc, Font().Name(), Font().Size() * 2); }

void TRichEdit::SetAllTextColor(TColor Value) {
    if (textColor_ == Value) return;
    textColor_ = Value;
    Invalidate();
}

void TRichEdit::WndProc(TMessage& m) {
    // Text set by code replaces the document with plain text in the control's font.
    if (m.Msg == CM_TEXTCHANGED && !d_->Storing && DocumentPlainText(d_->Doc) != Text()) {
        d_->CaretFormat.reset();
        d_->Storing = true;
        d_->Doc.clear();
        QTextCursor(&d_->Doc).insertText(Text(), QTextCharFormat());
        d_->Storing = false;
    }
    TCustomEdit::WndProc(m);
}

void TRichEdit::StoreEditedText(const QString& text) {
    TState& s = *d_;
    const QString old = DocumentPlainText(s.Doc);
    // Only the part the user replaced changes; the rest keeps its format.
    const qsizetype shorter = std::min(old.size(), text.size());
    qsizetype head = 0;
    while (head < shorter && old[head] == text[head]) ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && old[old.size() - 1 - tail] == text[text.size() - 1 - tail]) ++tail;
    s.Storing = true;
    TControl::SetCaption(text);
    if (head + tail < old.size() || head + tail < text.size()) {
        QTextCharFormat format = typingFormat(s.Doc, int(head));
        if (s.CaretFormat && s.CaretFormatAt == head) format.merge(*s.CaretFormat);
        QTextCursor c(&s.Doc);
        c.setPosition(int(head));
        c.setPosition(int(old.size() - tail), QTextCursor::KeepAnchor);
        c.removeSelectedText();
        c.insertText(text.mid(head, text.size() - head - tail), format);
    }
    s.CaretFormat.reset();
    s.Storing = false;
}

void TRichEdit::SelectionMoved() {
    if (d_->CaretFormat && (SelLength() > 0 || SelStart() != d_->CaretFormatAt)) d_->CaretFormat.reset();
    OnSelectionChange(this);
}

void TRichEdit::SelectionChangedNatively(int Start, int Length) {
    if (Start == SelStart() && Length == SelLength()) return;
    SetSelStart(Start);
    SetSelLength(Length);
}

int TRichEdit::SelOffset() const {
    if (SelLength() == 0 && d_->CaretFormat && d_->CaretFormatAt == SelStart())
        return d_->CaretFormat->intProperty(RichTextOffsetProperty);
    // A selection answers for its first character.
    return typingFormat(d_->Doc, SelLength() > 0 ? SelStart() + 1 : SelStart()).intProperty(RichTextOffsetProperty);
}

void TRichEdit::SetSelOffset(int Twips) {
    QTextCharFormat f;
    setOffset(f, Twips);
    if (SelLength() == 0) {
        d_->CaretFormat = f;
        d_->CaretFormatAt = SelStart();
        return;
    }
    QTextCursor c(&d_->Doc);
    c.setPosition(SelStart());
    c.setPosition(SelStart() + SelLength(), QTextCursor::KeepAnchor);
    c.mergeCharFormat(f);
    Invalidate();
}

namespace {

// Draws the document wrapped into r (device pixels) on the painter.
void drawDocument(QTextDocument& doc, QPainter& painter, const QRect& r, const QFont& font, TColor fontColor,
                  TColor allColor) {
    std::unique_ptr<QTextDocument> recoloured;
    QTextDocument* shown = &doc;
    if (allColor != clNone) {
        recoloured.reset(doc.clone());
        QTextCursor all(recoloured.get());
        all.select(QTextCursor::Document);
        QTextCharFormat f;
        f.setForeground(toColor(allColor));
        all.mergeCharFormat(f);
        shown = recoloured.get();
    }
    if (shown->defaultFont() != font) shown->setDefaultFont(font);
    shown->setTextWidth(r.width());
    painter.save();
    painter.translate(r.topLeft());
    const QRect clip(0, 0, r.width(), r.height());
    painter.setClipRect(clip, Qt::IntersectClip);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, toColor(fontColor));
    context.clip = clip;
    shown->documentLayout()->draw(&painter, context);
    painter.restore();
}

}  // namespace

TSize TRichEdit::ContentSize(int Width) const {
    QTextDocument& doc = d_->Doc;
    const QFont font = ToQFont(Font());
    if (doc.defaultFont() != font) doc.setDefaultFont(font);
    doc.setTextWidth(Width > 0 ? Width : -1);
    const int width = int(std::ceil(Width > 0 ? doc.size().width() : doc.idealWidth()));
    return {width, int(std::ceil(doc.size().height()))};
}

void TRichEdit::PaintWindow(TCanvas& canvas) {
    canvas.Brush.Color = Color();
    canvas.Pen.Color = clBtnShadow;
    canvas.Rectangle(ClientRect());
    const QRect r(3, 2, Width() - 6, Height() - 4);
    if (r.width() <= 0 || r.height() <= 0) return;
    drawDocument(d_->Doc, *canvas.Painter(), r, ToQFont(Font()), Font().Color(), textColor_);
}

void TRichEdit::FormatRange(TCanvas& Canvas, TRect Rect, int DpiX, int DpiY) {
    if (DpiX <= 0 || DpiY <= 0) return;
    auto px = [](int twips, int dpi) { return int(std::lround(twips * double(dpi) / 1440.0)); };
    const TRect r{px(Rect.Left, DpiX), px(Rect.Top, DpiY), px(Rect.Right, DpiX), px(Rect.Bottom, DpiY)};
    if (r.IsEmpty()) return;
    drawDocument(d_->Doc, *Canvas.Painter(), QRect(r.Left, r.Top, r.Width(), r.Height()), ToQFont(Font()),
                 Font().Color(), textColor_);
}

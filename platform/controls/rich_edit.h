#pragma once

#include "platform/controls/edit.h"

#include <memory>

class TCanvas;
class QTextDocument;

// A multi-line field of formatted text over the toolkit's text document. Text is the plain
// text, lines separated by "\n"; Enter types a line break instead of reaching the form's
// default button, and Tab moves the focus on. The formatting (font, size, bold, italic,
// underline, strike-out, colour, vertical offset, paragraph alignment) is read from and
// written as rich text (rtf_codec.h). Text set by code comes in plain, in the control's font;
// what the user types takes the format of the text where it goes.
class TRichEdit : public TCustomEdit {
public:
    explicit TRichEdit(TComponent* AOwner);
    ~TRichEdit() override;
    TNativeKind NativeKind() const override { return nkRichEdit; }

    static QString RTFToPlainText(const QString& Rtf);
    // Loads rich text (a text that is not rich text loads plain); the colour of all text
    // returns to the text's own.
    void LoadRTF(const QString& Rtf);
    // The text with its formatting as rich text in 7-bit characters; runs without a font or
    // size of their own are written in the control's font.
    QString SaveRTF() const;
    // Colours all text when drawn; clNone gives back the text's own colours.
    void SetAllTextColor(TColor Value);
    TColor AllTextColor() const { return textColor_; }
    // Renders all text word-wrapped into Rect, given in twips (1440 per inch) of a device with
    // DpiX x DpiY pixels per inch, on a clear background.
    void FormatRange(TCanvas& Canvas, TRect Rect, int DpiX, int DpiY);
    // The pixels the laid-out text needs: wrapped at Width, or its widest line with Width 0.
    TSize ContentSize(int Width) const;

    // The vertical offset in twips of the selection's first character (of the character
    // before the caret when nothing is selected); setting it changes the selected text, or
    // the text typed next at the caret.
    int SelOffset() const;
    void SetSelOffset(int Twips);

    // The selection or the caret moved (by the user, by code, or by typing).
    TNotifyEvent OnSelectionChange;

    // The document the native field shows and edits in place.
    QTextDocument* Document() const;
    // True while the document changes by the control's own doing: the native field's change
    // notes are not the user's edits then.
    bool DocumentChanging() const;
    // The native field moved its selection.
    void SelectionChangedNatively(int Start, int Length);
    void WndProc(TMessage& Message) override;

protected:
    QChar ReturnChar() const override { return QChar('\n'); }
    void PaintWindow(TCanvas& canvas) override;
    void StoreEditedText(const QString& text) override;
    void SelectionMoved() override;

private:
    struct TState;
    std::unique_ptr<TState> d_;
    TColor textColor_ = clNone;
};

#pragma once

#include "platform/controls/edit.h"

class TCanvas;

// A multi-line text field of plain text. Lines are separated by "\n" in Text; Enter types a
// line break instead of reaching the form's default button, and Tab moves the focus on.
//
// Rich text is read as its plain text: groups, control words and the font, colour and
// information tables are dropped; \par and \line break the line, \tab is a tab, \'hh a Latin-1
// character, \uN a UTF-16 unit (its ANSI fallback skipped), \\ \{ \} the characters themselves.
class TRichEdit : public TCustomEdit {
public:
    explicit TRichEdit(TComponent* AOwner);
    TNativeKind NativeKind() const override { return nkRichEdit; }

    static QString RTFToPlainText(const QString& Rtf);
    // Loads rich text (its plain text, see above); the colour of all text returns to the font's.
    void LoadRTF(const QString& Rtf);
    // Rich text of Text in 7-bit characters: line breaks become \par, tabs \tab, characters
    // beyond ASCII \uN with "?" as their ANSI fallback. RTFToPlainText reads it back unchanged.
    static QString PlainTextToRTF(const QString& Text);
    QString SaveRTF() const { return PlainTextToRTF(Text()); }
    // Colours all text; clNone gives back the font's colour.
    void SetAllTextColor(TColor Value) { textColor_ = Value; }
    TColor AllTextColor() const { return textColor_; }
    // Renders all text word-wrapped into Rect, given in twips (1440 per inch) of a device with
    // DpiX x DpiY pixels per inch, on a clear background.
    void FormatRange(TCanvas& Canvas, TRect Rect, int DpiX, int DpiY);

protected:
    QChar ReturnChar() const override { return QChar('\n'); }
    void PaintWindow(TCanvas& canvas) override;

private:
    TColor textColor_ = clNone;
};

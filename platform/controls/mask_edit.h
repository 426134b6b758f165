#pragma once

#include "platform/controls/edit.h"
#include "platform/controls/edit_mask.h"
#include "platform/controls/form.h"

#include <QVector>
#include <functional>

// Border of an edit: none or a single line (sunken with Ctl3D).
using TBorderStyle = TFormBorderStyle;

// A one-line text field that draws itself, with a formatting rectangle (EM_GETRECT and
// EM_SETRECTNP with a TRect* in lParam, relative to the area inside the border) that children
// such as buttons can leave room beside.
// It keeps its own caret: Left, Right, Home and End move it (with Shift they select), Delete
// removes the selection or the next character, Ctrl+C, Ctrl+X and Ctrl+V send WM_COPY, WM_CUT
// and WM_PASTE.
//
// With an EditMask (edit_mask.h) the text always has the mask's shape: text set by code is
// formatted to it, a typed character goes to the input place at or after the caret (a
// character equal to the literal under the caret steps over it), one the place does not take
// is dropped with a beep, and the caret then skips the literals after it. Left, Right and Home
// stop on input places only; Backspace, Delete and Cut empty places instead of removing them;
// a paste is typed character by character and ends at the first one that does not fit.
class TCustomMaskEdit : public TCustomEdit {
public:
    explicit TCustomMaskEdit(TComponent* AOwner);

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle Value);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool Value);
    // The whole text is selected when the focus enters by keyboard.
    bool AutoSelect = true;
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    // Set: every character is shown as this one (a password).
    QChar PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(QChar Value);

    // Long lines break at the last blank that fits the formatting rectangle (a word wider than
    // it at a character) and go on in the next line. Line breaks in the text always start a
    // new line.
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool Value);

    QString EditMask() const { return editMask_; }
    void SetEditMask(const QString& Value);
    bool IsMasked() const { return !mask_.IsEmpty(); }
    // The text read back through the mask (TEditMask::ReadBack); the text itself without one.
    QString MaskedText() const;
    // Where the caret stands at the end of the text: after the last character, or with a mask
    // where typing goes on (TEditMask::TextEnd).
    int TextEnd() const { return IsMasked() ? mask_.TextEnd(Text()) : static_cast<int>(Text().size()); }
    // Every required place of the mask is filled (true without a mask).
    bool MaskComplete() const { return mask_.Complete(Text()); }

    // The client area as the original platform counted it lies inside the border: the
    // formatting rectangle and the inner size are measured there.
    int BorderWidth() const;
    int InnerWidth() const { return Width() - 2 * BorderWidth(); }
    int InnerHeight() const { return Height() - 2 * BorderWidth(); }
    TRect EditRect() const { return editRect_; }
    // The caret position (0..length) nearest X, in the control's coordinates.
    int CharFromPos(int X) const;

    void WndProc(TMessage& Message) override;

protected:
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    // Types a printable character or Backspace through the mask and takes the key (leaves it
    // null); other keys, and every key without a mask, stay as they are.
    void MaskKeyPress(QChar& Key);
    // Types Pasted at the caret through the mask (over the selection), up to its first character
    // that does not fit, as one edit.
    void MaskPaste(const QString& Pasted);
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void PaintWindow(TCanvas& Canvas) override;
    void Resize() override;
    // The formatting rectangle a fresh window gets: the client area inside the border.
    TRect DefaultEditRect() const;

private:
    // One line as painted: where it starts in the text and how many characters it shows.
    struct TLine {
        int Start = 0;
        int Length = 0;
    };
    // The lines of the shown text within Width, as measured by Measure.
    QVector<TLine> lines(const QString& Text, int Width, const std::function<int(const QString&)>& Measure) const;
    // The text as shown.
    QString displayText() const;
    // The formatting rectangle in the control's own coordinates.
    TRect textArea() const;
    int textLeft(int textWidth) const;
    void moveCaret(int to, bool extend);
    // Masked editing: the new shown text with the caret at Caret, reported as the user's edit.
    void maskEdit(const QString& Shown, int Caret);
    // The shown text with the places from From (Count of them) emptied.
    QString blanked(int From, int Count) const;
    // Types Ch at the caret; false when the mask does not take it there.
    bool maskType(QChar Ch);
    // Where Left and Right go from the caret with a mask.
    int maskStep(int Caret, bool Forward) const;

    TBorderStyle borderStyle_ = bsSingle;
    bool ctl3D_ = true;
    TAlignment alignment_ = taLeftJustify;
    QChar passwordChar_;
    TRect editRect_;
    bool editRectSet_ = false;
    int anchor_ = 0;
    QString editMask_;
    TEditMask mask_;
    bool formatting_ = false;
    bool wordWrap_ = false;
};

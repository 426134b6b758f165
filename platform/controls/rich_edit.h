#pragma once

#include "platform/controls/edit.h"

// A multi-line text field of plain text. Lines are separated by "\n" in Text; Enter types a
// line break instead of reaching the form's default button, and Tab moves the focus on.
class TRichEdit : public TCustomEdit {
public:
    explicit TRichEdit(TComponent* AOwner);
    TNativeKind NativeKind() const override { return nkRichEdit; }

protected:
    QChar ReturnChar() const override { return QChar('\n'); }
    void PaintWindow(TCanvas& canvas) override;
};

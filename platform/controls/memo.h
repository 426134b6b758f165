#pragma once

#include "platform/controls/edit.h"
#include "platform/controls/scroll_bar.h"

#include <QStringList>

class TPopupMenu;

// A multi-line plain-text field. Lines are separated by "\n" in Text; Enter types a line break
// instead of reaching the form's default button. ScrollBars says which bars the field shows
// (a change makes its window again); BorderStyle bsNone drops the frame.
class TMemo : public TCustomEdit {
public:
    enum TMemoBorder { bsNone, bsSingle };

    explicit TMemo(TComponent* AOwner);
    TNativeKind NativeKind() const override { return nkRichEdit; }

    QStringList Lines() const;
    void SetLines(const QStringList& Value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle Value);
    TMemoBorder BorderStyle = bsSingle;

protected:
    QChar ReturnChar() const override { return QChar('\n'); }
    void PaintWindow(TCanvas& canvas) override;

private:
    TScrollStyle scrollBars_ = ssNone;
};

#pragma once

#include "platform/controls/control.h"

// A one-line text field. Typed characters go through KeyPress first, so a handler can
// swallow them by setting the key to 0; the text changes only for characters left alone.
class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* AOwner);

    TNativeKind NativeKind() const override { return nkEdit; }

    QString Text() const { return Caption(); }
    void SetText(const QString& v) { SetCaption(v); }
    int MaxLength = 0;
    bool ReadOnly = false;
    int SelStart() const { return selStart_; }
    void SetSelStart(int v);
    void SelectAll();

    TNotifyEvent OnChange;

    void WndProc(TMessage& Message) override;
    // The native editor reports text the user typed.
    void TextEditedNatively(const QString& text);

protected:
    void PaintWindow(TCanvas& canvas) override;

private:
    void typeChar(QChar ch);
    int selStart_ = 0;
    int selLength_ = 0;
};

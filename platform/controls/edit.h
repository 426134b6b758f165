#pragma once

#include "platform/controls/control.h"

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// What one-line and multi-line text fields share. Typed characters go through KeyPress first,
// so a handler can swallow them by setting the key to 0 or change them; CharCase then turns
// typed letters to its case. MaxLength (0: no limit) limits what the user types or pastes:
// an edit that would make the text longer than MaxLength keeps only as much of the inserted
// text as fits, and none once the text is full. Text set by code is never cut or case-changed.
class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* AOwner);

    QString Text() const { return Caption(); }
    void SetText(const QString& v) { SetCaption(v); }
    int MaxLength = 0;
    bool ReadOnly = false;
    TEditCharCase CharCase = ecNormal;
    int SelStart() const { return selStart_; }
    void SetSelStart(int v);
    int SelLength() const { return selLength_; }
    // Selects SelLength characters from SelStart, no further than the end of the text.
    void SetSelLength(int v);
    void SelectAll();
    QString SelText() const { return Text().mid(selStart_, selLength_); }

    TNotifyEvent OnChange;

    void WndProc(TMessage& Message) override;
    // The native editor reports text the user typed or pasted; MaxLength applies to it.
    void TextEditedNatively(const QString& text);

protected:
    // The character Enter types, or a null character when Enter is left to the form.
    virtual QChar ReturnChar() const { return QChar(); }
    // Replaces the selection with text as the user's edit (MaxLength applies, OnChange fires).
    void ReplaceSel(const QString& text);
    // The user changed the text: fires OnChange. Text set by code does not come here.
    virtual void Change() { OnChange(this); }
    // Takes the text of the user's edit as the field's text.
    virtual void StoreEditedText(const QString& text) { TControl::SetCaption(text); }
    // The selection or the caret moved.
    virtual void SelectionMoved() {}

private:
    void typeChar(QChar ch);
    // Takes the user's edit, cut to MaxLength, and fires OnChange when the text changed.
    void userEdit(const QString& text);
    int selStart_ = 0;
    int selLength_ = 0;
};

// A one-line text field.
class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* AOwner);
    TNativeKind NativeKind() const override { return nkEdit; }

    // The whole text is selected when the focus enters other than by a click, so that what
    // the user types next replaces it.
    bool AutoSelect = true;

    void WndProc(TMessage& Message) override;

protected:
    void PaintWindow(TCanvas& canvas) override;
};

// The user's edit from Old to New with its inserted part cut so that the text holds at most
// MaxLength characters (0: no limit); Caret receives the place after what was inserted. An
// edit that can insert nothing of its text is refused whole: the result is Old.
QString Limit_Typed_Text(const QString& Old, const QString& New, int MaxLength, int& Caret);

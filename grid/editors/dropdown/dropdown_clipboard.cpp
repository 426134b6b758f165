#include "grid/editors/dropdown/dropdown_numbers.h"
#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "grid/foundation/text_routines.h"
#include "platform/system/clipboard.h"
#include "platform/system/regional.h"

#include <algorithm>

// Copy, cut and paste of the value: the handlers may refuse, and a paste passes the edit
// type's rules.

void TExCustomDropDown::copyToClipboard() {
    bool allow = true;
    if (OnClipboardCopy && !blockCopy_) {
        const auto alive = alive_.Watch();
        FireEvent(OnClipboardCopy, this, Text().mid(SelStart() - valueStart(), SelLength()), allow);
        if (!*alive) return;
    }
    blockCopy_ = false;
    if (!allow) return;
    TMessage copy{WM_COPY, 0, 0, 0};
    TCustomMaskEdit::WndProc(copy);
}

void TExCustomDropDown::cutToClipboard() {
    if (!Editable() || ReadOnly) return;
    bool allow = true;
    blockCopy_ = true;
    const auto alive = alive_.Watch();
    FireEvent(OnClipboardCut, this, Text().mid(SelStart() - valueStart(), SelLength()), allow);
    if (!*alive) return;
    if (allow) {
        TMessage cut{WM_CUT, 0, 0, 0};
        TCustomMaskEdit::WndProc(cut);
    }
    blockCopy_ = false;
}

QString TExCustomDropDown::pastedValue(const QString& Pasted, int& Caret, int& Length) const {
    QString value = Text();
    const int at = std::clamp(SelStart() - valueStart(), 0, static_cast<int>(value.size()));
    const int selected = std::clamp(SelLength(), 0, static_cast<int>(value.size()) - at);
    value.replace(at, selected, Pasted);
    Caret = valueStart() + at + (selected > 0 ? 0 : static_cast<int>(Pasted.size()));
    Length = selected > 0 ? static_cast<int>(Pasted.size()) : 0;
    return value;
}

void TExCustomDropDown::pasteFromClipboard() {
    if (ReadOnly) return;
    const QString pasted = Clipboard().AsText();
    if (pasted.isEmpty()) return;
    int caret = 0, length = 0;
    const QString v = pastedValue(pasted, caret, length);
    bool allow = true;
    const auto alive = alive_.Watch();
    FireEvent(OnClipboardPaste, this, v, allow);
    if (!*alive || !allow) return;
    if (MaxLength > 0 && pasted.size() + Text().size() - SelLength() > MaxLength) return;
    const QChar decimal = FormatSettings.DecimalSeparator;
    const bool signOk = Signed || !v.contains(u'-');
    const auto allIn = [&v](const auto& accepts) { return std::all_of(v.begin(), v.end(), accepts); };
    switch (editType_) {
    case etString:
    case etPassword:
        SetText(v);
        break;
    case etNumeric:
        if (ClassifyNumber(v) == 0 && signOk) {
            SetText(v);
            SetIsModified(true);
        }
        break;
    case etFloat:
    case etMoney:
        if (ClassifyNumber(v) <= 1 && (precision_ != 0 || !pasted.contains(decimal)) && signOk) {
            SetText(v);
            SetFloatValue(FloatValue());
            SetIsModified(true);
        }
        break;
    case etUppercase: SetText(v.toUpper()); break;
    case etMixedCase: SetText(NameCase(v)); break;
    case etLowerCase: SetText(v.toLower()); break;
    case etAlphaNumeric:
        if (allIn([](QChar c) { return c.unicode() < 128 && c.isLetterOrNumber(); })) {
            SetText(v);
            SetIsModified(true);
        }
        break;
    case etValidChars:
        if (allIn([this](QChar c) { return ValidChars.contains(c); })) {
            SetText(v);
            SetIsModified(true);
        }
        break;
    case etRange:
    case etHex:
        break;
    }
    // The caret moves as if the text was pasted, whether or not it was taken.
    if (editType_ == etMoney && Text().size() > 3) {
        SelectAll();
    } else {
        SetSelStart(caret);
        SetSelLength(length);
    }
    if (editType_ == etString || (editType_ >= etUppercase && editType_ <= etPassword)) SetIsModified(true);
}

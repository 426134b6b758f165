#include "grid/editors/dropdown/dropdown_numbers.h"
#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "grid/foundation/text_routines.h"
#include "platform/controls/keyboard.h"
#include "platform/system/regional.h"

// What each edit type lets the user type. A character that passes goes on to the edit, which
// inserts it; one that is dropped goes nowhere.

namespace {
bool isDigit(QChar ch) { return ch >= u'0' && ch <= u'9'; }
bool isControlKey(QChar ch) { return ch == u'\b' || ch == u'\t' || ch == u'\r'; }
bool isAsciiLetter(QChar ch) { return (ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z'); }
bool isHexLetter(QChar ch) { return (ch >= u'A' && ch <= u'F') || (ch >= u'a' && ch <= u'f'); }
bool numericType(TDropDownEditType Type) { return Type == etNumeric || Type == etFloat || Type == etMoney; }
// The keypad's decimal key: its scan code in the key data has bit 22 set.
constexpr intptr_t KeypadKeyBit = intptr_t(1) << 22;
}  // namespace

bool TExCustomDropDown::filterChar(QChar& K, intptr_t KeyData) {
    const QString value = Text();
    const int pre = valueStart();
    const QChar decimal = FormatSettings.DecimalSeparator;
    if (SelLength() > 0 && !value.isEmpty() && SelLength() == value.size()) blockChange_ = true;
    if (ExcelStyleDecimalSeparator && (K == u'.' || K == u',') && (KeyData & KeypadKeyBit)) K = decimal;
    if (K == u'\b' && !Prefix.isEmpty() && SelLength() == 0 && SelStart() <= pre) return false;
    if (LengthLimit > 0) {
        const bool signCounts = Signed && numericType(editType_);
        const qsizetype at = value.indexOf(decimal);
        const int integerPartEnd = at >= 0 ? static_cast<int>(at) + 1 + pre
                                           : pre + static_cast<int>(value.size() + Suffix.size()) + 1;
        if (IntegerLength(value, signCounts) > LengthLimit && SelLength() == 0 && SelStart() < integerPartEnd &&
            K != u'\b' && K != decimal && !(K == u'-' && signCounts))
            return false;
    }
    if (K == u'\b') {
        // One change event when Backspace empties the value: the edit's own is swallowed when
        // the whole value was selected.
        QString predicted = value;
        const int from = SelStart() - pre;
        if (from >= 1) predicted.remove(from - 1, SelLength() > 0 ? SelLength() : 1);
        const auto alive = alive_.Watch();
        TMessage pass{WM_CHAR, K.unicode(), KeyData, 0};
        TCustomMaskEdit::WndProc(pass);
        if (*alive && Text().isEmpty() && !predicted.isEmpty()) Change();
        return false;
    }
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (K == u'\n' && ctrl) return false;
    if (K == u'-' && numericType(editType_) && !Signed) return false;

    switch (editType_) {
    case etString:
    case etPassword:
        SetIsModified(true);
        break;
    case etAlphaNumeric:
        if (!isControlKey(K) && !isDigit(K) && !isAsciiLetter(K)) return false;
        SetIsModified(true);
        break;
    case etValidChars:
        if (!ValidChars.contains(K) && K != u'\b') return false;
        SetIsModified(true);
        break;
    case etHex:
        if (!isControlKey(K) && K != u'-' && !isDigit(K) && !isHexLetter(K)) return false;
        SetIsModified(true);
        break;
    case etUppercase:
        K = QString(K).toUpper().at(0);
        break;
    case etLowerCase:
        K = QString(K).toLower().at(0);
        break;
    case etMixedCase: {
        const int caret = SelStart();
        TMessage pass{WM_CHAR, K.unicode(), KeyData, 0};
        const auto alive = alive_.Watch();
        TCustomMaskEdit::WndProc(pass);
        if (!*alive) return false;
        SetEditText(Prefix + NameCase(Text()) + Suffix);
        SetSelStart(caret + 1);
        endStep();
        return false;
    }
    case etRange:
        if (!isControlKey(K) && !isDigit(K) && !IsRangeSeparator(K)) return false;
        SetIsModified(true);
        if (IsRangeSeparator(K)) {
            // A separator never starts the value nor stands beside another one.
            const QString text = EditText() + u' ';
            const int caret = SelStart();
            if (caret <= pre) return false;
            if (IsRangeSeparator(text.at(caret - 1)) || IsRangeSeparator(text.at(caret))) return false;
        }
        break;
    case etNumeric:
        if (K == u'-') {
            if (SelLength() == value.size()) {
                SetEditText(Prefix + u'-' + Suffix);
                SetSelStart(pre + 1);
                return false;
            }
            toggleSign();
            endStep();
            return false;
        }
        if (!isControlKey(K) && !isDigit(K) && !ctrl) return false;
        break;
    case etFloat:
    case etMoney:
        return filterFloat(K, editType_ == etMoney);
    }
    // The character goes on; the end step follows once the edit has taken it.
    return true;
}

bool TExCustomDropDown::filterFloat(QChar& K, bool Money) {
    const QString value = Text();
    const int pre = valueStart();
    const int caret = SelStart() - pre;
    const QChar decimal = FormatSettings.DecimalSeparator, thousand = FormatSettings.ThousandSeparator;
    if (Money) {
        if (K == decimal && (value.contains(decimal) || precision_ == 0)) {
            // The separator again jumps behind the one there is.
            if (precision_ <= 0) return false;
            if (SelLength() == value.size()) SetText("0,0");
            SelectAfterDecimal();
            return false;
        }
        if (!isControlKey(K) && K != u'-' && !isDigit(K) && K != decimal) return false;
    } else {
        if (K == u',' && decimal != u',' && thousand != u',') return false;
        if (K == u'.' && decimal != u'.' && thousand != u'.') return false;
        if (!isControlKey(K) && K != u',' && K != u'-' && K != u'.' && !isDigit(K)) return false;
        if (K == decimal && !SelText().contains(decimal) && (value.contains(decimal) || precision_ == 0)) {
            if (precision_ > 0) SelectAfterDecimal();
            return false;
        }
    }
    if ((K == thousand || K == decimal) && ThousandSeparatorMisplaced(value, caret)) return false;
    if (DecimalsFull(value, caret, precision_) && (isDigit(K) || K == decimal) && SelLength() == 0) {
        const qsizetype at = value.indexOf(decimal);
        // A digit among full decimals overwrites the next one.
        if (!isDigit(K) || caret <= at || caret >= value.size()) return false;
        SetSelLength(1);
    }
    if (SelStart() == 0 && value.isEmpty() && K == decimal) {
        SetEditText(Prefix + u'0' + decimal + Suffix);
        SetSelStart(2);
        SetIsModified(true);
        return false;
    }
    if (K == u'-' && SelLength() == 0) {
        toggleSign();
        return false;
    }
    if (!Money) return true;
    const auto alive = alive_.Watch();
    TMessage pass{WM_CHAR, K.unicode(), 0, 0};
    TCustomMaskEdit::WndProc(pass);
    if (!*alive) return false;
    const QString typed = Text();
    if (!typed.isEmpty() && typed != "-" && K != decimal) {
        if (editModified_) SetIsModified(true);
        FormatThousands();
    }
    endStep();
    return false;
}

void TExCustomDropDown::toggleSign() {
    const QString value = Text();
    const int caret = SelStart(), pre = valueStart();
    if (value.contains(u'-')) {
        SetEditText(Prefix + value.mid(1) + Suffix);
        SetSelStart(caret > pre ? caret - 1 : pre);
    } else {
        SetEditText(Prefix + u'-' + value + Suffix);
        SetSelStart(caret + 1);
    }
    SetIsModified(true);
}

void TExCustomDropDown::endStep() {
    if (editModified_) SetIsModified(true);
}

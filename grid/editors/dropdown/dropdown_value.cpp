#include "grid/editors/dropdown/dropdown_numbers.h"
#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "platform/system/number_format.h"
#include "platform/system/regional.h"

#include <cmath>

// The value between the prefix and the suffix: its reading, writing and formatting.

namespace {
bool zeroWhenEmpty(TDropDownEditType Type) {
    return Type == etNumeric || Type == etFloat || Type == etMoney || Type == etHex;
}
QString hexDigits(int64_t Value) { return QString::number(static_cast<uint32_t>(Value), 16).toUpper(); }
}  // namespace

QString TExCustomDropDown::Text() const {
    QString text = EditText();
    if (!Prefix.isEmpty() && text.startsWith(Prefix)) text.remove(0, Prefix.size());
    // The suffix is cut by its length, whatever the user made of it.
    if (!Suffix.isEmpty()) text.chop(Suffix.size());
    return text;
}

void TExCustomDropDown::SetText(const QString& Value) {
    QString value = Value;
    if (value.isEmpty() && zeroWhenEmpty(editType_)) value = "0";
    if (precision_ > 0 && !value.isEmpty() && value != "Error") {
        if (editType_ == etMoney) value = FormatNumber(DropDownTextToFloat(value), precision_);
        else if (editType_ == etFloat) value = FormatFixed(DropDownTextToFloat(value), precision_);
    }
    if (editType_ == etHex) value = value.toUpper();
    SetEditText(Prefix + value + Suffix);
    oldText_ = value;
    SetIsModified(false);
}

void TExCustomDropDown::SetTextDirect(const QString& Value) { SetEditText(Value); }

void TExCustomDropDown::SetEditText(const QString& Value) {
    TCustomEdit::SetText(Value);
    editModified_ = false;
}

double TExCustomDropDown::FloatValue() const {
    const QString value = Text();
    switch (editType_) {
    case etString:
        return ValNumber(value);
    case etNumeric:
    case etFloat:
        if (value.isEmpty() || value == "Error" || value == "-") return 0;
        return DropDownTextToFloat(value);
    case etMoney: {
        QString v = StripThousandSeparators(value);
        if (v.endsWith(FormatSettings.DecimalSeparator)) v.chop(1);
        return v.isEmpty() || v == "-" ? 0 : DropDownTextToFloat(v);
    }
    case etHex:
        return value.isEmpty() ? 0 : HexToInt(value);
    default:
        return 0;
    }
}

void TExCustomDropDown::SetFloatValue(double Value) {
    const QString general = FormatGeneral(Value);
    switch (editType_) {
    case etString:
    case etFloat:
        SetText(precision_ < 0 ? general : FormatFixed(Value, precision_));
        break;
    case etNumeric:
        SetText(precision_ < 0 ? general : FormatNumber(Value, precision_));
        break;
    case etMoney:
        SetText(precision_ < 0 ? general : FormatFixed(Value, precision_));
        FormatThousands();
        break;
    case etHex:
        SetText(hexDigits(static_cast<int64_t>(std::trunc(Value))));
        break;
    default:
        break;
    }
    SetIsModified(true);
}

void TExCustomDropDown::SetIntValue(int Value) {
    switch (editType_) {
    case etNumeric:
    case etFloat:
    case etMoney:
        SetText(QString::number(Value));
        if (editType_ == etMoney) FormatThousands();
        break;
    case etHex:
        SetText(hexDigits(Value));
        break;
    default:
        break;
    }
    SetIsModified(true);
}

void TExCustomDropDown::SetIsModified(bool Value) {
    if (!Editable() || ReadOnly) return;
    editModified_ = Value;
    isModified_ = Value;
}

void TExCustomDropDown::SetEditType(TDropDownEditType Value) {
    if (editType_ == Value) return;
    editType_ = Value;
    if (Value == etPassword) {
        SetPasswordChar(u'*');
        CanUndo = false;
    } else {
        SetPasswordChar(QChar());
    }
    const int kind = ClassifyNumber(Text());
    if ((Value == etNumeric && kind != 0) || (Value == etHex && kind != 0 && kind != 5)) SetIntValue(0);
    else if ((Value == etFloat || Value == etMoney) && kind != 0 && kind != 1) SetFloatValue(0);
}

void TExCustomDropDown::SetPrecision(int Value) {
    if (precision_ == Value || (editType_ != etString && editType_ != etFloat && editType_ != etMoney)) return;
    precision_ = Value;
    const int kind = ClassifyNumber(Text());
    SetFloatValue(kind != 0 && kind != 1 ? 0 : FloatValue());
}

void TExCustomDropDown::FormatThousands() {
    QString s = Text();
    if (s.isEmpty()) return;
    const int lengthBefore = static_cast<int>(s.size());
    const int caret = SelStart();
    const QString sign = s.startsWith(u'-') ? "-" : "";
    if (!sign.isEmpty()) s.remove(0, 1);
    const qsizetype at = s.indexOf(FormatSettings.DecimalSeparator);
    const QString decimals = at >= 0 ? s.mid(at, 255) : QString();
    const double whole = std::trunc(std::fabs(FloatValue()));
    QString digits = AutoThousandSeparator ? FormatNumber(whole, 2) : FormatFixed(whole, 2);
    digits.truncate(digits.indexOf(FormatSettings.DecimalSeparator));
    // A direct write tells no one, so no change notice needs swallowing.
    SetEditText(Prefix + sign + digits + decimals + Suffix);
    SetSelStart(caret + static_cast<int>(Text().size()) - lengthBefore);
}

void TExCustomDropDown::SelectAll() {
    SetSelStart(valueStart());
    SetSelLength(static_cast<int>(Text().size()));
}

void TExCustomDropDown::SelectAfterDecimal() {
    const qsizetype at = Text().indexOf(FormatSettings.DecimalSeparator);
    SetSelStart(valueStart() + (at < 0 ? 0 : static_cast<int>(at) + 1));
}

void TExCustomDropDown::SelectBeforeDecimal() {
    const qsizetype at = Text().indexOf(FormatSettings.DecimalSeparator);
    SetSelStart(valueStart() + (at < 0 ? 0 : static_cast<int>(at)));
}

void TExCustomDropDown::Change() {
    editModified_ = true;
    if (blockChange_) {
        blockChange_ = false;
        return;
    }
    ++changeCount_;
    TCustomMaskEdit::Change();
}

#include "grid/editors/dropdown/calculator_dropdown.h"

#include "grid/editors/dropdown/dropdown_form.h"
#include "grid/editors/dropdown/dropdown_numbers.h"
#include "platform/core/exception.h"
#include "platform/system/number_format.h"
#include "platform/system/regional.h"

#include <cmath>

namespace {
bool isDigit(QChar ch) { return ch >= u'0' && ch <= u'9'; }
const QString ErrorText = QStringLiteral("Error");
}  // namespace

TExCalculatorDropdown::TExCalculatorDropdown(TComponent* AOwner) : TExCustomDropDown(AOwner) {
    // The base made its pop-up before this class existed: the keypad joins it now.
    CreateDropDownForm();
    // The base set its style before the keypad's colours existed.
    SetComponentStyle(GetComponentStyle());
    SetDropDownColor(clWhite);
    SetDropDownWidth(230);
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    SetEditType(etFloat);
    SetPrecision(2);
}

void TExCalculatorDropdown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (!DropDownForm()) return;
    if (!panel_) {
        panel_ = new TCustomButtonPanel(this);
        panel_->SetExDropDown(this);
        panel_->SetParent(DropDownForm());
        panel_->SetHeight(150);
        panel_->BuildButtons();
    }
    SetControl(panel_);
    panel_->OnButtonClick = [this](TObject* Sender, int Index) { CalcButtonClick(Sender, Index); };
}

void TExCalculatorDropdown::BeforeDropDown() {
    TExCustomDropDown::BeforeDropDown();
    if (!DropDownForm() || !panel_) return;
    // A click elsewhere closes the pop-up keeping the result.
    DropDownForm()->CancelOnDeActivate = false;
    panel_->ButtonAppearance() = calcAppearance_;
    panel_->ButtonAppearance().Color = DropDownColor();
    panel_->LayoutButtons();
    newval_ = true;
    decim_ = 0;
    calcClosed_ = false;
    textAtOpening_ = Text();
}

void TExCalculatorDropdown::DoHideDropDown(bool Cancel) {
    const bool open = DroppedDown();
    const auto alive = alive_.Watch();
    TExCustomDropDown::DoHideDropDown(Cancel);
    if (*alive && open && Cancel && !DroppedDown()) SetText(textAtOpening_);
}

bool TExCalculatorDropdown::popupHidden() const { return DropDownForm() && !DropDownForm()->Visible(); }

// ---- the number in the edit

void TExCalculatorDropdown::setNumber(long double Value) {
    if (!std::isfinite(static_cast<double>(Value))) {
        setError();
        return;
    }
    SetFloatValue(static_cast<double>(Value));
}

long double TExCalculatorDropdown::parsedText() const {
    const QString text = Text();
    double value = 0;
    if (!TryStrToFloat(StripThousandSeparators(text), value))
        throw Exception(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

void TExCalculatorDropdown::zeroWhenEmptyOrError() {
    if (Text().isEmpty() || Text() == ErrorText) SetText(QStringLiteral("0"));
}

double TExCalculatorDropdown::Value() {
    if (Text().isEmpty()) SetText(QStringLiteral("0"));
    double value = 0;
    return TryStrToFloat(StripThousandSeparators(Text()), value) ? value : 0;
}

void TExCalculatorDropdown::SetValue(double Value) { SetText(FormatGeneral(Value)); }

void TExCalculatorDropdown::SetShowThousandSeparator(bool Value) {
    if (showThousandSeparator_ == Value) return;
    showThousandSeparator_ = Value;
    SetEditType(Value ? etMoney : etFloat);
    SetFloatValue(FloatValue());
}

// ---- the operations

void TExCalculatorDropdown::DoCalc() {
    zeroWhenEmptyOrError();
    const long double x = parsedText();
    long double result = 0;
    switch (prevop_) {
    case opAdd:
        result = prevval_ + x;
        break;
    case opMul:
        result = prevval_ * x;
        break;
    case opSub:
        result = prevval_ - x;
        break;
    case opDiv:
        if (x == 0) {
            prevval_ = 0;
            setError();
            return;
        }
        result = prevval_ / x;
        break;
    case opNone:
        result = x;
        break;
    }
    newval_ = true;
    // A result beyond the range shows the error rather than a number it is not.
    if (!std::isfinite(static_cast<double>(result))) {
        prevval_ = 0;
        setError();
        return;
    }
    prevval_ = result;
    setNumber(prevval_);
}

void TExCalculatorDropdown::doOperation(TCalcOperation Operation) {
    DoCalc();
    prevop_ = Operation;
}

void TExCalculatorDropdown::DoEquals() {
    DoCalc();
    if (Text().isEmpty()) SetText(QStringLiteral("0"));
    prevop_ = opNone;
    if (Text() != ErrorText) prevval_ = parsedText();
}

void TExCalculatorDropdown::DoPercent() {
    zeroWhenEmptyOrError();
    const long double result = prevval_ * parsedText() / 100;
    if (!std::isfinite(static_cast<double>(result))) setError();
    else SetText(FormatGeneral(static_cast<double>(result)));
}

void TExCalculatorDropdown::clear() {
    SetText(QStringLiteral("0"));
    prevval_ = 0;
    prevop_ = opNone;
}

// ---- the keypad

void TExCalculatorDropdown::digitKey(int Digit) {
    if ((FloatValue() == 0 && decim_ == 0) || newval_) {
        SetText(QString::number(Digit));
        newval_ = false;
        return;
    }
    const double v = FloatValue();
    if (decim_ == 0) {
        setNumber(static_cast<long double>(v) * 10 + Digit);
    } else {
        setNumber(v + static_cast<double>(Digit) / decim_);
        // Past the digits a double holds, further decimals change nothing.
        if (decim_ <= 100000000) decim_ *= 10;
    }
}

void TExCalculatorDropdown::CalcButtonClick(TObject*, int Index) {
    if (!panel_ || Index < 0 || Index >= static_cast<int>(panel_->Buttons().size())) return;
    CalcKeyHook();
    const int tag = panel_->Buttons()[static_cast<size_t>(Index)].Tag;
    if ((tag >= 10 && tag <= 14) || (tag >= 16 && tag <= 18)) decim_ = 0;
    if ((tag <= 9 || tag == 14 || tag == 15) && lengthFull()) return;
    switch (tag) {
    case 10:
        doOperation(opAdd);
        break;
    case 11:
        doOperation(opSub);
        break;
    case 12:
        doOperation(opMul);
        break;
    case 13:
        doOperation(opDiv);
        break;
    case 14: {
        QString text = Text();
        if (text.contains(u'-')) text.remove(0, 1);
        else text.prepend(u'-');
        SetText(text);
        break;
    }
    case 15: {
        const QChar decimal = FormatSettings.DecimalSeparator;
        if (!Text().contains(decimal)) SetText(Text() + decimal);
        decim_ = 10;
        if (newval_) SetText(QStringLiteral("0"));
        newval_ = false;
        break;
    }
    case 16:
    case 30:
    case 32:
        clear();
        break;
    case 17:
        DoEquals();
        break;
    case 18:
        DoPercent();
        break;
    case 31:
        if (prevop_ == opNone) SetText(FormatGeneral(FloatValue()).chopped(1));
        break;
    case 33:
        mval_ = 0;
        break;
    case 34:
        setNumber(mval_);
        break;
    case 35:
        mval_ = parsedText();
        break;
    case 36:
        mval_ += parsedText();
        break;
    case 37:
        if (FloatValue() >= 0) setNumber(std::sqrt(static_cast<long double>(FloatValue())));
        else setError();
        break;
    case 38:
        if (FloatValue() != 0) setNumber(1 / static_cast<long double>(FloatValue()));
        else setError();
        break;
    default:
        if (tag >= 0 && tag <= 9) digitKey(tag);
        break;
    }
    SetIsModified(true);
}

// ---- keys

void TExCalculatorDropdown::CalcKeyPress(QChar Key) {
    CalcKeyHook();
    const QChar decimal = FormatSettings.DecimalSeparator;
    if (Key == decimal && !Text().contains(decimal)) SetText(Text() + decimal);
    if (isDigit(Key) && lengthFull()) return;
    const auto alive = alive_.Watch();
    if (operatorChar(Key)) return;
    switch (Key.unicode()) {
    case u'\r':
        DoEquals();
        if (*alive) HideDropDown(false);
        break;
    case 27:
        HideDropDown(true);
        break;
    case u'C':
    case u'c':
        clear();
        newval_ = true;
        break;
    default:
        if (isDigit(Key) && (Text() == QStringLiteral("0") || newval_)) newval_ = false;
        break;
    }
}

bool TExCalculatorDropdown::operatorChar(QChar Key) {
    switch (Key.unicode()) {
    case u'%':
        DoPercent();
        return true;
    case u'*':
        doOperation(opMul);
        return true;
    case u'+':
        doOperation(opAdd);
        return true;
    case u'-':
        doOperation(opSub);
        return true;
    case u'/':
        doOperation(opDiv);
        return true;
    case u'=':
        DoEquals();
        return true;
    default:
        return false;
    }
}

void TExCalculatorDropdown::DropDownFormKeyPress(QChar& Key) {
    const auto alive = alive_.Watch();
    TExCustomDropDown::DropDownFormKeyPress(Key);
    if (*alive) CalcKeyPress(Key);
}

void TExCalculatorDropdown::DropDownFormKeyDown(uint16_t& Key, TShiftState Shift) {
    const auto alive = alive_.Watch();
    TExCustomDropDown::DropDownFormKeyDown(Key, Shift);
    if (!*alive) return;
    if (Key == VK_TAB || Key == VK_F4) {
        HideDropDown(false);
    } else if (Key == VK_BACK) {
        const QString rest = Text().chopped(std::min<qsizetype>(1, Text().size()));
        SetText(rest.isEmpty() || rest == ErrorText ? QStringLiteral("0") : rest);
    }
}

bool TExCalculatorDropdown::editKeyPress(QChar& Key) {
    if ((calcClosed_ || popupHidden()) && !operatorChar(Key)) {
        if (Key == u'\r') {
            DoEquals();
        } else if (Key == u'C' || Key == u'c') {
            SetText(QStringLiteral("0"));
            newval_ = true;
            prevop_ = opNone;
        }
    }
    const QChar decimal = FormatSettings.DecimalSeparator;
    if (!isDigit(Key) && Key != decimal && Key != u'\b' && Key != u'-') return false;
    if (isDigit(Key) && (Text() == QStringLiteral("0") || newval_)) {
        SetText(Key);
        SetSelStart(static_cast<int>(Prefix.size()) + 1);
        newval_ = false;
        return false;
    }
    if (Key == u'\b' && Text().size() == 1) {
        SetText(QStringLiteral("0"));
        SetSelStart(static_cast<int>(Prefix.size()) + 1);
        return false;
    }
    if (Key == FormatSettings.ThousandSeparator) return false;
    if (Key == decimal && Text().contains(decimal)) return false;
    return true;
}

void TExCalculatorDropdown::WndProc(TMessage& Message) {
    if (Message.Msg == WM_CHAR) {
        QChar key(static_cast<char16_t>(Message.WParam));
        const auto alive = alive_.Watch();
        if (!editKeyPress(key) || !*alive) return;
        Message.WParam = key.unicode();
    }
    TExCustomDropDown::WndProc(Message);
    if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_DELETE && (Text().isEmpty() || Text() == ErrorText))
        SetText(QStringLiteral("0"));
}

// ---- styles

void TExCalculatorDropdown::SetComponentStyle(TExStyle AStyle) {
    TExCustomDropDown::SetComponentStyle(AStyle);
    const TExButtonAppearance& b = ButtonAppearance();
    TButtonAppearance& a = calcAppearance_;
    a.BorderColor = b.BorderColor();
    a.BorderColorHot = b.BorderColorHot();
    a.BorderColorDown = b.BorderColorDown();
    a.Color = b.Color();
    a.ColorTo = b.ColorTo();
    a.ColorDown = b.ColorDown();
    a.ColorDownTo = b.ColorDownTo();
    a.ColorHot = b.ColorHot();
    a.ColorHotTo = b.ColorHotTo();
    a.ColorDisabled = b.ColorDisabled();
    a.ColorDisabledTo = b.ColorDisabledTo();
    a.BorderColorChecked = b.BorderColorDisabled();
    a.ColorChecked = b.ColorDisabledTo();
    a.ColorCheckedTo = b.ColorHotTo();
    if (AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver || AStyle == tsOffice2010Black) {
        a.GlowColorDown = b.ColorHot();
        a.GlowColorHot = b.ColorHot();
    } else {
        a.GlowColorDown = 0xD5C244;
        a.GlowColorHot = b.ColorDownTo();
    }
}

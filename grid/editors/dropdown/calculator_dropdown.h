#pragma once

#include "grid/editors/dropdown/button_panel.h"
#include "grid/editors/dropdown/ex_custom_dropdown.h"

// A numeric edit with a pocket calculator in its pop-up. The keypad works on the number the
// edit shows (the display register): one pending operation, applied left to right without
// precedence, a memory, square root, reciprocal and percent. The operator characters also act
// in the edit while the pop-up is closed. Division by zero, the root of a negative number, the
// reciprocal of 0 and a result beyond the range of numbers show "Error".
class TExCalculatorDropdown : public TExCustomDropDown {
public:
    explicit TExCalculatorDropdown(TComponent* AOwner);

    TCustomButtonPanel* ExButtonPanel() const { return panel_; }
    // Copied into the keypad each time the pop-up opens.
    TButtonAppearance& CalcButtonAppearance() { return calcAppearance_; }
    void SetCalcButtonAppearance(const TButtonAppearance& Value) { calcAppearance_ = Value; }
    bool ShowThousandSeparator() const { return showThousandSeparator_; }
    void SetShowThousandSeparator(bool Value);
    // The edit's number; 0 when the text is none.
    double Value();
    void SetValue(double Value);

    // Applies the pending operation, as "=" does: what the grid's editor calls when Enter ends
    // the edit.
    void CalcResult() { DoEquals(); }
    // A click on the keypad's key Index.
    void CalcButtonClick(TObject* Sender, int Index);

    void SetComponentStyle(TExStyle AStyle) override;
    void WndProc(TMessage& Message) override;

protected:
    // Called first by every keypad click and every character the open pop-up handles.
    virtual void CalcKeyHook() {}
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoHideDropDown(bool Cancel) override;
    void DropDownFormKeyPress(QChar& Key) override;
    void DropDownFormKeyDown(uint16_t& Key, TShiftState Shift) override;

private:
    enum TCalcOperation { opNone = -1, opAdd = 0, opMul = 1, opSub = 2, opDiv = 3 };

    void DoCalc();
    void DoEquals();
    void DoPercent();
    void CalcKeyPress(QChar Key);
    // The operator characters, wherever they are typed; false for any other.
    bool operatorChar(QChar Key);
    // The character typed in the edit, before the framework's filter; false drops it.
    bool editKeyPress(QChar& Key);
    void doOperation(TCalcOperation Operation);
    void clear();
    // The number formatted by Precision; "Error" when it is beyond the range of numbers.
    void setNumber(long double Value);
    void setError() { SetText(QStringLiteral("Error")); }
    // The text read as a number, thousand separators dropped; raises the conversion error.
    long double parsedText() const;
    void zeroWhenEmptyOrError();
    bool lengthFull() const { return MaxLength > 0 && Text().size() == MaxLength; }
    void digitKey(int Digit);
    bool popupHidden() const;

    TCustomButtonPanel* panel_ = nullptr;
    TButtonAppearance calcAppearance_;
    int decim_ = 0;
    bool newval_ = false;
    long double prevval_ = 0;
    TCalcOperation prevop_ = opNone;
    bool calcClosed_ = true;
    long double mval_ = 0;
    bool showThousandSeparator_ = false;
    // Every key writes the text, so the text to go back to on Escape is kept here.
    QString textAtOpening_;
};

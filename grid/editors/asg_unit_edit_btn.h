#pragma once

#include "grid/editors/asg_edit_btn.h"

#include <QStringList>

using TUnitChangeEvent = TEvent<void(TObject* Sender, const QString& NewUnit)>;

// An edit with button for a number and its physical unit: the button offers the units in a
// pop-up menu, and the chosen unit stands in a strip between the text and the button.
class TAsgUnitEditBtn : public TAsgEditBtn {
public:
    explicit TAsgUnitEditBtn(TComponent* AOwner);

    QString UnitID() const { return unitID_; }
    void SetUnitID(const QString& Value);
    const QStringList& Units() const { return units_; }
    void SetUnits(const QStringList& Value) { units_ = Value; }
    int UnitSpace() const { return unitSize_; }
    void SetUnitSpace(int Value);
    // The text followed by the unit. Written, the first unit (in list order) that ends the value
    // and occurs nowhere earlier in it splits off; without one nothing changes.
    QString TextAndUnit() const { return Text() + unitID_; }
    void SetTextAndUnit(const QString& Value);

    TUnitChangeEvent OnUnitChanged;

    void ClickButton(TObject* Sender) override;
    void WndProc(TMessage& Message) override;

private:
    QString unitID_;
    QStringList units_;
};

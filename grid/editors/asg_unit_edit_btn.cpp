#include "grid/editors/asg_unit_edit_btn.h"

#include "platform/controls/popup_menu.h"
#include "platform/graphics/canvas.h"

TAsgUnitEditBtn::TAsgUnitEditBtn(TComponent* AOwner) : TAsgEditBtn(AOwner) {
    unitSize_ = 20;
    SetRightAlign(true);
    SetEditRect();
}

void TAsgUnitEditBtn::SetUnitID(const QString& Value) {
    unitID_ = Value;
    Invalidate();
}

void TAsgUnitEditBtn::SetUnitSpace(int Value) {
    unitSize_ = Value;
    SetEditRect();
    Invalidate();
}

void TAsgUnitEditBtn::SetTextAndUnit(const QString& Value) {
    for (const QString& unit : units_) {
        if (unit.isEmpty()) continue;
        const qsizetype p = Value.indexOf(unit);
        if (p >= 0 && p == Value.size() - unit.size()) {
            SetText(Value.left(p));
            SetUnitID(Value.mid(p));
            return;
        }
    }
}

void TAsgUnitEditBtn::ClickButton(TObject* Sender) {
    OnClickBtn(this);
    const TPoint corner = ClientToScreen({BorderWidth() + InnerWidth() - 15, BorderWidth() + InnerHeight()});
    TrackPopupMenu(units_, corner.X, corner.Y, this);
}

void TAsgUnitEditBtn::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_COMMAND: {
        const unsigned code = static_cast<unsigned>(m.WParam >> 16) & 0xFFFF;
        const int id = static_cast<int>(m.WParam & 0xFFFF);
        if (code != EN_CHANGE && id >= 1 && id <= units_.size()) {
            const QString previous = unitID_;
            SetUnitID(units_[id - 1]);
            if (unitID_ != previous) OnUnitChanged(this, unitID_);
        }
        return;
    }
    case WM_PAINT: {
        TAsgEditBtn::WndProc(m);
        if (!m.LParam) return;
        TCanvas& canvas = *reinterpret_cast<TCanvas*>(m.LParam);
        const int b = BorderWidth();
        const int right = b + InnerWidth() - Button()->Width() - 3;
        TRect strip{right - unitSize_, b + 2, right, b + InnerHeight()};
        canvas.Font.Assign(Font());
        canvas.Brush.Style = bsClear;
        canvas.DrawText(unitID_, strip, DT_SINGLELINE | DT_NOPREFIX);
        canvas.Brush.Style = bsSolid;
        return;
    }
    default:
        break;
    }
    TAsgEditBtn::WndProc(m);
}

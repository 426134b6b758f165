// The floating footer's settings and what they change in the grid.
#include "grid/stringgrid/filter/footer_panel.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

void TFloatingFooter::Assign(const TFloatingFooter& Source) {
    CalculateHiddenRows = Source.CalculateHiddenRows;
    Color = Source.Color;
    Column = Source.Column;
    CustomTemplate = Source.CustomTemplate;
    FooterStyle = Source.FooterStyle;
    SetVisible(Source.Visible);
    SetShowHint(Source.ShowHint);
}

void TFloatingFooter::SetHeight(int Value) {
    Height = Value;
    if (Value > 0 && Visible) FOwner->FloatingFooterChanged();
}

void TFloatingFooter::SetVisible(bool Value) {
    Visible = Value;
    FOwner->FloatingFooterChanged();
}

void TFloatingFooter::SetColor(TColor Value) {
    Color = Value;
    Invalidate();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value) {
    FooterStyle = Value;
    FOwner->FloatingFooterChanged();
}

void TFloatingFooter::SetColumn(int Value) {
    Column = Value;
    Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const QString& Value) {
    CustomTemplate = Value;
    Invalidate();
}

void TFloatingFooter::SetShowHint(bool Value) {
    ShowHint = Value;
    FOwner->FooterPanel().ShowHint = Value;
}

void TFloatingFooter::SetBorderColor(TColor Value) {
    if (Value == BorderColor) return;
    BorderColor = Value;
    Invalidate();
}

TColumnCalcType TFloatingFooter::GetColumnCalc(int c) const {
    const int last = FOwner->RowCount() - 1;
    return FOwner->HasCellProperties(c, last) ? FOwner->GetCellProperties(c, last)->CalcType() : acNONE;
}

void TFloatingFooter::SetColumnCalc(int c, TColumnCalcType Value) {
    FOwner->GetCellProperties(c, FOwner->RowCount() - 1)->SetCalcType(Value);
    FOwner->ColumnChanged(c);
}

void TFloatingFooter::Invalidate() { FOwner->FooterPanel().Invalidate(); }

TFooterPanel& TExStringGrid::FooterPanel() {
    if (!p->FFooterPanel) {
        p->FFooterPanel = new TFooterPanel(this);
        p->FFooterPanel->SetParent(this);
        p->FFooterPanel->SetBounds(0, Height(), Width(), 0);
        p->FFooterPanel->SetVisible(false);
    }
    return *p->FFooterPanel;
}

TCanvas& TExStringGrid::FooterCanvas() { return FooterPanel().Canvas(); }

void TExStringGrid::UpdateFooter() {
    if (p->FFooterPanel) p->FFooterPanel->Invalidate();
}

void TExStringGrid::LastRowChanged() {
    TBaseGrid::LastRowChanged();
    UpdateFooter();
}

void TExStringGrid::FloatingFooterChanged() {
    const TFloatingFooter& footer = *p->FloatingFooter;
    // Only the last-row style shows the grid's last row as the footer.
    const bool lastRow = footer.Visible && footer.FooterStyle == fsFixedLastRow;
    SetFixedFooters(lastRow ? 1 : 0);
    FHideLastRow = lastRow;
    TFooterPanel& panel = FooterPanel();
    const int height = footer.Visible ? std::max(footer.Height - 1, 0) : 0;
    const TRect client = ClientRect();
    panel.SetBounds(0, client.Bottom - height, client.Right, height);
    panel.SetVisible(footer.Visible);
    panel.Invalidate();
    Invalidate();
}

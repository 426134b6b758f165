// The grid's side of the search panel: the SearchFooter settings applied to it, the last row
// kept clear of it, and the handlers of its edit and buttons.
#include "grid/foundation/grid_button.h"
#include "grid/foundation/grid_check_box.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/paint/control_look.h"
#include "grid/stringgrid/search/search_panel.h"
#include "platform/controls/custom_combo_box.h"

namespace {
constexpr int panelHeight = 32;
constexpr TColor notFoundColor = 0x0000FF;
}  // namespace

TSearchPanel& TExStringGrid::makeSearchPanel() {
    if (!p->FSearchPanel) {
        auto* panel = new TSearchPanel(this);
        p->FSearchPanel = panel;
        panel->SetParent(this);
        panel->SetVisible(false);
        panel->OnEditChange = [this](TObject* Sender) { SearchPanelEditChange(Sender); };
        panel->OnForwardClick = [this](TObject* Sender) { SearchPanelForwardClick(Sender); };
        panel->OnBackwardClick = [this](TObject* Sender) { SearchPanelBackwardClick(Sender); };
        panel->OnExitClick = [this](TObject* Sender) { SearchPanelExitClick(Sender); };
        panel->OnHighlightClick = [this](TObject* Sender) { SearchPanelHighLightClick(Sender); };
        panel->OnCreated = [this](TObject* Sender) { OnCreatedSearchFooter(Sender); };
    }
    return *p->FSearchPanel;
}

int TExStringGrid::DockedBottomHeight() const {
    return p && p->FSearchPanel && p->SearchFooter->Visible() ? p->FSearchPanel->Height() : 0;
}

void TExStringGrid::placeSearchPanel() {
    if (!p->FSearchPanel) return;
    const bool visible = p->SearchFooter->Visible();
    const TRect client = ClientRect();
    p->FSearchPanel->SetBounds(0, client.Bottom - (visible ? panelHeight : 0), client.Right, visible ? panelHeight : 0);
}

void TExStringGrid::SearchFooterChanged(TObject*) {
    if (IsLoading() || !p->FSearchPanel) return;
    TSearchFooter& footer = *p->SearchFooter;
    TSearchPanel& panel = *p->FSearchPanel;
    if ((panel.HiliteButton()->Down() && panel.Visible() && !footer.Visible()) || footer.AlwaysHighLight)
        UnHilightInGrid(false);
    panel.SetColor(footer.Color());
    panel.SetColorTo(footer.ColorTo());
    panel.SetVisible(footer.Visible());

    panel.FindNextCaption = footer.FindNextCaption();
    panel.FindPrevCaption = footer.FindPrevCaption();
    panel.MatchCaseCaption = footer.MatchCaseCaption();
    panel.HighLightCaption = footer.HighLightCaption();
    panel.HintFindNext = footer.HintFindNext();
    panel.HintFindPrev = footer.HintFindPrev();
    panel.HintClose = footer.HintClose();
    panel.HintHighlight = footer.HintHighlight();
    panel.Font().Assign(footer.Font());

    TExGridButton* const buttons[] = {panel.BackwardButton(), panel.ForwardButton(), panel.HiliteButton()};
    for (TExGridButton* button : buttons) {
        button->Font().Assign(footer.Font());
        switch (p->ControlLook->ControlStyle) {
        case csFlat: button->SetFlat(true); break;
        case csWinXP:
        case csTheme:
            if (!p->AutoThemeAdapt) {
                button->AutoXPStyle = true;
                button->SetFlat(false);
            }
            break;
        case csClassic:
            button->AutoXPStyle = false;
            button->SetFlat(false);
            break;
        default: break;
        }
        if (p->AutoThemeAdapt) {
            button->SetAutoThemeAdapt(true);
            button->SetFlat(true);
        }
    }
    panel.HiliteButton()->SetVisible(footer.ShowHighLight());
    panel.ExitButton()->SetVisible(footer.ShowClose());
    panel.MatchCase()->SetVisible(footer.ShowMatchCase());
    panel.MatchCase()->SetTransparent(true);
    panel.BackwardButton()->SetVisible(footer.ShowFindPrev());
    panel.ForwardButton()->SetVisible(footer.ShowFindNext());
    // Captions, hints and places; then the heights of what is hidden.
    panel.Layout();
    for (TExGridButton* button : buttons) button->SetHeight(button->Visible() ? 23 : 0);
    panel.MatchCase()->SetHeight(panel.MatchCase()->Visible() ? 18 : 0);

    placeSearchPanel();
    UpdateScrollBars();
    if (footer.Visible()) ScrollLastRowAboveSearchPanel();
    Invalidate();
}

bool TExStringGrid::IsLastRowAboveSearchPanel() {
    if (!p->SearchFooter->Visible() || !p->FSearchPanel) return false;
    if (TopRow() + VisibleRowCount() < RowCount() - 1) return false;
    return CellRect(0, RowCount() - 1).Bottom < ClientRect().Bottom - p->FSearchPanel->Height() + 2;
}

void TExStringGrid::ScrollLastRowAboveSearchPanel() {
    if (!p->SearchFooter->Visible() || !p->FSearchPanel) return;
    const int panel = p->FSearchPanel->Height();
    if (DefaultRowHeight() + panel >= ClientRect().Bottom) return;
    // Only a last row in view can lie under the panel.
    if (TopRow() + VisibleRowCount() < RowCount() - 1) return;
    while (CellRect(0, RowCount() - 1).Bottom > ClientRect().Bottom - panel + 2 && Row() <= RowCount() - 1 &&
           TopRow() < RowCount()) {
        const int top = TopRow();
        SetTopRow(top + 1);
        if (TopRow() == top) break;
    }
}

// ---- the panel's handlers

TFindParams TExStringGrid::searchPanelParams(bool Typing) {
    const TSearchFooter& footer = *p->SearchFooter;
    const TSearchPanel& panel = *p->FSearchPanel;
    TFindParams params = fnAutoGoto;
    if (panel.HiliteButton()->Down()) params |= fnIgnoreHTMLTags;
    if (panel.MatchCase()->Checked()) params |= fnMatchCase;
    if (footer.SearchActiveColumnOnly) params |= fnFindInCurrentCol;
    if (footer.SearchMatchStart) params |= fnMatchStart;
    if (Typing && footer.SearchFixedCells) params |= fnIncludeFixed;
    if (Typing && footer.SearchHiddenRows) params |= fnIncludeHiddenRows;
    if (footer.SearchDirection == sdLeftRight) params |= fnDirectionLeftRight;
    if (footer.SearchColumn >= 0 && footer.SearchColumn < ColCount()) {
        params |= fnFindInPresetCol;
        FindCol = footer.SearchColumn;
    }
    return params;
}

void TExStringGrid::searchPanelHilight(bool On) {
    const TSearchFooter& footer = *p->SearchFooter;
    const TSearchPanel& panel = *p->FSearchPanel;
    const QString text = panel.EditControl()->Text();
    const bool matchCase = panel.MatchCase()->Checked();
    if (footer.SearchColumn != -1) {
        if (On) HilightInCol(false, matchCase, footer.SearchColumn, text);
        else UnHilightInCol(false, footer.SearchColumn);
    } else {
        if (On) HilightInGrid(false, matchCase, text);
        else UnHilightInGrid(false);
    }
}

void TExStringGrid::SearchPanelEditChange(TObject*) {
    TSearchPanel& panel = *p->FSearchPanel;
    const QString value = panel.EditControl()->Text();
    bool defaultSearch = true;
    OnSearchEditChange(this, value, defaultSearch);
    if (!defaultSearch || !p->SearchFooter->AutoSearch) return;
    const TFindParams params = searchPanelParams(true);
    const bool hilight = panel.HiliteButton()->Down() || p->SearchFooter->AlwaysHighLight;
    if (hilight) searchPanelHilight(false);
    if (value.isEmpty()) {
        panel.EditControl()->SetColor(clWindow);
        return;
    }
    p->FSearchCell = Find({-1, -1}, value, params);
    const TPoint cell = p->FSearchCell;
    DoSearchFooterAction(value, cell.X, cell.Y, saFindFirst);
    if (cell.X < 0) {
        panel.EditControl()->SetColor(notFoundColor);
        return;
    }
    panel.EditControl()->SetColor(clWindow);
    if (!(params & fnIncludeHiddenRows) || !IsHiddenRow(cell.Y)) ScrollInView(Col(), Row());
    if (hilight) searchPanelHilight(true);
}

void TExStringGrid::searchPanelStep(bool Backward) {
    TSearchFooter& footer = *p->SearchFooter;
    TSearchPanel& panel = *p->FSearchPanel;
    const QString text = panel.EditControl()->Text();
    if (!footer.AutoSearch && text != footer.LastSearch) {
        p->FSearchCell = {-1, -1};
        footer.LastSearch = text;
    }
    TFindParams params = searchPanelParams(false);
    // The previous-search always scans column by column.
    if (Backward) params = (params | fnBackward) & ~fnDirectionLeftRight;
    const TPoint cell = Find(p->FSearchCell, text, params);
    p->FSearchCell = cell;
    if (cell.X >= 0 && !Backward) ScrollInView(Col(), Row());
    const bool floating = p->FloatingFooter->Visible;
    const int g = floating ? 0 : 1;
    if (Row() > TopRow() + VisibleRowCount() + g - 3 && (floating ? 1 : 0) + VisibleRowCount() + FixedRows() < RowCount())
        SetTopRow(TopRow() + 2);
    if (cell.X >= 0 && Backward) ScrollInView(Col(), Row());
    DoSearchFooterAction(text, cell.X, cell.Y, Backward ? saFindPrevious : saFindNext);
    panel.Invalidate();
}

void TExStringGrid::SearchPanelForwardClick(TObject*) { searchPanelStep(false); }
void TExStringGrid::SearchPanelBackwardClick(TObject*) { searchPanelStep(true); }

void TExStringGrid::SearchPanelExitClick(TObject*) {
    OnSearchFooterClose(this);
    p->SearchFooter->SetVisible(false);
}

void TExStringGrid::SearchPanelHighLightClick(TObject*) { searchPanelHilight(p->FSearchPanel->HiliteButton()->Down()); }

void TExStringGrid::FixedEditChange(TObject* Sender) {
    if (const auto* editor = dynamic_cast<const TCustomEdit*>(Sender))
        OnEditChange(this, p->FFixedEditCol, p->FFixedEditRow, editor->Text());
    else if (const auto* combo = dynamic_cast<const TCustomComboBox*>(Sender))
        OnEditChange(this, p->FFixedEditCol, p->FFixedEditRow, combo->Text());
}

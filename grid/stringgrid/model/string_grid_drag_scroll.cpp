// Scrolling while something is dragged near an edge of the grid.
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/timer.h"

// The timer is kept for the next drag and only stopped: it may be stopped from its own tick.
void TExStringGrid::stopDragScroll() {
    if (p->FDragTmr) p->FDragTmr->SetEnabled(false);
}

void TExStringGrid::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
    const TDragScrollOptions& options = DragScrollOptions();
    if (!options.Active || State == dsDragLeave) {
        stopDragScroll();
    } else {
        const TDragScrollDirection previous = p->FDragScrollDirection;
        TDragScrollDirection direction = 0;
        if (Y < options.Margins.TopMargin) direction |= dsdUp;
        else if (Y > Height() - options.Margins.BottomMargin) direction |= dsdDown;
        if (X < options.Margins.LeftMargin) direction |= dsdLeft;
        else if (X > Width() - options.Margins.RightMargin) direction |= dsdRight;
        p->FDragScrollDirection = direction;
        if (!direction) {
            stopDragScroll();
        } else if (!p->FDragTmr || !p->FDragTmr->Enabled()) {
            if (!p->FDragTmr) {
                p->FDragTmr = new TTimer(this);
                p->FDragTmr->SetEnabled(false);
                p->FDragTmr->OnTimer = [this](TObject* Sender) { DragScrollTimer(Sender); };
            }
            p->FDragTmr->SetInterval(static_cast<unsigned>(options.Delays.InitialDelay));
            p->FDragTmr->SetEnabled(true);
        } else if (previous) {
            // A drag that keeps moving waits the initial delay again.
            p->FDragTmr->SetInterval(static_cast<unsigned>(options.Delays.InitialDelay));
        }
    }
    TBaseGrid::DragOver(Source, X, Y, State, Accept);
}

void TExStringGrid::DragScrollTimer(TObject*) {
    const TDragScrollOptions& options = DragScrollOptions();
    if (!options.Active) {
        stopDragScroll();
        return;
    }
    p->FDragTmr->SetInterval(static_cast<unsigned>(options.Delays.RepeatDelay));
    bool canScroll = true;
    OnDragScroll(this, TopRow(), LeftCol(), p->FDragScrollDirection, canScroll);
    if (!canScroll) return;
    const TDragScrollDirection direction = p->FDragScrollDirection;
    if ((direction & dsdUp) && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
    if ((direction & dsdDown) && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    if ((direction & dsdLeft) && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
    if ((direction & dsdRight) && VisibleColCount() + LeftCol() < ColCount()) SetLeftCol(LeftCol() + 1);
}

// Construction, window creation, loading, copying and destruction of the string grid.
#include "grid/stringgrid/model/ex_string_grid.h"

#include "grid/foundation/cell_checker.h"
#include "grid/foundation/picture_container.h"
#include "grid/foundation/theme_detection.h"
#include "grid/foundation/visual_styles.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/image_list.h"
#include "platform/controls/popup_menu.h"
#include "platform/controls/form.h"
#include "platform/core/exception.h"
#include "platform/core/stream.h"
#include "platform/controls/window_backend.h"
#include "platform/graphics/canvas.h"
#include "platform/messages/messages.h"

#include <algorithm>

namespace {
constexpr uintptr_t GridTimerID = 111;
constexpr unsigned GridTimerInterval = 500;
}  // namespace

TExStringGridPrivate::TExStringGridPrivate(TExStringGrid& grid) {}

TExStringGrid::TExStringGrid(TComponent* AOwner) : TBaseGrid(AOwner), p(std::make_unique<TExStringGridPrivate>(*this)) {
    ControlStyle |= csAcceptsControls;
    createOwnedObjects();

    SetScrollBars(ssBoth);
    WordWrap = true;
    SetRowCount(10);
    SetBounds(Left(), Top(), 400, 250);

    // This platform has the visual styles and the control library version of Windows 7 on.
    p->FIsWinXP = p->FIsWin7 = p->FIsComCtl6 = true;
    p->FIsWinVista = IsVistaOrLater();
    p->BorderColor = p->FIsWinXP ? TColor(0xB99D7F) : clGray;
    p->ScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    p->DUDGradientTo = ColorToRGB(clBtnFace);

    // The owner form's resize is the grid's first; the form's own handler runs after it.
    if (auto* form = dynamic_cast<TForm*>(AOwner)) {
        p->FOnResize = form->OnResize;
        p->ResizeAssigned = static_cast<bool>(form->OnResize);
        form->OnResize = [this](TObject* Sender) { OwnerFormResize(Sender); };
        p->PrevSizeX = form->Width();
        p->PrevSizeY = form->Height();
    }

    SetDefaultRowHeight(22);
    p->FFixedRowHeight = DefaultRowHeight();

    p->FFocusWindow = new TGridFocusWindow(this);
    TArrowWindow** arrows[] = {&p->ArwU, &p->ArwD, &p->ArwL, &p->ArwR};
    for (TArrowDirection d : {arrUp, arrDown, arrLeft, arrRight}) {
        *arrows[d] = new TArrowWindow(this);
        (*arrows[d])->Init(this, d);
    }
    makeSearchPanel();
}

void TExStringGrid::createOwnedObjects() {
    TExStringGridPrivate& d = *p;
    auto repaint = [this](TObject*) { TBaseGrid::Invalidate(); };
    d.cf = std::make_unique<TFont>();
    d.FocusHelper = std::make_unique<TFocusHelper>(this);
    d.SearchFooter = std::make_unique<TSearchFooter>(this, false);
    d.SearchFooter->OnChange = [this](TObject* Sender) { SearchFooterChanged(Sender); };
    d.FloatingFooter = std::make_unique<TFloatingFooter>(this);
    d.PrintSettings = std::make_unique<TPrintSettings>(this);
    d.HTMLSettings = std::make_unique<THTMLSettings>();
    d.SortSettings = std::make_unique<TSortSettings>(this);
    d.DragDropSettings = std::make_unique<TDragDropSettings>(this);
    d.DragScrollOptions = std::make_unique<TDragScrollOptions>();
    d.ControlLook = std::make_unique<TControlLook>(this);
    d.Navigation = std::make_unique<TNavigation>();
    d.Navigation->OnChange = [this](TObject* Sender) { NavigationChanged(Sender); };
    d.ColumnSize = std::make_unique<TColumnSize>(this);
    d.CellNode = std::make_unique<TCellNode>(this);
    d.Bands = std::make_unique<TBands>();
    d.Bands->OnChange = repaint;
    d.SizeWhileTyping = std::make_unique<TSizeWhileTyping>();
    d.MouseActions = std::make_unique<TMouseActions>(this);
    d.MouseActions->OnChange = [this](TObject* Sender) { MouseActionsChanged(Sender); };
    d.MouseActions->OnIsDesigning = [this](TObject* Sender, bool& IsDesigning) {
        IsDesigning = MouseActionsIsDesigning(Sender);
    };
    d.MouseActions->OnInvalidate = [this](TObject* Sender) { MouseActionsInvalidate(Sender); };
    d.Grouping = std::make_unique<TGrouping>();
    d.ColumnHeaders = std::make_unique<TStringList>();
    d.ColumnHeaders->OnChange = [this](TObject*) {
        ColumnHeadersChanged();
        ShowColumnHeaders();
    };
    d.ImageCache = std::make_unique<THTMLPictureCache>();
    d.FCellGraphic = std::make_unique<TCellGraphic>();
    d.FCellGraphic->CellType = ctRowCheckBox;
    d.FOrigColSizes = std::make_unique<TIntList>(0, 0);
    d.FixedFont = std::make_unique<TFont>();
    d.FixedFont->SetName(QStringLiteral("Tahoma"));
    d.FixedFont->SetStyle(fsBold);
    d.FixedFont->OnChange = repaint;
    d.ActiveCellFont = std::make_unique<TFont>();
    d.ActiveCellFont->SetStyle(fsBold);
    d.ActiveCellFont->OnChange = repaint;
    d.RowHeaders = std::make_unique<TStringList>();
    d.RowHeaders->OnChange = [this](TObject*) { ShowRowHeaders(); };
    d.Sortlist = std::make_unique<TStringList>();
    d.LookupItems = std::make_unique<TStringList>();
    d.SortIndexes = std::make_unique<TSortIndexList>();
    for (auto* list : {&d.FSortRowXRef, &d.FUnSortRowXRef, &d.FMergedColumns, &d.FSelectedCells, &d.FSelectedRows,
                       &d.FModifiedRows, &d.FEnabledRows})
        *list = std::make_unique<TIntList>(0, 0);
    d.FMergedColumns->OnChange = [this](TObject*, int, int) { MergedColumnsChanged(); };
    d.RowIndicator = std::make_unique<TBitmap>();
    d.BackGround = std::make_unique<TBackGround>(this);
    d.FControlList = std::make_unique<TControlList>();
    d.ProgressAppearance = std::make_unique<TGridProgressAppearance>();
    d.ProgressAppearance->OnChange = repaint;
    d.SyncGrid = std::make_unique<TSyncGrid>(this);
    d.Filter = std::make_unique<TFilter>(this);
    d.Balloon = std::make_unique<TBalloonSettings>();
    d.Balloon->OnEnableChange = [this](TObject* Sender) { BalloonEnableChanged(Sender); };
    d.ShowModified = std::make_unique<TShowModified>();
    d.ShowModified->OnChange = [this](TObject*) {
        if (HandleAllocated()) InvalidateGridRect({0, 0, 0, RowCount() - 1});
    };
    d.FColumnOrder = std::make_unique<TIntList>(0, 0);
    d.IgnoreColumns = std::make_unique<TIntList>(0, 0);
    d.FilterDropDown = std::make_unique<TFilterDropDown>();
    d.FilterDropDown->OnChange = repaint;
    d.FilterList = std::make_unique<TStringList>();
    d.FilterList->Duplicates = dupIgnore;
    d.FilterList->SetSorted(true);
}

TExStringGrid::~TExStringGrid() {
    // What the user typed into an open editor reaches its cell before the grid goes.
    stopFixedCellEdit();
    if (p->EditMode) HideInplaceEdit();
    // The widths as the user left them, for the next start; a store that fails keeps the old ones.
    if (p->ColumnSize->Save) {
        try {
            SaveColSizes();
        } catch (const Exception&) {
        }
    }
    FDestroying = true;
    if (HandleAllocated()) KillTimer(this, GridTimerID);
    // The window takes no more drops once its grid goes.
    p->DragDropSettings->SetOleDropTarget(false);
    // Give the owner form its own resize handler back, unless the form is already going.
    if (auto* form = dynamic_cast<TForm*>(Owner()); form && !form->IsDestroying()) form->OnResize = p->FOnResize;

    ClearTextOnly = false;
    SaveHiddenCells = false;
    UnHideColumnsAll();
    // The records hidden rows hold are the grid's as well.
    for (int i = 0; i < p->FGridItems.Count(); ++i) {
        TStringList& items = p->FGridItems.Items(i)->Items();
        for (int c = 0; c < items.Count(); ++c) FreeDetachedCellProperties(static_cast<TCellProperties*>(items.Objects(c)));
    }
    for (TArrowWindow** arrow : {&p->ArwU, &p->ArwD, &p->ArwL, &p->ArwR}) {
        delete *arrow;
        *arrow = nullptr;
    }
    ForgetFocusGrid(this);
    WatchOfficeTheme();
    delete p->FFocusWindow;
    p->FFocusWindow = nullptr;
    // The base grid frees every record left in the store.
}

bool TExStringGrid::IsLoading() const { return p->FLoading; }

void TExStringGrid::CreateWnd() {
    if (FDestroying) return;
    TBaseGrid::CreateWnd();
    // The grid timer serves blinking and delayed actions while the window lives.
    SetTimer(this, GridTimerID, GridTimerInterval);
    p->FGridTimerID = static_cast<int>(GridTimerID);
    // Themed painting only while the platform's visual styles are on.
    if (p->FIsWinXP) p->FIsWinXP = ExXPVS().IsThemeActive();
    WatchOfficeTheme();
    if (p->ColumnSize->Save) LoadColSizes();
    if (p->ScrollType == ssMetro) {
        CreateScrollControls();
        SetScrollBars(ssNone);
        UpdateScrollBars();
    }
    if (p->Balloon->Enable()) BalloonInit();
}

void TExStringGrid::Loaded() {
    p->FRecordedCursor = Cursor();
    ShowColumnHeaders();
    ShowRowHeaders();
    // The look's colours are not applied while loading; glDUD's are applied now (the stored look
    // is moved off first so that the setter sees a change).
    if (Look == glDUD) {
        Look = glCustom;
        SetLook(glDUD);
    }
    if (p->AutoSize) AutoSizeColumns(false, 4);
    p->FFixedRowsMin = FixedRows();
    p->FFixedColsMin = FixedCols();
    MinRowHeight = DefaultRowHeight();
    MinColWidth = 10;
    p->FMaxRowCount = RowCount();
    p->FLoaded = true;
    p->DragDropSettings->Loaded();
    // The platform option becomes the grid's own editing behaviour.
    if (Options() & goAlwaysShowEditor) {
        p->Navigation->AlwaysEdit = true;
        SetOptions(Options() & ~goAlwaysShowEditor);
    }
    if (!p->FIsWinXP && p->ControlLook->ControlStyle == csTheme) p->ControlLook->ControlStyle = csClassic;
    p->SearchFooter->SetAutoThemeAdapt(p->AutoThemeAdapt);
    SearchFooterChanged(p->SearchFooter.get());
    if (p->Balloon->Enable() && HandleAllocated()) BalloonInit();
    ScrollBarAlwaysUpdate(false);
    // The widths after loading are the ones column stretching returns to.
    InitOrigColSizes();
    SetColumnOrder();
    WatchOfficeTheme();
    if (p->ColumnSize->Save) LoadColSizes();
    if (p->ScrollType == ssMetro) {
        CreateScrollControls();
        SetScrollBars(ssNone);
        UpdateScrollBars();
    }
}

void TExStringGrid::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent) {
        if (AComponent == p->CellChecker) p->CellChecker = nullptr;
        if (AComponent == p->PictureContainer) p->PictureContainer = nullptr;
        if (AComponent == p->GridImages) p->GridImages = nullptr;
        if (AComponent == p->FixedDropDownMenu) p->FixedDropDownMenu = nullptr;
        if (!FDestroying && p->SyncGrid && p->SyncGrid->Grid() == AComponent)
            p->SyncGrid->SetGrid(nullptr);
    }
    TBaseGrid::Notification(AComponent, Operation);
}

void TExStringGrid::Assign(const TObject& Source) {
    const auto* src = dynamic_cast<const TExStringGrid*>(&Source);
    if (!src || src == this) return;
    const TExStringGridPrivate& s = *src->p;
    Font().Assign(src->Font());
    SetActiveCellColor(s.ActiveCellColor);
    SetActiveCellColorTo(s.ActiveCellColorTo);
    SetActiveCellFont(*s.ActiveCellFont);
    SetActiveCellShow(s.ActiveCellShow);
    SetActiveRowShow(src->ActiveRowShow());
    Align = src->Align;
    p->FilterDropDown->Assign(*s.FilterDropDown);
    AnchorHint = src->AnchorHint;
    AutoNumAlign = src->AutoNumAlign;
    p->AutoSize = s.AutoSize;
    SetAutoThemeAdapt(s.AutoThemeAdapt);
    AutoFilterUpdate = src->AutoFilterUpdate;
    p->MouseActions->Assign(*s.MouseActions);
    p->Navigation->Assign(*s.Navigation);
    p->Grouping->Assign(*s.Grouping);
    p->SearchFooter->Assign(*s.SearchFooter);
    p->PrintSettings->Assign(*s.PrintSettings);
    p->Filter->Assign(*s.Filter);
    p->HTMLSettings->Assign(*s.HTMLSettings);
    p->Bands->Assign(*s.Bands);
    p->CellNode->Assign(*s.CellNode);
    p->SortSettings->Assign(*s.SortSettings);
    p->DragScrollOptions->Assign(*s.DragScrollOptions);
    p->DragDropSettings->Assign(*s.DragDropSettings);
    p->ProgressAppearance->Assign(*s.ProgressAppearance);
    p->ColumnSize->Assign(*s.ColumnSize);
    p->SyncGrid->Assign(*s.SyncGrid);
    p->FocusHelper->Assign(*s.FocusHelper);
    FixedRowAlways = src->FixedRowAlways;
    SetColCount(src->ColCount());
    SetRowCount(src->RowCount());
    SetFixedRows(src->FixedRows());
    SetFixedCols(src->FixedCols());
    SetDefaultColWidth(src->DefaultColWidth());
    SetDefaultRowHeight(src->DefaultRowHeight());
    SetFixedRowHeight(src->FixedRowHeight());
    SetFixedColWidth(src->FixedColWidth());
    InvalidEntryTitle = src->InvalidEntryTitle;
    InvalidEntryIcon = src->InvalidEntryIcon;
    InvalidEntryText = src->InvalidEntryText;
    SetOptions(src->Options());
    for (int c = 0; c < ColCount(); ++c) SetColWidths(c, src->ColWidths(c));
    p->ColumnHeaders->Assign(*s.ColumnHeaders);
    for (int r = 0; r < RowCount(); ++r) SetRowHeights(r, src->RowHeights(r));
    ScrollProportional = src->ScrollProportional;
    ScrollSynch = src->ScrollSynch;
    p->ScrollWidth = s.ScrollWidth;
    ScrollHints = src->ScrollHints;
    p->ScrollBarAlways = s.ScrollBarAlways;
    SetScrollBars(s.ScrollBars);
    SetScrollColor(s.ScrollColor);
    SetScrollType(s.ScrollType);
    SetScrollWidth(s.ScrollWidth);
    AssignCells(Source);
}

void TExStringGrid::AssignCells(const TObject& Source) {
    auto* src = const_cast<TExStringGrid*>(dynamic_cast<const TExStringGrid*>(&Source));
    if (!src || src == this) return;
    // Through the grid's own stream, as the source saves its cells and this grid reads them.
    TMemoryStream stream;
    src->SaveToStream(stream);
    stream.SetPosition(0);
    LoadFromStream(stream);
}

void TExStringGrid::Invalidate() {
    // A change the editor made itself needs no repaint of the grid.
    if (p && p->FEditChange) {
        p->FEditChange = false;
        return;
    }
    TBaseGrid::Invalidate();
    if (p && p->FloatingFooter && !IsLoading() && p->FloatingFooter->Visible) UpdateFooter();
}

void TExStringGrid::Resize() {
    // The columns follow the new width before the bars are reckoned.
    SizeColumnsToWidth();
    TBaseGrid::Resize();
    if ((p->BackGround->Display == bdGradientHorz || p->BackGround->Display == bdGradientVert) &&
        p->BackGround->ColorTo != clNone)
        TBaseGrid::Invalidate();
    ScrollBarAlwaysUpdate(false);
    CellControlsUpdate(false);
    // The footer strip and the search panel stay docked under the cells.
    if (p->FFooterPanel) FloatingFooterChanged();
    placeSearchPanel();
}

void TExStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    // With IntegralHeight the height takes whole rows.
    if (p && IntegralHeight && p->FUpdateCount == 0 && DefaultRowHeight() > 0) {
        const int s = VisibleColCount() + FixedCols() < ColCount() ? GetSystemMetrics(SM_CYHSCROLL) : 0;
        const int b = p->FBorderStyle == bsSingle ? 2 : 0;
        AHeight = AHeight + b - (AHeight - s - b) % DefaultRowHeight();
    }
    TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
}


TForm* TExStringGrid::FindParentForm(TControl* AControl) {
    for (TControl* c = AControl; c; c = c->Parent())
        if (auto* form = dynamic_cast<TForm*>(c)) return form;
    return nullptr;
}

int TExStringGrid::GetVersionNr() { return (6 << 24) | (2 << 16) | (1 << 8) | 3; }

QString TExStringGrid::Version() const { return QStringLiteral("6.2.1.3"); }

QString TExStringGrid::GetVersionString() {
    const int v = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4 Sep, 2012").arg((v >> 24) & 0xFF).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

void TExStringGrid::OwnerFormResize(TObject* Sender) {
    auto* form = dynamic_cast<TForm*>(Owner());
    if (form && SizeWithForm && form->Width() > 0 && form->Height() > 0) {
        SetBounds(Left(), Top(), Width() + form->Width() - p->PrevSizeX, Height() + form->Height() - p->PrevSizeY);
    }
    if (form) {
        p->PrevSizeX = form->Width();
        p->PrevSizeY = form->Height();
    }
    // The form's own handler runs after the grid's work; what it raises stays with it.
    try {
        p->FOnResize(Sender);
    } catch (...) {
    }
}




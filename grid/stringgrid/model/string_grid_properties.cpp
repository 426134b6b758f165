// The published and run-time properties of the string grid whose write does more than store.
#include "grid/foundation/cell_checker.h"
#include "grid/foundation/html_renderer.h"
#include "grid/foundation/picture_container.h"
#include "grid/stringgrid/inplace/ex_inplace_edit.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/image_list.h"
#include "platform/controls/popup_menu.h"

#include <algorithm>

namespace {
// A component the grid refers to and lets go of when it is freed.
template <class T>
void refer(TComponent& grid, T*& field, T* Value) {
    if (field == Value) return;
    if (field) grid.RemoveFreeNotification(field);
    field = Value;
    if (Value) grid.FreeNotification(Value);
}
}  // namespace

// ---- owned objects

TBalloonSettings& TExStringGrid::Balloon() const { return *p->Balloon; }
void TExStringGrid::SetBalloon(const TBalloonSettings& Value) { p->Balloon->Assign(Value); }
TBands& TExStringGrid::Bands() const { return *p->Bands; }
TBackGround& TExStringGrid::BackGround() const { return *p->BackGround; }

void TExStringGrid::SetBackGround(const TBackGround& Value) {
    p->BackGround->Assign(Value);
    TBaseGrid::Invalidate();
}

TCellNode& TExStringGrid::CellNode() const { return *p->CellNode; }
TStringList& TExStringGrid::ColumnHeaders() const { return *p->ColumnHeaders; }
TColumnSize& TExStringGrid::ColumnSize() const { return *p->ColumnSize; }
TControlLook& TExStringGrid::ControlLook() const { return *p->ControlLook; }
TDragDropSettings& TExStringGrid::DragDropSettings() const { return *p->DragDropSettings; }
TDragScrollOptions& TExStringGrid::DragScrollOptions() const { return *p->DragScrollOptions; }
void TExStringGrid::SetDragScrollOptions(const TDragScrollOptions& Value) { p->DragScrollOptions->Assign(Value); }
TFilter& TExStringGrid::Filter() const { return *p->Filter; }
TFilterDropDown& TExStringGrid::FilterDropDown() const { return *p->FilterDropDown; }
TFont& TExStringGrid::FixedFont() const { return *p->FixedFont; }
TFloatingFooter& TExStringGrid::FloatingFooter() const { return *p->FloatingFooter; }
TFocusHelper& TExStringGrid::FocusHelper() const { return *p->FocusHelper; }
void TExStringGrid::SetFocusHelper(const TFocusHelper& Value) { p->FocusHelper->Assign(Value); }
TGrouping& TExStringGrid::Grouping() const { return *p->Grouping; }
THTMLSettings& TExStringGrid::HTMLSettings() const { return *p->HTMLSettings; }
TStringList& TExStringGrid::LookupItems() const { return *p->LookupItems; }
TMouseActions& TExStringGrid::MouseActions() const { return *p->MouseActions; }
TNavigation& TExStringGrid::Navigation() const { return *p->Navigation; }
TPrintSettings& TExStringGrid::PrintSettings() const { return *p->PrintSettings; }
TGridProgressAppearance& TExStringGrid::ProgressAppearance() const { return *p->ProgressAppearance; }
void TExStringGrid::SetProgressAppearance(const TGridProgressAppearance& Value) { p->ProgressAppearance->Assign(Value); }
TStringList& TExStringGrid::RowHeaders() const { return *p->RowHeaders; }
TBitmap& TExStringGrid::RowIndicator() const { return *p->RowIndicator; }

void TExStringGrid::SetRowIndicator(const TBitmap& Value) {
    p->RowIndicator->Assign(Value);
    RepaintCell(0, Row());
}

TSearchFooter& TExStringGrid::SearchFooter() const { return *p->SearchFooter; }
TShowModified& TExStringGrid::ShowModified() const { return *p->ShowModified; }
void TExStringGrid::SetShowModified(const TShowModified& Value) { p->ShowModified->Assign(Value); }
TSizeWhileTyping& TExStringGrid::SizeWhileTyping() const { return *p->SizeWhileTyping; }
TSortSettings& TExStringGrid::SortSettings() const { return *p->SortSettings; }
void TExStringGrid::SetSortSettings(const TSortSettings& Value) { p->SortSettings->Assign(Value); }
TSyncGrid& TExStringGrid::SyncGrid() const { return *p->SyncGrid; }
TFont& TExStringGrid::ActiveCellFont() const { return *p->ActiveCellFont; }
void TExStringGrid::SetActiveCellFont(const TFont& Value) { p->ActiveCellFont->Assign(Value); }
TStringList& TExStringGrid::FilterList() const { return *p->FilterList; }
TSortIndexList& TExStringGrid::SortIndexes() const { return *p->SortIndexes; }
TIntList& TExStringGrid::IgnoreColumns() const { return *p->IgnoreColumns; }
TIntList& TExStringGrid::MergedColumns() const { return *p->FMergedColumns; }
TFont& TExStringGrid::ScratchFont() const { return *p->cf; }
THTMLPictureCache* TExStringGrid::ImageCache() const { return p->ImageCache.get(); }
TSearchPanel* TExStringGrid::SearchPanel() const { return p->FSearchPanel; }

TExStringGridCheck* TExStringGrid::CellChecker() const { return p->CellChecker; }

void TExStringGrid::SetCellChecker(TExStringGridCheck* Value) { refer(*this, p->CellChecker, Value); }

TPictureContainer* TExStringGrid::PictureContainer() const { return p->PictureContainer; }
THTMLDrawOptions TExStringGrid::HTMLDrawOptions() {
    THTMLDrawOptions options;
    options.Images = GetGridImages();
    options.PictureCache = ImageCache();
    options.PictureContainer = p->PictureContainer;
    options.URLColor = p->URLColor;
    return options;
}

void TExStringGrid::SetPictureContainer(TPictureContainer* Value) { refer(*this, p->PictureContainer, Value); }

TImageList* TExStringGrid::GridImages() const { return p->GridImages; }

void TExStringGrid::SetGridImages(TImageList* Value) { refer(*this, p->GridImages, Value); }

TPopupMenu* TExStringGrid::FixedDropDownMenu() const { return p->FixedDropDownMenu; }

void TExStringGrid::SetFixedDropDownMenu(TPopupMenu* Value) { refer(*this, p->FixedDropDownMenu, Value); }

// ---- values that repaint

void TExStringGrid::repaintIfNotUpdating() {
    if (p->FUpdateCount == 0) TBaseGrid::Invalidate();
}

template <class T>
void TExStringGrid::setAndRepaint(T& field, T Value) {
    if (field == Value) return;
    field = Value;
    TBaseGrid::Invalidate();
}
// Other files of the class use it too; an optimised build inlines the uses here away.
template void TExStringGrid::setAndRepaint<int>(int&, int);

TColor TExStringGrid::HighlightColor() const { return p->HighlightColor; }
void TExStringGrid::SetHighlightColor(TColor Value) {
    if (Value == p->HighlightColor) return;
    p->HighlightColor = Value;
    // The markup's highlight colours are shared by every grid of the program.
    SetHTMLHilightColors(p->HighlightColor, p->HighlightTextColor);
    TBaseGrid::Invalidate();
}
TColor TExStringGrid::HighlightTextColor() const { return p->HighlightTextColor; }
void TExStringGrid::SetHighlightTextColor(TColor Value) {
    if (Value == p->HighlightTextColor) return;
    p->HighlightTextColor = Value;
    SetHTMLHilightColors(p->HighlightColor, p->HighlightTextColor);
    TBaseGrid::Invalidate();
}
bool TExStringGrid::ActiveCellShow() const { return p->ActiveCellShow; }
void TExStringGrid::SetActiveCellShow(bool Value) { setAndRepaint(p->ActiveCellShow, Value); }
TColor TExStringGrid::ActiveCellColor() const { return p->ActiveCellColor; }
void TExStringGrid::SetActiveCellColor(TColor Value) { setAndRepaint(p->ActiveCellColor, Value); }
TColor TExStringGrid::ActiveCellColorTo() const { return p->ActiveCellColorTo; }
void TExStringGrid::SetActiveCellColorTo(TColor Value) { setAndRepaint(p->ActiveCellColorTo, Value); }
bool TExStringGrid::AutoSize() const { return p->AutoSize; }

void TExStringGrid::SetAutoSize(bool Value) {
    p->AutoSize = Value;
    if (Value && !IsLoading()) AutoSizeColumns(false, 10);
}

bool TExStringGrid::AutoThemeAdapt() const { return p->AutoThemeAdapt; }
void TExStringGrid::SetAutoThemeAdapt(bool Value) {
    if (Value == p->AutoThemeAdapt) return;
    p->AutoThemeAdapt = Value;
    p->SearchFooter->SetAutoThemeAdapt(Value);
    WatchOfficeTheme();
    if (!Value) return;
    AdaptToOfficeTheme();
    TBaseGrid::Invalidate();
}
bool TExStringGrid::SpreadSheet() const { return p->SpreadSheet; }
// Switching it off leaves the options it switched on: they may have been chosen on their own.
void TExStringGrid::SetSpreadSheet(bool Value) {
    p->SpreadSheet = Value;
    if (!Value) return;
    SetSelectionRectangle(true);
    SetSelectionResizer(true);
    Navigation().AllowSmartClipboard = true;
    MouseActions().RangeSelectAndEdit = true;
    SetOptions(Options() | goRangeSelect | goEditing);
}

TColor TExStringGrid::ArrowColor() const { return p->ArwU->Color(); }
void TExStringGrid::SetArrowColor(TColor Value) {
    for (TArrowWindow* arrow : {p->ArwU, p->ArwD, p->ArwL, p->ArwR}) arrow->SetColor(Value);
}

TColor TExStringGrid::BorderColor() const { return p->BorderColor; }
void TExStringGrid::SetBorderColor(TColor Value) { setAndRepaint(p->BorderColor, Value); }
TAlignment TExStringGrid::DefaultAlignment() const { return p->DefaultAlignment; }
void TExStringGrid::SetDefaultAlignment(TAlignment Value) { setAndRepaint(p->DefaultAlignment, Value); }
bool TExStringGrid::Flat() const { return p->Flat; }

void TExStringGrid::SetFlat(bool Value) {
    p->Flat = Value;
    if (!IsLoading()) TBaseGrid::Invalidate();
}

int TExStringGrid::MaxEditLength() const { return p->FMaxEditLength; }
void TExStringGrid::SetMaxEditLength(int Value) {
    p->FMaxEditLength = Value;
    // An open editor takes the new limit at once.
    if (auto* editor = dynamic_cast<TExInplaceEdit*>(InplaceEditor())) {
        editor->SetLengthLimit(Value);
        editor->MaxLength = Value;
    }
}
TScrollBarAlways TExStringGrid::ScrollBarAlways() const { return p->ScrollBarAlways; }

void TExStringGrid::SetScrollBarAlways(TScrollBarAlways Value) {
    p->ScrollBarAlways = Value;
    ScrollBarAlwaysUpdate(true);
}

TScrollStyle TExStringGrid::ScrollBars() const { return p->ScrollBars; }
TColor TExStringGrid::ScrollColor() const { return p->ScrollColor; }
TScrollType TExStringGrid::ScrollType() const { return p->ScrollType; }
int TExStringGrid::ScrollWidth() const { return p->ScrollWidth; }
TColor TExStringGrid::SelectionColor() const { return p->SelectionColor; }
void TExStringGrid::SetSelectionColor(TColor Value) { setAndRepaint(p->SelectionColor, Value); }
TColor TExStringGrid::SelectionColorTo() const { return p->SelectionColorTo; }
void TExStringGrid::SetSelectionColorTo(TColor Value) { setAndRepaint(p->SelectionColorTo, Value); }
bool TExStringGrid::SelectionColorMixer() const { return p->SelectionColorMixer; }
void TExStringGrid::SetSelectionColorMixer(bool Value) { setAndRepaint(p->SelectionColorMixer, Value); }
int TExStringGrid::SelectionColorMixerFactor() const { return p->SelectionColorMixerFactor; }

void TExStringGrid::SetSelectionColorMixerFactor(int Value) {
    setAndRepaint(p->SelectionColorMixerFactor, std::clamp(Value, 0, 100));
}

TColor TExStringGrid::SelectionMirrorColor() const { return p->SelectionMirrorColor; }
void TExStringGrid::SetSelectionMirrorColor(TColor Value) { setAndRepaint(p->SelectionMirrorColor, Value); }
TColor TExStringGrid::SelectionMirrorColorTo() const { return p->SelectionMirrorColorTo; }
void TExStringGrid::SetSelectionMirrorColorTo(TColor Value) { setAndRepaint(p->SelectionMirrorColorTo, Value); }
bool TExStringGrid::SelectionRectangle() const { return p->SelectionRectangle; }
void TExStringGrid::SetSelectionRectangle(bool Value) { setAndRepaint(p->SelectionRectangle, Value); }
bool TExStringGrid::SelectionResizer() const { return p->SelectionResizer; }
void TExStringGrid::SetSelectionResizer(bool Value) { setAndRepaint(p->SelectionResizer, Value); }
bool TExStringGrid::SelectionRTFKeep() const { return p->SelectionRTFKeep; }
void TExStringGrid::SetSelectionRTFKeep(bool Value) { setAndRepaint(p->SelectionRTFKeep, Value); }
TColor TExStringGrid::SelectionTextColor() const { return p->SelectionTextColor; }
void TExStringGrid::SetSelectionTextColor(TColor Value) { setAndRepaint(p->SelectionTextColor, Value); }

TColor TExStringGrid::URLColor() const { return p->URLColor; }
void TExStringGrid::SetURLColor(TColor Value) {
    p->URLColor = Value;
    if (p->URLShow) repaintIfNotUpdating();
}
bool TExStringGrid::URLShow() const { return p->URLShow; }
void TExStringGrid::SetURLShow(bool Value) { setAndRepaint(p->URLShow, Value); }
bool TExStringGrid::URLShowInText() const { return p->URLShowInText; }
void TExStringGrid::SetURLShowInText(bool Value) { setAndRepaint(p->URLShowInText, Value); }
bool TExStringGrid::URLFull() const { return p->URLFull; }
void TExStringGrid::SetURLFull(bool Value) {
    p->URLFull = Value;
    if (p->URLShow) repaintIfNotUpdating();
}

void TExStringGrid::SetShowSelection(bool Value) {
    FShowSel = Value;
    TBaseGrid::Invalidate();
}

bool TExStringGrid::ShowDesignHelper() const { return p->ShowDesignHelper; }
void TExStringGrid::SetShowDesignHelper(bool Value) { setAndRepaint(p->ShowDesignHelper, Value); }
TVAlignment TExStringGrid::VAlignment() const { return p->VAlignment; }

void TExStringGrid::SetVAlignment(TVAlignment Value) {
    p->VAlignment = Value;
    // The text flags of a top, centred or bottom line.
    static constexpr unsigned flags[] = {0, 4, 8};
    p->FVAlign = flags[Value];
    repaintIfNotUpdating();
}

void TExStringGrid::SetWordWrap(bool Value) {
    WordWrap = Value;
    repaintIfNotUpdating();
}

TColor TExStringGrid::DUDGradientFrom() const { return p->DUDGradientFrom; }
namespace {
// clNone stays "no colour": resolved, it would paint the gradient end black.
TColor lookColour(TColor Value) { return Value == clNone ? clNone : ColorToRGB(Value); }
}  // namespace

void TExStringGrid::SetDUDGradientFrom(TColor Value) { setAndRepaint(p->DUDGradientFrom, lookColour(Value)); }
TColor TExStringGrid::DUDGradientTo() const { return p->DUDGradientTo; }
void TExStringGrid::SetDUDGradientTo(TColor Value) { setAndRepaint(p->DUDGradientTo, lookColour(Value)); }
TColor TExStringGrid::DUDGradientMirrorFrom() const { return p->DUDGradientMirrorFrom; }
void TExStringGrid::SetDUDGradientMirrorFrom(TColor Value) { setAndRepaint(p->DUDGradientMirrorFrom, lookColour(Value)); }
TColor TExStringGrid::DUDGradientMirrorTo() const { return p->DUDGradientMirrorTo; }
void TExStringGrid::SetDUDGradientMirrorTo(TColor Value) { setAndRepaint(p->DUDGradientMirrorTo, lookColour(Value)); }

// ---- run time

bool TExStringGrid::IsThemed() const { return p->FIsComCtl6; }
bool TExStringGrid::EditActive() const { return p->FEditActive; }
TEditorType TExStringGrid::CurrentEditor() const { return p->EditControl; }
QString TExStringGrid::OriginalCellValue() const { return p->FOldCellText; }
void TExStringGrid::SetOriginalCellValue(const QString& Value) { p->FOldCellText = Value; }
bool TExStringGrid::FindBusy() const { return p->FFindBusy; }
int TExStringGrid::GroupColumn() const { return p->FGroupColumn; }
int TExStringGrid::FilterLevel() const { return p->FFilterLevel; }
void TExStringGrid::SetFilterLevel(int Value) { p->FFilterLevel = std::max(0, Value); }

void TExStringGrid::SetComponentStyle(TExStyle AStyle) {
    p->FStyle = AStyle;
    SetStyle(TExGridStyle(AStyle));
    if (AStyle != tsCustom && ScrollType() == ssMetro) SetScrollType(ssNormal);
}


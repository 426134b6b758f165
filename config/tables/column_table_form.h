#pragma once

#include "config/tables/table_check.h"
#include "config/tables/table_form.h"
#include "grid/foundation/grid_types.h"
#include "platform/graphics/color.h"

#include <QStringList>
#include <optional>
#include <vector>

class TExColumnGrid;

// How a column of a column-grid table looks and is edited.
struct TColumn_Def {
    int Width;
    TEditorType Editor;
    QStringList Items;
    int Edit_Length = 0;  // 0: any length
    TColor Color = clWindow;
};

// Gives Grid one column per definition (column 0 read-only) with its width, editor, drop-down
// items, edit length and colour; check-box columns centred.
void Set_Grid_Columns(TExColumnGrid& Grid, const std::vector<TColumn_Def>& Columns);

// A table window whose grid is a column grid: one definition per column (column 0 the row
// number, read-only), headers on the definitions, and a row's texts in columns 1 .. n.
class TColumnTableForm : public TTableForm {
public:
    // The grid holds File_Shape.Rows data rows, keyed by File_Shape's key column.
    TColumnTableForm(TComponent* AOwner, const TTable_Texts& Texts, const TTable_File& File_Shape, int Client_Width,
                     int Client_Height, const char* Grid_Name, std::vector<TColumn_Def> Columns);

    QStringList Row_Texts(int Row) override;
    void Set_Row_Texts(int Row, const QStringList& Texts) override;

protected:
    TExStringGrid* Build_Grid(int Left, int Top, int Width, int Height) override;
    void Init_Table() override;
    void Set_Headers(const QStringList& Headers) override;
    void Paste_Row(int Row) override;

    // The grid once built, for the window's own pointer to it.
    virtual void Grid_Built(TExColumnGrid& Grid) = 0;
    // Columns First .. Last offer the positions "0" .. Size - 1, after "None" when None_First.
    void Fill_Positions(int First, int Last, int Size, bool None_First);
    // True when there is no fault; otherwise shows it and answers false.
    bool Report(const std::optional<TRow_Fault>& Fault) const;

private:
    const char* gridName_;
    std::vector<TColumn_Def> columns_;
    int dataRows_;
    TExColumnGrid* columnGrid_ = nullptr;
};

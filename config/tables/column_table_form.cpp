#include "config/tables/column_table_form.h"

#include "config/tables/row_operations.h"
#include "grid/columngrid/ex_column_grid.h"

TColumnTableForm::TColumnTableForm(TComponent* AOwner, const TTable_Texts& Texts, const TTable_File& File_Shape,
                                   int Client_Width, int Client_Height, const char* Grid_Name,
                                   std::vector<TColumn_Def> Columns)
    : TTableForm(AOwner, Texts, File_Shape, Client_Width, Client_Height), gridName_(Grid_Name),
      columns_(std::move(Columns)), dataRows_(File_Shape.Rows) {}

TExStringGrid* TColumnTableForm::Build_Grid(int Left, int Top, int Width, int Height) {
    auto* grid = new TExColumnGrid(this);
    grid->Name = QString::fromLatin1(gridName_);
    grid->SetBounds(Left, Top, Width, Height);
    grid->SetParent(this);
    Set_Grid_Columns(*grid, columns_);
    columnGrid_ = grid;
    Grid_Built(*grid);
    return grid;
}

void TColumnTableForm::Init_Table() { columnGrid_->SetRowCount(dataRows_ + 1); }

void TColumnTableForm::Set_Headers(const QStringList& Headers) {
    TGridColumnCollection& columns = columnGrid_->Columns();
    for (int c = 0; c < Headers.size() && c < columns.Count(); ++c) columns.Items(c)->SetHeader(Headers[c]);
}

QStringList TColumnTableForm::Row_Texts(int Row) {
    QStringList texts;
    for (int c = 1; c < int(columns_.size()); ++c) texts << columnGrid_->GetCellEx(c, Row);
    return texts;
}

void TColumnTableForm::Set_Row_Texts(int Row, const QStringList& Texts) {
    for (int c = 1; c < int(columns_.size()); ++c) columnGrid_->SetCellEx(c, Row, Texts.value(c - 1));
}

void TColumnTableForm::Paste_Row(int Row) { Grid_Paste_Row(*columnGrid_, Row, Do_Copy); }

void TColumnTableForm::Fill_Positions(int First, int Last, int Size, bool None_First) {
    QStringList items;
    items.reserve(Size + 1);
    if (None_First) items << QStringLiteral("None");
    for (int i = 0; i < Size; ++i) items << QString::number(i);
    for (int c = First; c <= Last; ++c) columnGrid_->Columns().Items(c)->ComboItems().Assign(items);
}

bool TColumnTableForm::Report(const std::optional<TRow_Fault>& Fault) const {
    return !Fault || Row_Error(Fault->Row, Fault->Text_Id, Fault->Suffix);
}

void Set_Grid_Columns(TExColumnGrid& Grid, const std::vector<TColumn_Def>& Columns) {
    Grid.SetColCount(int(Columns.size()));
    for (int c = 0; c < int(Columns.size()); ++c) {
        TGridColumnItem* column = Grid.Columns().Items(c);
        const TColumn_Def& def = Columns[size_t(c)];
        column->SetWidth(def.Width);
        column->SetEditor(def.Editor);
        for (const QString& item : def.Items) column->ComboItems().Add(item);
        if (def.Editor == edDataCheckBox) column->SetAlignment(taCenter);
        column->EditLength = def.Edit_Length;
        column->SetColor(def.Color);
    }
    Grid.Columns().Items(0)->ReadOnly = true;
}

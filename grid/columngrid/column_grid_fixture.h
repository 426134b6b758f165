#pragma once

#include "grid/columngrid/ex_column_grid.h"
#include "platform/controls/form.h"

#include <gtest/gtest.h>

#include <vector>

// One column as a window's form description sets it.
struct TColumnDefinition {
    QString Header;
    TEditorType Editor = edNormal;
    QStringList ComboItems = {};
    int SpinMin = 0, SpinMax = 0;
    bool ReadOnly = false;
};

// A column grid that lets tests reach its protected hooks.
class TTestColumnGrid : public TExColumnGrid {
public:
    using TExColumnGrid::MouseDown;
    using TExColumnGrid::TExColumnGrid;
};

// Sets a grid's columns from definitions, then completes the loading as a form does.
inline void BuildColumns(TExColumnGrid& Grid, const std::vector<TColumnDefinition>& Definitions) {
    Grid.SetColCount(static_cast<int>(Definitions.size()));
    for (size_t i = 0; i < Definitions.size(); ++i) {
        const TColumnDefinition& d = Definitions[i];
        TGridColumnItem& item = *Grid.Columns().Items(static_cast<int>(i));
        item.SetHeader(d.Header);
        item.SetEditor(d.Editor);
        item.ComboItems().Assign(d.ComboItems);
        item.SpinMin = d.SpinMin;
        item.SpinMax = d.SpinMax;
        item.ReadOnly = d.ReadOnly;
    }
    Grid.Loaded();
}

// A column grid with a fixed column and header row and one column of each kind the program's
// tables use: plain, combo with items, data check box, spin with limits and read-only.
class ColumnGridFixture : public ::testing::Test {
protected:
    enum { Fixed, Plain, Combo, Check, Spin, ReadOnly, ColumnCount };

    void SetUp() override {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 800, 400);
        grid = new TTestColumnGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 700, 300);
        grid->SetRowCount(5);
        grid->SetFixedCols(1);
        grid->SetFixedRows(1);
        BuildColumns(*grid, {{.Header = "Nr"},
                             {.Header = "Name"},
                             {.Header = "Mode", .Editor = edComboList, .ComboItems = {"Off", "On", "Auto"}},
                             {.Header = "Enabled", .Editor = edDataCheckBox},
                             {.Header = "Count", .Editor = edSpinEdit, .SpinMin = 1, .SpinMax = 10},
                             {.Header = "Status", .ReadOnly = true}});
        form->HandleNeeded();
    }
    void TearDown() override { delete form; }

    TGridColumnItem& item(int i) const { return *grid->Columns().Items(i); }

    TEditorType editorOf(int ACol, int ARow) const {
        TEditorType editor = grid->DefaultEditor;
        grid->GetCellEditor(ACol, ARow, editor);
        return editor;
    }
    bool canEdit(int ACol, int ARow) const {
        bool can = true;
        grid->CanEditCell(ACol, ARow, can);
        return can;
    }

    TForm* form = nullptr;
    TTestColumnGrid* grid = nullptr;
};

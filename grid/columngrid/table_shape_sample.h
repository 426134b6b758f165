#pragma once

#include "grid/columngrid/ex_column_grid.h"
#include "platform/controls/form.h"

// For tests and the preview: a window holding a column grid shaped like the program's tables,
// a row-number column, an Enable check-box column ("Y"/"N"), text columns and a drop-down
// list column, with a few rows filled in.
struct TTableShapeSample {
    enum { Nr, Enable, Name, Kind, Address, ColumnCount };
    static constexpr int Rows = 8;

    TForm* Form = nullptr;
    TExColumnGrid* Grid = nullptr;

    explicit TTableShapeSample(TComponent* Owner) {
        Form = new TForm(Owner);
        Form->SetCaption(QStringLiteral("Column grid"));
        Form->SetBounds(0, 0, 560, 260);
        Grid = new TExColumnGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(8, 8, 540, 240);
        Grid->SetRowCount(Rows);
        Grid->SetColCount(ColumnCount);
        const struct {
            const char* header;
            TEditorType editor;
            int width;
        } columns[] = {{"Nr", edNormal, 36}, {"Enable", edDataCheckBox, 60}, {"Name", edNormal, 150},
                       {"Kind", edComboList, 110}, {"Address", edNormal, 150}};
        for (int i = 0; i < ColumnCount; ++i) {
            TGridColumnItem& item = *Grid->Columns().Items(i);
            item.SetHeader(QString::fromLatin1(columns[i].header));
            item.SetEditor(columns[i].editor);
            item.SetWidth(columns[i].width);
        }
        TGridColumnItem& nr = *Grid->Columns().Items(Nr);
        nr.SetAlignment(taCenter);
        nr.SetHeaderAlignment(taCenter);
        Grid->Columns().Items(Enable)->SetAlignment(taCenter);
        Grid->Columns().Items(Kind)->ComboItems().Assign(QStringList{"Input", "Output", "Memory"});
        Grid->Loaded();

        const char* names[] = {"Pump speed", "Valve state", "Tank level"};
        const char* kinds[] = {"Input", "Output", "Memory"};
        for (int r = 1; r < Rows; ++r) {
            Grid->SetCells(Nr, r, QString::number(r));
            Grid->SetCells(Enable, r, r % 2 ? QStringLiteral("Y") : QStringLiteral("N"));
            if (r <= 3) {
                Grid->SetCells(Name, r, QString::fromLatin1(names[r - 1]));
                Grid->SetCells(Kind, r, QString::fromLatin1(kinds[r - 1]));
                Grid->SetCells(Address, r, QStringLiteral("%1.0").arg(r * 10));
            }
        }
    }
};

#pragma once

#include "grid/foundation/grid_options.h"
#include "grid/stringgrid/data/exchange_fixture.h"
#include "platform/system/clipboard.h"

// A clipboard that keeps what it is given, as the desktop would.
class ScriptedClipboard : public TClipboard {
public:
    ScriptedClipboard() { SetClipboard(this); }
    ~ScriptedClipboard() override { SetClipboard(nullptr); }
    void SetContent(const QString& t, const std::vector<TClipboardFormat>& f) override {
        text = t;
        formats = f;
    }
    QString AsText() override { return text; }
    QByteArray FormatData(const QString& name) override {
        for (const auto& [n, data] : formats)
            if (n == name) return data;
        return {};
    }
    QString text;
    std::vector<TClipboardFormat> formats;
};

// The exchange fixture's grid made editable, with the scripted clipboard installed.
class ClipboardFixture : public ExchangeFixture {
protected:
    void SetUp() override {
        ExchangeFixture::SetUp();
        grid->SetOptions(grid->Options() | goEditing);
    }
    TTestStringGrid* makeEditableGrid() {
        TTestStringGrid* g = makeGrid();
        g->SetOptions(g->Options() | goEditing);
        return g;
    }
    void select(int Left, int Top, int Right, int Bottom) { grid->SetSelection({Left, Top, Right, Bottom}); }
    // The texts of rows Top..Bottom of columns Left..Right, cells by "," and rows by "|".
    QString block(int Left, int Top, int Right, int Bottom, TExStringGrid* g = nullptr) {
        TExStringGrid& on = g ? *g : *grid;
        QStringList rows;
        for (int r = Top; r <= Bottom; ++r) {
            QStringList cells;
            for (int c = Left; c <= Right; ++c) cells << on.Cells(c, r);
            rows << cells.join(u',');
        }
        return rows.join(u'|');
    }
    void fill(int Left, int Top, const QList<QStringList>& Rows) {
        for (int r = 0; r < Rows.size(); ++r)
            for (int c = 0; c < Rows[r].size(); ++c) grid->SetCells(Left + c, Top + r, Rows[r][c]);
    }

    ScriptedClipboard clipboard;
};

#include "grid/stringgrid/filter/footer_panel.h"
#include "grid/stringgrid/paint/cell_painting_fixture.h"
#include "platform/controls/control_hint.h"
#include "platform/controls/window_backend.h"

namespace {

// Stands for the screen under one control: it keeps the picture last shown and takes a new one
// only where the control asked to be repainted.
class ControlScreen : public TWindowBackend {
public:
    explicit ControlScreen(TControl& Control) : control(Control), shown(renderToImage(Control)) {
        SetWindowBackend(this);
    }
    ~ControlScreen() override { SetWindowBackend(nullptr); }
    void Invalidate(TWinControl& c, const TRect& r) override {
        if (&c == &control) dirty.push_back(r);
    }
    // The picture once the pending repaints are done.
    const QImage& refresh() {
        const QImage fresh = renderToImage(control);
        for (const TRect& r : dirty)
            for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, fresh.height()); ++y)
                for (int x = std::max(r.Left, 0); x < std::min(r.Right, fresh.width()); ++x)
                    shown.setPixel(x, y, fresh.pixel(x, y));
        dirty.clear();
        return shown;
    }

private:
    TControl& control;
    QImage shown;
    std::vector<TRect> dirty;
};

// Four columns of 60 pixels, a header row, rows 1 .. 3 with 1, 2 and 3 in column 2 and a name
// in column 1, and the footer row 4.
class FloatingFooter : public StringGridFixture {
protected:
    void SetUp() override {
        StringGridFixture::SetUp();
        grid->SetBounds(0, 0, 400, 200);
        grid->SetColCount(4);
        grid->SetRowCount(5);
        grid->SetDefaultColWidth(60);
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 4; ++c) grid->SetCells(c, r, QString());
        const char* names[] = {"", "pear", "Plum", "pear"};
        for (int r = 1; r <= 3; ++r) {
            grid->SetCells(1, r, names[r]);
            grid->SetCells(2, r, QString::number(r));
        }
    }
    TFloatingFooter& footer() { return grid->FloatingFooter(); }
    QString footerCell(int c) { return grid->Cells(c, grid->RowCount() - 1); }
};

TEST_F(FloatingFooter, VisibleAndStyleDecideTheFooterRow) {
    int created = 0;
    grid->OnCreatedFloatingFooter = [&](TObject*) { ++created; };
    EXPECT_EQ(grid->FixedFooters(), 0);
    footer().SetFooterStyle(fsColumnPreview);
    footer().SetVisible(true);
    EXPECT_EQ(grid->FixedFooters(), 0);  // the last row stays an ordinary row
    EXPECT_TRUE(grid->FooterPanel().Visible());
    EXPECT_EQ(grid->FooterPanel().Height(), 21);
    EXPECT_EQ(created, 1);  // the panel's window was made

    grid->SetBounds(0, 0, 300, 150);  // docked under the cells
    EXPECT_EQ(grid->FooterPanel().Top() + grid->FooterPanel().Height(), grid->ClientRect().Bottom);
    EXPECT_EQ(grid->FooterPanel().Width(), grid->ClientRect().Right);

    footer().SetFooterStyle(fsFixedLastRow);
    EXPECT_EQ(grid->FixedFooters(), 1);
    footer().SetHeight(30);
    EXPECT_EQ(grid->FooterPanel().Height(), 29);
    grid->SetDefaultRowHeight(26);
    EXPECT_EQ(grid->FooterPanel().Height(), 25);

    footer().SetVisible(false);
    EXPECT_EQ(grid->FixedFooters(), 0);
    EXPECT_FALSE(grid->FooterPanel().Visible());
    EXPECT_EQ(grid->FooterPanel().Height(), 0);
}

TEST_F(FloatingFooter, AssignShowsTheFooterThroughItsSetter) {
    auto* other = new TTestStringGrid(form);
    other->SetParent(form);
    TFloatingFooter& source = other->FloatingFooter();
    source.SetVisible(true);
    source.CustomTemplate = "<#1>";
    source.Height = 40;
    footer().Assign(source);
    EXPECT_EQ(grid->FixedFooters(), 1);
    EXPECT_TRUE(grid->FooterPanel().Visible());
    EXPECT_EQ(footer().CustomTemplate, "<#1>");
    EXPECT_EQ(footer().Height, 22);  // not copied
}

TEST_F(FloatingFooter, CalculatedCellsFollowTheirCalcType) {
    footer().SetVisible(true);
    grid->OnFooterCalc = [](TObject*, int ACol, int ARow, QString& Value) { Value = QStringLiteral("c%1 r%2").arg(ACol).arg(ARow); };
    struct Case {
        int column;
        TColumnCalcType type;
        const char* shown;
    } cases[] = {
        {2, acSUM, "6.00"}, {2, acAVG, "2.00"},   {2, acMIN, "1.00"},  {2, acMAX, "3.00"},
        {2, acCOUNT, "3"},  {1, acDISTINCT, "2.00"}, {2, acSTDDEV, "0.82"}, {3, acCUSTOM, "c3 r4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        grid->SetCells(c.column, 4, "old");
        footer().SetColumnCalc(c.column, c.type);
        EXPECT_EQ(footer().GetColumnCalc(c.column), c.type);
        EXPECT_EQ(footerCell(c.column), c.shown);
    }
    // A spread cell and a cell without a type keep their text.
    footer().SetColumnCalc(2, acSPREAD);
    grid->SetCells(2, 4, "kept");
    grid->CalcFooter(-1);
    EXPECT_EQ(footerCell(2), "kept");
    EXPECT_EQ(footer().GetColumnCalc(0), acNONE);

    // Without the grid's event the footer's own supplies custom cells.
    grid->OnFooterCalc = nullptr;
    footer().OnCalcFooter = [](TObject*, int, int, QString& Value) { Value = "own"; };
    grid->CalcFooter(3);
    EXPECT_EQ(footerCell(3), "own");
}

TEST_F(FloatingFooter, ChangedCellsRecalculateTheFooter) {
    footer().SetVisible(true);
    footer().SetColumnCalc(3, acCOUNT);
    grid->InsertRows(2, 2, true);
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(footerCell(3), "5");
}

TEST_F(FloatingFooter, AnEditedCellShowsItsNewTotalInTheStrip) {
    grid->SetOptions(grid->Options() | goEditing);
    footer().SetVisible(true);
    footer().SetColumnCalc(2, acSUM);
    TFooterPanel& panel = grid->FooterPanel();
    panel.HandleNeeded();
    EXPECT_EQ(&grid->FooterCanvas(), &panel.Canvas());
    grid->SetFocus();
    ControlScreen screen(panel);
    const QImage before = renderToImage(panel);

    const TRect cell = grid->CellRect(2, 1);
    click(*grid, cell.Left + 5, cell.Top + 5);
    typeChar(*grid, '7');
    keyPress(*FocusedControl(), VK_RETURN);
    ASSERT_EQ(footerCell(2), "12.00");
    const QImage after = renderToImage(panel);
    ASSERT_NE(after, before);
    EXPECT_EQ(screen.refresh(), after);
}

TEST_F(FloatingFooter, MovingToAnotherColumnTakesTheShownHintAway) {
    footer().SetVisible(true);
    footer().SetShowHint(true);
    TFooterPanel& panel = grid->FooterPanel();
    panel.SetHint("footer");
    grid->OnGridHint = [&](TObject*, int, int ACol, QString& hint) { hint = QStringLiteral("column %1").arg(ACol); };
    ASSERT_TRUE(ActivateControlHint(panel, {5, 5}));
    ASSERT_TRUE(ControlHintWindow()->Showing());
    EXPECT_EQ(ControlHintWindow()->Caption(), "column 0");
    mouseMove(panel, 20, 5);  // the same column
    EXPECT_TRUE(ControlHintWindow()->Showing());
    mouseMove(panel, 130, 5);
    EXPECT_FALSE(ControlHintWindow()->Showing());
    EXPECT_EQ(panel.HintColumn(), 2);
    ASSERT_TRUE(ActivateControlHint(panel, {130, 5}));
    EXPECT_EQ(ControlHintWindow()->Caption(), "column 2");
    CancelControlHint();
    footer().SetShowHint(false);
    EXPECT_FALSE(ActivateControlHint(panel, {5, 5}));
}

TEST_F(FloatingFooter, NothingIsCalculatedUnlessTheFooterRowShows) {
    footer().SetColumnCalc(2, acSUM);
    EXPECT_EQ(footerCell(2), "");
    footer().SetVisible(true);
    footer().EnableCalculation = false;
    grid->CalcFooter(-1);
    EXPECT_EQ(footerCell(2), "");
    footer().EnableCalculation = true;
    footer().SetFooterStyle(fsCustomPaint);
    grid->CalcFooter(-1);
    EXPECT_EQ(footerCell(2), "");
}

TEST_F(FloatingFooter, FilteringRecalculatesWithOrWithoutTheHiddenRows) {
    footer().SetVisible(true);
    footer().SetColumnCalc(2, acSUM);
    footer().SetColumnCalc(3, acCOUNT);
    TFilterData& item = *grid->Filter().Add();
    item.Column = 1;
    item.Condition = "pear";
    grid->SetFilterActive(true);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(footerCell(2), "6.00");  // hidden rows count by default
    EXPECT_EQ(footerCell(3), "3");

    footer().CalculateHiddenRows = false;
    grid->CalcFooter(-1);
    EXPECT_EQ(footerCell(2), "4.00");
    EXPECT_EQ(footerCell(3), "2");

    grid->SetFilterActive(false);
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(footerCell(2), "6.00");
    EXPECT_EQ(grid->Cells(2, 2), "2");
}

TEST(FooterTemplate, PlaceholdersTakeTheCellTexts) {
    const auto cell = [](int c) { return QStringLiteral("[%1]").arg(c); };
    struct Case {
        const char* tmpl;
        const char* expanded;
    } cases[] = {
        {"Name: <#1>", "Name: [1]"},
        {"<#1><#12> and <b><#0></b>", "[1][12] and <b>[0]</b>"},
        {"bad <#x> dropped", "bad  dropped"},
        {"open <#3 and more", "open <#3 and more"},
        {"<#", "<#"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ExpandFooterTemplate(c.tmpl, cell), c.expanded) << c.tmpl;
}

TEST_F(FloatingFooter, ClicksAndHintsFindTheColumnUnderTheMouse) {
    footer().SetVisible(true);
    TFooterPanel& panel = grid->FooterPanel();
    std::vector<std::pair<int, int>> clicked;
    int clicks = 0;
    grid->OnClick = [&](TObject*) { ++clicks; };
    grid->OnClickCell = [&](TObject*, int ARow, int ACol) { clicked.push_back({ARow, ACol}); };
    click(panel, 5, 5);
    click(panel, 130, 5);
    click(panel, 390, 5);  // right of the last column
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(clicked, (std::vector<std::pair<int, int>>{{4, 0}, {4, 2}, {4, -1}}));

    // Scrolled, the columns after the fixed one start from the first one in view.
    grid->SetColCount(12);
    grid->SetLeftCol(5);
    clicked.clear();
    click(panel, 70, 5);
    EXPECT_EQ(clicked, (std::vector<std::pair<int, int>>{{4, 5}}));

    QString asked;
    grid->OnGridHint = [&](TObject*, int ARow, int ACol, QString& hint) { hint = QStringLiteral("%1 %2").arg(ARow).arg(ACol); };
    EXPECT_FALSE(panel.GetHint({130, 5}, asked));
    EXPECT_EQ(asked, "4 6");
    EXPECT_EQ(panel.HintColumn(), -1);
    footer().SetShowHint(true);
    EXPECT_TRUE(panel.GetHint({5, 5}, asked));
    EXPECT_EQ(panel.HintColumn(), 0);
    mouseMove(panel, 130, 5);  // another column takes over the hint
    EXPECT_EQ(panel.HintColumn(), 6);
    panel.Perform(CM_MOUSELEAVE, 0);
    EXPECT_EQ(panel.HintColumn(), -1);
}

TEST_F(FloatingFooter, PaintsTheFooterRowAndTheBorderLine) {
    grid->SetCells(2, 4, "total");
    footer().SetVisible(true);
    footer().SetColor(0x00FF00);
    TFooterPanel& panel = grid->FooterPanel();
    const int width = 4 * 61 - 1;  // up to the right edge of the last column
    QImage image = renderToImage(panel);
    EXPECT_EQ(colorAt(image, width + 5, 10), ColorToRGB(grid->Color()));  // beyond the columns
    EXPECT_NE(colorAt(image, 30, 0), clRed);
    // The text of the footer cell is painted in its column.
    // The footer cell's text is painted in its column.
    grid->SetCells(2, 4, "");
    const QImage blank = renderToImage(panel);
    int differing = 0;
    for (int y = 1; y < blank.height(); ++y)
        for (int x = 0; x < blank.width(); ++x)
            if (blank.pixel(x, y) != image.pixel(x, y)) {
                EXPECT_TRUE(x > 122 && x < 182) << x;
                ++differing;
            }
    EXPECT_GT(differing, 0);

    footer().SetBorderColor(clRed);
    image = renderToImage(panel);
    EXPECT_EQ(colorAt(image, 30, 0), clRed);
    EXPECT_EQ(colorAt(image, width - 1, 0), clRed);
    EXPECT_NE(colorAt(image, width + 5, 0), clRed);
}

TEST_F(FloatingFooter, PreviewsShowTheCurrentRow) {
    grid->SetCells(1, 2, "Plum");
    grid->SetRow(2);
    footer().SetFooterStyle(fsCustomPreview);
    footer().SetCustomTemplate("<#1>");
    footer().SetVisible(true);
    TFooterPanel& panel = grid->FooterPanel();
    QImage image = renderToImage(panel);
    EXPECT_EQ(colorAt(image, 0, 0), clWhite);  // the raised frame
    EXPECT_EQ(colorAt(image, 10, panel.Height() - 1), TColor(0x808080));
    EXPECT_GT(paintedAround(image, ColorToRGB(clBtnFace), {2, 2, 60, 19}).first, 0);

    std::vector<int> painted;
    grid->OnFooterPaint = [&](TObject* Sender, int AColumn, TCanvas&, TRect) {
        EXPECT_EQ(Sender, &panel);
        painted.push_back(AColumn);
    };
    footer().SetColumn(3);
    footer().SetFooterStyle(fsColumnPreview);
    renderToImage(panel);
    footer().SetFooterStyle(fsCustomPaint);
    renderToImage(panel);
    EXPECT_EQ(painted, (std::vector<int>{3, 3}));
}

}  // namespace

#include "grid/foundation/html_renderer.h"
#include "grid/stringgrid/input/input_fixture.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "grid/stringgrid/paint/html_hint_window.h"
#include "platform/controls/control_hint.h"
#include "platform/controls/hint_window.h"
#include "platform/controls/panel.h"
#include "platform/graphics/canvas.h"
#include "platform/testkit/scripted_screen.h"

namespace {

class CellHintWindow : public InputFixture {
protected:
    void SetUp() override {
        InputFixture::SetUp();
        screen.Monitors = {{Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 728)}};
        grid->ShowHint = true;
        grid->OnGridHint = [](TObject*, int ARow, int ACol, QString& hint) {
            if (ACol == 3) hint = QStringLiteral("hint of %1,%2").arg(ACol).arg(ARow);
        };
    }
    // Rests the pointer on the cell for the hint pause.
    TPoint restOn(int ACol, int ARow) {
        const TPoint p = middle(ACol, ARow);
        mouseMove(*grid, p.X, p.Y);
        advance(HintPause);
        return p;
    }
    bool showing() const { return grid->CellHintWindow() && grid->CellHintWindow()->Showing(); }
    QString shown() const { return showing() ? grid->CellHintWindow()->Caption() : QString(); }

    static int redPixels(const QImage& image) {
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) red += image.pixelColor(x, y) == QColor(Qt::red);
        return red;
    }

    TScriptedScreen screen;
};

TEST_F(CellHintWindow, ShowsAfterThePauseBelowTheCellSizedForItsTextAndGoesWhenThePointerLeaves) {
    const TPoint p = middle(3, 2);
    mouseMove(*grid, p.X, p.Y);
    advance(HintPause - 1);
    EXPECT_FALSE(showing());
    advance(1);
    ASSERT_TRUE(showing());
    THintWindow& window = *grid->CellHintWindow();
    EXPECT_EQ(window.Caption(), "hint of 3,2");
    const TPoint at = grid->ClientToScreen({p.X, grid->CellRect(3, 2).Bottom + 6});
    EXPECT_EQ(window.Left(), at.X);
    EXPECT_EQ(window.Top(), at.Y);
    EXPECT_EQ(window.Color(), grid->HintColor);
    TCanvas& canvas = window.Canvas();
    canvas.Font.Assign(grid->Font());
    EXPECT_EQ(window.Width(), canvas.TextWidth("hint of 3,2") + 2 * THintWindow::MarginX);
    EXPECT_EQ(window.Height(), canvas.TextHeight("hint of 3,2") + 2 * THintWindow::MarginY);

    // Moving within the cell keeps it; leaving the grid takes it away.
    mouseMove(*grid, p.X + 5, p.Y + 3);
    advance(HintPause);
    EXPECT_EQ(shown(), "hint of 3,2");
    EXPECT_EQ(window.Left(), at.X);
    grid->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(showing());
}

TEST_F(CellHintWindow, APressOrAnotherCellTakesTheHintAwayAndTheNextRestShowsTheNewOne) {
    struct Case {
        const char* what;
        std::function<void()> end;
    };
    const TPoint other = middle(3, 4);
    const Case cases[] = {
        {"left press", [this] { clickCell(3, 2); }},
        {"right press", [this] { mouseMessage(*grid, WM_RBUTTONDOWN, 10, 10, MK_RBUTTON); }},
        {"key", [this] { press(VK_DOWN); }},
        {"another cell", [&] { mouseMove(*grid, other.X, other.Y); }},
        {"no cell", [this] { mouseMove(*grid, 450, 250); }},
    };
    for (const Case& c : cases) {
        restOn(3, 2);
        ASSERT_EQ(shown(), "hint of 3,2") << c.what;
        c.end();
        EXPECT_FALSE(showing()) << c.what;
        grid->Perform(CM_MOUSELEAVE);
    }
    restOn(3, 5);
    EXPECT_EQ(shown(), "hint of 3,5");
    // A cell without a hint shows none; neither does a grid that shows no hints.
    restOn(1, 5);
    EXPECT_FALSE(showing());
    grid->ShowHint = false;
    restOn(3, 6);
    EXPECT_FALSE(showing());
}

// The balloon of a cell is forgotten once the pointer reaches another base cell, so the tool-tip
// asks for the new cell's balloon.
TEST_F(CellHintWindow, TheBalloonOfACellGoesWhenThePointerReachesAnotherCell) {
    grid->Balloon().SetEnable(true);
    grid->MergeCells(2, 2, 2, 1);
    grid->CellBalloonTip(2, 2);
    ASSERT_EQ(grid->LastBalloonPos, (TPoint{2, 2}));
    mouseMove(*grid, middle(3, 2).X, middle(3, 2).Y);  // the same merged cell
    EXPECT_EQ(grid->LastBalloonPos, (TPoint{2, 2}));
    mouseMove(*grid, middle(3, 4).X, middle(3, 4).Y);
    EXPECT_EQ(grid->LastBalloonPos, (TPoint{-1, -1}));
}

TEST_F(CellHintWindow, MarkupIsRenderedAndMeasuredByTheHTMLRenderer) {
    grid->OnGridHint = nullptr;
    grid->HintShowCells = true;
    grid->HTMLHint = true;
    const QString markup = QStringLiteral("<b>Bold</b> and <font color=\"clRed\">red</font>");
    grid->SetCells(2, 3, markup);
    restOn(2, 3);
    ASSERT_EQ(shown(), markup);
    auto* html = dynamic_cast<THTMLHintWindow*>(grid->CellHintWindow());
    ASSERT_NE(html, nullptr) << "markup shows in the markup hint window";
    THTMLHintWindow& window = *html;

    TCanvas& canvas = window.Canvas();
    canvas.Font.Assign(grid->Font());
    THTMLDrawOptions options;
    options.MeasureOnly = true;
    THTMLDrawResults measured;
    DrawHTMLText(canvas, markup, Rect(0, 0, 1008, 65535), options, measured);
    EXPECT_EQ(window.TextWidth(), measured.MaxLineWidth);
    EXPECT_EQ(window.Width(), measured.MaxLineWidth + 16);
    EXPECT_EQ(window.Height(), measured.TotalHeight + 4);
    EXPECT_LT(window.Width(), canvas.TextWidth(markup));

    // The word in red is drawn red: the tags were rendered, not shown.
    EXPECT_GT(redPixels(renderToImage(window)), 0);

    // Without the grid's own hint class the text shows as it stands.
    grid->Perform(CM_MOUSELEAVE);
    grid->UseInternalHintClass = false;
    restOn(2, 3);
    THintWindow& plain = *grid->CellHintWindow();
    EXPECT_EQ(dynamic_cast<THTMLHintWindow*>(&plain), nullptr);
    EXPECT_EQ(plain.Width(), plain.CalcHintRect(1008, markup).Width());
    EXPECT_EQ(redPixels(renderToImage(plain)), 0);
}

// The grid answers the platform's hint question with the cell's hint: text, place below the
// cell, the grid's colour, and for markup the markup window with the grid as its data.
TEST_F(CellHintWindow, TheHintQuestionIsAnsweredWithTheCellsHint) {
    const auto ask = [this](TPoint at) {
        THintInfo info;
        info.HintControl = grid;
        info.HintWindowClass = HintWindowClass();
        info.CursorPos = at;
        info.HintStr = "the grid's hint";
        EXPECT_EQ(grid->Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info)), 0);
        return info;
    };
    const TPoint p = middle(3, 2);
    THintInfo info = ask(p);
    EXPECT_EQ(info.HintStr, "hint of 3,2");
    EXPECT_EQ(info.HintPos, grid->ClientToScreen({p.X, grid->CellRect(3, 2).Bottom + 6}));
    EXPECT_EQ(info.HintColor, grid->HintColor);
    EXPECT_EQ(info.HintWindowClass, &NewPlainHintWindow);
    EXPECT_EQ(info.HintData, nullptr);

    grid->OnGridHint = [](TObject*, int, int, QString& hint) { hint = "<b>bold</b> hint"; };
    grid->Font().SetName("DejaVu Serif");
    info = ask(p);
    EXPECT_EQ(info.HintWindowClass, &THTMLHintWindow::New);
    EXPECT_EQ(info.HintData, grid);
    EXPECT_EQ(HTMLHintFontName(), "DejaVu Serif");
    grid->UseInternalHintClass = false;
    EXPECT_EQ(ask(p).HintWindowClass, &NewPlainHintWindow);

    // Off the cells the grid's own hint stays.
    EXPECT_EQ(ask({490, 290}).HintStr, "the grid's hint");
}

// UseHTMLHints makes the markup window the kind every control's hint shows in.
TEST_F(CellHintWindow, UseHTMLHintsSetsTheProgramsHintWindow) {
    grid->SetUseHTMLHints(true);
    EXPECT_TRUE(grid->UseHTMLHints());
    TPanel panel(nullptr);
    panel.SetBounds(0, 0, 100, 40);
    panel.ShowHint = true;
    panel.SetHint("<b>Panel</b>");
    ASSERT_TRUE(ActivateControlHint(panel, {5, 5}));
    auto* window = dynamic_cast<THTMLHintWindow*>(ControlHintWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_LT(window->Width(), window->Canvas().TextWidth("<b>Panel</b>"));
    CancelControlHint();
    grid->SetUseHTMLHints(false);
    EXPECT_EQ(HintWindowClass(), &NewPlainHintWindow);
}

}  // namespace

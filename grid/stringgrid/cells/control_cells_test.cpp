#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "grid/stringgrid/paint/control_look.h"
#include "platform/controls/image_list.h"
#include "platform/graphics/graphic.h"
#include "platform/controls/image.h"

#include <functional>

namespace {

using CellKinds = StringGridFixture;

TEST_F(CellKinds, EachAddMakesItsKindAndEachRemoveTakesOnlyItsOwn) {
    struct Case {
        const char* name;
        std::function<void(TExStringGrid&)> add;
        TCellType kind;
        std::function<void(TExStringGrid&)> remove;
    };
    TBitmap glyph(4, 4);
    const std::vector<Case> cases = {
        {"progress", [](TExStringGrid& g) { g.AddProgress(2, 2, clRed, clWhite); }, ctProgress,
         [](TExStringGrid& g) { g.RemoveProgress(2, 2); }},
        {"appearance progress", [](TExStringGrid& g) { g.AddExProgress(2, 2, 0, 10); }, ctXPProgress,
         [](TExStringGrid& g) { g.RemoveExProgress(2, 2); }},
        {"pie", [](TExStringGrid& g) { g.AddProgressPie(2, 2, clRed, 40); }, ctProgressPie,
         [](TExStringGrid& g) { g.RemoveProgressPie(2, 2); }},
        {"range", [](TExStringGrid& g) { g.AddRangeIndicator(2, 2, 50, clRed, clGreen, true); }, ctRangeIndicator,
         [](TExStringGrid& g) { g.RemoveRangeIndicator(2, 2); }},
        {"comment", [](TExStringGrid& g) { g.AddComment(2, 2, "note"); }, ctComment,
         [](TExStringGrid& g) { g.RemoveComment(2, 2); }},
        {"shape", [](TExStringGrid& g) { g.AddShape(2, 2, csCircle, clRed, clBlack, haLeft, vaTop); }, ctShape,
         [](TExStringGrid& g) { g.RemoveShape(2, 2); }},
        {"rating", [](TExStringGrid& g) { g.AddRating(2, 2, 5, clRed, clGray); }, ctRating,
         [](TExStringGrid& g) { g.RemoveRating(2, 2); }},
        {"scroll bar", [](TExStringGrid& g) { g.AddScrollBar(2, 2, false); }, ctScrollbar,
         [](TExStringGrid& g) { g.RemoveScrollBar(2, 2); }},
        {"button", [](TExStringGrid& g) { g.AddButton(2, 2, 30, 16, "Go", haLeft, vaTop); }, ctButton,
         [](TExStringGrid& g) { g.RemoveButton(2, 2); }},
        {"bit button", [&](TExStringGrid& g) { g.AddBitButton(2, 2, 30, 16, "Go", &glyph, haLeft, vaTop); },
         ctBitButton, [](TExStringGrid& g) { g.RemoveBitButton(2, 2); }},
        {"bitmap", [&](TExStringGrid& g) { g.AddBitmap(2, 2, &glyph, false, haLeft, vaTop); }, ctBitmap,
         [](TExStringGrid& g) { g.RemoveBitmap(2, 2); }},
        {"icon", [&](TExStringGrid& g) { g.AddIcon(2, 2, &glyph, haLeft, vaTop); }, ctIcon,
         [](TExStringGrid& g) { g.RemoveIcon(2, 2); }},
        {"rotated", [](TExStringGrid& g) { g.AddRotated(2, 2, 90, "up"); }, ctRotated,
         [](TExStringGrid& g) { g.RemoveRotated(2, 2); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.add(*grid);
        EXPECT_EQ(grid->GetCellType(2, 2), c.kind);
        // RemoveButton takes either kind of button.
        for (const Case& other : cases)
            if (other.kind != c.kind && !(other.kind == ctButton && c.kind == ctBitButton)) other.remove(*grid);
        EXPECT_EQ(grid->GetCellType(2, 2), c.kind) << "another kind's remove left it";
        c.remove(*grid);
        EXPECT_EQ(grid->GetCellType(2, 2), ctEmpty);
    }
}

TEST_F(CellKinds, QueriesAnswerOnlyForTheirKind) {
    EXPECT_EQ(grid->GetShapeColor(2, 2), clNone);
    grid->SetShapeColor(2, 2, clRed);
    EXPECT_EQ(grid->GetCellType(2, 2), ctEmpty) << "a plain cell stays plain";
    grid->AddShape(2, 2, csStar, clRed, clBlack, haLeft, vaTop);
    grid->SetShapeColor(2, 2, clBlue);
    EXPECT_EQ(grid->GetShapeColor(2, 2), clBlue);

    grid->AddExProgress(3, 3, 0, 100);
    grid->AddProgressPie(4, 3, clRed, 10);
    grid->AddProgress(5, 3, clRed, clWhite);
    EXPECT_FALSE(grid->HasProgress(3, 3));
    EXPECT_FALSE(grid->HasProgress(4, 3));
    EXPECT_TRUE(grid->HasProgress(5, 3));

    EXPECT_EQ(grid->GetScrollPosition(6, 6), -1);
    EXPECT_EQ(grid->GetScrollProp(6, 6).Range, -1);
    grid->AddScrollBar(6, 6, false);
    EXPECT_EQ(grid->GetScrollPosition(6, 6), 0);
    EXPECT_EQ(grid->GetScrollProp(6, 6).Range, 100);
    EXPECT_EQ(grid->GetScrollProp(6, 6).PageSize, 0);
    grid->SetScrollProp(6, 6, {20, 300});
    grid->SetScrollPosition(6, 6, 40);
    EXPECT_EQ(grid->GetScrollProp(6, 6).PageSize, 20);
    EXPECT_EQ(grid->GetScrollPosition(6, 6), 40);
    EXPECT_FALSE(grid->HasAutoRangeScrollBar(6, 6));
}

TEST_F(CellKinds, ACommentIsWrittenOnlyToAPlainOrCommentCell) {
    grid->ControlLook().SetCommentColor(clGreen);
    grid->SetCellComment(2, 2, "first");
    QString text;
    ASSERT_TRUE(grid->IsComment(2, 2, text));
    EXPECT_EQ(text, "first");
    EXPECT_EQ(TColor(grid->CellGraphics(2, 2)->CellIndex), clGreen);
    grid->SetCellComment(2, 2, "second");
    EXPECT_EQ(grid->CellComment(2, 2), "second");
    grid->AddCheckBox(3, 2, true, false);
    grid->SetCellComment(3, 2, "no");
    EXPECT_EQ(grid->GetCellType(3, 2), ctCheckBox);
    EXPECT_EQ(grid->CellComment(3, 2), "");
    grid->AddColorComment(4, 2, "red", clRed);
    grid->RemoveAllComments();
    EXPECT_FALSE(grid->IsComment(2, 2, text));
    EXPECT_FALSE(grid->IsComment(4, 2, text));
    EXPECT_EQ(grid->GetCellType(3, 2), ctCheckBox);
}

TEST_F(CellKinds, AMarkerKeepsTheDecorationItSitsOn) {
    grid->AddProgress(2, 2, clRed, clWhite);
    grid->AddMarker(2, 2, 1, 3);
    int from = -1, len = -1;
    grid->GetMarker(2, 2, from, len);
    EXPECT_EQ(from, 1);
    EXPECT_EQ(len, 3);
    grid->RemoveMarker(2, 2);
    grid->GetMarker(2, 2, from, len);
    EXPECT_EQ(len, 0);
    EXPECT_TRUE(grid->HasProgress(2, 2)) << "the progress stays";

    grid->AddMarker(3, 2, 0, 2);
    EXPECT_EQ(grid->GetCellType(3, 2), ctEmpty);
    EXPECT_NE(grid->CellGraphics(3, 2), nullptr);
    grid->RemoveAllMarkers();
    EXPECT_EQ(grid->CellGraphics(3, 2), nullptr) << "a marker-only record goes";
    grid->GetMarker(3, 2, from, len);
    EXPECT_EQ(from, 0);
}

TEST_F(CellKinds, ButtonCaptionsAndPushesTakeDisplayColumns) {
    grid->AddButton(3, 2, 30, 16, "Old", haLeft, vaTop);
    grid->HideColumn(1);
    grid->SetButtonText(2, 2, "New");  // real column 3
    QString caption;
    grid->GetButtonText(2, 2, caption);
    EXPECT_EQ(caption, "New");
    grid->PushButton(2, 2, true);
    EXPECT_TRUE(grid->CellGraphics(3, 2)->CellBoolean);
    grid->UnHideColumn(1);
    grid->AddButton(4, 2, 30, 16, "x", haLeft, vaTop);
    grid->RemoveAllButtons();
    EXPECT_FALSE(grid->HasButton(3, 2));
    EXPECT_FALSE(grid->HasButton(4, 2));
}

TEST_F(CellKinds, ImageCellsNeedTheGridsImageList) {
    grid->AddImageIdx(2, 2, 1, haLeft, vaTop);
    grid->AddDataImage(3, 2, 1, haLeft, vaTop);
    grid->AddMultiImage(4, 2, 0, haLeft, vaTop);
    int idx = -1;
    EXPECT_FALSE(grid->GetImageIdx(2, 2, idx));
    EXPECT_EQ(grid->GetCellType(3, 2), ctEmpty);
    EXPECT_EQ(grid->GetCellImages(4, 2), nullptr);

    TImageList images(nullptr);
    grid->SetGridImages(&images);
    grid->AddImageIdx(2, 2, 1, haLeft, vaTop);
    grid->SetImageIdx(2, 2, 4);
    ASSERT_TRUE(grid->GetImageIdx(2, 2, idx));
    EXPECT_EQ(idx, 4);

    grid->SetCells(3, 2, "3");
    grid->AddDataImage(3, 2, 1, haLeft, vaTop);
    EXPECT_EQ(grid->Cells(3, 2), "3") << "the text picks the image";
    grid->SetCells(3, 3, "");
    grid->AddDataImage(3, 3, 2, haLeft, vaTop);
    EXPECT_EQ(grid->Cells(3, 3), "2");
    EXPECT_TRUE(grid->HasDataImage(3, 3));
    grid->RemoveDataImage(5, 5);
    EXPECT_EQ(grid->Cells(5, 5), "") << "the text goes even without a data image";

    grid->AddMultiImage(4, 2, 0, haLeft, vaTop);
    ASSERT_NE(grid->GetCellImages(4, 2), nullptr);
    EXPECT_TRUE(grid->CellGraphics(4, 2)->CellBoolean) << "across";
    grid->SetGridImages(nullptr);
}

// Created objects go with their cell; a second create frees the first (the leak check sees it).
TEST_F(CellKinds, CreatedObjectsAreTheGridsToFree) {
    TBitmap* first = grid->CreateBitmap(2, 2, false, haLeft, vaTop);
    ASSERT_NE(first, nullptr);
    first->SetSize(8, 8);
    TBitmap* second = grid->CreateBitmap(2, 2, false, haLeft, vaTop);
    EXPECT_EQ(grid->GetBitmap(2, 2), second);
    EXPECT_NE(grid->CreatePicture(3, 2, false, Stretch, 0, haLeft, vaTop), nullptr);
    EXPECT_NE(grid->CreateFilePicture(4, 2, false, Stretch, 0, haLeft, vaTop), nullptr);
    EXPECT_NE(grid->CreateIcon(5, 2, haLeft, vaTop), nullptr);
    EXPECT_NE(grid->CreateBitButton(6, 2, 20, 16, "b", haLeft, vaTop), nullptr);
    EXPECT_EQ(grid->GetPicture(3, 2), grid->CellGraphics(3, 2)->Held<TPicture>());
    EXPECT_NE(grid->GetFilePicture(4, 2), nullptr);
    EXPECT_EQ(grid->GetPicture(4, 2), nullptr) << "a file picture is no picture";
    grid->RemovePicture(3, 2);
    EXPECT_FALSE(grid->HasPicture(3, 2));
}

}  // namespace

namespace {

// Run under the leak checker: every object the grid made is freed with the grid.
TEST(CellKindsLifetime, AGridFullOfEveryKindIsFreedWithIt) {
    auto* form = new TForm(nullptr);
    auto* grid = new TExStringGrid(form);
    grid->SetParent(form);
    grid->SetColCount(6);
    grid->SetRowCount(6);
    TImageList images(nullptr);
    grid->SetGridImages(&images);
    TBitmap shared(4, 4);
    grid->CreateBitmap(0, 0, false, haLeft, vaTop)->SetSize(3, 3);
    grid->CreateIcon(1, 0, haLeft, vaTop);
    grid->CreatePicture(2, 0, false, Stretch, 0, haLeft, vaTop);
    grid->CreateFilePicture(3, 0, false, Stretch, 0, haLeft, vaTop);
    grid->CreateBitButton(4, 0, 20, 16, "b", haLeft, vaTop);
    grid->AddBitmap(5, 0, &shared, false, haLeft, vaTop);
    grid->AddMultiImage(0, 1, 0, haLeft, vaTop);
    grid->GetCellImages(0, 1)->Add(0);
    grid->AddImageIdx(1, 1, 0, haLeft, vaTop);
    grid->AddDataImage(2, 1, 0, haLeft, vaTop);
    grid->AddProgress(3, 1, clRed, clWhite);
    grid->AddExProgress(4, 1, 0, 10);
    grid->AddProgressPie(5, 1, clRed, 10);
    grid->AddRangeIndicator(0, 2, 10, clRed, clGreen, true);
    grid->AddComment(1, 2, "c");
    grid->AddShape(2, 2, csStar, clRed, clBlack, haLeft, vaTop);
    grid->AddRating(3, 2, 5, clRed, clGray);
    grid->AddScrollBar(4, 2, true);
    grid->AddMarker(5, 2, 0, 1);
    grid->AddButton(0, 3, 20, 16, "b", haLeft, vaTop);
    grid->AddRotated(1, 3, 45, "r");
    grid->CreateBitmap(1, 3, false, haLeft, vaTop);  // replaces the turned text's record
    grid->SetGridImages(nullptr);
    delete form;
}

}  // namespace

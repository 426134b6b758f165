#include "grid/stringgrid/paint/cell_painting_fixture.h"

namespace {

constexpr TColor Black = 0x000000, Green = 0x00C000, Red = 0x0000FF;

// Node at row 1 (expanded, child row 2) and node at row 3 (contracted), flat plus/minus boxes.
class NodeGlyphPainting : public CellPaintingFixture {
protected:
    void SetUp() override {
        CellPaintingFixture::SetUp();
        grid->SetFixedCols(0);
        TCellNode& node = grid->CellNode();
        node.SetNodeType(cnFlat);
        node.SetShowTree(false);
        node.SetTreeColor(Red);
        node.NodeColor = Black;
        node.Color = Green;
        grid->AddNode(1, 2);
        grid->AddNode(3, 2);
        grid->ContractNode(3);
    }
    // The 9 x 9 box of a first-level node: 6 pixels in from the cell's left, centred vertically.
    TRect expectedBox(int row) const {
        const TRect c = cell(0, row);
        const int top = c.Top - 1 + (c.Height() + 2 - 8) / 2;
        return {c.Left + 6, top, c.Left + 15, top + 9};
    }
    // The ink inside the cell, left of its grid line.
    TRect inked(const QImage& image, int row) const {
        const TRect c = cell(0, row);
        return inkIn(image, {c.Left, c.Top, c.Right - 1, c.Bottom});
    }
};

TEST_F(NodeGlyphPainting, ExpandedShowsMinusContractedShowsPlusInsideTheCell) {
    ASSERT_FALSE(grid->GetNodeState(1));
    ASSERT_TRUE(grid->GetNodeState(3));
    const QImage image = paint();
    for (int row : {1, 3}) {
        SCOPED_TRACE(row);
        const TRect box = expectedBox(row);
        EXPECT_EQ(inked(image, row), box);
        EXPECT_EQ(colorAt(image, box.Left, box.Top), Black);
        EXPECT_EQ(colorAt(image, box.Right - 1, box.Bottom - 1), Black);
        EXPECT_EQ(colorAt(image, box.Left + 1, box.Top + 1), Green);
        EXPECT_EQ(colorAt(image, box.Left + 3, box.Top + 4), Black);  // minus bar
    }
    const TRect open = expectedBox(1), shut = expectedBox(3);
    EXPECT_EQ(colorAt(image, open.Left + 4, open.Top + 2), Green);
    EXPECT_EQ(colorAt(image, shut.Left + 4, shut.Top + 2), Black);  // plus bar
    // The child row stays blank.
    const TRect child = inked(image, 2);
    EXPECT_GE(child.Left, child.Right);
}

TEST_F(NodeGlyphPainting, TreeLineRunsDownFromAnExpandedNodeToItsChild) {
    grid->CellNode().SetShowTree(true);
    const QImage image = paint();
    const TRect c = cell(0, 1);
    const int x = c.Left + 8;
    EXPECT_EQ(colorAt(image, x, c.Bottom - 2), Red);
    EXPECT_EQ(colorAt(image, x, c.Top + 1), Paper);  // nothing above the first node
    // The next node, below an indented row, joins the line from its top.
    EXPECT_EQ(colorAt(image, x, cell(0, 3).Top + 1), Red);
}

TEST_F(NodeGlyphPainting, ChildRowsCarryTheTreeWithABranchToTheirText) {
    grid->CellNode().SetShowTree(true);
    grid->CellNode().SetShowTreeFull(true);
    const TRect c = cell(0, 2);
    const int x = c.Left + 8;
    QImage image = paint();
    EXPECT_EQ(colorAt(image, x, c.Top + 1), Red) << "the trunk from the node above";
    EXPECT_EQ(colorAt(image, x, c.Bottom - 2), Red) << "on to the next row";
    const TRect farRight{c.Left + 30, c.Top, c.Right - 3, c.Bottom};
    EXPECT_GT(countColor(image, farRight, Red), 20) << "the branch runs across the cell";
    grid->CellNode().SetShowTreeFull(false);
    image = paint();
    EXPECT_EQ(countColor(image, farRight, Red), 0);
    EXPECT_GT(countColor(image, {x + 1, c.Top, x + 8, c.Bottom}, Red), 3) << "a short branch";
    EXPECT_EQ(countColor(paint(), {c.Left, cell(0, 0).Top, c.Right - 1, cell(0, 0).Bottom}, Red), 0)
        << "none in the fixed row";
}

TEST_F(NodeGlyphPainting, RaisedAndSunkenBoxesDifferWithoutLeavingTheCell) {
    grid->CellNode().SetNodeType(cnGlyph);  // no glyphs set: the edged box
    const QImage image = paint();
    bool differs = false;
    for (int row : {1, 3}) {
        SCOPED_TRACE(row);
        const TRect square = expectedBox(row), ink = inked(image, row);
        EXPECT_GE(ink.Left, square.Left);
        EXPECT_GE(ink.Top, square.Top);
        EXPECT_LE(ink.Right, square.Left + 8);
        EXPECT_LE(ink.Bottom, square.Top + 8);
    }
    const TRect open = expectedBox(1), shut = expectedBox(3);
    for (int dy = 0; dy < 8; ++dy)
        for (int dx = 0; dx < 8; ++dx)
            differs |= colorAt(image, open.Left + dx, open.Top + dy) != colorAt(image, shut.Left + dx, shut.Top + dy);
    EXPECT_TRUE(differs);
}

}  // namespace

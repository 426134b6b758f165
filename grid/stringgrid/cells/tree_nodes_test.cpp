#include "grid/stringgrid/model/string_grid_test_fixture.h"

#include <random>
#include <vector>

namespace {

class TreeNodes : public StringGridFixture {
protected:
    QString shownRows() {
        QStringList out;
        for (int r = 0; r < grid->RowCount(); ++r) out << grid->Cells(1, r).section(':', 1);
        return out.join(' ');
    }
};

TEST_F(TreeNodes, ContractingHidesTheSpanAndExpandingShowsItAgain) {
    grid->AddNode(2, 4);
    EXPECT_EQ(grid->GetNodeLevel(2), 1);
    EXPECT_EQ(grid->GetRowIndent(4), 12);
    EXPECT_EQ(grid->GetParentRow(4), 2);
    EXPECT_EQ(grid->GetParentRow(2), 2);
    EXPECT_EQ(grid->GetParentRow(7), -1);
    grid->ContractNode(2);
    EXPECT_TRUE(grid->GetNodeState(2));
    EXPECT_EQ(shownRows(), "0 1 2 6 7 8 9 10 11");
    EXPECT_EQ(grid->RealRowIndex(3), 6);
    grid->SetNodeState(2, false);
    EXPECT_EQ(shownRows(), "0 1 2 3 4 5 6 7 8 9 10 11");
}

TEST_F(TreeNodes, SpanZeroRunsToTheNextNodeOrTheEnd) {
    grid->AddNode(2, 0);
    grid->AddNode(6, 0);
    grid->ContractNode(2);
    EXPECT_EQ(shownRows(), "0 1 2 6 7 8 9 10 11");
    grid->ContractNode(6);
    EXPECT_EQ(shownRows(), "0 1 2 6");
    grid->ExpandAll();
    EXPECT_EQ(grid->RowCount(), 12);
}

TEST_F(TreeNodes, ContractingAnOuterNodeTakesTheContractedInnerOneAlong) {
    grid->AddNode(1, 8);  // rows 1 .. 8
    grid->AddNode(3, 3);  // rows 3 .. 5
    EXPECT_EQ(grid->GetNodeLevel(3), 2);
    EXPECT_EQ(grid->GetParentRow(3), 1);
    grid->ContractNode(3);
    grid->ContractNode(1);
    EXPECT_EQ(shownRows(), "0 1 9 10 11");
    grid->ExpandNode(1);
    EXPECT_EQ(shownRows(), "0 1 2 3 4 5 6 7 8 9 10 11");
    EXPECT_FALSE(grid->GetNodeState(3));
}

TEST_F(TreeNodes, ExpandOneClosesTheOtherNodes) {
    grid->AddNode(1, 3);
    grid->AddNode(4, 3);
    grid->AddNode(7, 3);
    grid->CellNode().ExpandOne = true;
    grid->ContractAll();
    EXPECT_EQ(shownRows(), "0 1 4 7 10 11");
    grid->ExpandNode(4);
    EXPECT_EQ(shownRows(), "0 1 4 5 6 7 10 11");
    grid->ExpandNode(7);
    EXPECT_EQ(shownRows(), "0 1 4 7 8 9 10 11");
}

TEST_F(TreeNodes, RemovingANodeShowsItsRowsAndLowersTheirLevel) {
    grid->AddNode(2, 3);
    grid->ContractNode(2);
    grid->RemoveNode(2);
    EXPECT_EQ(grid->RowCount(), 12);
    EXPECT_FALSE(grid->IsNode(2));
    EXPECT_FALSE(grid->HasNodes());
    EXPECT_EQ(grid->GetRowIndent(3), 0);
}

TEST_F(TreeNodes, PreciseNodeClickHitsTheGlyphOnly) {
    grid->AddNode(2, 3);
    grid->CellNode().SetNodeType(cnLeaf);
    EXPECT_EQ(std::vector<bool>({grid->IsInNodeButton(2, 2), grid->IsInNodeButton(2, 10), grid->IsInNodeButton(2, 20)}),
              std::vector<bool>({false, true, false}));
}

TEST_F(TreeNodes, ExpandCellsKeepTwoHeights) {
    grid->SetRowHeights(3, 20);
    grid->AddExpand(2, 3, 60);
    EXPECT_TRUE(grid->HasExpand(2, 3));
    EXPECT_TRUE(grid->ToggleExpand(2, 3));
    EXPECT_EQ(grid->GetExpandHeight(2, 3, true), 60);
    EXPECT_EQ(grid->GetExpandHeight(2, 3, false), 20);
    EXPECT_EQ(grid->GetExpandHeight(2, 4, false), grid->DefaultRowHeight());
    TRect r;
    grid->GetExpandButtonRect(2, 3, r);
    EXPECT_EQ(r.Right - r.Left, 11);
}

TEST_F(TreeNodes, AChildRowInsertedAtANodeTakesOverItsTexts) {
    grid->AddNode(2, 3);
    grid->InsertChildRow(2, 0);
    EXPECT_EQ(grid->GetNodeSpan(2), 4);
    EXPECT_EQ(grid->GetSubNodeCount(2), 1);
    EXPECT_EQ(grid->Cells(1, 2), "");
    EXPECT_EQ(grid->Cells(1, 3), "1:2");
    EXPECT_TRUE(grid->IsNode(2));
    EXPECT_EQ(grid->GetParentRow(3), 2);
}

TEST_F(TreeNodes, InsertingAndRemovingAChildTwoDeepRestoresEverySpan) {
    grid->AddNode(1, 9);   // rows 1 .. 9
    grid->AddNode(2, 5);   // rows 2 .. 6
    grid->AddNode(3, 3);   // rows 3 .. 5
    grid->AddNode(10, 2);  // rows 10 .. 11, contracted below the change
    grid->ContractNode(10);
    auto spans = [&] {
        return QStringLiteral("%1 %2 %3 %4 %5 %6").arg(grid->GetNodeSpan(1)).arg(grid->GetNodeSpan(2))
            .arg(grid->GetNodeSpan(3)).arg(grid->GetSubNodeCount(1)).arg(grid->GetSubNodeCount(2))
            .arg(grid->GetSubNodeCount(3));
    };
    const QString before = spans();
    grid->InsertChildRow(4, 1);  // after row 4, inside the innermost node
    EXPECT_EQ(spans(), "10 6 4 1 1 1");
    EXPECT_EQ(grid->Cells(1, 5), "");
    EXPECT_EQ(grid->GetParentRow(5), 3);
    grid->RemoveChildRow(5);
    EXPECT_EQ(spans(), before);
    EXPECT_EQ(displayColumn(1), "0 1 2 3 4 5 6 7 8 9 10");
    grid->ExpandNode(10);
    EXPECT_EQ(displayColumn(1), "0 1 2 3 4 5 6 7 8 9 10 11");
}

// A random tree of a few hundred rows, contracted and expanded at random, against a model of
// which rows each node hides.
struct TreeModel {
    struct Node {
        int row, end;  // real rows row .. end - 1
        bool contracted = false;
    };
    std::vector<Node> nodes;
    int rows = 0;

    Node* at(int row) {
        for (Node& n : nodes)
            if (n.row == row) return &n;
        return nullptr;
    }
    bool shown(int row) const {
        for (const Node& n : nodes)
            if (n.contracted && row > n.row && row < n.end) return false;
        return true;
    }
    void contract(int row) {
        Node* n = at(row);
        if (!n || n->contracted || !shown(row)) return;
        n->contracted = true;
        for (Node& inner : nodes)
            if (inner.row > n->row && inner.row < n->end) inner.contracted = false;
    }
    void expand(int row) {
        if (Node* n = at(row); n && shown(row)) n->contracted = false;
    }
    // The innermost node holding the row; a node row without one is its own parent.
    int parent(int row) const {
        int best = -1;
        for (const Node& n : nodes)
            if (row > n.row && row < n.end && n.row > best) best = n.row;
        if (best < 0 && std::any_of(nodes.begin(), nodes.end(), [row](const Node& n) { return n.row == row; }))
            return row;
        return best;
    }
};

void buildTree(std::mt19937& rng, TreeModel& model, int from, int to, int depth) {
    for (int r = from; r < to;) {
        const int room = to - r;
        if (depth < 4 && room >= 2 && rng() % 3 == 0) {
            const int span = 2 + static_cast<int>(rng() % static_cast<unsigned>(std::min(room - 1, 30)));
            model.nodes.push_back({r, r + span});
            buildTree(rng, model, r + 1, r + span, depth + 1);
            r += span;
        } else {
            ++r;
        }
    }
}

TEST_F(TreeNodes, RandomTreeKeepsRealAndDisplayRowsInStep) {
    std::mt19937 rng(20261210);
    TreeModel model;
    model.rows = 300;
    grid->SetRowCount(model.rows);
    for (int r = 0; r < model.rows; ++r) grid->SetCells(1, r, text(1, r));
    buildTree(rng, model, 1, model.rows, 0);
    // Outer nodes first: the model lists them in that order.
    for (const auto& n : model.nodes) grid->AddNode(n.row, n.end - n.row);
    ASSERT_GT(model.nodes.size(), 20u);

    for (int step = 0; step < 400; ++step) {
        const int pick = static_cast<int>(rng() % 100);
        const int row = model.nodes[rng() % model.nodes.size()].row;
        if (pick < 45) {
            model.contract(row);
            grid->ContractNode(row);
        } else if (pick < 90) {
            model.expand(row);
            grid->ExpandNode(row);
        } else if (pick < 95) {
            for (auto& n : model.nodes) n.contracted = false;
            grid->ExpandAll();
        } else {
            for (auto& n : model.nodes) n.contracted = model.parent(n.row) == n.row;
            grid->ContractAll();
        }
        std::vector<int> shown;
        for (int r = 0; r < model.rows; ++r)
            if (model.shown(r)) shown.push_back(r);
        ASSERT_EQ(grid->RowCount(), static_cast<int>(shown.size())) << "step " << step;
        ASSERT_EQ(grid->TotalRowCount(), model.rows);
        for (int d = 0; d < grid->RowCount(); ++d) {
            const int real = shown[static_cast<size_t>(d)];
            ASSERT_EQ(grid->RealRowIndex(d), real) << "step " << step << " row " << d;
            ASSERT_EQ(grid->DisplRowIndex(real), d);
            ASSERT_EQ(grid->Cells(1, d), text(1, real));
            if (const auto* n = model.at(real)) {
                ASSERT_EQ(grid->GetNodeState(d), n->contracted);
            }
            const int parent = model.parent(real);
            ASSERT_EQ(grid->GetParentRow(d), parent < 0 ? -1 : grid->DisplRowIndex(parent));
        }
    }
}

}  // namespace

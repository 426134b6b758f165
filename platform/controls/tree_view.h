#pragma once

#include "platform/controls/control.h"

#include <QString>
#include <memory>
#include <vector>

class TImageList;
class TTreeNodes;
class TTreeView;

// One item of a tree view: a text, two picture indexes, an opaque Data pointer and its
// children, which it owns. A node is expanded or collapsed; a new node is collapsed.
class TTreeNode {
public:
    TTreeNode(TTreeNodes& owner, TTreeNode* parent);
    ~TTreeNode();
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;

    const QString& Text() const { return text_; }
    void SetText(const QString& v);
    // The picture shown while the node is not selected, and while it is.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int v);
    void* Data = nullptr;

    // The parent node; nullptr for a top-level node.
    TTreeNode* Parent() const;
    int Count() const { return static_cast<int>(children_.size()); }
    TTreeNode* Item(int index) const { return children_.at(static_cast<size_t>(index)).get(); }
    bool HasChildren() const { return !children_.empty(); }
    // The position among its siblings.
    int Index() const;
    // 0 for a top-level node.
    int Level() const;

    bool Expanded() const { return expanded_; }
    void SetExpanded(bool v);
    void Expand(bool Recurse);
    void Collapse(bool Recurse);
    // Every ancestor is expanded, so the node has a row.
    bool IsVisible() const;
    bool Selected() const;

    TTreeNodes& Owner() const { return owner_; }
    TTreeView& TreeView() const;
    // Removes the node and its children from the tree.
    void Delete();

private:
    friend class TTreeNodes;
    TTreeNode& addChild(const QString& text);

    TTreeNodes& owner_;
    TTreeNode* parent_;
    std::vector<std::unique_ptr<TTreeNode>> children_;
    QString text_;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
    bool expanded_ = false;
};

// The nodes of one tree view. Item and Count walk all nodes depth first, parents before their
// children. Between BeginUpdate and EndUpdate the native view is told of changes only once.
class TTreeNodes {
public:
    explicit TTreeNodes(TTreeView& owner);
    ~TTreeNodes();

    int Count() const;
    TTreeNode* Item(int index) const;
    TTreeNode* GetFirstNode() const;
    // A new last sibling of Sibling; a top-level node when Sibling is nullptr or top-level.
    TTreeNode* Add(TTreeNode* Sibling, const QString& S);
    // A new last child of Parent; a top-level node when Parent is nullptr.
    TTreeNode* AddChild(TTreeNode* Parent, const QString& S);
    TTreeNode* AddChildObject(TTreeNode* Parent, const QString& S, void* Ptr);
    void Delete(TTreeNode* Node);
    void Clear();
    void BeginUpdate();
    void EndUpdate();

    TTreeView& Owner() const { return owner_; }
    // The hidden root whose children are the top-level nodes.
    TTreeNode& Root() const { return *root_; }

private:
    friend class TTreeNode;
    TTreeView& owner_;
    std::unique_ptr<TTreeNode> root_;
};

using TTVChangedEvent = TEvent<void(TObject*, TTreeNode*)>;

// A tree of nodes with pictures and one selected node (nullptr: none).
//
// The view's own behaviour, in place of the native one when no native view stands behind it:
// one row of RowHeight pixels for each visible node, top-level nodes first, at
// Level * Indent (plus Indent when ShowRoot) from the left edge; the expand button fills the
// Indent before the picture; the picture (Images) and then the text follow. A left press on a
// button toggles the node; on a row it selects the node; the release fires OnClick either way.
// A double click toggles the selected node. Up and Down move the selection over the visible
// rows, Right expands or goes to the first child, Left collapses or goes to the parent.
//
// A change of the selected node, by the user or in code, fires OnChange; removing the
// selected node leaves no node selected, without OnChange. Collapsing a node whose descendant is selected
// selects the node.
class TTreeView : public TWinControl {
public:
    explicit TTreeView(TComponent* AOwner);

    TNativeKind NativeKind() const override { return nkTreeView; }
    ~TTreeView() override;

    TTreeNodes& Items() { return *items_; }
    const TTreeNodes& Items() const { return *items_; }

    TTreeNode* Selected() const { return selected_; }
    void SetSelected(TTreeNode* Node);

    TImageList* Images = nullptr;
    bool ReadOnly = false;
    bool ShowRoot = true;
    bool ShowLines = true;
    bool ShowButtons = true;
    int Indent = 19;

    TTVChangedEvent OnChange;

    static constexpr int RowHeight = 18;
    // The node whose row holds the client point; nullptr below the last row.
    TTreeNode* GetNodeAt(int X, int Y) const;
    // The visible nodes top to bottom.
    std::vector<TTreeNode*> VisibleNodes() const;
    // Where the node's row starts (its expand button) and where its text starts.
    int ButtonLeft(const TTreeNode& Node) const;
    int TextLeft(const TTreeNode& Node) const;

    // Grows by one whenever nodes are added or removed, so a native view knows to rebuild.
    unsigned StructureVersion() const { return structureVersion_; }

    // The native view reports what the user did.
    void NodeSelectedNatively(TTreeNode* Node);
    void NodeClickedNatively(TTreeNode* Node);
    void NodeExpandedNatively(TTreeNode* Node, bool Expanded);

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void PaintWindow(TCanvas& canvas) override;

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    bool buttonShown(const TTreeNode& Node) const;
    // A node's text, picture or state changed; structural when nodes came or went.
    void nodesChanged(bool structural);
    // Node and its children are about to go.
    void nodeRemoving(TTreeNode& Node);
    void nodeCollapsing(TTreeNode& Node);

    std::unique_ptr<TTreeNodes> items_;
    TTreeNode* selected_ = nullptr;
    unsigned structureVersion_ = 0;
    int updateCount_ = 0;
    bool changedInUpdate_ = false;
};

#include "platform/controls/tree_view.h"

#include "platform/controls/image_list.h"
#include "platform/controls/window_backend.h"
#include "platform/graphics/canvas.h"

#include <algorithm>

namespace {

// Appends node's visible descendants, depth first.
void collectVisible(const TTreeNode& node, std::vector<TTreeNode*>& out) {
    for (int i = 0; i < node.Count(); ++i) {
        TTreeNode* child = node.Item(i);
        out.push_back(child);
        if (child->Expanded()) collectVisible(*child, out);
    }
}

void collectAll(const TTreeNode& node, std::vector<TTreeNode*>& out) {
    for (int i = 0; i < node.Count(); ++i) {
        out.push_back(node.Item(i));
        collectAll(*node.Item(i), out);
    }
}

bool isDescendant(const TTreeNode* node, const TTreeNode& ancestor) {
    for (const TTreeNode* p = node ? node->Parent() : nullptr; p; p = p->Parent())
        if (p == &ancestor) return true;
    return false;
}

}  // namespace

// --- TTreeNode

TTreeNode::TTreeNode(TTreeNodes& owner, TTreeNode* parent) : owner_(owner), parent_(parent) {}
TTreeNode::~TTreeNode() = default;

TTreeView& TTreeNode::TreeView() const { return owner_.Owner(); }

TTreeNode* TTreeNode::Parent() const { return parent_ == &owner_.Root() ? nullptr : parent_; }

int TTreeNode::Index() const {
    if (!parent_) return -1;
    const auto& siblings = parent_->children_;
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) return static_cast<int>(i);
    return -1;
}

int TTreeNode::Level() const {
    int level = 0;
    for (const TTreeNode* p = Parent(); p; p = p->Parent()) ++level;
    return level;
}

void TTreeNode::SetText(const QString& v) {
    if (v == text_) return;
    text_ = v;
    TreeView().nodesChanged(false);
}

void TTreeNode::SetImageIndex(int v) {
    if (v == imageIndex_) return;
    imageIndex_ = v;
    TreeView().nodesChanged(false);
}

void TTreeNode::SetSelectedIndex(int v) {
    if (v == selectedIndex_) return;
    selectedIndex_ = v;
    TreeView().nodesChanged(false);
}

void TTreeNode::SetExpanded(bool v) {
    if (v == expanded_) return;
    if (!v) TreeView().nodeCollapsing(*this);
    expanded_ = v;
    TreeView().nodesChanged(false);
}

void TTreeNode::Expand(bool Recurse) {
    SetExpanded(true);
    if (Recurse)
        for (auto& child : children_) child->Expand(true);
}

void TTreeNode::Collapse(bool Recurse) {
    SetExpanded(false);
    if (Recurse)
        for (auto& child : children_) child->Collapse(true);
}

bool TTreeNode::IsVisible() const {
    for (const TTreeNode* p = Parent(); p; p = p->Parent())
        if (!p->Expanded()) return false;
    return true;
}

bool TTreeNode::Selected() const { return TreeView().Selected() == this; }

void TTreeNode::Delete() { owner_.Delete(this); }

TTreeNode& TTreeNode::addChild(const QString& text) {
    auto& child = children_.emplace_back(std::make_unique<TTreeNode>(owner_, this));
    child->text_ = text;
    return *child;
}

// --- TTreeNodes

TTreeNodes::TTreeNodes(TTreeView& owner) : owner_(owner), root_(std::make_unique<TTreeNode>(*this, nullptr)) {
    root_->expanded_ = true;
}

TTreeNodes::~TTreeNodes() = default;

int TTreeNodes::Count() const {
    std::vector<TTreeNode*> all;
    collectAll(*root_, all);
    return static_cast<int>(all.size());
}

TTreeNode* TTreeNodes::Item(int index) const {
    std::vector<TTreeNode*> all;
    collectAll(*root_, all);
    return index >= 0 && index < static_cast<int>(all.size()) ? all[static_cast<size_t>(index)] : nullptr;
}

TTreeNode* TTreeNodes::GetFirstNode() const { return root_->HasChildren() ? root_->Item(0) : nullptr; }

TTreeNode* TTreeNodes::Add(TTreeNode* Sibling, const QString& S) {
    return AddChild(Sibling ? Sibling->Parent() : nullptr, S);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const QString& S) {
    TTreeNode& node = (Parent ? *Parent : *root_).addChild(S);
    owner_.nodesChanged(true);
    return &node;
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* Parent, const QString& S, void* Ptr) {
    TTreeNode* node = AddChild(Parent, S);
    node->Data = Ptr;
    return node;
}

void TTreeNodes::Delete(TTreeNode* Node) {
    if (!Node || Node == root_.get()) return;
    owner_.nodeRemoving(*Node);
    auto& siblings = Node->parent_->children_;
    siblings.erase(std::find_if(siblings.begin(), siblings.end(), [Node](const auto& n) { return n.get() == Node; }));
    owner_.nodesChanged(true);
}

void TTreeNodes::Clear() {
    if (!root_->HasChildren()) return;
    owner_.nodeRemoving(*root_);
    root_->children_.clear();
    owner_.nodesChanged(true);
}

void TTreeNodes::BeginUpdate() { ++owner_.updateCount_; }

void TTreeNodes::EndUpdate() {
    if (owner_.updateCount_ == 0 || --owner_.updateCount_ > 0 || !owner_.changedInUpdate_) return;
    owner_.changedInUpdate_ = false;
    owner_.nodesChanged(false);
}

// --- TTreeView

TTreeView::TTreeView(TComponent* AOwner) : TWinControl(AOwner), items_(std::make_unique<TTreeNodes>(*this)) {
    SetBounds(0, 0, 121, 97);
    SetColor(clWindow);
    TabStop = true;
}

TTreeView::~TTreeView() {
    // Nodes go without telling the view, which is going too.
    selected_ = nullptr;
    ++updateCount_;
    items_.reset();
}

void TTreeView::nodesChanged(bool structural) {
    if (structural) ++structureVersion_;
    if (updateCount_ > 0) {
        changedInUpdate_ = true;
        return;
    }
    if (HandleAllocated()) WindowBackend().ItemsChanged(*this);
    Invalidate();
}

void TTreeView::nodeRemoving(TTreeNode& Node) {
    if (&Node == &items_->Root() || selected_ == &Node || isDescendant(selected_, Node)) selected_ = nullptr;
}

void TTreeView::nodeCollapsing(TTreeNode& Node) {
    if (isDescendant(selected_, Node)) SetSelected(&Node);
}

void TTreeView::SetSelected(TTreeNode* Node) {
    if (Node == selected_) return;
    selected_ = Node;
    nodesChanged(false);
    OnChange(this, Node);
}

std::vector<TTreeNode*> TTreeView::VisibleNodes() const {
    std::vector<TTreeNode*> rows;
    collectVisible(items_->Root(), rows);
    return rows;
}

TTreeNode* TTreeView::GetNodeAt(int X, int Y) const {
    if (X < 0 || Y < 0 || X >= Width()) return nullptr;
    const auto rows = VisibleNodes();
    const size_t row = static_cast<size_t>(Y / RowHeight);
    return row < rows.size() ? rows[row] : nullptr;
}

bool TTreeView::buttonShown(const TTreeNode& Node) const {
    return ShowButtons && Node.HasChildren() && (ShowRoot || Node.Level() > 0);
}

int TTreeView::ButtonLeft(const TTreeNode& Node) const { return (Node.Level() - (ShowRoot ? 0 : 1)) * Indent; }

int TTreeView::TextLeft(const TTreeNode& Node) const {
    const int pictureLeft = ButtonLeft(Node) + Indent;
    return Images ? pictureLeft + Images->Width + 2 : pictureLeft;
}

void TTreeView::NodeSelectedNatively(TTreeNode* Node) { SetSelected(Node); }

void TTreeView::NodeClickedNatively(TTreeNode* Node) {
    if (Node) SetSelected(Node);
    Click();
}

void TTreeView::NodeExpandedNatively(TTreeNode* Node, bool Expanded) {
    if (Node) Node->SetExpanded(Expanded);
}

void TTreeView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (TTreeNode* node = GetNodeAt(X, Y)) {
            const int button = ButtonLeft(*node);
            if (buttonShown(*node) && X >= button && X < button + Indent) node->SetExpanded(!node->Expanded());
            else SetSelected(node);
        }
    }
    TWinControl::MouseDown(Button, Shift, X, Y);
}

void TTreeView::DblClick() {
    if (selected_ && selected_->HasChildren()) selected_->SetExpanded(!selected_->Expanded());
    TWinControl::DblClick();
}

void TTreeView::KeyDown(uint16_t& Key, TShiftState Shift) {
    TWinControl::KeyDown(Key, Shift);
    if (WindowBackend().NativeTextInput(*this)) return;
    const auto rows = VisibleNodes();
    if (rows.empty()) return;
    const auto at = std::find(rows.begin(), rows.end(), selected_);
    switch (Key) {
    case VK_DOWN:
        SetSelected(at == rows.end() ? rows.front() : (at + 1 == rows.end() ? *at : *(at + 1)));
        break;
    case VK_UP:
        SetSelected(at == rows.end() ? rows.front() : (at == rows.begin() ? *at : *(at - 1)));
        break;
    case VK_RIGHT:
        if (selected_ && selected_->HasChildren()) {
            if (!selected_->Expanded()) selected_->Expand(false);
            else SetSelected(selected_->Item(0));
        }
        break;
    case VK_LEFT:
        if (selected_ && selected_->Expanded()) selected_->Collapse(false);
        else if (selected_ && selected_->Parent()) SetSelected(selected_->Parent());
        break;
    default: return;
    }
    Key = 0;
}

void TTreeView::PaintWindow(TCanvas& canvas) {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.Pen.Color = clBtnShadow;
    canvas.Rectangle(ClientRect());
    canvas.Font.Assign(Font());
    const auto rows = VisibleNodes();
    for (size_t i = 0; i < rows.size(); ++i) {
        const TTreeNode& node = *rows[i];
        const int top = static_cast<int>(i) * RowHeight;
        if (top >= Height()) break;
        if (buttonShown(node)) {
            // A boxed plus or minus.
            const int cx = ButtonLeft(node) + Indent / 2;
            const int cy = top + RowHeight / 2;
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = Color();
            canvas.Pen.Color = clGray;
            canvas.Rectangle(cx - 4, cy - 4, cx + 5, cy + 5);
            canvas.Pen.Color = clWindowText;
            canvas.MoveTo(cx - 2, cy);
            canvas.LineTo(cx + 3, cy);
            if (!node.Expanded()) {
                canvas.MoveTo(cx, cy - 2);
                canvas.LineTo(cx, cy + 3);
            }
        }
        if (Images) {
            const int image = &node == selected_ ? node.SelectedIndex() : node.ImageIndex();
            Images->Draw(canvas, ButtonLeft(node) + Indent, top + (RowHeight - Images->Height) / 2, image);
        }
        TRect r{TextLeft(node), top, TextLeft(node) + canvas.TextWidth(node.Text()) + 4, top + RowHeight};
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = &node == selected_ ? clHighlight : Color();
        canvas.FillRect(r);
        canvas.Font.SetColor(&node == selected_ ? clHighlightText : clWindowText);
        canvas.Brush.Style = bsClear;
        r.Left += 2;
        canvas.DrawText(node.Text(), r, DT_SINGLELINE | DT_VCENTER);
    }
}

#include <vorn/tree/tree_node.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/text_lists/list_box.h>
#include <vorn/tree/tree_control.h>

namespace vorn {

// ---- VornNode -------------------------------------------------------------------------

VornNode::~VornNode()
{
    if (m_registry)
        m_registry->Deregister(this);
}

bool VornNode::GetNodeFromPoint(VornNode*& out, int, int)
{
    out = this;
    return true;
}

VornTreeRootNode* VornNode::GetRoot() { return m_parent ? m_parent->GetRoot() : nullptr; }

// ---- VornTreeNode ---------------------------------------------------------------------

VornTreeNode::VornTreeNode(VornNode* parent)
{
    m_parent = parent;
    if (parent) {
        m_visible = parent->IsVisible();
        if (VornTreeRootNode* root = parent->GetRoot())
            root->Register(this);
    }
}

VornTreeNode::~VornTreeNode() { DeleteAllLeafNodes(); }

// Kept until the root's layout generation moves on: a refresh asks for them at every level.
const std::vector<TreeRowMetrics>& VornTreeNode::ChildMetrics()
{
    VornTreeRootNode* root = GetRoot();
    if (root && m_metricsGeneration == root->GetLayoutGeneration())
        return m_childMetrics;
    m_childMetrics.clear();
    m_childMetrics.reserve(m_children.size());
    for (VornLeafNode* child : m_children)
        m_childMetrics.push_back(child->GetMetrics());
    m_metrics = TreeListMetrics(m_childMetrics);
    m_metricsGeneration = root ? root->GetLayoutGeneration() : 0;
    return m_childMetrics;
}

bool VornTreeNode::GetNodeFromPoint(VornNode*& out, int x, int y)
{
    const std::vector<TreeRowMetrics>& rows = ChildMetrics();
    int rowX = 0, rowY = 0;
    const int i = TreeListHit(rows, m_metrics.alignment, x, y, rowX, rowY);
    if (i < 0) {
        out = this;
        return true;
    }
    return m_children[i]->GetNodeFromPoint(out, rowX, rowY);
}

void VornTreeNode::SetVisible(bool visible)
{
    m_visible = visible;
    for (VornLeafNode* child : m_children)
        child->SetVisible(visible);
}

TreeRowMetrics VornTreeNode::GetMetrics()
{
    ChildMetrics();
    return m_metrics;
}

void VornTreeNode::InvalidateMetricsUp()
{
    for (VornNode* node = this; node; node = node->GetParent())
        if (auto* list = dynamic_cast<VornTreeNode*>(node))
            list->m_metricsGeneration = 0; // no root generation is 0
}

// Expanding or collapsing changes heights and widths, never an alignment point (a header's
// is its label's), so the children above the changed one keep their places and those
// below only move down or up; a moved branch takes its subtree along.
void VornTreeNode::RefreshAlong(std::vector<VornLeafNode*>& path)
{
    VornLeafNode* next = path.back();
    path.pop_back();
    const std::vector<TreeRowMetrics> rows = ChildMetrics(); // a copy, as in SetDisplay
    m_rect.right = m_rect.left + m_metrics.width;
    m_rect.bottom = m_rect.top + m_metrics.height;
    bool below = false;
    int y = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        VornLeafNode* child = m_children[i];
        const int x = TreeRowLeft(m_rect.left, m_metrics.alignment, rows[i].alignment);
        TreeDisplayRect r;
        r.Set(x, m_rect.top + y, x + rows[i].width, m_rect.top + y + rows[i].height);
        y += rows[i].height;
        auto* branch = dynamic_cast<VornBranchNode*>(child);
        if (child == next && path.empty()) {
            child->SetDisplay(r.left, r.top, r.right, r.bottom); // the changed branch, all of it
            child->Refresh();
        } else if (child == next && branch) {
            branch->PlaceHeader(r);
            branch->GetTree()->RefreshAlong(path);
        } else if (below && branch) {
            branch->PlaceHeader(r);
        } else if (below) {
            child->SetDisplay(r.left, r.top, r.right, r.bottom);
            child->Refresh();
        }
        below = below || child == next;
    }
}

void VornTreeNode::LayoutChanged()
{
    if (VornTreeRootNode* root = GetRoot())
        root->InvalidateLayout();
}

int VornTreeNode::GetWidth() { return VornTreeNode::GetMetrics().width; }
int VornTreeNode::GetHeight() { return VornTreeNode::GetMetrics().height; }
int VornTreeNode::GetAllignmentPoint() { return VornTreeNode::GetMetrics().alignment; }

void VornTreeNode::SetDisplay(int left, int top, int right, int bottom)
{
    m_rect.Set(left, top, right, bottom);
    // A copy: the children's own layout may walk lists again.
    const std::vector<TreeRowMetrics> rows = ChildMetrics();
    const int a = TreeListMetrics(rows).alignment;
    int y = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int x = TreeRowLeft(left, a, rows[i].alignment);
        m_children[i]->SetDisplay(x, top + y, x + rows[i].width, top + y + rows[i].height);
        y += rows[i].height;
    }
}

VornVUIControl* VornTreeNode::GetVornVUIControl() { return m_parent ? m_parent->GetVornVUIControl() : nullptr; }

void VornTreeNode::Refresh()
{
    for (VornLeafNode* child : m_children)
        child->Refresh();
}

bool VornTreeNode::AddToBegin(VornLeafNode* node)
{
    return AddAtPosition(node, 0) || AddToEnd(node);
}

bool VornTreeNode::AddToEnd(VornLeafNode* node)
{
    if (!node)
        return false;
    node->SetOnTree(true);
    m_children.push_back(node);
    ResetPositionsNear(GetSize() - 1);
    LayoutChanged();
    return true;
}

bool VornTreeNode::AddAtPosition(VornLeafNode* node, int pos)
{
    if (!node || pos < 0 || pos >= GetSize())
        return false;
    node->SetOnTree(true);
    m_children.insert(m_children.begin() + pos, node);
    ResetPositionsNear(pos);
    LayoutChanged();
    return true;
}

bool VornTreeNode::RemoveAtPosition(VornLeafNode*& out, int pos)
{
    out = nullptr;
    if (pos < 0 || pos >= GetSize())
        return false;
    out = m_children[pos];
    out->SetOnTree(false);
    if (VornVUIControl* control = out->GetVornVUIControl())
        control->Show(false);
    m_children.erase(m_children.begin() + pos);
    ResetPositionsNear(pos);
    LayoutChanged();
    return true;
}

VornLeafNode* VornTreeNode::GetAtPos(int pos) const
{
    return pos < 0 || pos >= GetSize() ? nullptr : m_children[pos];
}

bool VornTreeNode::GetNodePos(VornLeafNode* node, int& pos) const
{
    pos = -1;
    if (!node)
        return false;
    for (size_t i = 0; i < m_children.size(); ++i)
        if (m_children[i]->GetNodeID() == node->GetNodeID()) {
            pos = static_cast<int>(i);
            return true;
        }
    return false;
}

bool VornTreeNode::SwapAtPos(VornLeafNode* node, VornLeafNode*& old, int pos)
{
    old = nullptr;
    if (!AddAtPosition(node, pos))
        return false;
    RemoveAtPosition(old, pos + 1);
    return true;
}

bool VornTreeNode::Exchange(VornLeafNode* node, VornLeafNode* old)
{
    int pos = -1;
    if (!GetNodePos(old, pos))
        return false;
    VornLeafNode* taken = nullptr;
    return SwapAtPos(node, taken, pos);
}

void VornTreeNode::DeleteAllLeafNodes()
{
    std::vector<VornLeafNode*> children;
    children.swap(m_children);
    for (VornLeafNode* child : children)
        delete child;
}

// Only the ends and the changed place can change their mark: re-marking all children
// after every insertion would make building a long list quadratic.
void VornTreeNode::ResetPositionsNear(int index)
{
    const int n = GetSize();
    for (int i : {0, 1, index - 1, index, index + 1, n - 2, n - 1})
        if (i >= 0 && i < n)
            m_children[i]->SetPosition(static_cast<POSITION>(TreeRowPlace(i, n)));
}

void VornTreeNode::ResetPositionValues()
{
    const int n = GetSize();
    for (int i = 0; i < n; ++i)
        m_children[i]->SetPosition(static_cast<POSITION>(TreeRowPlace(i, n)));
}

// ---- VornTreeRootNode -----------------------------------------------------------------

// The colour argument is not kept: the rows take the tree control's colours.
VornTreeRootNode::VornTreeRootNode(int allign, Color, AssetManager* assets) : m_allign(allign), m_assets(assets)
{
    InvalidateLayout();
    m_nodeId = 0;
    m_rootControl = new VornVUITreeRootControl(this);
    SetVisible(false);
}

VornTreeRootNode::~VornTreeRootNode()
{
    DeleteAllLeafNodes();
    delete m_rootControl;
    // Nodes the host took off the tree and still holds outlive the registry.
    for (VornNode* node : m_registry)
        node->m_registry = nullptr;
    m_registry.clear();
    m_byNodeId.clear();
}

bool VornTreeRootNode::GetNodeFromPoint(VornNode*& out, int x, int y)
{
    return VornTreeNode::GetNodeFromPoint(out, x - m_allign + GetRealTreeAllign(), y);
}

int VornTreeRootNode::GetWidth() { return GetMetrics().width; }

TreeRowMetrics VornTreeRootNode::GetMetrics()
{
    const TreeRowMetrics list = VornTreeNode::GetMetrics();
    return {m_allign - list.alignment + list.width, list.height, m_allign};
}

void VornTreeRootNode::SetDisplay(int left, int top, int right, int bottom)
{
    m_rootRect.Set(left, top, right, bottom);
    const TreeRowMetrics list = VornTreeNode::GetMetrics();
    const int x = m_allign - list.alignment;
    VornTreeNode::SetDisplay(x, 0, x + list.width, list.height);
}

VornVUIControl* VornTreeRootNode::GetVornVUIControl() { return m_rootControl; }

void VornTreeRootNode::Refresh()
{
    InvalidateLayout();
    SetDisplay(m_rootRect.left, m_rootRect.top, m_rootRect.right, m_rootRect.bottom);
    if (m_rootControl->GetParent()) // no window yet: the layout is all there is to do
        ApplyToWindows(nullptr);
}

// Only when the windows show the latest layout but for this branch: anything else pending
// (rows added or removed, a gap changed) needs the whole walk. A row that changed its size
// says so by refreshing the root, as ever.
void VornTreeRootNode::RefreshBranch(VornBranchNode* branch)
{
    std::vector<VornLeafNode*> path;
    for (VornLeafNode* node = branch; node && node->OnTree();) {
        path.push_back(node);
        VornNode* list = node->GetParent();
        if (list == this)
            break;
        node = list ? dynamic_cast<VornLeafNode*>(list->GetParent()) : nullptr;
        if (!node)
            path.clear();
    }
    const bool onTree = !path.empty() && path.back()->GetParent() == this;
    if (!onTree || m_appliedGeneration != m_layoutGeneration || !m_rootControl->GetParent()) {
        Refresh();
        return;
    }
    ApplyToWindows(&path);
}

// The rows the layout moved (all of them, or those along `path`) take their places while
// the root control is hidden, then the view is scrolled anew.
void VornTreeRootNode::ApplyToWindows(std::vector<VornLeafNode*>* path)
{
    const unsigned long laidOut = m_layoutGeneration;
    VornVUITreeRootControl* control = m_rootControl;
    control->Show(m_visible);
    control->SetPosition(m_rootRect.left, m_rootRect.top);
    control->SetSize(m_rootRect.right - m_rootRect.left, m_rootRect.bottom - m_rootRect.top);
    const bool shown = control->IsVisible();
    control->Hide();
    if (path)
        RefreshAlong(*path);
    else
        VornTreeNode::Refresh();
    // From the first layout on, the root control draws the rows in view itself, without a
    // toolkit window each (before it, they all stand at the corner).
    if (!control->PaintsDeferred())
        control->SetPaintDeferred(true);
    // The rows stand at their layout positions again: the view starts from the top.
    control->ScrollContentTo(0);
    if (m_treeControl) {
        m_treeControl->SetScrollPos(0);
        m_treeControl->Update();
    }
    if (shown)
        control->Show();
    m_appliedGeneration = laidOut;
}

void VornTreeRootNode::SetTreeControl(VornMainVUITreeControl* control)
{
    m_treeControl = control;
    if (control) {
        m_rootControl->SetBackgroundCol(control->GetBackgroundCol());
        m_rootControl->SetLineCol(control->GetLineCol());
    }
}

Color VornTreeRootNode::GetBackgroundCol() const
{
    return m_treeControl ? m_treeControl->GetBackgroundCol() : Color(0.0, 0.0, 0.0);
}

Color VornTreeRootNode::GetLineCol() const
{
    return m_treeControl ? m_treeControl->GetLineCol() : Color(1.0, 1.0, 1.0);
}

bool VornTreeRootNode::Register(VornNode* node)
{
    if (!node || node->GetNodeID() != -1)
        return false;
    node->SetNodeID(m_nextId++);
    node->m_registry = this;
    m_byNodeId[node->GetNodeID()] = m_registry.insert(m_registry.end(), node);
    m_controlIdsStale = true;
    return true;
}

bool VornTreeRootNode::Deregister(VornNode* node)
{
    if (!node || node->GetNodeID() == -1)
        return false;
    const auto it = m_byNodeId.find(node->GetNodeID());
    if (it == m_byNodeId.end() || *it->second != node)
        return false;
    m_registry.erase(it->second);
    m_byNodeId.erase(it);
    node->SetNodeID(-1);
    node->m_registry = nullptr;
    m_controlIdsStale = true;
    return true;
}

// Generations are unique across roots, so metrics a list kept under another root never match.
void VornTreeRootNode::InvalidateLayout()
{
    static unsigned long next = 0;
    m_layoutGeneration = ++next;
}

VornNode* VornTreeRootNode::GetNodeFromVornControlID(int id)
{
    if (m_controlIdsStale) {
        m_byControlId.clear();
        for (VornNode* node : m_registry)
            if (VornVUIControl* control = node->GetVornVUIControl())
                m_byControlId.emplace(static_cast<int>(control->GetId()), node); // the first one wins
        m_controlIdsStale = false;
    }
    const auto it = m_byControlId.find(id);
    return it == m_byControlId.end() ? nullptr : it->second;
}

// ---- VornVUIControlNode ---------------------------------------------------------------

namespace {
// A refresh lays out every row, and most stay where they were: moving a window to where it
// is would still tell every parent up to the frame that its best size may have changed.
void PlaceControl(VornVUIControl* control, const TreeDisplayRect& r)
{
    int x = 0, y = 0, w = 0, h = 0;
    control->GetWindowPos(x, y, w, h);
    if (x != r.left || y != r.top || w != r.right - r.left || h != r.bottom - r.top)
        control->SetWindowPos(r.left, r.top, r.right - r.left, r.bottom - r.top);
}
} // namespace

VornVUIControlNode::VornVUIControlNode(VornVUIControl* control, VornTreeNode* parent, bool setDefaults)
    : m_control(control)
{
    m_parent = parent; // SetDefaults finds the root through it
    if (!control)
        return;
    control->SetVUIControlNode(this);
    if (setDefaults)
        SetDefaults();
    if (!control->GetParent() && parent)
        if (VornVUIControl* window = parent->GetVornVUIControl())
            control->Create(window, -1, nullptr, 0);
    VornTreeRootNode* root = GetRoot();
    m_visible = parent && parent->IsVisible();
    if (root) {
        root->Register(this);
        if (VornMainVUITreeControl* tree = root->GetTreeControl())
            control->SetGroup(tree->GetTreeControlGroup());
    }
}

VornVUIControlNode::~VornVUIControlNode()
{
    if (m_control) {
        m_control->Show(false);
        delete m_control;
    }
}

void VornVUIControlNode::SetDefaults()
{
    VornTreeRootNode* root = GetRoot();
    if (!root || !m_control)
        return;
    m_control->SetBackgroundCol(root->GetBackgroundCol());
    m_control->SetLineCol(root->GetLineCol());
    m_control->SetMouseOverCol(root->GetRootControl()->GetMouseOverCol());
}

int VornVUIControlNode::GetWidth() { return m_control ? m_control->GetMaxWidth() : 0; }
int VornVUIControlNode::GetHeight() { return m_control ? m_control->GetMaxHeight() : 0; }
int VornVUIControlNode::GetAllignmentPoint() { return m_control ? m_control->GetAllignmentPt() : 0; }

void VornVUIControlNode::SetDisplay(int left, int top, int right, int bottom)
{
    m_rect.Set(left, top, right, bottom);
}

void VornVUIControlNode::Refresh()
{
    if (!m_control)
        return;
    m_control->Show(m_visible);
    PlaceControl(m_control, m_rect);
    m_control->Refresh(false);
}

// ---- VornBranchNode -------------------------------------------------------------------

VornBranchNode::VornBranchNode(VornTreeNode* parent, std::string name)
{
    m_parent = parent;
    if (VornTreeRootNode* root = GetRoot())
        root->Register(this);
    m_subtree = new VornTreeNode(this);
    m_visible = parent && parent->IsVisible();
    SetExpandedVal(false);
    m_header = new VornVUIBranchControl(this, std::move(name));
    if (VornVUIControl* window = parent ? parent->GetVornVUIControl() : nullptr)
        m_header->Create(window, -1, nullptr, 0);
}

VornBranchNode::~VornBranchNode()
{
    delete m_subtree;
    m_subtree = nullptr;
    delete m_header;
}

bool VornBranchNode::GetNodeFromPoint(VornNode*& out, int x, int y)
{
    out = this;
    if (!m_header)
        return true;
    const int ox = m_header->GetTreeOffsetX(), oy = m_header->GetTreeOffsetY();
    if (x >= ox && y >= oy && m_subtree)
        return m_subtree->GetNodeFromPoint(out, x - ox, y - oy);
    return true;
}

void VornBranchNode::SetVisible(bool visible)
{
    m_visible = visible;
    if (m_subtree)
        m_subtree->SetVisible(visible && m_expanded);
}

int VornBranchNode::GetWidth() { return m_header ? m_header->GetMaxWidth() : 0; }
int VornBranchNode::GetHeight() { return m_header ? m_header->GetMaxHeight() : 0; }
int VornBranchNode::GetAllignmentPoint() { return m_header ? m_header->GetAllignmentPt() : 0; }
TreeRowMetrics VornBranchNode::GetMetrics() { return m_header ? m_header->GetRowMetrics() : TreeRowMetrics(); }

void VornBranchNode::SetDisplay(int left, int top, int right, int bottom)
{
    m_rect.Set(left, top, right, bottom);
    if (!m_header || !m_subtree)
        return;
    const int ox = m_header->GetTreeOffsetX(), oy = m_header->GetTreeOffsetY();
    const TreeRowMetrics sub = m_subtree->GetMetrics();
    m_subtree->SetDisplay(ox, oy, ox + sub.width, oy + sub.height);
}

VornVUIControl* VornBranchNode::GetVornVUIControl() { return m_header; }

void VornBranchNode::Refresh()
{
    PlaceHeader(m_rect);
    if (m_subtree)
        m_subtree->Refresh();
}

void VornBranchNode::PlaceHeader(const TreeDisplayRect& rect)
{
    m_rect = rect;
    if (!m_header)
        return;
    m_header->Show(m_visible);
    PlaceControl(m_header, m_rect);
    m_header->Refresh(false);
}

void VornBranchNode::MoveToggle(int dy)
{
    if (VornBranchToggleButton* toggle = m_header ? m_header->GetToggleButton() : nullptr)
        toggle->SetPosition(toggle->GetPosX(), toggle->GetPosY() + dy);
}

void VornBranchNode::OnExpand() { MoveToggle(m_header ? m_header->GetExpGapFromTop() : 0); }
void VornBranchNode::OnCollapse() { MoveToggle(m_header ? -m_header->GetExpGapFromTop() : 0); }

void VornBranchNode::Expand() { SetExpandedVal(true); }
void VornBranchNode::Collapse() { SetExpandedVal(false); }

void VornBranchNode::SetExpandedVal(bool expanded)
{
    if (m_subtree)
        m_subtree->SetVisible(expanded);
    m_expanded = expanded;
    // Only the lists above this branch change their numbers.
    if (auto* list = dynamic_cast<VornTreeNode*>(m_parent))
        list->InvalidateMetricsUp();
    else if (VornTreeRootNode* root = GetRoot())
        root->InvalidateLayout();
}

void VornBranchNode::Toggle() { SetExpandedVal(!m_expanded); }

void VornBranchNode::Exp()
{
    if (!m_expanded)
        SetExpandedByUser(true);
}

void VornBranchNode::Col()
{
    if (m_expanded)
        SetExpandedByUser(false);
}

// What a user's expand or collapse does: toggle, model, hook, then the whole tree anew.
void VornBranchNode::SetExpandedByUser(bool expanded)
{
    if (VornBranchToggleButton* toggle = m_header ? m_header->GetToggleButton() : nullptr) {
        toggle->SetOn(expanded);
        toggle->Refresh(false);
    }
    SetExpandedVal(expanded);
    if (expanded)
        OnExpand();
    else
        OnCollapse();
    if (VornTreeRootNode* root = GetRoot())
        root->RefreshBranch(this);
}

void VornBranchNode::SetNull(bool null)
{
    if (!null) {
        m_null = false;
        return;
    }
    if (m_null)
        return;
    Col();
    VornLeafNode* child = nullptr;
    while (m_subtree && m_subtree->RemoveFromBegin(child))
        delete child;
    m_null = true;
}

// ---- VornLBBranchNode -----------------------------------------------------------------

void VornLBBranchNodeCG::ControlSelected(unsigned int, VornControl* control)
{
    if (m_node && control && control == m_node->GetListBox())
        m_node->OnItemSelected();
}

VornLBBranchNode::VornLBBranchNode(VornTreeNode* parent, std::string name) : VornBranchNode(parent, std::move(name))
{
    m_header->SetExpGapFromTop(0);
    m_header->SetExtraCollapseWidth(250);
}

VornLBBranchNode::~VornLBBranchNode() { delete m_listBox; }

void VornLBBranchNode::OnExpand()
{
    VornBranchNode::OnExpand();
    if (m_listBox)
        m_listBox->SetPosition(m_listBox->GetPosX(), 0);
}

void VornLBBranchNode::OnCollapse()
{
    VornBranchNode::OnCollapse();
    if (m_listBox)
        m_listBox->SetPosition(m_listBox->GetPosX(),
                               static_cast<int>(m_header->GetMaxHeight() * 0.5 - m_listBox->GetHeight() * 0.5));
}

void VornLBBranchNode::DoStartSequence()
{
    VornTreeRootNode* root = GetRoot();
    if (m_listBox || !root || !root->GetAssetManager() || !m_header->GetParent())
        return;
    AssetManager* assets = root->GetAssetManager();
    VornListBoxInfo info;
    assets->LoadListBoxCached(vornskin::kTreeListBox, info);
    wxFont font = *wxNORMAL_FONT;
    assets->GetFont(vornskin::kTreeLbFont, font);
    const int imageHeight = info.imageCache ? info.imageCache->GetHeight() : 0;
    m_listBox = new VornListBox;
    m_listBox->Create(info, m_header->GetAllignmentPt() + 15,
                      static_cast<int>(m_header->GetMaxHeight() * 0.5 - imageHeight * 0.5), m_header, font, -1,
                      &m_group, 0);
    m_listBox->SetDisplayCallback(this);
    m_listBox->Show();
    OnStartUp();
}

// ---- Building ---------------------------------------------------------------------------

VornTreeNode* GetTree(VornNode* node)
{
    if (auto* tree = dynamic_cast<VornTreeNode*>(node))
        return tree;
    if (auto* branch = dynamic_cast<VornBranchNode*>(node))
        return branch->GetTree();
    return nullptr;
}

VornTreeNode* GetTree(VornMainVUITreeControl* control) { return control ? control->GetTreeRoot() : nullptr; }

namespace {
enum class Where { Begin, End, At };

template <class Node, class Make>
Node* AddNode(VornTreeNode* tree, Where where, int pos, Make make)
{
    if (!tree)
        return nullptr;
    Node* node = make(tree);
    if (where == Where::Begin)
        tree->AddToBegin(node);
    else if (where == Where::End)
        tree->AddToEnd(node);
    else
        tree->AddAtPosition(node, pos); // a refused node comes back off the tree
    return node;
}

VornLeafNode* AddRow(VornTreeNode* tree, VornVUIControl* control, Where where, int pos)
{
    if (!control)
        return nullptr;
    return AddNode<VornLeafNode>(tree, where, pos, [control](VornTreeNode* t) {
        return new VornVUIControlNode(control, t, true);
    });
}

VornBranchNode* AddBranch(VornTreeNode* tree, std::string name, Where where, int pos)
{
    return AddNode<VornBranchNode>(tree, where, pos, [&name](VornTreeNode* t) {
        return new VornBranchNode(t, std::move(name));
    });
}
} // namespace

VornLeafNode* AddToBegin(VornNode* w, VornVUIControl* c) { return AddRow(GetTree(w), c, Where::Begin, 0); }
VornLeafNode* AddToEnd(VornNode* w, VornVUIControl* c) { return AddRow(GetTree(w), c, Where::End, 0); }
VornLeafNode* AddAtPosition(VornNode* w, VornVUIControl* c, int pos) { return AddRow(GetTree(w), c, Where::At, pos); }
VornBranchNode* AddBranchToBegin(VornNode* w, std::string n) { return AddBranch(GetTree(w), std::move(n), Where::Begin, 0); }
VornBranchNode* AddBranchToEnd(VornNode* w, std::string n) { return AddBranch(GetTree(w), std::move(n), Where::End, 0); }
VornBranchNode* AddBranchAtPosition(VornNode* w, int pos, std::string n)
{
    return AddBranch(GetTree(w), std::move(n), Where::At, pos);
}
VornLeafNode* AddToBegin(VornMainVUITreeControl* w, VornVUIControl* c) { return AddRow(GetTree(w), c, Where::Begin, 0); }
VornLeafNode* AddToEnd(VornMainVUITreeControl* w, VornVUIControl* c) { return AddRow(GetTree(w), c, Where::End, 0); }
VornLeafNode* AddAtPosition(VornMainVUITreeControl* w, VornVUIControl* c, int pos)
{
    return AddRow(GetTree(w), c, Where::At, pos);
}
VornBranchNode* AddBranchToBegin(VornMainVUITreeControl* w, std::string n)
{
    return AddBranch(GetTree(w), std::move(n), Where::Begin, 0);
}
VornBranchNode* AddBranchToEnd(VornMainVUITreeControl* w, std::string n)
{
    return AddBranch(GetTree(w), std::move(n), Where::End, 0);
}
VornBranchNode* AddBranchAtPosition(VornMainVUITreeControl* w, int pos, std::string n)
{
    return AddBranch(GetTree(w), std::move(n), Where::At, pos);
}

} // namespace vorn

#pragma once
// The property tree's node layer: ordered lists of rows, branches with subtrees, the
// registry of every node, the layout of all rows, expand/collapse state and hit tests.
// Nodes draw nothing; they own, place, show and hide the row controls that do.
//
// Every node of a tree is registered with its root under an id (the root 0, the others
// 1, 2, 3 ... in creation order, never reused); a node deregisters itself when deleted,
// so lookups never reach a deleted node.
#include <list>
#include <string>
#include <unordered_map>
#include <vector>

#include <vorn/framework/control_group.h>
#include <vorn/text_lists/list_box.h>
#include <vorn/tree/tree_layout.h>
#include <vorn/util/color.h>

namespace vorn {

class AssetManager;
class VornVUIControl;
class VornVUIBranchControl;
class VornVUITreeRootControl;
class VornMainVUITreeControl;
class VornTreeRootNode;
class VornBranchNode;
class VornListBox;

/// Where a child sits in its list.
enum POSITION {
    FIRST = 0,  ///< The first (or only) child.
    MIDDLE = 1, ///< Neither first nor last.
    LAST = 2    ///< The last of two or more children.
};

/// The base of every tree node.
class VornNode {
public:
    /// An unregistered, parentless, hidden node.
    VornNode() = default;
    /// Leaves the registry it is in.
    virtual ~VornNode();
    /// Nodes are not copied: a copy would share the registry entry and the windows.
    VornNode(const VornNode&) = delete;
    /// Not assignable either.
    VornNode& operator=(const VornNode&) = delete;

    /// The node under (x, y), relative to this node's rectangle; a plain node answers itself.
    virtual bool GetNodeFromPoint(VornNode*& out, int x, int y);
    /// Sets whether the row windows show after the next Refresh.
    virtual void SetVisible(bool visible) { m_visible = visible; }
    /// The root of the tree, or null when the node hangs nowhere.
    virtual VornTreeRootNode* GetRoot();
    /// Width in pixels.
    virtual int GetWidth() = 0;
    /// Height in pixels.
    virtual int GetHeight() = 0;
    /// The x that lines up with the siblings'.
    virtual int GetAllignmentPoint() = 0;
    /// Stores the node's rectangle and lays out what it holds.
    virtual void SetDisplay(int left, int top, int right, int bottom) = 0;
    /// The row control of the node (for a list: the control its rows sit in), or null.
    virtual VornVUIControl* GetVornVUIControl() = 0;
    /// Applies the layout to the windows.
    virtual void Refresh() = 0;

    /// The id in the root's registry; -1 while unregistered.
    int GetNodeID() const { return m_nodeId; }
    /// Sets the id.
    void SetNodeID(int id) { m_nodeId = id; }
    /// The parent node, or null.
    VornNode* GetParent() const { return m_parent; }
    /// Sets the parent node.
    void SetParent(VornNode* parent) { m_parent = parent; }
    /// The visible flag.
    bool IsVisible() const { return m_visible; }
    /// Width, height and alignment point in one record (a list or branch walks what it holds once).
    virtual TreeRowMetrics GetMetrics() { return {GetWidth(), GetHeight(), GetAllignmentPoint()}; }

protected:
    int m_nodeId = -1;            ///< Registry id; -1 while unregistered.
    VornNode* m_parent = nullptr; ///< Parent node (not owned).
    bool m_visible = false;       ///< Shown after the next Refresh.

private:
    friend class VornTreeRootNode;
    VornTreeRootNode* m_registry = nullptr; // the root holding the node's registration
};

/// A node that sits in a child list.
class VornLeafNode : public VornNode {
public:
    /// The mark set by the list.
    POSITION GetPosition() const { return m_position; }
    /// Sets the mark.
    virtual void SetPosition(POSITION position) { m_position = position; }
    /// True while the node is in a child list.
    bool OnTree() const { return m_onTree; }
    /// Sets the on-tree flag.
    void SetOnTree(bool onTree) { m_onTree = onTree; }

protected:
    POSITION m_position = FIRST; ///< First, middle or last in the list.
    bool m_onTree = false;       ///< In a child list.
};

/// An ordered list of leaf nodes, stacked downwards and lined up on their alignment points.
class VornTreeNode : public VornNode {
public:
    /// A list hanging from `parent` (a branch, or null): takes its visibility and
    /// registers with its root when there is one.
    explicit VornTreeNode(VornNode* parent = nullptr);
    /// Deletes the children.
    ~VornTreeNode() override;

    bool GetNodeFromPoint(VornNode*& out, int x, int y) override;
    /// Sets the flag on the list and on every child.
    void SetVisible(bool visible) override;
    /// The children's largest alignment point plus the largest part right of it.
    int GetWidth() override;
    /// The sum of the children's heights.
    int GetHeight() override;
    /// The children's largest alignment point.
    int GetAllignmentPoint() override;
    /// Stacks the children down from `top`, their alignment points at `left` + A.
    void SetDisplay(int left, int top, int right, int bottom) override;
    /// The three list metrics from one walk of the children.
    TreeRowMetrics GetMetrics() override;
    /// The parent's control (the one the rows sit in), or null.
    VornVUIControl* GetVornVUIControl() override;
    /// Refreshes every child in order.
    void Refresh() override;

    /// Puts the node first; true.
    bool AddToBegin(VornLeafNode* node);
    /// Puts the node last; true.
    bool AddToEnd(VornLeafNode* node);
    /// Inserts before index `pos`; false unless 0 ≤ pos < size.
    bool AddAtPosition(VornLeafNode* node, int pos);
    /// Takes the child at `pos` off the list (hidden, not deleted) into `out`; false and null when out of range.
    bool RemoveAtPosition(VornLeafNode*& out, int pos);
    /// RemoveAtPosition(out, 0).
    bool RemoveFromBegin(VornLeafNode*& out) { return RemoveAtPosition(out, 0); }
    /// RemoveAtPosition(out, size − 1).
    bool RemoveFromEnd(VornLeafNode*& out) { return RemoveAtPosition(out, GetSize() - 1); }
    /// The first child, or null.
    VornLeafNode* GetBegin() const { return m_children.empty() ? nullptr : m_children.front(); }
    /// The last child, or null.
    VornLeafNode* GetEnd() const { return m_children.empty() ? nullptr : m_children.back(); }
    /// The child at `pos`, or null.
    VornLeafNode* GetAtPos(int pos) const;
    /// The number of children.
    int GetSize() const { return static_cast<int>(m_children.size()); }
    /// The index of the first child with the node's id; -1 and false when absent.
    bool GetNodePos(VornLeafNode* node, int& pos) const;
    /// Inserts `node` at `pos` and takes the old child there off into `old`.
    bool SwapAtPos(VornLeafNode* node, VornLeafNode*& old, int pos);
    /// Puts `node` where `old` is; `old` leaves the tree (hidden, not deleted).
    bool Exchange(VornLeafNode* node, VornLeafNode* old);
    /// Forgets the metrics this list and the lists above it keep: all that a change inside
    /// one of its children (a branch expanded or collapsed) can change.
    void InvalidateMetricsUp();

protected:
    /// Deletes every child and empties the list.
    void DeleteAllLeafNodes();
    /// Marks the children first, middle and last.
    void ResetPositionValues();
    /// Re-marks the children whose mark a change at `index` can have changed.
    void ResetPositionsNear(int index);
    /// The children's metrics, in list order (kept like the list's own).
    const std::vector<TreeRowMetrics>& ChildMetrics();

    /// Tells the root that the layout's numbers may have changed.
    void LayoutChanged();
    /// Lays out and applies again what a change inside one child moves: `path` leads from
    /// that change (its front, a branch expanded or collapsed) up to one of this list's
    /// children (its back); it is used up.
    void RefreshAlong(std::vector<VornLeafNode*>& path);

    std::vector<VornLeafNode*> m_children; ///< The children, owned.
    TreeDisplayRect m_rect; ///< Display rectangle.

private:
    // The list metrics as last walked, valid while the root's layout generation is the one
    // they were walked in: scrolling asks for the content height at every step.
    std::vector<TreeRowMetrics> m_childMetrics;
    TreeRowMetrics m_metrics;
    unsigned long m_metricsGeneration = 0;
};

/// The root of a tree: the registry, the alignment x, and the root row control.
class VornTreeRootNode : public VornTreeNode {
public:
    /// Node id 0; makes (without a window) its root control; hidden. The colour is not kept.
    VornTreeRootNode(int allign, Color colour, AssetManager* assets);
    /// Deletes the children, then the root control, then forgets the registry.
    ~VornTreeRootNode() override;

    VornTreeRootNode* GetRoot() override { return this; }
    /// Runs the list hit test with x moved to the children's alignment.
    bool GetNodeFromPoint(VornNode*& out, int x, int y) override;
    /// (allign − A) + the children's width.
    int GetWidth() override;
    /// The allign field.
    int GetAllignmentPoint() override { return m_allign; }
    /// Stores the root rectangle and lays the children out inside the root control.
    void SetDisplay(int left, int top, int right, int bottom) override;
    /// Width, the children's height and allign, from one walk.
    TreeRowMetrics GetMetrics() override;
    /// The root row control.
    VornVUIControl* GetVornVUIControl() override;
    /// Re-lays out the whole tree, applies it to the windows and re-scrolls the view.
    void Refresh() override;
    /// After `branch` was expanded or collapsed: the same as Refresh, but it lays out and
    /// applies only what that changed (the branch and its subtree, the branches around it,
    /// the rows below it); a whole Refresh when the layout had other changes pending.
    void RefreshBranch(VornBranchNode* branch);

    /// Stores the tree control and gives the root control its colours.
    void SetTreeControl(VornMainVUITreeControl* control);
    /// The tree control, or null.
    VornMainVUITreeControl* GetTreeControl() const { return m_treeControl; }
    /// The asset manager (not owned).
    AssetManager* GetAssetManager() const { return m_assets; }
    /// The registry, in registration order.
    const std::list<VornNode*>& GetNodeList() const { return m_registry; }
    /// Sets the alignment x.
    void ResetAllign(int allign) { m_allign = allign; }
    /// The children's alignment point.
    int GetRealTreeAllign() { return VornTreeNode::GetAllignmentPoint(); }
    /// The children's width.
    int GetRealTreeWidth() { return VornTreeNode::GetWidth(); }
    /// The tree control's background colour; black without one.
    Color GetBackgroundCol() const;
    /// The tree control's line colour; white without one.
    Color GetLineCol() const;
    /// The root control, typed.
    VornVUITreeRootControl* GetRootControl() const { return m_rootControl; }

    /// Gives an unregistered node the next id; false when it has one.
    bool Register(VornNode* node);
    /// Takes a registered node out (its id becomes -1); false when it is not registered here.
    bool Deregister(VornNode* node);
    /// The registered node whose row control has window id `id`, or null.
    VornNode* GetNodeFromVornControlID(int id);
    /// Forgets the metrics the lists keep: after a change of structure or expansion, and
    /// at every Refresh (rows tell a new size by refreshing the root).
    void InvalidateLayout();
    /// The layout generation the lists' kept metrics must match (never 0).
    unsigned long GetLayoutGeneration() const { return m_layoutGeneration; }

private:
    std::list<VornNode*> m_registry;
    std::unordered_map<int, std::list<VornNode*>::iterator> m_byNodeId;
    // Window id → node, rebuilt on a miss after the registry changed: a branch's header
    // control is made after the branch registers, so the map cannot follow Register.
    std::unordered_map<int, VornNode*> m_byControlId;
    bool m_controlIdsStale = true;
    int m_nextId = 1;
    VornVUITreeRootControl* m_rootControl = nullptr;
    int m_allign = 0;
    TreeDisplayRect m_rootRect;
    AssetManager* m_assets = nullptr;
    VornMainVUITreeControl* m_treeControl = nullptr;
    unsigned long m_layoutGeneration = 0;
    unsigned long m_appliedGeneration = 0; // the layout the windows show
    void ApplyToWindows(std::vector<VornLeafNode*>* path);
};

/// A node that owns one row control.
class VornVUIControlNode : public VornLeafNode {
public:
    /// Adopts `control` below `parent`: colours (with `setDefaults`), window, visibility,
    /// registration, the tree control's group.
    VornVUIControlNode(VornVUIControl* control, VornTreeNode* parent, bool setDefaults);
    /// Hides and deletes the control.
    ~VornVUIControlNode() override;

    /// The control's width.
    int GetWidth() override;
    /// The control's height.
    int GetHeight() override;
    /// The control's alignment point.
    int GetAllignmentPoint() override;
    /// Stores the rectangle.
    void SetDisplay(int left, int top, int right, int bottom) override;
    /// The row control.
    VornVUIControl* GetVornVUIControl() override { return m_control; }
    /// Shows or hides the control, places it and repaints it.
    void Refresh() override;
    /// Gives the control the root's background and line colours and the root control's mouse-over colour.
    void SetDefaults();

protected:
    VornVUIControl* m_control = nullptr; ///< The row control, owned.
    TreeDisplayRect m_rect; ///< Display rectangle.
};

/// A labelled branch: a header row and a subtree that shows while expanded.
class VornBranchNode : public VornLeafNode {
public:
    /// Registers, makes the subtree and the header control (a window below `parent`'s control).
    VornBranchNode(VornTreeNode* parent, std::string name);
    /// Deletes the subtree, then the header control.
    ~VornBranchNode() override;

    /// The header above the subtree offset, else the subtree's node there.
    bool GetNodeFromPoint(VornNode*& out, int x, int y) override;
    /// Sets the flag; the subtree shows only while expanded.
    void SetVisible(bool visible) override;
    /// The header's width.
    int GetWidth() override;
    /// The header's height.
    int GetHeight() override;
    /// The header's alignment point.
    int GetAllignmentPoint() override;
    /// Stores the rectangle and lays the subtree out inside the header.
    void SetDisplay(int left, int top, int right, int bottom) override;
    /// The header's three metrics from one walk of the subtree.
    TreeRowMetrics GetMetrics() override;
    /// The header control.
    VornVUIControl* GetVornVUIControl() override;
    /// Places the header, then refreshes the subtree.
    void Refresh() override;
    /// Stores the rectangle and places the header there, leaving the subtree as it is (its
    /// rows lie in the header's coordinates, so they move with it).
    void PlaceHeader(const TreeDisplayRect& rect);
    /// Moves the toggle button down by the expansion gap.
    virtual void OnExpand();
    /// Moves the toggle button up by the expansion gap.
    virtual void OnCollapse();

    /// The expanded flag.
    bool IsExpanded() const { return m_expanded; }
    /// Sets expanded and shows the subtree.
    void Expand();
    /// Clears expanded and hides the subtree.
    void Collapse();
    /// Sets the subtree's visibility and the flag.
    void SetExpandedVal(bool expanded);
    /// Flips between expanded and collapsed.
    void Toggle();
    /// The user-visible expand: toggle on, Expand, OnExpand, root refresh; nothing when expanded.
    void Exp();
    /// The user-visible collapse; nothing when collapsed.
    void Col();
    /// The subtree.
    VornTreeNode* GetTree() const { return m_subtree; }
    /// The header control, typed.
    VornVUIBranchControl* GetHeader() const { return m_header; }
    /// The null flag.
    bool GetNull() const { return m_null; }
    /// True (when not null yet): collapses, deletes every child of the subtree, sets the flag.
    /// False: clears the flag only.
    void SetNull(bool null);

protected:
    bool m_expanded = false;                ///< The subtree shows.
    VornVUIBranchControl* m_header = nullptr; ///< The header row, owned.
    TreeDisplayRect m_rect; ///< Display rectangle.
    bool m_null = false;               ///< The branch ignores its toggle.
    VornTreeNode* m_subtree = nullptr; ///< The subtree, owned.

private:
    void MoveToggle(int dy);
    void SetExpandedByUser(bool expanded);
};

class VornLBBranchNode;

/// The control group of a list-box branch: tells the node when its list box is chosen.
class VornLBBranchNodeCG : public VornControlGroup {
public:
    /// A group naming its node.
    explicit VornLBBranchNodeCG(VornLBBranchNode* node) : m_node(node) {}
    /// Runs the node's OnItemSelected when `control` is its list box.
    void ControlSelected(unsigned int id, VornControl* control) override;
    using VornControlGroup::ControlSelected;

private:
    VornLBBranchNode* m_node;
};

/// A branch whose header carries a list box.
class VornLBBranchNode : public VornBranchNode, public LBDisplayCallback {
public:
    /// The branch, with no expansion gap and 250 pixels of extra collapsed width.
    VornLBBranchNode(VornTreeNode* parent, std::string name);
    /// Deletes the list box.
    ~VornLBBranchNode() override;

    /// The branch move, then the list box to the header's top.
    void OnExpand() override;
    /// The branch move, then the list box centred in the header.
    void OnCollapse() override;
    /// Host hook after DoStartSequence; nothing here.
    virtual void OnStartUp() {}
    /// Host hook when the list box is chosen; nothing here.
    virtual void OnItemSelected() {}
    /// Makes the list box in the header and runs OnStartUp.
    void DoStartSequence();
    /// The list box, or null before DoStartSequence.
    VornListBox* GetListBox() const { return m_listBox; }
    /// The display callback: nothing.
    void UpDateData(VornListBox*) override {}

protected:
    VornLBBranchNodeCG m_group{this}; ///< The list box's group.
    VornListBox* m_listBox = nullptr;  ///< The list box, owned.
};

/// The list a node stands for: a list itself, a branch's subtree, else null.
VornTreeNode* GetTree(VornNode* node);
/// The tree control's root.
VornTreeNode* GetTree(VornMainVUITreeControl* control);
/// A new row node put first in `where`'s list; null when `where` has none.
VornLeafNode* AddToBegin(VornNode* where, VornVUIControl* control);
/// A new row node put last.
VornLeafNode* AddToEnd(VornNode* where, VornVUIControl* control);
/// A new row node inserted before `pos` (returned even when refused; then not on the tree).
VornLeafNode* AddAtPosition(VornNode* where, VornVUIControl* control, int pos);
/// A new branch put first; null when `where` has no list.
VornBranchNode* AddBranchToBegin(VornNode* where, std::string name);
/// A new branch put last.
VornBranchNode* AddBranchToEnd(VornNode* where, std::string name);
/// A new branch inserted before `pos` (returned even when refused).
VornBranchNode* AddBranchAtPosition(VornNode* where, int pos, std::string name);
/// AddToBegin on the control's root.
VornLeafNode* AddToBegin(VornMainVUITreeControl* where, VornVUIControl* control);
/// AddToEnd on the control's root.
VornLeafNode* AddToEnd(VornMainVUITreeControl* where, VornVUIControl* control);
/// AddAtPosition on the control's root.
VornLeafNode* AddAtPosition(VornMainVUITreeControl* where, VornVUIControl* control, int pos);
/// AddBranchToBegin on the control's root.
VornBranchNode* AddBranchToBegin(VornMainVUITreeControl* where, std::string name);
/// AddBranchToEnd on the control's root.
VornBranchNode* AddBranchToEnd(VornMainVUITreeControl* where, std::string name);
/// AddBranchAtPosition on the control's root.
VornBranchNode* AddBranchAtPosition(VornMainVUITreeControl* where, int pos, std::string name);

} // namespace vorn

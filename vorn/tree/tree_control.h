#pragma once
// The property-tree control: a scroll bar on the left and, right of it, the root control
// in which every row lives. Also the branch header with its toggle, the tree's scroll bar
// and the terminator row.
//
// The root control is as tall as the view, not as the content: rows are windows made on
// demand (VornWindow's realisation on demand), kept at their content positions, and the
// view scrolls by moving the root control's deferred origin; the root control draws the
// rows in view itself, and only the row under the pointer gets a toolkit window. So a tree of thousands of rows costs a view's worth of windows.
#include <string>

#include <wx/bitmap.h>

#include <vorn/controls/button.h>
#include <vorn/controls/simple_scroll_bar.h>
#include <vorn/tree/tree_node.h>
#include <vorn/tree/tree_row.h>

namespace vorn {

class AssetManager;
class VornTreeRootScrollControl;

/// The control a host places to show a property tree.
class VornMainVUITreeControl : public VornControl {
public:
    /// No window yet: Create must follow.
    VornMainVUITreeControl();
    /// Constructs and creates (see Create).
    VornMainVUITreeControl(int allign, AssetManager* assets, int x, int y, int w, int h, wxWindow* parent, int id,
                           VornControlGroup* group, long style = 0);
    /// Hides the root control, deletes the tree, the scroll bar and the group.
    ~VornMainVUITreeControl() override;

    /// Makes the window, the scroll bar and the root; `allign` is the x of every row's alignment point.
    virtual bool Create(int allign, AssetManager* assets, int x, int y, int w, int h, wxWindow* parent, int id,
                        VornControlGroup* group, long style = 0);
    using VornControl::Create;

    /// Stores the colour and passes it to the root control.
    void SetBackgroundCol(Color c);
    /// Stores the colour and passes it to the root control.
    void SetLineCol(Color c);
    /// Stores the colour and passes it to the root control.
    void SetMouseOverCol(Color c);
    /// The background colour.
    Color GetBackgroundCol() const { return m_backgroundCol; }
    /// The line colour.
    Color GetLineCol() const { return m_lineCol; }
    /// The mouse-over colour.
    Color GetMouseOverCol() const { return m_mouseOverCol; }

    /// The root node.
    VornTreeRootNode* GetTreeRoot() const { return m_root; }
    /// The group every row reports to; the host registers its receivers here.
    VornControlGroupValue* GetTreeControlGroup() const { return m_treeGroup; }
    /// The scroll bar.
    VornTreeRootScrollControl* GetScrollBar() const { return m_scrollBar; }
    /// The stored scroll position, in pixels.
    int GetScrollPos() const { return m_scrollPos; }

    /// Resizes the control, the scroll bar and the view, and refreshes the tree.
    void SetTreeSize(int w, int h);
    /// Stores the scroll position; nothing moves until Update.
    void SetScrollPos(int pos) { m_scrollPos = pos; }
    using VornControl::GetScrollPos; // the toolkit's forms, which the tree never uses
    using VornControl::SetScrollPos;
    /// Re-lays out the tree and re-scrolls it to the slider.
    void RefreshTree();
    /// Shows or hides the scroll bar by the content height and scrolls the view to the slider.
    void Update() override;
    /// Fills the control with its background colour.
    void OnDraw(wxDC* dc) override;

protected:
    VornControlGroupValue* m_treeGroup = nullptr;    ///< The rows' group, owned.
    Color m_backgroundCol{0.0, 1.0, 1.0};           ///< Background colour.
    Color m_lineCol{1.0, 1.0, 0.0};                 ///< Line colour.
    Color m_mouseOverCol{1.0, 0.0, 1.0};            ///< Mouse-over colour.
    AssetManager* m_assets = nullptr;               ///< The asset manager (not owned).
    int m_scrollPos = 0;                            ///< Scroll position, in pixels.
    VornTreeRootNode* m_root = nullptr;             ///< The tree, owned.
    VornTreeRootScrollControl* m_scrollBar = nullptr; ///< The scroll bar, owned.
};

/// The tree's scroll bar: a slider move scrolls its owner.
class VornTreeRootScrollControl : public VornSimpleScrollBar {
public:
    /// Sets the tree control to scroll.
    void SetOwner(VornMainVUITreeControl* owner) { m_owner = owner; }

protected:
    /// Runs the owner's Update.
    void OnSliderChange() override;
    VornMainVUITreeControl* m_owner = nullptr; ///< The tree control (not owned), or null.
};

/// The window every top-level row lives in; its children are made on demand.
class VornVUITreeRootControl : public VornVUIControl {
public:
    /// A root control of `root`, without a window yet.
    explicit VornVUITreeRootControl(VornTreeRootNode* root) : m_rootNode(root) {}

    /// Makes the window, lets its rows be made on demand, stores the root rectangle and shows by the root's flag.
    bool Create(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group,
                long style = 0) override;
    /// The same from a default creation.
    bool Create(wxWindow* parent, int id, VornControlGroup* group, long style) override;
    using VornVUIControl::Create;
    /// The root's alignment point.
    int GetAllignmentPt() override;
    /// The root's width.
    int GetMaxWidth() override;
    /// The root's (content) height.
    int GetMaxHeight() override;
    /// Fills the window with the background colour.
    void OnDraw(wxDC* dc) override;
    /// Shows the content from `y` down (the deferred origin) and repaints; the rows are
    /// drawn here, only the row under the pointer (or holding it, or the focus) keeps a window.
    void ScrollContentTo(int y);

protected:
    VornTreeRootNode* m_rootNode; ///< The root (not owned).
};

class VornVUIBranchControl;

/// A branch header's expand/collapse button.
class VornBranchToggleButton : public VornButton {
public:
    /// A button of `branch`, without a window yet.
    explicit VornBranchToggleButton(VornVUIBranchControl* branch) : m_branch(branch) {}

protected:
    /// On a release: expands or collapses the branch (not when it is null or has no subtree).
    void OnMouseButton() override;
    VornVUIBranchControl* m_branch; ///< The header (not owned).
};

/// A branch's header row; grows to hold its subtree while expanded.
class VornVUIBranchControl : public VUITreeControlBase {
public:
    /// A header for `node` with the label `name`, using the root's asset manager.
    VornVUIBranchControl(VornBranchNode* node, std::string name);
    /// Deletes the toggle button.
    ~VornVUIBranchControl() override;

    /// Takes the root control's colours, makes the window and the toggle button.
    bool Create(wxWindow* parent, int id, VornControlGroup* group, long style) override;
    using VUITreeControlBase::Create;
    /// A + extra collapse width + 10; wider to hold an expanded subtree.
    int GetMaxWidth() override;
    /// 36 collapsed; subtree height + gap + 38 expanded.
    int GetMaxHeight() override;
    /// The row base's.
    int GetAllignmentPt() override { return VUITreeControlBase::GetAllignmentPt(); }
    /// GetMaxWidth, GetMaxHeight and GetAllignmentPt from one walk of the subtree.
    TreeRowMetrics GetRowMetrics();
    /// The expanded header with its corner; collapsed, the plain row.
    void OnDraw(wxDC* dc) override;

    /// A + 10.
    int GetTreeOffsetX() { return GetAllignmentPt() + m_treeIndent; }
    /// Gap + 38.
    int GetTreeOffsetY() { return static_cast<int>(m_expGap + m_headerLineOffset + 18.0); }
    /// The expansion gap.
    int GetExpGapFromTop() const { return m_expGap; }
    /// Sets the expansion gap.
    void SetExpGapFromTop(int gap);
    /// The extra width of the collapsed header.
    int GetExtraCollapseWidth() const { return m_extraCollapseWidth; }
    /// Sets the extra width of the collapsed header.
    void SetExtraCollapseWidth(int w);
    /// The toggle button, or null before Create.
    VornBranchToggleButton* GetToggleButton() const { return m_toggle; }
    /// The branch node.
    VornBranchNode* GetBranchNode() const { return m_branchNode; }

protected:
    VornBranchNode* m_branchNode;       ///< The branch (not owned).
    wxBitmap m_headerImage;             ///< The cached top of the expanded header.
    int m_cacheW = 0;                   ///< Cache key: width.
    int m_cacheH = 0;                   ///< Cache key: height.
    int m_cacheS = 0;                   ///< Cache key: subtree alignment point.
    int m_cacheG = 0;                   ///< Cache key: expansion gap.
    int m_headerLineOffset = 20;        ///< Header line offset.
    int m_cornerWidth = 30;             ///< Corner width.
    int m_treeIndent = 10;              ///< Tree indent.
    int m_expGap = 0;                   ///< Expansion gap.
    int m_extraCollapseWidth = 0;       ///< Extra width while collapsed.
    VornBranchToggleButton* m_toggle = nullptr; ///< The toggle button, owned.
};

/// A small row that ends a tree line with a ring.
class VornTerminatorControl : public VornVUIControl {
public:
    /// 20.
    int GetAllignmentPt() override { return 20; }
    /// 40.
    int GetMaxWidth() override { return 40; }
    /// 40.
    int GetMaxHeight() override { return 40; }
    /// Draws (once made) the line and ring.
    void OnDraw(wxDC* dc) override;

protected:
    wxBitmap m_image; ///< Made on the first paint.
};

} // namespace vorn

#pragma once
// VornVUIControl: the base of every property-tree row. A row knows the colours the tree
// gave it and the node that owns it, reports its size and alignment point to the layout,
// and stays quiet on hover and clicks unless a subclass says otherwise.
#include <vorn/framework/control.h>
#include <vorn/util/color.h>

namespace vorn {

class VornVUIControlNode;

/// The base of every property-tree row control.
class VornVUIControl : public VornControl {
public:
    /// No window yet: the adopting node (or the host) creates it.
    VornVUIControl() = default;

    /// Creates the window at (0, 0) of size GetMaxWidth() × GetMaxHeight().
    virtual bool Create(wxWindow* parent, int id, VornControlGroup* group, long style);
    /// Creates the window with explicit geometry.
    bool Create(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group,
                long style = 0) override;
    /// Creates the window at (x, y) of the toolkit's default size.
    bool Create(int x, int y, wxWindow* parent, int id, VornControlGroup* group, long style = 0) override;
    using VornControl::Create;

    /// The x inside the row that lines up with its siblings'.
    virtual int GetAllignmentPt() = 0;
    /// The row's width in pixels.
    virtual int GetMaxWidth() = 0;
    /// The row's height in pixels.
    virtual int GetMaxHeight() = 0;

    /// Stores the background colour.
    void SetBackgroundCol(Color c) { m_backgroundCol = c; }
    /// The background colour.
    Color GetBackgroundCol() const { return m_backgroundCol; }
    /// Stores the colour of the tree lines.
    void SetLineCol(Color c) { m_lineCol = c; }
    /// The colour of the tree lines.
    Color GetLineCol() const { return m_lineCol; }
    /// Stores the mouse-over colour.
    void SetMouseOverCol(Color c) { m_mouseOverCol = c; }
    /// The mouse-over colour.
    Color GetMouseOverCol() const { return m_mouseOverCol; }
    /// The node owning this row, or null.
    VornVUIControlNode* GetVUIControlNode() const { return m_node; }
    /// Stores the node owning this row.
    void SetVUIControlNode(VornVUIControlNode* node) { m_node = node; }

protected:
    /// Nothing: rows ignore plain motion.
    void OnMouseMove(int, int) override {}
    /// Nothing: rows do not repaint on hover.
    void OnMouseOver() override {}
    /// Nothing.
    void OnMouseDownLeft() override {}
    /// Nothing.
    void OnMouseDownRight() override {}
    /// Nothing: rows do not repaint on clicks.
    void OnMouseButton() override {}
    /// Nothing.
    void OnMouseEntering() override {}
    /// Nothing.
    void OnMouseLeaving() override {}

    Color m_backgroundCol{0.0, 0.0, 0.0}; ///< Background colour.
    Color m_lineCol{1.0, 1.0, 1.0};       ///< Colour of the tree lines.
    // Outside the tree nothing sets it; a defined grey beats garbage.
    Color m_mouseOverCol{0.5, 0.5, 0.5}; ///< Mouse-over colour (the tree sets it through SetDefaults).
    VornVUIControlNode* m_node = nullptr; ///< The owning node (not owned), or null.
};

} // namespace vorn

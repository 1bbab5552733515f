#pragma once
// The property tree's text rows: a typed value (integer, real, vector, quaternion, colour
// or string) shown as text in one to four edit boxes side by side, and a vector row that
// switches between one box per component and a wheel with one box setting them all.
// The rows keep no value of their own: the boxes hold the text and GetValue parses it
// (in the C locale, reading the leading number: "12abc" is 12).
#include <memory>
#include <string>
#include <vector>

#include <wx/bitmap.h>

#include <vorn/controls/button.h>
#include <vorn/framework/control_group.h>
#include <vorn/framework/value_interfaces.h>
#include <vorn/text_lists/edit.h>
#include <vorn/tree/tree_row.h>
#include <vorn/tree/tree_wrappers.h>

namespace vorn {

class AssetManager;
class VUITreeExpandTextEdits;

/// The value type of a text row, in the order of the value interfaces.
enum PTYPE : int {
    PTYPE_INT = 0,        ///< An integer, one box.
    PTYPE_REAL = 1,       ///< A real, one box.
    PTYPE_VEC2D = 2,      ///< A Vec2d, two boxes.
    PTYPE_VEC3D = 3,      ///< A Vec3d, three boxes.
    PTYPE_VEC4D = 4,      ///< A Vec4d, four boxes.
    PTYPE_QUATERNION = 5, ///< A Quaternion (x, y, z, w), four boxes.
    PTYPE_COLOR = 6,      ///< A Color, three boxes.
    PTYPE_COLORA = 7,     ///< A ColorA, four boxes.
    PTYPE_STRING = 8      ///< A string, one box.
};

/// How many edit boxes a text row of type `type` has (0 for a type outside PTYPE).
int TreeTextEditCount(PTYPE type);
/// The number style of those boxes: 0 whole numbers (integer), 2 free text (string), else 1 reals.
VornEdit::EDITSTYLE TreeTextEditStyle(PTYPE type);

/// The edit boxes of a text row, one per component, each reporting in a group of its own
/// in which the row is registered. While no box exists it keeps the texts last set.
class TreeEditStrip {
public:
    /// One edit box and its group.
    struct Entry {
        VUITreeSubEditBox* edit = nullptr;       ///< The box, a window child of the row.
        std::unique_ptr<VornControlGroup> group; ///< The group it reports in.
        const wxBitmap* skin = nullptr;          ///< Its skin image (the manager's), or null.
    };

    /// A strip of `count` boxes (none when count is not positive), all texts empty.
    explicit TreeEditStrip(int count);
    /// The boxes go with their parent window.
    ~TreeEditStrip();

    /// Takes the box size from the skin `skin`, so the strip's width is known before the
    /// boxes exist. Runs once.
    void Measure(AssetManager* assets, const char* skin);
    /// True once Measure has run.
    bool IsMeasured() const { return m_measured; }
    /// Makes the boxes on `row` from the measured skin: box i at x + i × (box width + 8),
    /// centred in a row `rowHeight` high. The texts set before show in them. Runs once.
    void Create(AssetManager* assets, VornControl* row, int x, int rowHeight, bool editable,
                VornEdit::EDITSTYLE style);
    /// The number of boxes.
    int GetCount() const { return static_cast<int>(m_texts.size()); }
    /// True once the boxes exist.
    bool IsCreated() const { return m_created; }
    /// Box i, or null (before Create or out of range).
    VUITreeSubEditBox* GetEdit(int i) const;
    /// Box i and its group (i must lie in range, after Create).
    const Entry& GetEntry(int i) const { return m_entries[static_cast<size_t>(i)]; }
    /// The width of one box, from its skin (0 before Measure).
    int GetEditWidth() const { return m_editSize.x; }
    /// Sets the text of box i without notification (ignored out of range).
    void SetText(int i, const std::string& text);
    /// The text of box i ("" out of range).
    std::string GetText(int i) const;
    /// Writes reals with six decimals into the first boxes, one each.
    void SetReals(const std::vector<double>& values);
    /// Reads up to `n` reals (atof) from the first boxes, as many as there are boxes.
    std::vector<double> GetReals(int n) const;
    /// Sets the editable flag of every box.
    void SetEditable(bool editable);
    /// Shows or hides every box of `row` (a box shown on a row in view gets its surface at once).
    void Show(VornWindow& row, bool show);
    /// True when `control` is one of the boxes.
    bool Holds(const VornControl* control) const;

private:
    std::vector<Entry> m_entries;
    std::vector<std::string> m_texts; // the last texts set, shown by the boxes once made
    const char* m_skin = nullptr;     // set by Measure
    wxSize m_editSize{0, 0};
    bool m_measured = false;
    bool m_created = false;
};

/// A row showing an integer, real, vector, quaternion, colour or string in edit boxes.
class VUITreeTextEdits : public VUITreeControlBase,
                         public IntVal,
                         public RealVal,
                         public Vec2dVal,
                         public Vec3dVal,
                         public Vec4dVal,
                         public QuaternionVal,
                         public ColorVal,
                         public ColorAVal,
                         public VornStringVal {
public:
    /// A row of type `type`: one box per component, styled by the type.
    VUITreeTextEdits(AssetManager* assets, std::string name, bool functionButton, PTYPE type);

    /// Takes the box size from the skin ("vui_tree_textedit.sts" for one box, else
    /// "vui_tree_ntextedit.sts"), then the row base's Create; the boxes follow with the widgets.
    bool Create(wxWindow* parent, int id, VornControlGroup* group, long style) override;
    using VUITreeControlBase::Create;
    /// A + 50 before Create; afterwards A + 7 + n × (box width + 8), or A + 15 without boxes.
    int GetMaxWidth() override;
    /// Passes the boxes' value messages on as node hints.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;

    /// Allows or forbids typing in every box.
    void SetEditable(bool editable);
    /// Whether the boxes take typing.
    bool GetEditable() const { return m_editable; }
    /// Replaces the boxes' number style; only before Create.
    void ForceStyle(VornEdit::EDITSTYLE style);
    /// The boxes' number style.
    VornEdit::EDITSTYLE GetNumberStyle() const { return m_numberType; }
    /// The value type.
    PTYPE GetType() const { return m_type; }
    /// The boxes.
    const TreeEditStrip& GetEdits() const { return m_edits; }

    /// Box 0 with "%i".
    void SetValue(int value) override;
    /// atoi of box 0.
    void GetValue(int& value) override;
    /// Box 0 with "%.6f".
    void SetValue(double value) override;
    /// atof of box 0.
    void GetValue(double& value) override;
    /// Boxes 0-1 with "%.6f".
    void SetValue(Vec2d value) override;
    /// atof of boxes 0-1.
    void GetValue(Vec2d& value) override;
    /// Boxes 0-2 with "%.6f".
    void SetValue(Vec3d value) override;
    /// atof of boxes 0-2.
    void GetValue(Vec3d& value) override;
    /// Boxes 0-3 with "%.6f".
    void SetValue(Vec4d value) override;
    /// atof of boxes 0-3.
    void GetValue(Vec4d& value) override;
    /// Boxes 0-3 (x, y, z, w) with "%.6f".
    void SetValue(Quaternion value) override;
    /// atof of boxes 0-3 (x, y, z, w).
    void GetValue(Quaternion& value) override;
    /// Boxes 0-2 (r, g, b) with "%.6f".
    void SetValue(Color value) override;
    /// atof of boxes 0-2 (r, g, b).
    void GetValue(Color& value) override;
    /// Boxes 0-3 (r, g, b, a) with "%.6f".
    void SetValue(ColorA value) override;
    /// atof of boxes 0-3 (r, g, b, a).
    void GetValue(ColorA& value) override;
    /// Box 0 unchanged.
    void SetValue(std::string value) override;
    /// The text of box 0.
    void GetValue(std::string& value) override;

protected:
    /// The edit boxes, showing the texts set so far.
    void OnCreateWidgets() override;

    bool m_editable = true;              ///< Boxes take typing.
    VornEdit::EDITSTYLE m_numberType;    ///< The boxes' number style.
    PTYPE m_type;                        ///< The value type.
    TreeEditStrip m_edits;               ///< One box per component.
};

/// The expand button's group: a release over the button runs the row's OnExpandButton.
class YetAnotherControlGroupWrapper : public VornControlGroup {
public:
    /// Runs the owner's OnExpandButton.
    void ControlUnSelected(unsigned int id, VornControl* control) override;
    using VornControlGroup::ControlUnSelected;
    VUITreeExpandTextEdits* m_owner = nullptr; ///< The row (not owned), or null.
};

/// A 2-, 3- or 4-component vector row, shown either one box per component (expanded) or
/// as one value, a wheel and a box, that sets every component at once (uniform).
class VUITreeExpandTextEdits : public VUITreeControlBase, public Vec2dVal, public Vec3dVal, public Vec4dVal {
public:
    /// A row of PTYPE_VEC2D, PTYPE_VEC3D or PTYPE_VEC4D (any other type has no boxes).
    VUITreeExpandTextEdits(AssetManager* assets, std::string name, bool functionButton, PTYPE type);

    /// Takes the box size from the skin, then the row base's Create; the boxes, the wheel
    /// and single box and the expand button follow with the widgets.
    bool Create(wxWindow* parent, int id, VornControlGroup* group, long style) override;
    using VUITreeControlBase::Create;
    /// A + 50 before Create; afterwards A + 7 + n × (box width + 8) + 8.
    int GetMaxWidth() override;
    /// Passes the widgets' value messages on as node hints; a uniform value is written
    /// into every component first.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;
    /// Switches between expanded and uniform, carrying the value over.
    virtual void OnExpandButton();

    /// True while every component has its own box.
    bool IsExpanded() const { return m_expanded; }
    /// The value the wheel and the single box show.
    double GetUniformValue() const { return m_uniform; }
    /// The wheel's clamps and step (applied at Create, or at once after it).
    void SetWheelLimits(double min, double max, double step);
    /// The per-component boxes.
    const TreeEditStrip& GetEdits() const { return m_edits; }
    /// The wheel, or null until the widgets are made.
    VUITreeSubThumbWheel* GetWheel() const { return m_wheel; }
    /// The single box of the uniform mode, or null until the widgets are made.
    VUITreeSubEditBox* GetUniformEdit() const { return m_uniformEdit; }
    /// The expand button, or null until the widgets are made.
    VornPushButton* GetExpandButton() const { return m_expandButton; }

    /// Boxes 0-1 with "%.6f".
    void SetValue(Vec2d value) override;
    /// atof of boxes 0-1.
    void GetValue(Vec2d& value) override;
    /// Boxes 0-2 with "%.6f".
    void SetValue(Vec3d value) override;
    /// atof of boxes 0-2.
    void GetValue(Vec3d& value) override;
    /// Boxes 0-3 with "%.6f".
    void SetValue(Vec4d value) override;
    /// atof of boxes 0-3.
    void GetValue(Vec4d& value) override;

protected:
    /// The boxes, the wheel and single box, the expand button; then the row joins its value group.
    void OnCreateWidgets() override;
    /// Writes the components (as many as there are boxes) and shows the first as the uniform value.
    void SetComponents(const std::vector<double>& values);
    /// Stores `value` as the uniform value and shows it in the wheel and single box.
    void ShowUniform(double value);

    VornEdit::EDITSTYLE m_numberType = kEditReal;   ///< The boxes' number style.
    int m_count;                                     ///< Components: 2, 3 or 4.
    TreeEditStrip m_edits;                           ///< One box per component.
    VUITreeSubThumbWheel* m_wheel = nullptr;         ///< The uniform wheel, a child window.
    VUITreeSubEditBox* m_uniformEdit = nullptr;      ///< The uniform box, a child window.
    bool m_expanded = true;                          ///< One box per component is showing.
    double m_uniform = 0.0;                          ///< The uniform value.
    // The row takes no numbers for its wheel: unbounded unless the host sets limits.
    double m_wheelMin = -1e50;                       ///< The wheel's lower clamp.
    double m_wheelMax = 1e50;                        ///< The wheel's upper clamp.
    double m_wheelStep = 0.1;                        ///< The wheel's step per pixel.
    VornPushButton* m_expandButton = nullptr;        ///< The expand button, a child window.
    YetAnotherControlGroupWrapper m_expandGroup;     ///< The expand button's group.
};

} // namespace vorn

#pragma once
// VUITreeControlBase: the base of every labelled property-tree row. Draws the row
// background with the tree line and node dot and the label (shortened when the row is
// pushed left past its parent's edge), may carry a "function" list button, and turns its
// widgets' value messages into node hints for the host. Also the separator row, the base
// of rows with a push button, and the hints the rows send.
#include <memory>
#include <string>
#include <utility>

#include <wx/bitmap.h>
#include <wx/font.h>

#include <vorn/assets/image_cache.h>
#include <vorn/framework/control_group.h>
#include <vorn/framework/hints.h>
#include <vorn/framework/value_interfaces.h>
#include <vorn/text_lists/list_button.h>
#include <vorn/tree/vui_control.h>

namespace vorn {

class AssetManager;
class VUITreeControlBase;
class VUITreeSubPrimBase;

/// What every node hint carries: the id of the row's node (-1 when the row has none).
class NodeHint : public VornControlHint {
public:
    /// A hint for node `id`.
    explicit NodeHint(int id = -1) : nodeId(id) {}
    int nodeId; ///< The row's node id; -1 without a node.
};

/// A row's value is changing (sent for a changing message of its widgets).
class NodeChangingHint : public NodeHint {
public:
    using NodeHint::NodeHint;
};

/// A row's value changed.
class NodeChangedHint : public NodeHint {
public:
    using NodeHint::NodeHint;
};

/// A row's push button was pressed.
class NodeButtonPushHint : public NodeHint {
public:
    using NodeHint::NodeHint;
};

/// The user asked a row to take its value from another source (0 widget, 1 texture, 2 function).
class FunctionButtonPushHint : public NodeHint {
public:
    /// A hint for node `id`.
    explicit FunctionButtonPushHint(int id = -1, int requested = -1, int current = -1)
        : NodeHint(id), requestedKind(requested), currentKind(current) {}
    int requestedKind; ///< The kind chosen; -1 when the choice names none.
    int currentKind;   ///< The kind the row has now.
};

/// What a row's function button offers: the texts of entries 0, 2 and 3 (entry 1 is an
/// empty entry), the kind each asks for, and the kind the row has now.
struct VUITreeFunctionChoices {
    const char* texts[3]; ///< Texts of entries 0, 2 and 3.
    int kinds[3];         ///< Kinds entries 0, 2 and 3 ask for.
    int currentKind;      ///< The row's kind now.
};

/// The function button's group: a choice runs the row's OnFunctionButtonPush.
class VUITreeFuncCG : public VornControlGroup {
public:
    /// Runs the owner's OnFunctionButtonPush.
    void ControlSelected(unsigned int id, VornControl* control) override;
    using VornControlGroup::ControlSelected;
    VUITreeControlBase* m_owner = nullptr; ///< The row (not owned), or null.
};

/// The push button's group: a press runs the row's OnButtonPush.
class VUITreeSubPrimBaseCG : public VornControlGroup {
public:
    /// Runs the owner's OnButtonPush.
    void ControlSelected(unsigned int id, VornControl* control) override;
    using VornControlGroup::ControlSelected;
    VUITreeSubPrimBase* m_owner = nullptr; ///< The row (not owned), or null.
};

/// The base of every labelled row.
class VUITreeControlBase : public VornVUIControl, public LButDisplayCallback {
public:
    /// Fetches the label font and colours and measures the label.
    VUITreeControlBase(AssetManager* assets, std::string name, bool functionButton);
    /// Deletes the function button.
    ~VUITreeControlBase() override;

    /// Makes the window; the widgets follow at once, or, when the row is made on demand,
    /// just before its first realisation.
    bool Create(wxWindow* parent, int id, VornControlGroup* group, long style) override;
    using VornVUIControl::Create;
    /// Label width + 20.
    int GetAllignmentPt() override { return m_labelWidth + 20; }
    /// GetAllignmentPt() + 103.
    int GetMaxWidth() override { return GetAllignmentPt() + 103; }
    /// 32.
    int GetMaxHeight() override { return 32; }
    /// Draws the row background, line, dot and label.
    void OnDraw(wxDC* dc) override;
    /// Fills the function button's list from GetFunctionChoices (entry 1 an empty entry).
    void UpDateData(VornListButton* button) override;
    /// Sends a FunctionButtonPushHint when the kind chosen differs from the row's own.
    virtual void OnFunctionButtonPush();
    /// The function button's entries and kinds: "Widget", "Texture", "Function"; now the widget.
    virtual const VUITreeFunctionChoices& GetFunctionChoices() const;

    /// Replaces the label (the alignment point keeps the first label's width).
    void ChangeName(std::string name);
    /// The label.
    const std::string& GetRowName() const { return m_name; }
    /// The label's measured size.
    wxSize GetLabelSize() const { return {m_labelWidth, m_labelHeight}; }
    /// The function button, or null.
    VornListButton* GetFunctionButton() const { return m_funcButton; }
    /// The label as drawn at the row's x position; false when none shows.
    bool GetCoolMushName(const std::string& name, std::string& text, int& x, wxDC& dc);
    /// Sends a node hint for a widget's changing or changed message to the row's group.
    void NotifyParentGroup(unsigned int id, VornControl* control, VornControlHint* hint);
    /// The group the row's widgets are registered in.
    VornControlGroupValue* GetValueGroup() { return &m_valueGroup; }
    /// The owning node's id, -1 without one.
    int GetNodeIdOrNone() const;
    /// True once the row's widgets (function button and embedded widgets) exist.
    bool HasWidgets() const { return m_widgetsMade; }

protected:
    /// Makes the function button, then runs OnCreateWidgets; once, and only after Create.
    void CreateWidgets();
    /// Subclasses make their embedded widgets here, showing the value the row holds now.
    virtual void OnCreateWidgets() {}
    /// A row made without a toolkit window makes its widgets now (see Create).
    void OnBeforeFirstRealise() override { CreateWidgets(); }
    /// Measures the label with the label font.
    void SetNameTextSizes();
    /// Draws the row picture (shared by rows of one size and look) and the label at (0, 0) of `dc`.
    void DrawRowImage(wxDC& dc);

    VornListButton* m_funcButton = nullptr; ///< The function button, owned, or null.
    VUITreeFuncCG m_funcGroup;               ///< The function button's group.
    bool m_hasFuncButton = false;            ///< Created with a function button.
    std::string m_name;                      ///< The label.
    int m_labelWidth = 0;                    ///< Label width in pixels.
    int m_labelHeight = 0;                   ///< Label height in pixels.
    wxFont m_labelFont;                      ///< "vuiedit_tree_contname".
    wxColour m_labelColour;                  ///< "vuiedit_tree_ContNameCol".
    wxColour m_highlightColour;              ///< "vuiedit_tree_texthilite".
    AssetManager* m_assets = nullptr;        ///< The asset manager (not owned).
    VornControlGroupValue m_valueGroup;      ///< The embedded widgets' group.
    bool m_created = false;                  ///< Create has run.
    bool m_widgetsMade = false;              ///< CreateWidgets has run.
};

/// One stored value behind a value interface: the setter stores, the getter returns it.
template <class Interface, class T>
class StoredVal : public Interface {
public:
    /// The stored value.
    void GetValue(T& out) override { out = m_stored; }
    /// Stores the value.
    void SetValue(T value) override { m_stored = std::move(value); }

protected:
    T m_stored{}; ///< The value.
};

/// One value of every kind, stored and handed back: rows that take any value a host sets
/// and do nothing with it (the separator, the error row).
class StoresEveryValue : public StoredVal<IntVal, int>,
                         public StoredVal<RealVal, double>,
                         public StoredVal<Vec2dVal, Vec2d>,
                         public StoredVal<Vec3dVal, Vec3d>,
                         public StoredVal<Vec4dVal, Vec4d>,
                         public StoredVal<QuaternionVal, Quaternion>,
                         public StoredVal<ColorVal, Color>,
                         public StoredVal<ColorAVal, ColorA>,
                         public StoredVal<VornStringVal, std::string> {};

/// A thin horizontal line across the tree; holds one value of each kind and does nothing with it.
class VUITreeSeperator : public VornVUIControl, public StoresEveryValue {
public:
    /// A separator in the tree's line colour.
    explicit VUITreeSeperator(int width) : m_width(width) {}
    /// A separator in its own colour.
    VUITreeSeperator(int width, Color colour) : m_width(width), m_ownColour(true), m_colour(colour) {}

    /// Half the width.
    int GetAllignmentPt() override { return static_cast<int>(m_width * 0.5); }
    /// The width.
    int GetMaxWidth() override { return m_width; }
    /// 1.
    int GetMaxHeight() override { return 1; }
    /// A one-pixel line.
    void OnDraw(wxDC* dc) override;

protected:
    int m_width;              ///< Width in pixels.
    bool m_ownColour = false; ///< Drawn in `m_colour` instead of the line colour.
    Color m_colour;           ///< The separator's colour.
};

/// The base of rows with a push button right of the node dot.
class VUITreeSubPrimBase : public VUITreeControlBase {
public:
    /// As the row base.
    VUITreeSubPrimBase(AssetManager* assets, std::string name, bool functionButton);
    /// Deletes the push button.
    ~VUITreeSubPrimBase() override;

    using VUITreeControlBase::Create;
    /// A + 5 without images; else image width + A + 35.
    int GetMaxWidth() override;
    /// The row, then a line from the dot to the button.
    void OnDraw(wxDC* dc) override;
    /// Sends a NodeButtonPushHint to the row's group.
    virtual void OnButtonPush();
    /// Sets the push button's images (before Create).
    void SetImageCache(const VornwxBitmapCache* cache) { m_imageCache = cache; }
    /// The push button, or null before Create.
    VornPushButton* GetPushButton() const { return m_pushButton; }

protected:
    /// The push button, from the image cache, with the row's other widgets (see Create).
    void OnCreateWidgets() override;

    VornPushButton* m_pushButton = nullptr;        ///< The push button, owned.
    const VornwxBitmapCache* m_imageCache = nullptr; ///< Its images (not owned), or null.
    VUITreeSubPrimBaseCG m_pushGroup;              ///< The push button's group.
};

} // namespace vorn

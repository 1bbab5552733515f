#pragma once
// Tree rows that embed a larger control, and the tree's movie bar:
//   VUITreeLB          a list box right of the label; subclasses fill it and hear choices
//   VUITreeEnumLB      the list box filled from an enumeration text ("a|*b|c")
//   VUITreeMonsterBox  a table the user folds open under the row with a toggle
//   VUITreePopControl  a host window the user folds open under the row with a toggle
//   VornVUIMovieBar    a movie bar drawn in the tree's colours
// The folding rows change their height, so they refresh the tree's root whenever they open
// or close, and the tree lays itself out with the new height. Like the other rows they make
// their widgets on first realisation in a tree, and answer sizes and values before that;
// only the table is made at Create, since the host fills it.
//
//   folding row event              | what happens
//   -------------------------------+-----------------------------------------------------
//   toggle released, off           | toggle on; SetExpanded(true, false)
//   toggle released, on            | toggle off; SetExpanded(false, false)
//   SetExpanded to the same state  | nothing
//   SetExpanded to a new state     | [toggle set,] table / host window shown or hidden,
//                                  | flag stored, the root refreshed (new layout)
//   pop row opening, no host window| toggle off and repainted; stays closed
//   table's MonSizeChangeHint      | the root refreshed (the row follows the table)
#include <memory>
#include <string>

#include <wx/bitmap.h>
#include <wx/colour.h>

#include <vorn/controls/button.h>
#include <vorn/controls/movie_bar.h>
#include <vorn/framework/control_group.h>
#include <vorn/framework/value_interfaces.h>
#include <vorn/text_lists/list_box.h>
#include <vorn/tree/tree_row.h>
#include <vorn/util/color.h>
#include <vorn/util/enum_string_parser.h>

namespace vorn {

class AssetManager;
class VornMonsterBox;
class VUITreeLB;
class VUITreeMonsterBox;
class VUITreePopControl;

/// The list row's group: a choice in the row's own list box runs the row's OnItemSelected.
class VornTreeLBCG : public VornControlGroup {
public:
    /// Runs the owner's OnItemSelected when `control` is the owner's list box.
    void ControlSelected(unsigned int id, VornControl* control) override;
    using VornControlGroup::ControlSelected;
    VUITreeLB* m_owner = nullptr; ///< The row (not owned), or null.
};

/// A row with a list box right of its label (no function button).
class VUITreeLB : public VUITreeControlBase, public LBDisplayCallback {
public:
    /// A row labelled `name`; the list box comes with the row's widgets.
    VUITreeLB(AssetManager* assets, std::string name);

    /// Measures the list-box skin, then makes the row.
    bool Create(wxWindow* parent, int id, VornControlGroup* group, long style) override;
    using VUITreeControlBase::Create;
    /// A + 4 before Create; else A + list-box width + 23.
    int GetMaxWidth() override;
    /// 32.
    int GetMaxHeight() override { return 32; }

    /// Fills the list before it opens; nothing here.
    void UpDateData(VornListBox* box) override;
    /// An entry was chosen; nothing here.
    virtual void OnItemSelected() {}
    /// The list box, or null until the widgets are made.
    VornListBox* GetListBox() const { return m_listBox; }

protected:
    /// The list box from "vuitree_listbox.lbs" and "vuiedit_tree_lbfont", filled by UpDateData.
    void OnCreateWidgets() override;

    VornListBox* m_listBox = nullptr; ///< The list box (owned by its window parent), or null.
    VornTreeLBCG m_listGroup;         ///< The list box's group.
    int m_boxWidth = -1;              ///< The list box's width from its skin; -1 before Create.
};

/// A list row whose entries and selection come from an enumeration text.
class VUITreeEnumLB : public VUITreeLB, public VornStringVal {
public:
    /// A row labelled `name` with no entries.
    VUITreeEnumLB(AssetManager* assets, std::string name);

    /// Refills `box` with the entries and selects the parser's selection quietly.
    void UpDateData(VornListBox* box) override;
    /// The box's choice becomes the selection; the host gets a NodeChangedHint.
    void OnItemSelected() override;
    /// The enumeration text (entries and selection).
    void GetValue(std::string& out) override;
    /// Reads the enumeration text (a bad one empties the row) and refills the list.
    void SetValue(std::string text) override;
    /// The entries and the selection.
    const EnumStringParser& GetParser() const { return m_parser; }

protected:
    EnumStringParser m_parser; ///< The entries and the selection.
};

/// The table row's toggle: a release opens or closes its row.
class VornVUIMonToggleButton : public VornButton {
public:
    /// A toggle of `owner` (not owned), without a window yet.
    explicit VornVUIMonToggleButton(VUITreeMonsterBox* owner) : m_owner(owner) {}

protected:
    /// On a release: flips on/off and opens or closes the row.
    void OnMouseButton() override;
    VUITreeMonsterBox* m_owner; ///< The row (not owned).
};

/// The pop row's toggle: a release opens or closes its row.
class VornTreePopToggleButton : public VornButton {
public:
    /// A toggle of `owner` (not owned), without a window yet.
    explicit VornTreePopToggleButton(VUITreePopControl* owner) : m_owner(owner) {}

protected:
    /// On a release: flips on/off and opens or closes the row.
    void OnMouseButton() override;
    VUITreePopControl* m_owner; ///< The row (not owned).
};

/// The part the folding rows share: the toggle's images and indent, the flag, the drawing.
class VUITreeFoldingRow : public VUITreeControlBase {
public:
    /// Loads the toggle images ("Vuitree_branchtog.sts") for the indent, then makes the row.
    bool Create(wxWindow* parent, int id, VornControlGroup* group, long style) override;
    using VUITreeControlBase::Create;
    /// True while open.
    bool GetExpanded() const { return m_expanded; }
    /// Half the toggle image's width (0 before Create).
    int GetIndent() const { return m_indent; }
    /// The toggle, or null until the widgets are made.
    VornButton* GetToggle() const { return m_toggle; }
    /// Background, the tree line and the label in the top 32 pixels.
    void OnDraw(wxDC* dc) override;

protected:
    /// A row labelled `name`.
    VUITreeFoldingRow(AssetManager* assets, std::string name, bool functionButton);
    /// Creates `toggle` at its place, showing the flag.
    void CreateToggle(VornButton* toggle);
    /// Sets and repaints the toggle when asked to, shows or hides `content` (may be null),
    /// stores the flag and lays the tree out again.
    void StoreExpanded(bool expanded, bool setToggle, VornWindow* content);

    VornButton* m_toggle = nullptr;                 ///< The toggle (owned by its window parent).
    const VornwxBitmapCache* m_toggleImages = nullptr; ///< The manager's toggle images, or null.
    int m_indent = 0;                               ///< Half the toggle image width.
    bool m_expanded = false;                        ///< Open.
};

/// A row with a table that folds open under it.
class VUITreeMonsterBox : public VUITreeFoldingRow {
public:
    /// A row labelled `name`; the table's frame images (not owned), size, name, the group its
    /// own group joins (may be null) and style are kept for the table Create makes.
    VUITreeMonsterBox(AssetManager* assets, std::string name, const wxBitmap* a, const wxBitmap* b,
                      const wxBitmap* c, bool functionButton, int width, int height, std::string& tableName,
                      VornControlGroup* group, long tableStyle = 0);

    /// The row, then the table (hidden while closed); the toggle comes with the widgets.
    bool Create(wxWindow* parent, int id, VornControlGroup* group, long style) override;
    using VUITreeFoldingRow::Create;
    /// 32 closed or without a table; else trunc(table height + 16).
    int GetMaxHeight() override;
    /// A + indent + table width when open with a table; else A + indent + 1.
    int GetMaxWidth() override;
    /// Opens or closes the row (`setToggle`: the toggle follows too).
    void SetExpanded(bool expanded, bool setToggle);
    /// A MonSizeChangeHint from the table lays the tree out again.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;

    /// The table, or null before Create.
    VornMonsterBox* GetMonsterBox() const { return m_table; }
    /// The table's group.
    VornControlGroup* GetTableGroup() { return &m_tableGroup; }

protected:
    /// The table if Create has not made it yet, then the toggle.
    void OnCreateWidgets() override;
    /// The table at (A + indent, 16), hidden while closed; once, after the row's window.
    void CreateTable();

    VornMonsterBox* m_table = nullptr; ///< The table (owned by its window parent), or null.
    VornControlGroup m_tableGroup;     ///< The table's group; the row hears it.
    const wxBitmap* m_images[3];       ///< The table's frame images (not owned).
    int m_tableWidth;                  ///< The table's width at creation.
    int m_tableHeight;                 ///< The table's height at creation.
    std::string m_tableName;           ///< The table's name.
    long m_tableStyle;                 ///< The table's style.
};

/// A row that folds open to show a window the host made as its child.
class VUITreePopControl : public VUITreeFoldingRow {
public:
    /// A row labelled `name` with no host window.
    VUITreePopControl(AssetManager* assets, std::string name, bool functionButton = false);

    /// 32 closed or without a host window; else 16 + the window's height.
    int GetMaxHeight() override;
    /// A + indent + 1, + the host window's width when open with one.
    int GetMaxWidth() override;
    /// Opens or closes the row (`setToggle`: the toggle follows too); without a host window
    /// it stays closed.
    void SetExpanded(bool expanded, bool setToggle);

    /// The host's window (not owned; a child of GetDisplayWindow()); shown only while open.
    void SetVornWindowPtr(VornWindow* window);
    /// The host's window, or null.
    VornWindow* GetVornWindowPtr() const { return m_window; }
    /// The row itself: the host makes its window as a child of it.
    wxWindow* GetDisplayWindow() { return this; }
    /// A + indent + 1: the host window's x inside the row.
    int GetXOffset() { return GetAllignmentPt() + m_indent + 1; }
    /// 16: the host window's y inside the row.
    int GetYOffset() { return 16; }

protected:
    /// The toggle.
    void OnCreateWidgets() override;

    VornWindow* m_window = nullptr; ///< The host's window (not owned), or null.
};

/// A movie bar that draws itself in the tree's colours: background, an outlined bar, the
/// range filled with the highlight colour, and handles drawn as shapes where the images
/// would go (the images still size the handles).
class VornVUIMovieBar : public VornMovieBar {
public:
    /// No window yet: Create must follow.
    VornVUIMovieBar();
    /// As VornMovieBar.
    VornVUIMovieBar(const wxBitmap* start, const wxBitmap* end, const wxBitmap* value, int x, int y, int w, int h,
                    wxWindow* parent, int id, VornControlGroup* group, long style = 0);
    /// Releases the buffer.
    ~VornVUIMovieBar() override;
    /// Keeps the handle sizes for drawing, then makes the bar.
    bool Create(const wxBitmap* start, const wxBitmap* end, const wxBitmap* value, int x, int y, int w, int h,
                wxWindow* parent, int id, VornControlGroup* group, long style = 0) override;
    using VornMovieBar::Create;

    /// The tree's background, line and highlight colours; repaints.
    void SetTreeColours(Color background, Color line, Color highlight);
    /// Draws the bar from the model.
    void OnDraw(wxDC* dc) override;

private:
    struct Shape {
        int w = 0, h = 0;
    };
    Shape m_start, m_end, m_value;
    wxColour m_background{0, 0, 0}, m_line{255, 255, 255}, m_highlight{128, 128, 128};
    wxBitmap m_bitmap;
};

} // namespace vorn

#pragma once
// ErrorControl: a property-tree row standing in for a row that could not be built. It
// shows the name and, on a dark red field, the widget, value type and error texts. It
// takes every kind of value so the host can treat it like any row, and shows none.
#include <string>

#include <wx/font.h>

#include <vorn/tree/tree_row.h>

namespace vorn {

class AssetManager;

/// Where the error row draws its parts, for a row of height h and a name of the given height.
struct ErrorRowLayout {
    /// Computes the layout; `align` is the row's alignment point.
    ErrorRowLayout(int h, int align, int nameHeight);
    int lineMid;  ///< y of the node ring's centre: (h − 20) / 2.
    int nameY;    ///< Top of the name text.
    int detailX;  ///< Left of the widget and value-type texts.
    int widgetY;  ///< Top of the widget text.
    int valTypeY; ///< Top of the value-type text.
    int errorY;   ///< Top of the error text (at x = 0).
};

/// A row reporting an error; stores one value of each kind and sends nothing.
class ErrorControl : public VornVUIControl, public StoresEveryValue {
public:
    /// A row of width × height; fetches the name font and measures the name.
    ErrorControl(int width, int height, AssetManager* assets, std::string error, std::string name,
                 std::string widget, std::string valueType);

    /// Name width + 25.
    int GetAllignmentPt() override { return m_nameWidth + 25; }
    /// The width given at construction.
    int GetMaxWidth() override { return m_width; }
    /// The height given at construction.
    int GetMaxHeight() override { return m_height; }
    /// Draws the field, the tree line and the four texts (made anew on every paint).
    void OnDraw(wxDC* dc) override;
    /// Measures the name with the name font.
    void SetNameSizes();
    /// The name's measured size.
    wxSize GetNameSize() const { return {m_nameWidth, m_nameHeight}; }
    /// The plain layout of this row.
    ErrorRowLayout GetLayout() { return ErrorRowLayout(m_height, GetAllignmentPt(), m_nameHeight); }

private:
    int m_nameWidth = 0;     ///< Name width in the name font.
    int m_nameHeight = 0;    ///< Name height in the name font.
    int m_width;             ///< Row width.
    int m_height;            ///< Row height.
    std::string m_name;      ///< The row's name.
    std::string m_error;     ///< The error text.
    AssetManager* m_assets;  ///< The asset manager (not owned), or null.
    wxFont m_nameFont;       ///< "vui_control_name", or the small font when the skin lacks it.
    std::string m_widget;    ///< The widget text.
    std::string m_valueType; ///< The value-type text.
};

} // namespace vorn

#pragma once
// GradientControl: the gradient editor. A composite of parts on its own group: the range
// strip (id 101) and summary strip (103) showing and choosing the displayed part, the add
// strip (102) that adds stops and pages the range, the stop bar (104) that selects, drags,
// toggles and recolours stops, and three edit boxes (105..107) for the red, green and
// blue of the selected stop. Hosts hear the parts on GetGradientGroup().
//
// Layout, top to bottom (the add strip's and the stop bar's numbers are left, top, right,
// bottom; the stop bar's bottom is cut to the control's height):
//   y   0..20   range strip            y  35..75   add strip
//   y  20..36   summary strip          y  75..109  R G B boxes at x 30/115/200, y 82
//   y 109..     stop bar, its colour dot centred 85 rows down at x 200
//
// Keys: delete and backspace pressed in a strip or the stop bar delete the selected stop;
// in the edit boxes they edit the text only.
#include <functional>

#include <wx/bitmap.h>
#include <wx/gdicmn.h>

#include <vorn/assets/skin_info.h>
#include <vorn/colour/gradient_comp.h>
#include <vorn/framework/control_group.h>
#include <vorn/text_lists/edit.h>
#include <vorn/util/color.h>

namespace vorn {

class ColourControl;
class ColourSlug;
class GradientRangeControl;
class GradientSummary;
class VornWindowKeyEvent;
class VornwxBitmapCache;

/// The gradient editor: range and summary strips, add strip, stop bar and component boxes.
class GradientControl : public GradientControlComp {
public:
    /// Ids of the parts on the editor's group.
    enum PartId {
        kRange = 101,   ///< Range strip.
        kSlug = 102,    ///< Add strip.
        kSummary = 103, ///< Summary strip.
        kStopBar = 104, ///< Stop bar.
        kRedEdit = 105, ///< Red box; green and blue follow.
    };
    /// The look the host hands to Create (images not owned).
    struct RESOURCES {
        /// An edit box's skin.
        struct EditSkin {
            const wxBitmap* bitmap = nullptr; ///< Skin bitmap, or null for the info's colours.
            VornEditInfo info; ///< Skin values; a skin of no size makes 65 x 20 boxes.
        };
        const VornwxBitmapCache* pageLeft = nullptr;  ///< The add strip's left page button.
        const VornwxBitmapCache* pageRight = nullptr; ///< The add strip's right page button.
        const VornwxBitmapCache* flags = nullptr;     ///< The stop bar's flag toggles.
        EditSkin edit; ///< The skin of the three component boxes.
    };

    /// No window yet: Create must follow.
    GradientControl();
    /// An editor made at once (same arguments as Create).
    GradientControl(RESOURCES& res, int x, int y, int width, int height, wxWindow* parent, int id,
                    VornControlGroup* group, long style = 0);
    /// Deletes the parts.
    ~GradientControl() override;
    /// Makes the window and its parts (see the layout above); false if any part fails.
    virtual bool Create(RESOURCES& res, int x, int y, int width, int height, wxWindow* parent, int id,
                        VornControlGroup* group, long style = 0);
    using GradientControlComp::Create;
    /// Deletes the strips and the stop bar; the editor then shows only its background.
    void Clear() override;

    /// Binds the gradient to every part; marks everything dirty when it changed.
    void Bind(Gradient* gradient) override;
    using GradientControlComp::Bind;
    /// Sets or clears the editor's dirty mark; setting it marks the range and summary strips too.
    void SetDirty(bool dirty);
    using GradientControlComp::SetDirty;
    /// Sets the foreground colour of the editor and its parts.
    void SetFgColour(const Color& colour);
    /// Sets the background colour of the editor and its parts.
    void SetBgColour(const Color& colour);
    using GradientControlComp::SetBgColour;
    using GradientControlComp::SetFgColour;

    /// Asks for a new stop colour at the screen point; the built-in answer is (1.0, 0.5, 0.3).
    virtual void PickColour(int x, int y, Color& colour);
    /// Asks the stop bar to delete the selected stop.
    void DeleteKeyPressed();

    /// Follows the parts' hints; a committed component box recolours the selected stop.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;
    /// The background and the boxes' R, G, B labels.
    void OnDraw(wxDC* dc) override;

    /// Where the parts' usable width begins: the x of position min on every strip.
    wxPoint GetAllignmentPt() const;
    /// The widest the editor is useful: the parts stretch to any width up to this.
    int GetMaxWidth() const;
    /// The tallest the editor is useful: the stop bar's bottom (1000).
    int GetMaxHeight() const;
    /// The narrowest width that shows the colour dot and all three boxes.
    int GetMinWidth() const;
    /// The lowest height that shows the stop bar's colour dot.
    int GetMinHeight() const;

    /// The group the parts talk on; hosts register their receivers here.
    VornControlGroup* GetGradientGroup() { return &m_gradientGroup; }
    /// The range strip (null before Create or after Clear).
    GradientRangeControl* GetRangeStrip() const { return m_range; }
    /// The add strip (null before Create or after Clear).
    ColourSlug* GetSlug() const { return m_slug; }
    /// The summary strip (null before Create or after Clear).
    GradientSummary* GetSummary() const { return m_summary; }
    /// The stop bar (null before Create or after Clear).
    ColourControl* GetStopBar() const { return m_stopBar; }
    /// Component box 0..2: red, green, blue.
    VornEdit* GetEdit(int i) { return i >= 0 && i < 3 ? &m_edits[i] : nullptr; }

protected:
    /// The editor's own key presses are only logged.
    void OnVornKeyDown(wxKeyEvent& event) override;

private:
    void OnPartKeyDown(VornWindowKeyEvent& event);
    void OnPartKeyUp(VornWindowKeyEvent& event);
    void StoreComponent(int box);
    void DeleteParts();
    void ForEachPart(const std::function<void(VornWindow&)>& f);

    GradientRangeControl* m_range = nullptr;
    ColourSlug* m_slug = nullptr;
    GradientSummary* m_summary = nullptr;
    ColourControl* m_stopBar = nullptr;
    Color m_fg{0.0, 0.0, 0.0};
    Color m_bg{0.75, 0.75, 0.75};
    VornControlGroup m_gradientGroup;
    // Declared after the group: they leave it before it goes.
    VornEdit m_edits[3];

    wxDECLARE_EVENT_TABLE();
};

} // namespace vorn

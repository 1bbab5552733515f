#pragma once
// VornScrollBar: a vertical bar skinned from three bitmaps, with a content range and a
// visible page, that reports drags of its tab to its value group (no value hints).
//
//   bitmap    | serves as
//   ----------+--------------------------------------------------------------------
//   tab       | the tab, drawn at its own size (the bar is one pixel wider than it)
//   up        | the up end button at the top (its "off" image)
//   down      | the down end button at the bottom
// The default skin's blender_scroll_off.sts, blender_scroll_up.sts and
// blender_scroll_down.sts (11 x 12 each) fill these three roles in that order.
// The tab travels between the end buttons. A press on the tab begins a drag
// (ControlSelected), each move that shifts the tab reports ControlDrag, the release
// ControlUnSelected. Each report of an end button moves the tab one row (the press a
// tenth of the travel), and reports ControlDrag.
#include <wx/bitmap.h>
#include <wx/colour.h>

#include <vorn/assets/image_cache.h>
#include <vorn/controls/button_moment.h>
#include <vorn/controls/scroll_bar_model.h>
#include <vorn/framework/control.h>
#include <vorn/framework/control_group.h>

namespace vorn {

/// A bitmap-skinned vertical scroll bar over a content range; drags go to its value group.
class VornScrollBar : public VornControl {
public:
    /// No window yet: Create must follow.
    VornScrollBar();
    /// A bar of height h at (x, y): tab and end-button bitmaps (not owned), line and track
    /// colours, and the visible length of the content.
    VornScrollBar(const wxBitmap* tab, const wxBitmap* up, const wxBitmap* down, wxColour line, wxColour track,
                  double page, int x, int y, int h, wxWindow* parent, int id, VornControlGroupValue* group,
                  long style = 0);
    /// Leaves the end buttons' group.
    ~VornScrollBar() override;
    /// Makes the window ((tab width + 1) × h), its end buttons and its images.
    virtual bool Create(const wxBitmap* tab, const wxBitmap* up, const wxBitmap* down, wxColour line,
                        wxColour track, double page, int x, int y, int h, wxWindow* parent, int id,
                        VornControlGroupValue* group, long style = 0);
    using VornControl::Create;

    /// The value group the bar reports to, or null.
    virtual VornControlGroupValue* GetGroup() const { return dynamic_cast<VornControlGroupValue*>(m_group); }

    /// Sets the content length; the tab stays where it is.
    void SetRange(double range);
    /// The content length.
    double GetRange() const { return m_model.GetRange(); }
    /// Adds d to the range; content that now fits in the page puts the tab at the end.
    /// With notify, reports ControlDrag.
    void AddToRange(double d, bool notify);
    /// Places the tab at f (clamped to 0 … 1) of its travel and reports ControlDrag.
    void SetValue(double f);
    /// The scroll offset in content units; 0 while the content fits in the page.
    double GetValue() const { return m_model.GetValue(); }

    /// The tab position and range, for hosts and tests.
    const ScrollBarRangeModel& GetModel() const { return m_model; }
    /// True from a press on the tab until its release.
    bool IsDragging() const { return m_dragging; }
    /// The up end button (no window without an up bitmap).
    VornMomentBtn& GetUpButton() { return m_upButton; }
    /// The down end button (no window without a down bitmap).
    VornMomentBtn& GetDownButton() { return m_downButton; }

    /// Track, separator column and tab, through the back buffer.
    void OnDraw(wxDC* dc) override;
    /// Moves the tab for the end buttons' reports.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;

protected:
    /// Press on the tab begins a drag; the release ends it.
    void OnMouseButton() override;
    /// Drag step.
    void OnMouseMove(int x, int y) override;

private:
    void Layout(int height);
    void ReportDrag();
    int TabWidth() const;

    const wxBitmap* m_tab = nullptr;
    const wxBitmap* m_up = nullptr;
    const wxBitmap* m_down = nullptr;
    wxBitmap m_buffer;
    wxColour m_line;
    wxColour m_track;
    ScrollBarRangeModel m_model;
    int m_tabHeight = 0;
    bool m_dragging = false;
    VornwxBitmapCache m_upImages;
    VornwxBitmapCache m_downImages;
    VornControlGroup m_buttonGroup; // before the buttons: they leave it when they go
    VornMomentBtn m_upButton;
    VornMomentBtn m_downButton;
};

} // namespace vorn

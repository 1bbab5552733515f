#pragma once
// VornSimpleScrollBar: the 11-pixel vertical bar the library's scrolling controls use.
// It draws every image itself from three colours (line, background, highlight), may
// carry two auto-repeating end buttons, and reports value changes through the virtual
// hook OnSliderChange instead of through its group.
//
//   pointer event         | what happens
//   ----------------------+-------------------------------------------------------------
//   press on the tab      | drag begins: capture, the press y and value are kept
//   press off the tab     | nothing
//   motion while dragging | value follows the pointer; OnSliderChange when it moved
//   motion otherwise      | the tab's highlight follows the pointer
//   release               | drag ends, capture released, highlight re-evaluated
//   end button hint       | value steps by content pixels; OnSliderChange
// The geometry (track, tab height and top, drag and step values) comes from
// SimpleScrollBarModel, so painting and hit-testing agree.
#include <memory>

#include <wx/bitmap.h>
#include <wx/colour.h>

#include <vorn/controls/scroll_bar_model.h>
#include <vorn/framework/control.h>

namespace vorn {

class VornControlGroupValue;
class VornMomentBtn;
class VornwxBitmapCache;

/// An 11-pixel vertical scroll bar drawn from three colours, with optional auto-repeating end buttons.
class VornSimpleScrollBar : public VornControl {
public:
    /// No window yet: Create must follow. SetLeft and SetEndButtons belong before Create.
    VornSimpleScrollBar();
    /// A bar at (x, y) of height h; the colours are line, background and highlight.
    VornSimpleScrollBar(wxColour line, wxColour background, wxColour highlight, int x, int y, int h,
                        wxWindow* parent, int id, VornControlGroupValue* group, long style = 0);
    /// Deletes the images, the end buttons and their group.
    ~VornSimpleScrollBar() override;

    /// Makes the window (11 × h), its images and, when enabled, the end buttons.
    virtual bool Create(wxColour line, wxColour background, wxColour highlight, int x, int y, int h,
                        wxWindow* parent, int id, VornControlGroupValue* group, long style = 0);
    using VornControl::Create;

    /// The tab position, 0.0 (top) … 1.0 (bottom).
    double GetSliderVal() const { return m_sliderVal; }
    /// Moves the tab (clamped to 0 … 1); nothing when v is the current value. With notify, OnSliderChange.
    void SetSliderVal(double v, bool notify);
    /// The visible part of the content, 0.0001 … 0.9999.
    double GetFractionVal() const { return m_fraction; }
    /// Sets the visible part (clamped) and remakes the tab; nothing when f is the current fraction.
    void SetFractionVal(double f);

    /// Content pixels scrolled by the first press of an end button.
    double GetInitialStepVal() const { return m_initialStep; }
    /// Sets the content pixels of an end button's first press.
    void SetInitialStepVal(double step) { m_initialStep = step; }
    /// Content pixels scrolled by each repeat of an end button.
    double GetMomentStepVal() const { return m_momentStep; }
    /// Sets the content pixels of each repeat of an end button.
    void SetMomentSetpVal(double step) { m_momentStep = step; }
    /// True when the bar stands at the left of its owner (separator at its right edge).
    bool GetLeft() const { return m_left; }
    /// Which side of its owner the bar stands on; call before Create.
    void SetLeft(bool left) { m_left = left; }
    /// True when the bar shows its two end buttons.
    bool GetEndButtons() const { return m_endButtons; }
    /// Whether the bar makes its end buttons; call before Create.
    void SetEndButtons(bool endButtons) { m_endButtons = endButtons; }

    /// The track and tab geometry, for hosts laying out around the bar and for tests.
    const SimpleScrollBarModel& GetModel() const { return m_model; }
    /// The tab's top row at the current value.
    int GetTabTop() const { return m_model.TabTop(m_sliderVal); }
    /// True from a press on the tab until its release.
    bool IsDragging() const { return m_dragging; }
    /// True while the tab is drawn highlighted.
    bool IsTabHighlighted() const { return m_tabHighlighted; }
    /// The up end button, or null without end buttons.
    VornMomentBtn* GetUpButton() const { return m_upButton; }
    /// The down end button, or null without end buttons.
    VornMomentBtn* GetDownButton() const { return m_downButton; }

    /// Draws the background, the separator line and the tab through the back buffer.
    void OnDraw(wxDC* dc) override;
    /// Steps the value for the end buttons' moment hints; other updates are ignored.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;

protected:
    /// First row of the track: below the up button when there are end buttons.
    int GetScrollStart() const { return m_model.GetScrollStart(); }
    /// Rows of the track: between the end buttons when there are any.
    int GetScrollHeight() const { return m_model.GetScrollHeight(); }

    /// Called after a notifying value change; does nothing here.
    virtual void OnSliderChange() {}
    /// Remakes the six tab images when the tab height changed.
    virtual void MakeTabImages();
    /// Makes the end buttons' image sets: an up arrow and its mirror.
    virtual void MakeButtonImages();

    /// Highlight, or a drag step.
    void OnMouseMove(int x, int y) override;
    /// Press on the tab begins a drag; release ends it.
    void OnMouseButton() override;
    /// Clears the highlight when not dragging.
    void OnMouseLeaving() override;
    /// The end buttons follow; disabling ends a drag.
    void OnEnable(bool enabled) override;

private:
    struct Images;
    void PlaceEndButtons();

    SimpleScrollBarModel m_model;
    std::unique_ptr<Images> m_images; // tab pieces and images, back buffer, end-button sets
    std::unique_ptr<VornControlGroup> m_buttonGroup;
    VornMomentBtn* m_upButton = nullptr; // children of the bar: the toolkit destroys them
    VornMomentBtn* m_downButton = nullptr;
    bool m_left = true;
    bool m_endButtons = true;
    double m_sliderVal = 0.0;
    bool m_dragging = false;
    bool m_tabHighlighted = false;
    int m_pressY = 0;
    double m_pressVal = 0.0;
    double m_fraction = 0.2;
    double m_momentStep = 5.0;
    double m_initialStep = 20.0;
    wxColour m_line;
    wxColour m_background;
    wxColour m_highlight;
};

} // namespace vorn

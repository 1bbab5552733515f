#pragma once
// ColourSlug: the gradient editor's add strip. It shows the displayed part of the gradient
// as a colour band with a tick for each stop; a click on the band adds a stop there, and
// the two page buttons at its ends move the displayed range by its own width.
//
//   event                           | what the strip does
//   --------------------------------+------------------------------------------------------
//   press, release within 2 px      | stop of the gradient's colour there, flags all set:
//   at a column with a position     | AddPoint, GradientHintAdd(index) on the group
//   left / right page button hint   | PageDisplayRange; when it moved: dirty, refresh,
//                                   | GradientHintRange(min, max) on the group
//   GradientHintMove (another part) | dirty, refresh
//   other hints                     | GradientControlComp::OnUpdate
// After every update that reaches it (but its own echoes) the strip enables the left button
// only while min is not 0 and the right one only while max is not 1, and logs the range.
#include <wx/bitmap.h>
#include <wx/image.h>

#include <vorn/colour/gradient_comp.h>
#include <vorn/controls/button_moment.h>
#include <vorn/framework/control_group.h>

namespace vorn {

class ColourSlug;
class Filter;
class VornwxBitmapCache;

/// The add strip's own group for its page buttons: passes their updates to the strip.
class SlugButtonGroup : public VornControlGroup {
public:
    /// A group that reports to `slug` (not owned).
    explicit SlugButtonGroup(ColourSlug* slug) : m_slug(slug) {}
    /// Passes the update to the strip, then routes it as any group does.
    void Update(unsigned int id, VornControl* control, VornControlHint* hint) override;

private:
    ColourSlug* m_slug;
};

/// The gradient editor's add strip: adds stops by a click and pages the displayed range.
class ColourSlug : public GradientControlComp {
public:
    /// Identifiers of the page buttons on the strip's own group.
    enum ButtonId {
        kLeftButton = 110,  ///< Moves the range toward 0.
        kRightButton = 111, ///< Moves the range toward 1.
    };

    /// No window yet: Create must follow.
    ColourSlug();
    /// A strip made at once (same arguments as Create).
    ColourSlug(const VornwxBitmapCache* leftImages, const VornwxBitmapCache* rightImages, int x, int y, int w,
               int h, wxWindow* parent, int id, VornControlGroup* group, long style = 0);
    ~ColourSlug() override;
    /// Makes the window and its two page buttons (images not owned, may be null); the
    /// displayed range starts as [0, 1].
    virtual bool Create(const VornwxBitmapCache* leftImages, const VornwxBitmapCache* rightImages, int x, int y,
                        int w, int h, wxWindow* parent, int id, VornControlGroup* group, long style = 0);
    using GradientControlComp::Create;

    /// Stores the range and enables the page buttons to match.
    void SetDisplayRange(double min, double max) override;
    /// Follows the other parts (see the table above), then sets the page buttons.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;
    /// A page button's update, through the strip's own group.
    void OnButtonUpdate(VornControl* control, VornControlHint* hint);

    /// Draws the frame, the band of colours and the stop ticks.
    void OnDraw(wxDC* dc) override;

    /// The page button toward 0.
    VornMomentBtn* GetLeftButton() { return &m_left; }
    /// The page button toward 1.
    VornMomentBtn* GetRightButton() { return &m_right; }
    /// The page buttons' group.
    VornControlGroup* GetButtonGroup() { return &m_buttonGroup; }

protected:
    /// A press remembers where it was; a release near it adds a stop.
    void OnMouseDownLeft() override;

private:
    void AddStopAt(int x);
    void Page(bool towardMax);
    void UpdateButtons();
    void RenderFace(Filter& f, int w, int h);

    // The group first: the buttons leave it when they go, before it goes.
    SlugButtonGroup m_buttonGroup;
    VornMomentBtn m_left;
    VornMomentBtn m_right;
    bool m_pressed = false;
    int m_pressX = 0;
    int m_pressY = 0;
    wxImage m_face;
    wxBitmap m_picture;
};

} // namespace vorn

#pragma once
// ColourControl: the gradient editor's stop bar. A marker per stop along the displayed
// range; the selected stop shows its three flag toggles below its marker and its colour
// in the dot. Geometry and the press / drag rules live in GradientStopBarModel.
//
// What reaches the group (identifier 0, the bar as sender):
//   select a stop        GradientHintSelect(index)
//   each drag step       [GradientHintScroll(end, amount) at a pinned end], GradientHintMove(old, new)
//   drag released        the last step, then an update with no hint
//   flag toggled         GradientHintMove(p, p)
//   colour picked        GradientHintValue
//   delete key           GradientHintDelete(index), GradientHintSelect(0)
#include <memory>
#include <vector>

#include <wx/bitmap.h>
#include <wx/image.h>

#include <vorn/colour/gradient_comp.h>
#include <vorn/colour/gradient_stop_bar_model.h>
#include <vorn/util/color.h>

namespace vorn {

class Filter;
class VornEdit;
class VornwxBitmapCache;
class VornButtonClock;
struct CONTROL_POINT;
namespace detail {
class BlitSource;
}

/// The stop bar: selects, drags, toggles and recolours the stops of the bound gradient.
class ColourControl : public GradientControlComp {
public:
    /// No window yet: Create must follow.
    ColourControl();
    /// A stop bar made at once (same arguments as Create).
    ColourControl(const VornwxBitmapCache* flagImages, int x, int y, int w, int h, wxWindow* parent, int id,
                  VornControlGroup* group, long style = 0);
    ~ColourControl() override;
    /// Makes the window; `flagImages` (not owned, may be null) draws the three flag toggles.
    virtual bool Create(const VornwxBitmapCache* flagImages, int x, int y, int w, int h, wxWindow* parent,
                        int id, VornControlGroup* group, long style = 0);
    using GradientControlComp::Create;

    /// The margins left and right of the stops' span, in pixels.
    void SetSpace(int left, int right);
    /// The boxes that show the selected stop's red, green and blue (not owned; null: none).
    void SetComponentControls(VornEdit* red, VornEdit* green, VornEdit* blue);
    /// Deletes the selected stop when it lies in the displayed range.
    void DeleteKeyPressed();

    /// Selects a stop; when it differs, shows its colour in the boxes and tells the group.
    void SetSelect(unsigned int index) override;
    /// Stores the displayed range; the markers follow.
    void SetDisplayRange(double min, double max) override;
    /// Replaces the stopwatch that times the arming of a drag (null keeps it).
    void SetClock(std::unique_ptr<VornButtonClock> clock);
    /// The geometry and drag state, as paint and hit test use them.
    const GradientStopBarModel& GetModel() const { return m_model; }

    /// Draws the markers, the selected stop's toggles and its colour dot.
    void OnDraw(wxDC* dc) override;

protected:
    /// A press selects, arms, marks a toggle or picks; the release ends what it began.
    void OnMouseDownLeft() override;
    /// Arms, starts or runs a drag of the selected stop.
    void OnMouseMove(int x, int y) override;

private:
    struct Palette {
        Color bg, fg, guide;
    };
    Palette GetPalette();
    void SyncGeometry();
    void Press(int x, int y);
    void PickColour(int x, int y);
    void MoveSelectedTo(double position);
    void ToggleFlag(int k);
    void ShowColour(const Color& colour);
    void Send(VornControlHint* hint);
    void RenderBase(Filter& f, int w, int h, const CONTROL_POINT* selected);
    void RenderMovingParts(Filter& f, const CONTROL_POINT& selected);
    bool BaseChanged(int w, int h, const CONTROL_POINT* selected);
    void DrawFace(wxDC& dc, int w, int h);
    void DrawToggles(wxDC& dc);

    GradientStopBarModel m_model;
    const VornwxBitmapCache* m_flagImages = nullptr;
    VornEdit* m_components[3] = {nullptr, nullptr, nullptr};
    // The face drawn in software without the selected stop's marker and toggles (the
    // base), its bitmap for the window and what it was drawn from; a drag redraws only a
    // small patch around the selected stop over a copy of the base.
    wxImage m_face;
    wxBitmap m_picture;
    std::unique_ptr<detail::BlitSource> m_pictureSource;
    std::vector<double> m_faceKey, m_scratchKey;
    wxImage m_patch;
    wxBitmap m_patchPicture;
};

} // namespace vorn

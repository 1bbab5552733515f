#pragma once
// The two strips above a gradient editor's stop bar.
//   GradientRangeControl  shows the displayed part [min, max] of the gradient as a bar with
//                         a handle at each end; dragging a handle or the bar chooses it, and
//                         the release tells the other parts with a GradientHintRange
//   GradientSummary       shows the whole gradient, 0.0 to 1.0, one colour per column
// Both compute their geometry in their models (gradient_strip_model.h), which paint and
// hit test share.
#include <vector>

#include <wx/bitmap.h>
#include <wx/image.h>

#include <vorn/colour/gradient_comp.h>
#include <vorn/colour/gradient_strip_model.h>

namespace vorn {

class Filter;

/// Shows and chooses the displayed range of the bound gradient.
class GradientRangeControl : public GradientControlComp {
public:
    /// No window yet: Create must follow.
    GradientRangeControl();
    /// A strip of the given geometry, registered with `group` under `id`.
    GradientRangeControl(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group,
                         long style = 0);
    ~GradientRangeControl() override;

    /// The margins left and right of the usable width, in pixels.
    void SetSpace(int left, int right);
    /// The height of the range bar, in pixels (0: half the strip).
    void SetBarHeight(int height);
    /// The height of the range bar as set.
    int GetBarHeight() const { return m_barHeight; }
    /// Stores the displayed range; the bar follows.
    void SetDisplayRange(double min, double max) override;
    /// The geometry and drag state, as paint and hit test use them.
    const GradientRangeModel& GetModel() const { return m_model; }

    /// Draws the track, the range bar and its handles.
    void OnDraw(wxDC* dc) override;

protected:
    /// A press takes hold of a handle, the bar or nothing; the release reports the range.
    void OnMouseDownLeft() override;
    /// A drag step moves what the press took hold of.
    void OnMouseMove(int x, int y) override;

private:
    friend class GradientRangeModel; // drives the three updates below during a drag

    /// The minimum follows the drag by dx pixels from the press.
    virtual void UpdateLeft(int dx);
    /// The maximum follows the drag by dx pixels from the press.
    virtual void UpdateRight(int dx);
    /// The whole range follows the drag by dx pixels from the press.
    virtual void UpdateMove(int dx);

    void SyncGeometry();
    void TakeModelRange();
    void RenderFace(Filter& f, int h);

    GradientRangeModel m_model;
    int m_barHeight = 0;
    // The two drawing objects: the face drawn in software, and its bitmap for the window.
    wxImage m_face;
    wxBitmap m_picture;
};

/// Shows the whole bound gradient as a row of colours.
class GradientSummary : public GradientControlComp {
public:
    /// No window yet: Create must follow.
    GradientSummary();
    /// A strip of the given geometry, registered with `group` under `id`.
    GradientSummary(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group,
                    long style = 0);
    ~GradientSummary() override;

    /// The margins left and right of the row, in pixels.
    void SetSpace(int left, int right);
    /// The row of colours, one per usable column, as last built.
    const std::vector<Color>& GetRow() const { return m_model.GetRow(); }

    /// Rebuilds the row from the gradient, then clears the dirty flag.
    void RecalcState() override;
    /// Draws the row, framed.
    void OnDraw(wxDC* dc) override;
    /// Follows stop additions, moves, selections and range changes of the other parts.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;

private:
    GradientSummaryModel m_model;
};

} // namespace vorn

#pragma once
// VornAHorizonControl: an attitude indicator with three drag handles. The two ends of the
// horizon line (A, B) set the roll, the handle Q on the perpendicular axis sets the pitch
// (see HorizonModel). Each drag step tells the value group ControlDrag; no hints are sent,
// the host reads GetValue and GetPitchValue.
//
// The picture: the instrument face turned by the roll, its sky/ground ball moved along the
// pitch axis so that its horizon passes through Q while the outer ring stays still; over
// it the line from A to B, the pitch axis and the handle circles. Indicators of the same
// face, geometry and background share the pictures they composed, so that a drag back over
// the same handle places copies a bitmap (see horizon.cpp).
#include <memory>

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/image.h>

#include <vorn/controls/horizon_model.h>
#include <vorn/framework/control.h>
#include <vorn/framework/control_group.h>
#include <vorn/util/bitmap.h>
#include <vorn/util/filter.h>

namespace vorn {

namespace detail {
class HorizonFace;
}

/// An attitude indicator: roll set by the ends of the horizon line, pitch by a handle on
/// the perpendicular axis.
class VornAHorizonControl : public VornControl {
public:
    /// No window yet: Create must follow.
    VornAHorizonControl();
    /// An indicator about (cx, cy) whose roll handles lie on the given radius; the face
    /// image (with alpha, round) is centred there. Roll 0, pitch 0.5 (level).
    VornAHorizonControl(const BitmapA* image, int cx, int cy, int radius, int x, int y, int w, int h,
                        wxWindow* parent, int id, VornControlGroupValue* group, long style = 0);
    /// Lets go of the shared pictures.
    ~VornAHorizonControl() override;
    /// Makes the window of a default-constructed indicator (same arguments as the constructor).
    virtual bool Create(const BitmapA* image, int cx, int cy, int radius, int x, int y, int w, int h,
                        wxWindow* parent, int id, VornControlGroupValue* group, long style = 0);
    using VornControl::Create;

    /// The value group the control reports to, or null.
    VornControlGroupValue* GetGroup() const { return dynamic_cast<VornControlGroupValue*>(m_group); }
    /// True from a press that grabbed a handle until the release.
    bool WeCurrentlyDragging() const { return m_draggingAny; }

    /// The roll in turns.
    float GetValue() const { return m_model.GetRoll(); }
    /// Sets the roll in turns and places the handles; no notification.
    void SetValue(float roll);
    /// The pitch, 0..1 (0.5 level).
    float GetPitchValue() const { return m_model.GetPitch(); }
    /// Sets the pitch, clamped to 0..1; no notification.
    void SetPitchValue(float pitch);
    /// The roll handle A, in client coordinates.
    void GetCurPosition(int& x, int& y) const;

    /// The handle arithmetic, for hosts and tests.
    const HorizonModel& GetModel() const { return m_model; }

    /// Draws the picture of the current roll and pitch, composed when it is not kept yet.
    void OnDraw(wxDC* dc) override;

protected:
    /// A press grabs the handles under it; the release lets them go.
    void OnMouseButton() override;
    /// Drags the first grabbed handle.
    void OnMouseMove(int x, int y) override;
    /// Disabling lets the handles go.
    void OnEnable(bool enabled) override;

private:
    /// Draws the face, the ball and the overlays of the current state into `target`.
    void Paint(Filter& target);
    void EndDrag();

    const BitmapA* m_image = nullptr;
    HorizonModel m_model;
    float m_drawnRoll = -1000.0f;
    float m_drawnPitch = -1000.0f;
    std::shared_ptr<detail::HorizonFace> m_face; // shared with indicators of the same look
    wxBitmap m_picture; // the last picture, where the shared pictures cannot key it
    bool m_draggingAny = false;
};

} // namespace vorn

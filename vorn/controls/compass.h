#pragma once
// VornCompassControl: a heading tape. Dragging sideways scrolls a strip image behind a
// mask and a frame; the value is the heading as a fraction of a turn (see CompassModel).
// It reports each drag step as a selection on its group and sends no hints. Each tape
// offset is composed once from the images and kept, so a drag step copies a bitmap.
#include <memory>

#include <wx/dc.h>

#include <vorn/controls/compass_model.h>
#include <vorn/framework/control.h>
#include <vorn/util/bitmap.h>

namespace vorn {

namespace detail {
class StripFace;
}

/// A heading tape: the heading in turns, changed by dragging the tape sideways.
class VornCompassControl : public VornControl {
public:
    /// No window yet: Create must follow.
    VornCompassControl();
    /// A compass of the given geometry. The frame is drawn last and its size is the drawn
    /// size; the mask's size is that of the window onto the tape, which must be one turn
    /// (321 pixels) wider than the mask.
    VornCompassControl(const BitmapA* frame, const BitmapA* tape, const BitmapA* mask, int x, int y, int w, int h,
                       wxWindow* parent, int id, VornControlGroup* group, long style = 0);
    /// Releases the kept pictures.
    ~VornCompassControl() override;
    /// Makes the window of a default-constructed compass (same arguments as the constructor).
    virtual bool Create(const BitmapA* frame, const BitmapA* tape, const BitmapA* mask, int x, int y, int w, int h,
                        wxWindow* parent, int id, VornControlGroup* group, long style = 0);
    using VornControl::Create;

    /// The heading in turns, 0..1.
    float GetValue() const { return m_model.GetValue(); }
    /// Sets the heading in turns (whole turns are dropped); no notification.
    void SetValue(float v);
    /// Turns the tape one pixel to the left and reports ControlSelected.
    void MoveLeft();
    /// Turns the tape one pixel to the right and reports ControlSelected.
    void MoveRight();

    /// The tape arithmetic, for hosts that show the offset and for tests.
    const CompassModel& GetModel() const { return m_model; }

    /// The tape window through the mask over black, the frame over it.
    void OnDraw(wxDC* dc) override;

protected:
    /// A press captures the pointer and starts a drag; the release ends it.
    void OnMouseButton() override;
    /// A drag step while a button is down.
    void OnMouseMove(int x, int y) override;

private:
    void ReportSelected();

    CompassModel m_model;
    std::shared_ptr<detail::StripFace> m_face; // shared with compasses of the same images
};

} // namespace vorn

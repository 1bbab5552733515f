#pragma once
// VornTimeControl: a clock-like dial with the mouse behaviour and value of the direction
// dial, drawn from a face and a three-state image set.
//
// The picture, from the bottom up:
//   background colour   where neither image reaches
//   state image         centred on the dial centre and turned with the dial: it carries the
//                       hand, drawn pointing right (+x), so the hand points at the knob
//   face                at the control's origin, not turned: an opaque bezel around a
//                       window (transparent or translucent) through which the hand shows
// A square state image turned about its centre always covers the disc inscribed in it, so
// a face whose window lies inside that disc hides the turned corners. The default skin's
// vorn_time_face.sts (65 x 65, window radius 28.5) and vorn_time_hand.sts (63 x 63) fit
// a dial centred at (32, 32).
// The picture is drawn at the dial's direction rounded to 1/240 of a turn (a quarter of a
// clock minute, 0.5 pixel at 20 pixels from the centre). The pictures are kept by state
// image and direction (about 250 of 65 x 65 fit the store), so that a drag step to a
// direction drawn before only copies pixels.
//
//   pointer       | state
//   --------------+---------------------
//   away          | 2 off
//   over          | 5 off_mouse_over
//   button down   | 9 off_down
// A missing state image is replaced as the image buttons' are (9 -> 5 -> 2).
#include <memory>

#include <vorn/assets/image_cache.h>
#include <vorn/controls/angle_control.h>
#include <vorn/util/bitmap.h>

namespace vorn {

/// A clock-like direction dial drawn from a face and a three-state image set.
class VornTimeControl : public VornAngleControl {
public:
    /// No window yet: Create must follow.
    VornTimeControl();
    /// A dial about (cx, cy) of the given radius, in a window of w x h at (x, y); the image
    /// set and the face are not owned (either may be null).
    VornTimeControl(const VornBitmapACache* cache, const BitmapA* face, int cx, int cy, int radius, int x, int y,
                    int w, int h, wxWindow* parent, int id, VornControlGroupValue* group, long style = 0);
    /// The same in a window of the face's size (the control base's default size without a face).
    VornTimeControl(const VornBitmapACache* cache, const BitmapA* face, int cx, int cy, int radius, int x, int y,
                    wxWindow* parent, int id, VornControlGroupValue* group, long style = 0);
    /// Releases the kept pictures.
    ~VornTimeControl() override;
    /// Makes the window of a default-constructed control (same arguments as the constructor).
    virtual bool Create(const VornBitmapACache* cache, const BitmapA* face, int cx, int cy, int radius, int x,
                        int y, int w, int h, wxWindow* parent, int id, VornControlGroupValue* group,
                        long style = 0);
    /// Makes the window of a default-constructed control, of the face's size.
    virtual bool Create(const VornBitmapACache* cache, const BitmapA* face, int cx, int cy, int radius, int x,
                        int y, wxWindow* parent, int id, VornControlGroupValue* group, long style = 0);
    using VornAngleControl::Create;

    /// The image of the current state (or its stand-in); null without a set or an image.
    const BitmapA* GetImage() const;
    /// The state chosen by the last RecalcState.
    VORNIMAGETYPE GetImageState() const { return m_imageState; }

    /// Chooses the state from the pointer, then clears the dirty flag.
    void RecalcState() override;
    /// Copies the picture of the dial's direction and state image to `dc`, composing it
    /// the first time.
    void OnDraw(wxDC* dc) override;

protected:
    /// The dial's press and release, and a repaint for the state they change.
    void OnMouseButton() override;

private:
    struct Pictures;
    /// The image of the current state or its stand-in, and the state it was found under.
    const BitmapA* FindImage(VORNIMAGETYPE& found) const;
    /// The whole picture, written into the buffer of `p`, with the state image turned by `degrees`.
    void Paint(Pictures& p, const BitmapA* image, double degrees) const;

    const VornBitmapACache* m_cache = nullptr;
    const BitmapA* m_face = nullptr;
    std::unique_ptr<Pictures> m_pictures;
    VORNIMAGETYPE m_imageState = VORN_IMAGE_OFF;
};

} // namespace vorn

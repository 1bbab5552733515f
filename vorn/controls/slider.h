#pragma once
// Horizontal sliders reporting a value 0..1 through a value control group.
//   VornSlider   value model, mouse behaviour, a plain placeholder knob
//   VornSliderA  six bitmaps: left caps by type, fill and knob
//   VornSliderB  a line and a round knob drawn with the imaging layer
//   VornSliderC  a knob bitmap over a track bitmap
// A press outside the knob's band begins no drag, but its release still reports the value.
// The looks keep what the value does not move in bitmaps of their own, so a drag step
// only copies: the knob and what lies left of it.
#include <memory>

#include <wx/bitmap.h>
#include <wx/colour.h>

#include <vorn/controls/slider_model.h>
#include <vorn/framework/value_control.h>

namespace vorn {

/// A horizontal slider with a plain placeholder knob; the base of the slider looks.
class VornSlider : public VornValueControl {
public:
    /// No window yet: Create must follow.
    VornSlider();
    /// A slider of the given size; note the order: height before width.
    VornSlider(int x, int y, int height, int width, wxWindow* parent, int id, VornControlGroupValue* group,
               long style = 0);
    /// Makes the window of a default-constructed slider (same arguments as the constructor).
    virtual bool Create(int x, int y, int height, int width, wxWindow* parent, int id,
                        VornControlGroupValue* group, long style = 0);

    /// The reported value, 0..1.
    double GetValue() const { return m_model.GetReported(); }
    /// Clamps v to 0..1; with notify, sends ControlDrag and a RealValChanging hint.
    void SetValue(double v, bool notify);

    /// The value model, for hosts that lay out around the knob and for tests.
    const SliderModel& GetModel() const { return m_model; }

    /// Draws the knob as a blue square over the window's background.
    void OnDraw(wxDC* dc) override;

protected:
    /// Knob size and travel margins (right == -1: none); the knob goes back to 0.
    void SetupSlider(int left, int knobWidth, int knobHeight, int right);
    /// The knob's left edge in pixels.
    int GetCurPosition() const { return m_model.GetCurPosition(); }
    /// Rows above the knob.
    int GetGap() const { return m_model.GetGap(); }

    /// The value the notifications carry.
    double GetReportedValue() const override { return m_model.GetReported(); }
    /// Only presses in the knob's band begin a drag.
    bool AcceptPress(int x, int y) override;
    /// Grabs the knob, or centres it under a press on the track.
    void OnDragBegin(int x, int y) override;
    /// One horizontal step; finer with the meta key.
    bool OnDragStep(int x, int y) override;
    /// The knob's edge becomes the next jump's origin.
    void OnDragEnd() override { m_model.EndDrag(); }

    SliderModel m_model; ///< The knob position and drag state.
};

/// A slider drawn from bitmaps: a left cap chosen by type, a fill left of the knob, the knob.
class VornSliderA : public VornSlider {
public:
    /// Which left cap is drawn: the three typed caps, or the plain left cap.
    enum SliderType { SLIDER_CAP0 = 0, SLIDER_CAP1 = 1, SLIDER_CAP2 = 2, SLIDER_PLAIN = 3 };

    /// No window yet: Create must follow.
    VornSliderA();
    /// A slider of the given size (height before width) drawn from the given bitmaps.
    VornSliderA(SliderType type, const wxBitmap* leftCap, const wxBitmap* knob, const wxBitmap* cap0,
                const wxBitmap* cap1, const wxBitmap* cap2, const wxBitmap* fill, int x, int y, int height,
                int width, wxColour background, wxWindow* parent, int id, VornControlGroupValue* group,
                long style = 0);
    /// Releases the kept layers.
    ~VornSliderA() override;
    /// Makes the window of a default-constructed slider (same arguments as the constructor).
    virtual bool Create(SliderType type, const wxBitmap* leftCap, const wxBitmap* knob, const wxBitmap* cap0,
                        const wxBitmap* cap1, const wxBitmap* cap2, const wxBitmap* fill, int x, int y,
                        int height, int width, wxColour background, wxWindow* parent, int id,
                        VornControlGroupValue* group, long style = 0);
    using VornSlider::Create;

    /// Chooses the left cap.
    void SetSliderType(SliderType type);
    /// The left cap drawn.
    SliderType GetSliderType() const { return m_type; }
    /// Background and cap, the fill up to the knob, the knob.
    void OnDraw(wxDC* dc) override;

private:
    struct Layers;
    const wxBitmap* LeftCapForType() const;
    /// The layers the value does not move: with and without the fill.
    void MakeLayers();

    const wxBitmap* m_leftCap = nullptr;
    const wxBitmap* m_knob = nullptr;
    const wxBitmap* m_cap0 = nullptr;
    const wxBitmap* m_cap1 = nullptr;
    const wxBitmap* m_cap2 = nullptr;
    const wxBitmap* m_fill = nullptr;
    SliderType m_type = SLIDER_CAP0;
    wxColour m_background;
    std::unique_ptr<Layers> m_layers;
};

/// A slider drawn with the imaging layer: a line up to a round knob.
class VornSliderB : public VornSlider {
public:
    /// No window yet: Create must follow.
    VornSliderB();
    /// A slider of the given size; note the order: width before height (unlike the other sliders).
    VornSliderB(wxColour background, wxColour line, int x, int y, int width, int height, wxWindow* parent,
                int id, VornControlGroupValue* group, long style = 0);
    /// Releases the kept layers.
    ~VornSliderB() override;
    /// Makes the window of a default-constructed slider (same arguments as the constructor).
    virtual bool Create(wxColour background, wxColour line, int x, int y, int width, int height,
                        wxWindow* parent, int id, VornControlGroupValue* group, long style = 0);
    using VornSlider::Create;

    /// Background, the line from the left edge to the knob, the round knob.
    void OnDraw(wxDC* dc) override;

private:
    struct Layers;
    void MakeLayers(int width, int height);

    wxColour m_line;
    wxColour m_background;
    wxSize m_faceSize; // the layers' size, given at Create; they are drawn at the first paint
    std::unique_ptr<Layers> m_layers;
};

/// A slider drawn as a knob bitmap over a track bitmap; it takes the track's size.
class VornSliderC : public VornSlider {
public:
    /// No window yet: Create must follow.
    VornSliderC();
    /// A slider of the track's size whose knob travels between the margins.
    VornSliderC(const wxBitmap* knob, const wxBitmap* track, int leftMargin, int rightMargin, int x, int y,
                wxWindow* parent, int id, VornControlGroupValue* group, long style = 0);
    /// Releases the kept sources.
    ~VornSliderC() override;
    /// Makes the window of a default-constructed slider (same arguments as the constructor).
    virtual bool Create(const wxBitmap* knob, const wxBitmap* track, int leftMargin, int rightMargin, int x,
                        int y, wxWindow* parent, int id, VornControlGroupValue* group, long style = 0);
    using VornSlider::Create;

    /// The track, then the knob one pixel below the track's top.
    void OnDraw(wxDC* dc) override;

private:
    struct Layers;
    std::unique_ptr<Layers> m_layers;
};

} // namespace vorn

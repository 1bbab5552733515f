#pragma once
// Horizontal sliders reporting a value 0..1 through a value control group.
//   VornSlider   value model, mouse behaviour, a plain placeholder knob
//   VornSliderA  six bitmaps: left caps by type, fill and knob
//   VornSliderB  a line and a round knob drawn with the imaging layer
//   VornSliderC  a knob bitmap over a track bitmap
#include <memory>

#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/image.h>

#include <vorn/controls/slider_model.h>
#include <vorn/framework/control.h>
#include <vorn/framework/control_group.h>

namespace vorn {

class VornSlider : public VornControl {
public:
    VornSlider();
    // Note the order: height before width.
    VornSlider(int x, int y, int height, int width, wxWindow* parent, int id, VornControlGroupValue* group,
               long style = 0);
    virtual bool Create(int x, int y, int height, int width, wxWindow* parent, int id,
                        VornControlGroupValue* group, long style = 0);

    virtual VornControlGroupValue* GetGroup();

    double GetValue() const { return m_model.GetReported(); }
    // Clamps v to 0..1; with notify, sends ControlDrag and a RealValChanging hint.
    void SetValue(double v, bool notify);

    bool IsDragging() const { return m_dragging; }
    // The value model, for hosts that lay out around the knob and for tests.
    const SliderModel& GetModel() const { return m_model; }

    void OnDraw(wxDC* dc) override;

protected:
    void OnMouseMove(int x, int y) override;
    void OnMouseButton() override;
    // Disabling during a drag ends it as a release would.
    void OnEnable(bool enabled) override;

    void SetupSlider(int left, int knobWidth, int knobHeight, int right);
    int GetCurPosition() const { return m_model.GetCurPosition(); }
    int GetGap() const { return m_model.GetGap(); }

    SliderModel m_model;
    bool m_dragging = false;
    VornControlGroupValue* m_valueGroup = nullptr;

private:
    void Press();
    void Release();
    void DrawNow();
};

class VornSliderA : public VornSlider {
public:
    // Which left cap is drawn: the three typed caps, or the plain left cap.
    enum SliderType { SLIDER_CAP0 = 0, SLIDER_CAP1 = 1, SLIDER_CAP2 = 2, SLIDER_PLAIN = 3 };

    VornSliderA();
    VornSliderA(SliderType type, const wxBitmap* leftCap, const wxBitmap* knob, const wxBitmap* cap0,
                const wxBitmap* cap1, const wxBitmap* cap2, const wxBitmap* fill, int x, int y, int height,
                int width, wxColour background, wxWindow* parent, int id, VornControlGroupValue* group,
                long style = 0);
    virtual bool Create(SliderType type, const wxBitmap* leftCap, const wxBitmap* knob, const wxBitmap* cap0,
                        const wxBitmap* cap1, const wxBitmap* cap2, const wxBitmap* fill, int x, int y,
                        int height, int width, wxColour background, wxWindow* parent, int id,
                        VornControlGroupValue* group, long style = 0);

    void SetSliderType(SliderType type);
    SliderType GetSliderType() const { return m_type; }
    void OnDraw(wxDC* dc) override;

private:
    const wxBitmap* LeftCapForType() const;

    const wxBitmap* m_leftCap = nullptr;
    const wxBitmap* m_knob = nullptr;
    const wxBitmap* m_cap0 = nullptr;
    const wxBitmap* m_cap1 = nullptr;
    const wxBitmap* m_cap2 = nullptr;
    const wxBitmap* m_fill = nullptr;
    SliderType m_type = SLIDER_CAP0;
    wxBitmap m_backBuffer;
    wxColour m_background;
};

class VornSliderB : public VornSlider {
public:
    VornSliderB();
    // Note the order: width before height (unlike the other sliders).
    VornSliderB(wxColour background, wxColour line, int x, int y, int width, int height, wxWindow* parent,
                int id, VornControlGroupValue* group, long style = 0);
    virtual bool Create(wxColour background, wxColour line, int x, int y, int width, int height,
                        wxWindow* parent, int id, VornControlGroupValue* group, long style = 0);

    void OnDraw(wxDC* dc) override;

private:
    wxColour m_line;
    wxColour m_background;
    std::unique_ptr<wxImage> m_image; // the drawing buffer, of the window's size
};

class VornSliderC : public VornSlider {
public:
    VornSliderC();
    VornSliderC(const wxBitmap* knob, const wxBitmap* track, int leftMargin, int rightMargin, int x, int y,
                wxWindow* parent, int id, VornControlGroupValue* group, long style = 0);
    virtual bool Create(const wxBitmap* knob, const wxBitmap* track, int leftMargin, int rightMargin, int x,
                        int y, wxWindow* parent, int id, VornControlGroupValue* group, long style = 0);

    void OnDraw(wxDC* dc) override;

private:
    const wxBitmap* m_knob = nullptr;
    const wxBitmap* m_track = nullptr;
};

} // namespace vorn

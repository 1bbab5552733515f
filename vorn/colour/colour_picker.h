#pragma once
// The colour picker: a hue/value field, a saturation bar with step buttons and six edit
// boxes (red, green, blue, hue, saturation, value). The parts keep each other in step
// only through colour hints on the picker's own group; hosts hear the colour by
// registering their receivers on that group (GetPickerGroup).
#include <functional>

#include <wx/bitmap.h>

#include <vorn/assets/skin_info.h>
#include <vorn/colour/colour_hints.h>
#include <vorn/colour/colour_picker_model.h>
#include <vorn/controls/button_moment.h>
#include <vorn/framework/control.h>
#include <vorn/framework/control_group.h>
#include <vorn/text_lists/edit.h>

namespace vorn {

class VornwxBitmapCache;

/// The shared base of the picker's parts: the current colour (HSV and RGB) and the
/// previous colour, kept in step by the colour hints of other controls.
class ColourPickerComp : public VornControl {
public:
    /// No window yet: Create must follow.
    ColourPickerComp() = default;
    /// Takes the colour hints of other controls, marks dirty and repaints.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;
    /// The current colour as hue, saturation, value.
    const Color& GetCurrentHSV() const { return m_hsv; }
    /// The current colour as red, green, blue.
    const Color& GetCurrentRGB() const { return m_rgb; }
    /// The starting colour as red, green, blue.
    const Color& GetPreviousRGB() const { return m_prev; }

protected:
    /// Sends the current HSV colour on the group with this part as sender.
    void SendCurrentHSV();
    /// The hue of the previous colour.
    double PreviousHue() const;

    Color m_hsv; ///< Current colour as HSV.
    Color m_rgb; ///< Current colour as RGB.
    Color m_prev; ///< Previous colour as RGB.
};

/// The hue/value field: hue across, value down, a grey strip at the bottom, a ring marker.
class HueValueControl : public ColourPickerComp {
public:
    /// No window yet: Create must follow.
    HueValueControl() = default;
    /// A field of the given geometry on the picker's group.
    HueValueControl(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group,
                    long style = 0);
    using ColourPickerComp::Create;
    /// The face (built once per size), then the marker of the current colour.
    void OnDraw(wxDC* dc) override;
    /// The marker place and pick tables of the current size.
    const HueValueFieldModel& GetModel();

protected:
    /// A press picks the colour under the pointer.
    void OnMouseDownLeft() override;
    /// Dragging with the left button held keeps picking.
    void OnMouseMove(int x, int y) override;

private:
    void Resize();
    void PickAt(int x, int y);

    HueValueFieldModel m_model;
    wxBitmap m_face;
};

/// The saturation bar with its marker, previewing the current and previous colours.
class SaturationPreview : public ColourPickerComp {
public:
    /// No window yet: Create must follow.
    SaturationPreview() = default;
    /// A bar of the given geometry on the picker's group.
    SaturationPreview(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group,
                      long style = 0);
    using ColourPickerComp::Create;
    /// After the part update, moves the marker when the saturation changed.
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;
    /// The swatches, the saturation ramp and the marker.
    void OnDraw(wxDC* dc) override;
    /// One row up (true) or down; does nothing at the end rows.
    void Step(bool up);
    /// The marker row and drag state.
    SaturationBarModel& GetModel() { return m_model; }

protected:
    /// Press: marker drag, or a click on the bar; release ends a drag.
    void OnMouseDownLeft() override;
    /// Click-drag arming and dragging.
    void OnMouseMove(int x, int y) override;

private:
    void Apply(const SaturationBarEvent& e);

    SaturationBarModel m_model;
};

/// A composite control choosing a colour in a hue/value field, a saturation bar and six
/// edit boxes, showing the colour the user started from.
class ColourPicker : public ColourPickerComp {
public:
    /// Ids of the parts.
    enum PartId {
        kField = 101, ///< Hue/value field.
        kBar = 102, ///< Saturation bar.
        kRedEdit = 103, ///< First edit box (red); the others follow: green, blue, hue, saturation, value.
        kSatDown = 109, ///< Saturation-down button.
        kSatUp = 110 ///< Saturation-up button.
    };
    /// The look the host hands to Create.
    struct RESOURCES {
        /// An edit box's skin.
        struct EditSkin {
            const wxBitmap* bitmap = nullptr; ///< Skin bitmap (set to null by Create).
            VornEditInfo info; ///< Skin values.
        };
        EditSkin edits[6]; ///< Red, green, blue, hue, saturation, value.
        const VornwxBitmapCache* satUp = nullptr; ///< Saturation-up button images.
        const VornwxBitmapCache* satDown = nullptr; ///< Saturation-down button images.
    };

    /// No window yet: Create must follow. The colour is pure red, the previous colour (0, 1, 0.5).
    ColourPicker();
    /// A picker made at once (same arguments as Create).
    ColourPicker(RESOURCES& res, int x, int y, int width, int height, wxWindow* parent, int id,
                 VornControlGroup* group, long style = 0);
    /// Deletes the field and the bar.
    ~ColourPicker() override;
    /// Makes the window and its parts; false if any part fails.
    virtual bool Create(RESOURCES& res, int x, int y, int width, int height, wxWindow* parent, int id,
                        VornControlGroup* group, long style = 0);
    using ColourPickerComp::Create;

    /// Sends the previous colour on the picker's group.
    void SetInitialRGB(const Color& rgb);
    /// Sends the current colour as RGB on the picker's group.
    void SetColourRGB(const Color& rgb);
    /// Sends the current colour as HSV on the picker's group.
    void SetColourHSV(const Color& hsv);
    /// The current colour as RGB.
    Color GetColourRGB() const { return m_rgb; }
    /// Sets the foreground colour of the picker and its parts.
    void SetFgColour(const Color& colour);
    /// Sets the background colour of the picker and its parts.
    void SetBgColour(const Color& colour);
    using ColourPickerComp::SetBgColour;
    using ColourPickerComp::SetFgColour;

    /// Colour hints, edit commits and step buttons (its own updates are ignored).
    void OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint) override;
    /// Fills the client area with the background colour.
    void OnDraw(wxDC* dc) override;

    /// The group the parts talk on; hosts register their receivers here.
    VornControlGroup* GetPickerGroup() { return &m_pickerGroup; }
    /// The hue/value field (null before Create).
    HueValueControl* GetField() const { return m_field; }
    /// The saturation bar (null before Create).
    SaturationPreview* GetBar() const { return m_bar; }
    /// Edit box 0..5: red, green, blue, hue, saturation, value.
    VornEdit* GetEdit(int i) { return i >= 0 && i < 6 ? &m_edits[i] : nullptr; }
    /// The saturation-up button.
    VornMomentBtn* GetSatUp() { return &m_satUp; }
    /// The saturation-down button.
    VornMomentBtn* GetSatDown() { return &m_satDown; }

private:
    void UpdateEditRGB(const Color& rgb);
    void UpdateEditHSV(const Color& hsv);
    void UpdateEdits(int first, const Color& c);
    void Send(ColourHint& hint, VornControl* sender);
    void ForEachPart(const std::function<void(VornWindow&)>& f);

    HueValueControl* m_field = nullptr;
    SaturationPreview* m_bar = nullptr;
    VornControlGroup m_pickerGroup;
    // Declared after the group: they leave it before it goes.
    VornEdit m_edits[6];
    VornMomentBtn m_satDown;
    VornMomentBtn m_satUp;
    bool m_refreshingEdits = false;
};

} // namespace vorn

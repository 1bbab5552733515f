#pragma once
// Image buttons: controls that show one of eight state images of a button image set and
// turn mouse presses into group notifications.
//   VornButton        shows its state only (also the base of the family)
//   VornPushButton    press: ControlSelected; release over the button: ControlUnSelected
//   VornButtonToggle  each click flips on/off, with an IntValChanged 1 or 0
//   VornRadioButton   one of a 1-of-N group; the group records the choice
// The moment, moon and sizer buttons are in button_moment.h and button_drag.h.
#include <vorn/assets/image_cache.h>
#include <vorn/framework/control.h>
#include <vorn/framework/control_group.h>
#include <vorn/framework/on_off_control.h>

namespace vorn {

/// An image button that shows its state only; the base of the button family.
class VornButton : public VornControl, public VornOnOffControl {
public:
    /// No window yet: Create must follow.
    VornButton();
    /// A button of the given size showing the set's images.
    VornButton(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
               VornControlGroup* group, long style = 0);
    /// A button of the size of the set's images.
    VornButton(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id, VornControlGroup* group,
               long style = 0);

    /// Keeps the given size, also with a cache.
    virtual bool Create(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                        VornControlGroup* group, long style = 0);
    /// Takes the size of the cache's images; without a cache, the control base's size.
    virtual bool Create(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                        VornControlGroup* group, long style = 0);

    /// The programmatic setter: never tells the group.
    void SetOn(bool on) override;
    /// The on flag.
    bool GetOn() const override { return m_on; }
    /// A host-held flag; toggles and radio buttons ignore the mouse while it is set.
    virtual void SetButtonDown(bool down);
    /// The host-held flag.
    virtual bool GetButtonDown() const { return m_buttonDown; }

    /// Does not resize the window.
    void SetImageCache(const VornwxBitmapCache* cache);
    /// The image set, or null.
    const VornwxBitmapCache* GetImageCache() const { return m_cache; }
    /// The state image chosen by the last recalculation (0 before the first).
    VORNIMAGETYPE GetImageState() const { return m_imageState; }

    /// Draws the image of the current state at the DC's origin.
    void OnDraw(wxDC* dc) override;
    /// Chooses the state image from the flags.
    void RecalcState() override;

protected:
    /// The held flag changed: repaints.
    virtual void OnButtonDown() { Refresh(false); }
    /// Tracks the held flag with the buttons and repaints.
    void OnMouseButton() override;

    /// The region to draw for the current state, after the stand-in chain.
    bool GetImageInfo(WallpaperImageInfo<wxBitmap>& info);
    /// Both Create forms end here after the window exists.
    bool FinishCreate(bool ok, const VornwxBitmapCache* cache, bool sizeToCache);
    /// The id and this button, for the group calls; nothing without a group.
    void NotifySelected();
    /// ControlUnSelected with the id and this button; nothing without a group.
    void NotifyUnSelected();
    /// Update with the id, this button and the hint; nothing without a group.
    void NotifyUpdate(VornControlHint* hint);
    /// Redraw for a press or release; the down images show at once.
    void RefreshPressed();

    VORNIMAGETYPE m_imageState = VORN_IMAGE_NONE; ///< The image to draw, worked out by RecalcState.
    bool m_on = false; ///< The on flag.
    bool m_buttonDown = false; ///< The host-held down flag (SetButtonDown).
    const VornwxBitmapCache* m_cache = nullptr; ///< The button images (not owned), or null.

private:
    void Init();
};

/// A button that reports its press and a release over it.
class VornPushButton : public VornButton {
public:
    using VornButton::VornButton;

protected:
    /// Reports the press, and the release when it is over the button.
    void OnMouseButton() override;
};

/// A button that flips on and off with each click and reports the new state.
class VornButtonToggle : public VornButton {
public:
    using VornButton::VornButton;

protected:
    /// Flips on the release and reports the new state; the press only shows.
    void OnMouseButton() override;
};

/// One button of a 1-of-N group: a click chooses it.
class VornRadioButton : public VornButton {
public:
    /// No window yet: Create must follow.
    VornRadioButton() = default;
    /// A radio button of the given size in the group.
    VornRadioButton(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                    VornControlGroup1ofN* group, long style = 0);
    /// A radio button of the size of the set's images in the group.
    VornRadioButton(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                    VornControlGroup1ofN* group, long style = 0);

    /// The 1-of-N group, or null.
    virtual VornControlGroup1ofN* GetGroup() { return m_radioGroup; }
    /// Both reset the toggle flag: SetToggle belongs after Create.
    virtual bool Create(const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent, int id,
                        VornControlGroup1ofN* group, long style = 0);
    /// The same, at the size of the set's images.
    virtual bool Create(const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                        VornControlGroup1ofN* group, long style = 0);
    /// With the toggle flag a click on an "on" radio button switches it off.
    void SetToggle(bool toggle) { m_toggle = toggle; }
    /// The toggle flag.
    bool GetToggle() const { return m_toggle; }

protected:
    /// Chooses the button on the release; an "on" one switches off only when it may toggle.
    void OnMouseButton() override;
    /// Switches this button on and the others of the group off, and reports the choice.
    void Choose();

    /// The group that keeps one button on (not owned), or null.
    VornControlGroup1ofN* m_radioGroup = nullptr;
    bool m_toggle = false; ///< An on button switches off when clicked again.

private:
    void InitRadio(VornControlGroup1ofN* group);
};

} // namespace vorn

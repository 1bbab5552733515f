#pragma once
// Image buttons that open a VornMenu beside themselves.
//   VornPopUpButton    the menu opens below the button (above when there is no room),
//                      optionally over a backdrop frame
//   VornPopSideButton  the menu opens at the right of the button (left when there is no
//                      room) and the press is reported as ControlSelected
// A press on an "off" button switches it on and opens the menu; while on, presses do
// nothing. The menu reports picks through its own groups and calls Reset() when it closes
// (click outside, focus loss, Escape, a pick), which switches the button off again.
#include <wx/frame.h>
#include <wx/weakref.h>

#include <vorn/controls/button.h>
#include <vorn/text_lists/menu.h>

namespace vorn {

/// The part both menu buttons share: the menu, its placement, opening and Reset.
class VornPopMenuButton : public VornButton {
public:
    /// No window yet: Create must follow.
    VornPopMenuButton() = default;
    /// Tells the menu it no longer has an opener; destroys the backdrop.
    ~VornPopMenuButton() override;

    using VornButton::Create;
    /// A button of the given size opening `menu` (not owned). `gap`: pixels between the
    /// button and the menu (negative counts as 0); `backdrop` 1: a frame behind the menu.
    virtual bool Create(const VornwxBitmapCache* cache, VornMenu* menu, int x, int y, int w, int h, int gap,
                        int backdrop, wxWindow* parent, int id, VornControlGroup* group, long style = 0);
    /// The same at the size of the set's images.
    virtual bool Create(const VornwxBitmapCache* cache, VornMenu* menu, int x, int y, int gap, int backdrop,
                        wxWindow* parent, int id, VornControlGroup* group, long style = 0);

    /// Makes this button the menu's opener and moves the menu beside the button.
    void SetUpMenu();
    /// Switches off, lets the button go, hides the menu and the backdrop.
    void Reset() override;
    /// The menu, or null (also once it is destroyed).
    VornMenu* GetMenu() const { return m_menu.get(); }
    /// The backdrop frame, or null until first needed.
    wxFrame* GetBackdrop() const { return m_backdrop.get(); }

    /// Adds a radio line to the menu.
    void AppendRadioItem(const wxString& text, int id, VornControlGroup* group);
    /// Adds a selectable line to the menu.
    void AppendSelectItem(const wxString& text, int id, VornControlGroup* group);
    /// Adds a separator to the menu.
    void AppendLineBreak();
    /// Changes a line's text; false without a menu or such a line.
    bool SetItemText(int id, const wxString& text);
    /// Deletes the line at a position; false without a menu or such a line.
    bool DeleteItemPos(int pos);
    /// Deletes the line with an id; false without a menu or such a line.
    bool DeleteItemID(int id);
    /// The position of the line with an id, or -1.
    int FindItem(int id) const;
    /// Deletes every line.
    void ClearAll();
    /// The number of lines (0 without a menu).
    int GetCount() const;
    /// The selected radio id (0 without a menu).
    int GetSelected() const;
    /// Selects a radio line by id.
    void SetSelected(int id);

protected:
    /// Opens the menu on a press while off.
    void OnMouseButton() override;
    /// Where the menu goes, in screen pixels, given the button's screen rectangle (keep
    /// Gap() pixels between them).
    virtual wxRect PlaceMenu(const wxRect& button, const wxSize& menu, const wxRect& display) const = 0;
    /// Runs after the menu is shown; nothing here.
    virtual void OnMenuOpened() {}
    /// Whether a backdrop frame goes behind the menu.
    virtual bool WantsBackdrop() const { return false; }

    /// The gap between button and menu in pixels (the first placement number, at least 0).
    int Gap() const { return m_gap > 0 ? m_gap : 0; }

    int m_gap = -1; ///< First placement number: the gap between button and menu.
    int m_backdropMode = -1; ///< Second placement number: 1 shows the backdrop.

private:
    bool FinishMenu(bool ok, VornMenu* menu, int gap, int backdrop);
    void ShowBackdrop(const wxRect& menuRect);

    wxWeakRef<VornMenu> m_menu;
    wxWeakRef<wxFrame> m_backdrop;
};

/// An image button that opens its menu below itself.
class VornPopUpButton : public VornPopMenuButton {
public:
    /// No window yet: Create must follow.
    VornPopUpButton() = default;
    /// A button of the size of the set's images (see VornPopMenuButton::Create).
    VornPopUpButton(const VornwxBitmapCache* cache, VornMenu* menu, int x, int y, int p1, int p2, wxWindow* parent,
                    int id, VornControlGroup* group, long style = 0);
    /// A button of the given size.
    VornPopUpButton(const VornwxBitmapCache* cache, VornMenu* menu, int x, int y, int w, int h, int p1, int p2,
                    wxWindow* parent, int id, VornControlGroup* group, long style = 0);

protected:
    /// Below the button, or above it when there is no room below.
    wxRect PlaceMenu(const wxRect& button, const wxSize& menu, const wxRect& display) const override;
    /// With the second placement number 1.
    bool WantsBackdrop() const override { return m_backdropMode == 1; }
};

/// An image button that opens its menu at its side and reports the press.
class VornPopSideButton : public VornPopMenuButton {
public:
    /// No window yet: Create must follow.
    VornPopSideButton() = default;
    /// A button of the size of the set's images (see VornPopMenuButton::Create).
    VornPopSideButton(const VornwxBitmapCache* cache, VornMenu* menu, int x, int y, int p1, int p2,
                      wxWindow* parent, int id, VornControlGroup* group, long style = 0);
    /// A button of the given size.
    VornPopSideButton(const VornwxBitmapCache* cache, VornMenu* menu, int x, int y, int w, int h, int p1, int p2,
                      wxWindow* parent, int id, VornControlGroup* group, long style = 0);

protected:
    /// Right of the button, or left when there is no room on the right.
    wxRect PlaceMenu(const wxRect& button, const wxSize& menu, const wxRect& display) const override;
    /// ControlSelected on the button's group.
    void OnMenuOpened() override { NotifySelected(); }
};

} // namespace vorn

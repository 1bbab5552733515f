#pragma once
// VornListButton: an image push button that opens the pop-up list of its items when
// pressed. It shows no text of its own; the choice reaches the group as ControlSelected.
#include <wx/font.h>

#include <vorn/assets/skin_info.h>
#include <vorn/controls/button.h>
#include <vorn/text_lists/list_box.h>

namespace vorn {

class VornListButton;

/// The host refills a list button just before its list opens.
class LButDisplayCallback {
public:
    virtual ~LButDisplayCallback() = default;
    /// Called before the list of `button` opens.
    virtual void UpDateData(VornListButton* button) = 0;
};

/// A push button that opens a pop-up list.
class VornListButton : public VornPushButton, public VornListBoxCallback, public VornListBoxItems {
public:
    /// No window yet: Create must follow.
    VornListButton();
    /// A button of the skin's image size at (x, y) with the default font.
    VornListButton(VornListBoxInfo& info, int x, int y, wxWindow* parent, int id, VornControlGroup* group,
                   long style = 0);
    /// The same with the given font.
    VornListButton(VornListBoxInfo& info, int x, int y, wxWindow* parent, wxFont& font, int id,
                   VornControlGroup* group, long style = 0);

    /// Makes the button from the skin's images, with the default font.
    virtual bool Create(VornListBoxInfo& info, int x, int y, wxWindow* parent, int id, VornControlGroup* group,
                        long style = 0);
    /// The same with the given font.
    virtual bool Create(VornListBoxInfo& info, int x, int y, wxWindow* parent, wxFont& font, int id,
                        VornControlGroup* group, long style = 0);
    using VornPushButton::Create;

    /// The selected index, or -1.
    int GetSelected() override { return m_selected; }
    /// Selects an index; with `notify`, the group gets ControlSelected.
    void SetSelected(int index, bool notify) override;
    /// As VornWindow.
    bool Show(bool show) override { return VornPushButton::Show(show); }
    /// Forgets the list that is closing; the button comes back up.
    void OnPopupClosed() override;

    /// Sets the callback run before the list opens (not owned; null: none).
    void SetDisplayCallback(LButDisplayCallback* cb) { m_displayCallback = cb; }
    /// The callback run before the list opens, or null.
    LButDisplayCallback* GetDisplayCallback() const { return m_displayCallback; }
    /// The width the list opens at: the button's, or wider to fit the widest text.
    int PopupWidth() const;

    /// Toolkit handler: keys go to the open list, else to the parents.
    void LocalKeyDown(wxKeyEvent& event);
    /// Toolkit handler: typed characters go to the open list.
    void LocalChar(wxKeyEvent& event);

protected:
    /// A press opens the list (a release only shows).
    void OnMouseButton() override;

    VornListBoxInfo m_info;                 ///< The skin values for the list.
    wxFont m_font;                          ///< The font of the list.
    int m_selected = -1;                    ///< The selected index, or -1.
    bool m_ownFont = false;                 ///< The font came from the creator.
    LButDisplayCallback* m_displayCallback = nullptr; ///< Runs before opening (not owned).

private:
    wxDECLARE_EVENT_TABLE();
};

} // namespace vorn

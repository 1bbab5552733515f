#pragma once
// VornMenu: a borderless pop-up frame holding a vertical menu of windowless entries, built
// from MENUITEM records by the first character of each label:
//   '@' title line, '%' selectable text line, '*' radio line, '-' separator; any other
//   first character makes no line.
// Entries are VirtualButtons registered by id in a control group: picking one calls that
// group's ControlSelected(id, entry), which is how the host hears of it. A radio line is
// switched on when picked and the other radio lines of its group in this menu go off.
//
// Mouse and keys (client coordinates):
//   left down outside the frame, focus lost, Escape   the owner's Reset() closes the menu
//   motion strictly inside                            hover follows the pointer
//   left up on a text or radio line                   pick it, then close
//   Up/Down/Home/End, typing                          move the highlight over text and
//                                                     radio lines; Enter picks it
#include <string>
#include <vector>

#include <wx/font.h>
#include <wx/weakref.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/image_cache.h>
#include <vorn/controls/virtual_button.h>
#include <vorn/framework/control.h>
#include <vorn/text_lists/popup_frame.h>
#include <vorn/text_lists/popup_navigation.h>

namespace vorn {

class VornMenu;

/// The colours of a menu entry.
struct VornMenuColours {
    wxColour normal;    ///< Face and text when not hovered.
    wxColour second;    ///< Text background and separator line.
    wxColour highlight; ///< Face and text while hovered.
};

/// One line of a menu: a windowless button drawn and fed by its menu.
class VornMenuItem : public VirtualButton {
public:
    /// A line of `menu` at its row, registered with `group` under `id`.
    VornMenuItem(VornMenu* menu, const std::string& text, int id, VornControlGroup* group);

    /// A release at (x, y) of the menu's client area; false when the line takes no clicks.
    virtual bool MenuMouseUp(int x, int y);
    /// Pointer motion at (x, y): the line is hovered while the point is strictly inside it.
    virtual void MenuMouseMove(int x, int y);
    /// Draws the line into its own bitmap, then copies that to its rectangle of `dc`.
    virtual void DrawEntry(wxDC& dc);
    /// Whether the line can be highlighted and picked.
    virtual bool IsSelectable() const { return false; }

    /// The text shown (UTF-8).
    const std::string& GetText() const { return m_text; }
    /// Replaces the text and repaints the menu.
    void SetText(const std::string& text);
    /// The id the line was made with.
    int GetItemId() const { return m_itemId; }
    /// Whether the pointer or the keyboard highlight is on the line.
    bool IsHovered() const { return m_hovered; }
    /// Sets the hover state and the current colour with it.
    void SetHovered(bool hovered);
    /// The colour the line is drawn in now: normal, or highlight while hovered.
    wxColour GetCurrentColour() const { return m_current; }
    /// True when (x, y) lies strictly inside the line's rectangle.
    bool HitStrictly(int x, int y) const;

protected:
    /// Drops the hover highlight when the menu is shown or hidden.
    void OnShow() override { SetHovered(false); }
    /// Drops the hover highlight.
    void OnHide() override { SetHovered(false); }
    /// Draws the face into `dc`, which holds the line's own bitmap.
    virtual void DrawFace(wxDC& dc);
    /// Clears with the current colour and draws the text at x in `font` over the second colour.
    void DrawLabel(wxDC& dc, const wxFont& font, int x);

    VornMenu* m_menu; ///< The menu holding the line (not owned).
    std::string m_text; ///< The text shown.
    VornMenuColours m_colours; ///< The line's colours.
    wxColour m_current; ///< The colour in use: normal or highlight.
    bool m_hovered = false; ///< Hovered by the pointer or the keyboard.
    int m_itemId; ///< The id the line was made with.

private:
    wxBitmap m_face;
};

/// A title line in the menu's first font; takes no clicks.
class VornMenuTitleEntry : public VornMenuItem {
public:
    using VornMenuItem::VornMenuItem;

protected:
    /// The text at (10, 0) in the first font.
    void DrawFace(wxDC& dc) override;
};

/// A selectable text line.
class VornMenuTextEntry : public VornMenuItem {
public:
    using VornMenuItem::VornMenuItem;
    /// A release strictly inside picks the line.
    bool MenuMouseUp(int x, int y) override;
    /// Text lines can be picked.
    bool IsSelectable() const override { return true; }

protected:
    /// The text at (15, 0) in the second font.
    void DrawFace(wxDC& dc) override;
};

/// A selectable text line with a radio mark showing its on state.
class VornMenuRadioEntry : public VornMenuTextEntry {
public:
    using VornMenuTextEntry::VornMenuTextEntry;
    /// On: 3, or 4 hovered; off: 2, or 5 hovered.
    void RecalcState() override;

protected:
    /// The text line, then the mark of the state at (0, 4) when the menu's set has it.
    void DrawFace(wxDC& dc) override;
};

/// A separator: a line of the second colour across the middle; takes no clicks.
class VornMenuBreakEntry : public VornMenuItem {
public:
    using VornMenuItem::VornMenuItem;
    /// Takes no clicks.
    bool MenuMouseUp(int x, int y) override;

protected:
    /// Clears and draws the separator.
    void DrawFace(wxDC& dc) override;
};

/// A borderless pop-up menu of title, text, radio and separator lines.
class VornMenu : public VornPopupFrame {
public:
    /// What a label's first character makes.
    enum class EntryKind { None, Title, Text, Radio, Break };
    /// The kind a label makes and the text it shows (the label without its first character).
    static EntryKind KindOf(const wxString& label, std::string* text = nullptr);

    /// No frame yet: Create must follow.
    VornMenu() = default;
    /// A hidden menu at screen (x, y) of the given items. c1 frame, c2 highlight, c3 lines,
    /// c4 text background and separators; `first` for titles and measuring, `second` for lines.
    VornMenu(const std::vector<MENUITEM>& items, const VornwxBitmapCache* cache, const wxColour& c1,
             const wxColour& c2, const wxColour& c3, const wxColour& c4, const wxFont& first, const wxFont& second,
             int x, int y, VornControlGroup* group, wxWindow* parent, int id, long style = kPopupStyle);
    /// The same without items: an empty menu.
    VornMenu(const VornwxBitmapCache* cache, const wxColour& c1, const wxColour& c2, const wxColour& c3,
             const wxColour& c4, const wxFont& first, const wxFont& second, int x, int y, VornControlGroup* group,
             wxWindow* parent, int id, long style = kPopupStyle);
    /// Deletes the lines (each leaves its group).
    ~VornMenu() override;

    using VornPopupFrame::Create;
    /// Makes the hidden frame, then the lines.
    virtual bool Create(const std::vector<MENUITEM>& items, const VornwxBitmapCache* cache, const wxColour& c1,
                        const wxColour& c2, const wxColour& c3, const wxColour& c4, const wxFont& first,
                        const wxFont& second, int x, int y, VornControlGroup* group, wxWindow* parent, int id,
                        long style = kPopupStyle);

    /// Hides the menu, clears the selection and lays the lines out.
    void SetupMenu();
    /// Makes the lines of the items given at creation.
    void CreateEntries();

    /// Adds a radio line registered with `group` under `id`.
    void AppendRadioItem(const wxString& text, int id, VornControlGroup* group);
    /// Adds a selectable text line registered with `group` under `id`.
    void AppendSelectItem(const wxString& text, int id, VornControlGroup* group);
    /// Adds a separator.
    void AppendLineBreak();
    /// Changes the text of the line with that id; false when there is none.
    bool SetItemText(int id, const wxString& text);
    /// Deletes the line at a position; false when out of range.
    bool DeleteItemPos(int pos);
    /// Deletes the line with that id; false when there is none.
    bool DeleteItemID(int id);
    /// The position of the line with that id, or -1.
    int FindItem(int id) const;
    /// Deletes every line.
    void ClearAll();
    /// The number of lines.
    int GetCount() const { return static_cast<int>(m_entries.size()); }
    /// The line at a position, or null.
    VornMenuItem* GetEntry(int pos) const;

    /// The id of the selected radio line (0: none).
    int GetSelected() const { return m_selected; }
    /// Switches the line of the old selection off and that of `id` on, through their groups.
    void SetSelected(int id);

    /// The colour of the lines (c3).
    wxColour GetHeadColour() const { return m_colours.normal; }
    /// The menu's group, or null.
    VornControlGroup* GetGroup() const { return m_group; }
    /// The control that opens the menu and whose Reset() closes it (not owned).
    void SetPopUpButton(VornControl* button) { m_popUpButton = button; }
    /// The opening control, or null (also once it is destroyed).
    VornControl* GetPopUpButton() const { return m_popUpButton.get(); }
    /// The height of one line in pixels.
    int GetLineHeight() const { return m_lineHeight; }
    /// The keyboard highlight and type-ahead.
    const PopupNavigation& GetNavigation() const { return m_nav; }
    /// The image set of the radio marks, or null.
    const VornwxBitmapCache* GetImageCache() const { return m_cache; }
    /// The first font (titles).
    const wxFont& GetTitleFont() const { return m_first; }
    /// The second font (lines).
    const wxFont& GetEntryFont() const { return m_second; }

    /// The lines drop their hover highlight, then the frame shows or hides.
    bool Show(bool show = true) override;
    /// Gives the mouse back, then shows or hides.
    void ShowMenu(bool show);

    /// Picks a line as a click would: ControlSelected on its group, a radio line goes on,
    /// then the menu closes. Lines that take no clicks are ignored.
    void Pick(VornMenuItem* entry);
    /// Closes through the opening control's Reset(), or hides when there is none.
    void CloseMenu();
    /// Draws every line into `dc`.
    void DrawEntries(wxDC& dc);

    /// Toolkit handler: paints the lines through a bitmap of the client size.
    void OnPaint(wxPaintEvent& event);
    /// Toolkit handler: swallowed, nothing is erased.
    void OnEraseBackground(wxEraseEvent& event);

protected:
    /// A click outside, focus loss or Escape: the opening control resets.
    void OnDismiss() override { CloseMenu(); }
    /// A release strictly inside goes to every line.
    void OnPopupLeftUp(const wxPoint& p) override;
    /// Motion strictly inside moves the hover; the menu redraws at once.
    void OnPopupMotion(const wxPoint& p) override;
    /// Arrows, Home, End and Enter.
    bool OnPopupKey(const wxKeyEvent& event) override;
    /// Type-ahead.
    bool OnPopupChar(const wxKeyEvent& event) override;

private:
    VornMenuItem* MakeEntry(EntryKind kind, const std::string& text, int id, VornControlGroup* group);
    void Append(VornMenuItem* entry);
    void Relayout();
    void SyncNavigation();
    void HoverOnly(int pos);
    void RedrawNow();
    bool InsideStrictly(const wxPoint& p) const;
    VornMenuItem* EntryWithId(int id) const;

    std::vector<VornMenuItem*> m_entries;
    const VornwxBitmapCache* m_cache = nullptr;
    std::vector<MENUITEM> m_items;
    wxFont m_first;
    wxFont m_second;
    wxColour m_frameColour;
    VornMenuColours m_colours;
    int m_selected = 0;
    VornControlGroup* m_group = nullptr;
    wxWeakRef<VornControl> m_popUpButton;
    int m_lineHeight = 0;
    PopupNavigation m_nav;
    wxBitmap m_buffer;

    friend class VornMenuItem;
    wxDECLARE_EVENT_TABLE();
};

} // namespace vorn

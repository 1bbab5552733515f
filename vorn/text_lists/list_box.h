#pragma once
// VornListBox: a drop-down choice. Closed it is a one-line box showing the selected item's
// text over the skin's image; a click opens ExpandedVornListBox, a pop-up listing every
// item with the selected one over the box. The items (text lines and separators) live in
// VornListBoxItems, which the list button shares.
#include <string>
#include <vector>

#include <wx/bitmap.h>
#include <wx/font.h>

#include <vorn/assets/skin_info.h>
#include <vorn/framework/control.h>

namespace vorn {

class ExpandedVornListBox;
class VornListBox;

/// One line of a list: a text item or a separator.
class VornListBoxElement {
public:
    /// A line of the given height, data and selectability.
    VornListBoxElement(int h, void* data, bool canSelect) : height(h), itemData(data), selectable(canSelect) {}
    /// Lines are deleted through this base.
    virtual ~VornListBoxElement() = default;
    /// The line's text (UTF-8).
    virtual std::string GetText() const = 0;
    /// Changes the line's text.
    virtual void SetText(const std::string& text) = 0;

    int height = 0;            ///< Height in pixels.
    void* itemData = nullptr;  ///< The host's data for the line (not owned).
    bool selectable = false;   ///< Whether the line can be chosen.
};

/// A selectable line of text.
class VornListBoxText : public VornListBoxElement {
public:
    /// A line showing `text`, `h` pixels high.
    VornListBoxText(const std::string& text, void* data, int h) : VornListBoxElement(h, data, true), m_text(text) {}
    /// The text.
    std::string GetText() const override { return m_text; }
    /// Replaces the text.
    void SetText(const std::string& text) override { m_text = text; }

private:
    std::string m_text;
};

/// A separator line, 8 pixels high, that cannot be chosen.
class VornListBoxSeperator : public VornListBoxElement {
public:
    /// A separator without data.
    VornListBoxSeperator() : VornListBoxElement(8, nullptr, false) {}
    /// Always the empty text.
    std::string GetText() const override { return std::string(); }
    /// Does nothing: a separator has no text.
    void SetText(const std::string&) override {}
};

/// What the pop-up list knows of its owner.
class VornListBoxCallback {
public:
    virtual ~VornListBoxCallback() = default;
    /// The selected index, or -1.
    virtual int GetSelected() = 0;
    /// Selects an index (-1: none), telling the group when `notify` is true.
    virtual void SetSelected(int index, bool notify) = 0;
    /// Shows or hides the owner.
    virtual bool Show(bool show) = 0;
    /// The pop-up is closing: the owner must stop pointing at it.
    virtual void OnPopupClosed() {}
};

/// The host refills a list box just before it opens.
class LBDisplayCallback {
public:
    virtual ~LBDisplayCallback() = default;
    /// Called before the pop-up of `listBox` opens.
    virtual void UpDateData(VornListBox* listBox) = 0;
};

/// The items of a list box or list button, owned, and the pop-up listing them while it is
/// open; text lines take their height from a font.
class VornListBoxItems {
public:
    /// An empty list.
    VornListBoxItems() = default;
    VornListBoxItems(const VornListBoxItems&) = delete;
    VornListBoxItems& operator=(const VornListBoxItems&) = delete;
    /// Closes the pop-up and deletes the items.
    virtual ~VornListBoxItems();

    /// Appends a separator.
    void Append();
    /// Appends a text line.
    void Append(const std::string& text, void* data = nullptr);
    /// Inserts a separator before index (appended when index is past the end; negative: first).
    void Insert(int index);
    /// Inserts a text line before index (as Insert(index)).
    void Insert(int index, const std::string& text, void* data = nullptr);
    /// Removes the item at index, closing an open pop-up (nothing when out of range).
    void Delete(int index);
    /// Removes the first text line with that text; whether there was one.
    bool Delete(const std::string& text);
    /// The number of items.
    int GetCount() const { return static_cast<int>(m_elements.size()); }
    /// The data of item index, or null.
    void* GetItemData(int index) const;
    /// The text of item index, or the empty text.
    std::string GetItemText(int index) const;
    /// Changes the text of item index (nothing for separators or out of range).
    void SetItemText(int index, const std::string& text);
    /// Deletes every item, closing an open pop-up.
    virtual void ClearAll();
    /// Item index, or null.
    const VornListBoxElement* GetElement(int index) const;
    /// The height every new text line gets.
    int GetTextHeight() const { return m_textHeight; }
    /// Sets the height of new text lines (at least 1).
    void SetTextHeight(int h) { m_textHeight = h > 0 ? h : 1; }

    /// The open pop-up, or null.
    ExpandedVornListBox* GetExpandedBox() const { return m_popup; }
    /// Closes the pop-up when it is open.
    void HideExpandedBox();
    /// Hands a key event that reached the owner to the open pop-up; whether one was open.
    /// An event the pop-up passes on is skipped, so that a typed character follows.
    bool ForwardKeyToPopup(wxKeyEvent& event);

protected:
    /// Measures the text-line height of `font` as drawn in `window`.
    void MeasureTextHeight(const wxWindow* window, const wxFont& font);
    /// Opens the pop-up for `owner` over `anchor` at `width` (nothing for an empty list);
    /// whether one opened.
    bool OpenExpandedBox(VornListBoxCallback* owner, const VornListBoxInfo& info, const wxFont& font,
                         const wxWindow* anchor, int width);

    ExpandedVornListBox* m_popup = nullptr; ///< The open pop-up, or null.

private:
    void InsertElement(int index, VornListBoxElement* element);

    std::vector<VornListBoxElement*> m_elements;
    int m_textHeight = 16;
};

/// A drop-down choice: the closed box and the pop-up it opens.
class VornListBox : public VornControl, public VornListBoxCallback, public VornListBoxItems {
public:
    /// No window yet: Create must follow.
    VornListBox();
    /// A list box of the skin's size at (x, y) with the default font.
    VornListBox(VornListBoxInfo& info, int x, int y, wxWindow* parent, int id, VornControlGroup* group,
                long style = 0);
    /// The same with the given font.
    VornListBox(VornListBoxInfo& info, int x, int y, wxWindow* parent, wxFont& font, int id,
                VornControlGroup* group, long style = 0);

    /// Makes the window at the size of the skin's images, with the default font.
    virtual bool Create(VornListBoxInfo& info, int x, int y, wxWindow* parent, int id, VornControlGroup* group,
                        long style = 0);
    /// The same with the given font.
    virtual bool Create(VornListBoxInfo& info, int x, int y, wxWindow* parent, wxFont& font, int id,
                        VornControlGroup* group, long style = 0);
    using VornControl::Create;

    /// Deletes every item and empties the shown text.
    void ClearAll() override;
    /// The selected index, or -1.
    int GetSelected() override { return m_selected; }
    /// Selects an item and shows its text; with `notify`, the group gets ControlSelected.
    void SetSelected(int index, bool notify) override;
    /// As VornWindow.
    bool Show(bool show) override { return VornControl::Show(show); }
    /// As VornWindow.
    bool Show() { return VornControl::Show(); }
    /// Forgets the pop-up that is closing; the box comes back up.
    void OnPopupClosed() override;

    /// Sets the callback run before the pop-up opens (not owned; null: none).
    void SetDisplayCallback(LBDisplayCallback* cb) { m_displayCallback = cb; }
    /// The callback run before the pop-up opens, or null.
    LBDisplayCallback* GetDisplayCallback() const { return m_displayCallback; }
    /// The text the closed box shows.
    const std::string& GetShownText() const { return m_shownText; }
    /// The shown text as drawn in `width` pixels: shortened with "...." when too wide.
    std::string FitText(wxDC& dc, int width) const;
    /// The font of the box and its pop-up.
    const wxFont& GetListFont() const { return m_font; }
    /// The skin values.
    const VornListBoxInfo& GetInfo() const { return m_info; }

    /// Draws the box image and the shown text.
    void OnDraw(wxDC* dc) override;

    /// Toolkit handler: a press opens the pop-up.
    void LocalLeftDown(wxMouseEvent& event);
    /// Toolkit handler: the release shows the box unpressed.
    void LocalLeftUp(wxMouseEvent& event);
    /// Toolkit handler: keys go to the open pop-up, else to the parents.
    void LocalKeyDown(wxKeyEvent& event);
    /// Toolkit handler: typed characters go to the open pop-up.
    void LocalChar(wxKeyEvent& event);

protected:
    VornListBoxInfo m_info;                 ///< The skin values.
    std::string m_shownText;                ///< The text the closed box shows.
    wxBitmap m_buffer;                      ///< The closed box is drawn here first.
    wxFont m_font;                          ///< The font of the box and its pop-up.
    bool m_pressed = false;                 ///< The box is held down.
    int m_selected = -1;                    ///< The selected index, or -1.
    LBDisplayCallback* m_displayCallback = nullptr; ///< Runs before opening (not owned).
    bool m_ownFont = false;                 ///< The font came from the creator.

private:
    bool FinishCreate(bool ok, const VornListBoxInfo& info);

    wxDECLARE_EVENT_TABLE();
};

} // namespace vorn

#pragma once
// Two small windows for a host's own frames: a plain container with the library's window
// behaviour, and a caption strip that moves its parent window when dragged.
#include <wx/font.h>
#include <wx/string.h>

#include <vorn/framework/control.h>
#include <vorn/framework/window.h>

namespace vorn {

/// A plain container window; its Clear never touches what it holds.
class VornPanel : public VornWindow {
public:
    /// No toolkit window yet: Create must follow.
    VornPanel();
    /// A panel at (x, y) of the toolkit's default size.
    VornPanel(int x, int y, wxWindow* parent, int id, long style = 0);
    /// A panel of the given geometry.
    VornPanel(int x, int y, int w, int h, wxWindow* parent, int id, long style = 0);

    /// Makes the toolkit window of the given geometry.
    bool Create(int x, int y, int w, int h, wxWindow* parent, int id, long style = 0) override;
    /// The same without a size.
    bool Create(int x, int y, wxWindow* parent, int id, long style = 0) override;

    /// Does nothing: the children and the drawn face stay.
    void Clear() override;
};

/// A strip showing a caption; dragging it with any button moves its parent window.
class VornTitleBar : public VornControl {
public:
    /// No toolkit window yet, an empty title.
    VornTitleBar();
    /// A title bar of the given geometry, in no group; the title is drawn at (100, 2).
    VornTitleBar(wxString title, int x, int y, int w, int h, wxWindow* parent, int id, long style = 0);
    /// Makes the window of a default-constructed bar (same arguments as the constructor);
    /// the result of VornControl::Create.
    virtual bool Create(wxString title, int x, int y, int w, int h, wxWindow* parent, int id, long style = 0);
    using VornControl::Create;

    /// Stores the title and repaints.
    void SetTitle(wxString title);
    /// The title.
    const wxString& GetTitle() const { return m_title; }
    /// Where the title's top-left corner is drawn; repaints.
    void SetTitlePos(int x, int y);
    /// Gives the font to the toolkit window and repaints.
    bool SetFont(const wxFont& font) override;
    /// True while a button drags the bar.
    bool IsDragging() const { return m_dragging; }

    /// Clears to the background colour and draws the title in the toolkit's foreground colour.
    void OnDraw(wxDC* dc) override;

    /// Toolkit handler: the focus is swallowed (nothing happens).
    void OnSetFocus(wxFocusEvent& event);

protected:
    /// Moves the parent by the pointer's screen step while dragging.
    void OnMouseMove(int x, int y) override;
    /// A button down begins the drag and captures the pointer; none down ends both.
    void OnMouseButton() override;

private:
    void Init(const wxString& title);

    bool m_dragging = false;
    int m_dragX = 0; // last drag position, screen coordinates
    int m_dragY = 0;
    wxString m_title;
    int m_titleX = 100;
    int m_titleY = 2;

    wxDECLARE_EVENT_TABLE();
};

} // namespace vorn

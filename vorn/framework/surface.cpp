#include <vorn/framework/detail/surface.h>

#include <vorn/framework/window.h>

namespace vorn::detail {

Surface::Surface(wxWindow* host, VornWindow* owner) : m_owner(owner)
{
    static long made = 0;
    m_serial = made++;
    SetBackgroundStyle(wxBG_STYLE_PAINT); // the owner paints every pixel
    Hide();
    wxWindow::Create(host, wxID_ANY, wxDefaultPosition, wxSize(1, 1), wxWANTS_CHARS | wxCLIP_CHILDREN,
                     wxPanelNameStr);
    SetMinSize(wxDefaultSize);
}

// Command events are left to the surface's parents: the owner sends its own (its key
// events, its children's) through its logical parents already. The owner tells its own
// size; a surface's size is only that of the part in view. Pointer positions move from the
// surface's corner to the window's.
bool Surface::TryBefore(wxEvent& event)
{
    if (!m_owner || event.IsCommandEvent())
        return wxWindow::TryBefore(event);
    if (event.GetEventType() == wxEVT_SIZE)
        return true;
    auto* mouse = dynamic_cast<wxMouseEvent*>(&event);
    const wxPoint offset = m_owner->GetSurfaceOffset();
    if (mouse) {
        mouse->m_x += offset.x;
        mouse->m_y += offset.y;
    }
    const bool handled = m_owner->GetEventHandler()->ProcessEvent(event);
    if (mouse) {
        mouse->m_x -= offset.x;
        mouse->m_y -= offset.y;
    }
    return handled || wxWindow::TryBefore(event);
}

} // namespace vorn::detail

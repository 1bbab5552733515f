#pragma once
// The toolkit window a window without one of its own draws into and hears through while
// it is realised (see VornWindow::SetRealiseOnDemand).
#include <wx/window.h>

namespace vorn {
class VornWindow;
}

namespace vorn::detail {

/// Stands for one deferred VornWindow at its geometry: every event but a command event
/// goes to that window's handlers; command events climb the surfaces' own parents.
class Surface : public wxWindow {
public:
    /// A hidden surface in `host`; it takes every key (text windows need their characters).
    Surface(wxWindow* host, VornWindow* owner);
    /// The window it stands for, or null while it waits in its host's pool.
    VornWindow* GetOwner() const { return m_owner; }
    /// Stands for another window (null: none).
    void SetOwner(VornWindow* owner) { m_owner = owner; }
    /// Made after every surface with a smaller serial: drawn above them.
    long GetSerial() const { return m_serial; }

protected:
    /// Passes the event to the owner first.
    bool TryBefore(wxEvent& event) override;

private:
    VornWindow* m_owner;
    long m_serial;
};

} // namespace vorn::detail

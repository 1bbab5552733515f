// Realisation on demand: deferred windows, their surfaces, the hosts that place and paint
// them, and what a deferred window answers itself instead of the toolkit.
#include <vorn/framework/window.h>

#include <algorithm>
#include <vector>

#include <wx/colour.h>
#include <wx/dcclient.h>
#include <wx/gdicmn.h>
#include <wx/sysopt.h>

#include <vorn/framework/detail/surface.h>
#include <vorn/util/detail/text_measure.h>

namespace vorn {

namespace {
// The toolkit's window constructor asks for the default-variant system option, and an option
// missing from the option table is looked up in the environment (under the application's name
// too) every time: more work than the rest of a deferred window. The value it would find is
// put in the table once, so every later window finds it there, with the same result (an empty
// value reads as "not set", as no variable does).
void StoreWindowVariantOption()
{
    static bool stored = false;
    if (stored)
        return;
    stored = true;
    wxSystemOptions::SetOption(wxWINDOW_DEFAULT_VARIANT, wxSystemOptions::GetOption(wxWINDOW_DEFAULT_VARIANT));
}
} // namespace

// A host about to make many windows: each must be cheap to construct.
void VornWindow::SetRealiseOnDemand(bool onDemand)
{
    m_childrenOnDemand = onDemand;
    if (onDemand)
        StoreWindowVariantOption();
}

wxWindow* VornWindow::GetSurface() const
{
    if (m_deferred)
        return m_surface;
    return const_cast<VornWindow*>(this);
}

VornWindow* VornWindow::GetHost() const
{
    const VornWindow* window = this;
    while (window && window->m_deferred)
        window = dynamic_cast<const VornWindow*>(window->GetParent());
    return const_cast<VornWindow*>(window);
}

wxRect VornWindow::GetRectInHost() const
{
    wxRect rect(m_x, m_y, std::max(m_width, 0), std::max(m_height, 0));
    for (auto* parent = dynamic_cast<const VornWindow*>(GetParent()); parent && m_deferred && parent->m_deferred;
         parent = dynamic_cast<const VornWindow*>(parent->GetParent()))
        rect.Offset(parent->m_x, parent->m_y);
    return rect;
}

bool VornWindow::Realise()
{
    if (!m_deferred || m_surface)
        return true;
    VornWindow* host = GetHost();
    auto* parent = dynamic_cast<VornWindow*>(GetParent());
    if (!host || (parent && parent->m_deferred && !parent->m_surface))
        return false; // a parent's surface must lie below its children's
    RunFirstRealise();
    // Surfaces are kept for reuse: moving a toolkit window is far cheaper than making one.
    // The toolkit draws a host's children in the order they were made, whatever Raise
    // says, so a window inside another takes only a surface made after its parent's.
    const long above = parent && parent->m_deferred ? parent->m_surface->GetSerial() : -1;
    // Of those, the oldest: the newer ones stay for windows nested deeper. Taking any
    // newer one made a host's nested windows find none later and make surface after
    // surface, and the toolkit walks a host's child list on every move.
    auto& pool = host->m_surfacePool;
    auto reusable = pool.end();
    for (auto it = pool.begin(); it != pool.end(); ++it)
        if ((*it)->GetSerial() > above && (reusable == pool.end() || (*it)->GetSerial() < (*reusable)->GetSerial()))
            reusable = it;
    if (reusable == pool.end()) {
        m_surface = new detail::Surface(host, this);
    } else {
        m_surface = *reusable;
        pool.erase(reusable);
        m_surface->SetOwner(this);
    }
    CountRealised(1);
    ApplyToSurface();
    return true;
}

// The flag is set first: the hook may show or realise what it makes.
void VornWindow::RunFirstRealise()
{
    if (m_firstRealiseDone)
        return;
    m_firstRealiseDone = true;
    OnBeforeFirstRealise();
}

// A deferred window shows only while it and every deferred parent up to the host show:
// a row hidden with its branch takes the surfaces of its widgets with it.
bool VornWindow::ShownUpToHost() const
{
    for (const VornWindow* w = this; w && w->m_deferred; w = static_cast<const VornWindow*>(w->m_parent))
        if (!w->wxWindowBase::IsShown())
            return false;
    return true;
}

// The surface covers the part of the window inside the host's client area; a surface with
// nothing to show is hidden.
void VornWindow::PlaceSurface()
{
    if (!m_surface)
        return;
    const VornWindow* host = GetHost();
    wxRect rect = GetRectInHost();
    rect.Offset(-host->m_deferredOrigin);
    wxRect part = rect;
    part.Intersect(wxRect(host->GetClientSize()));
    const bool shown = ShownUpToHost() && !part.IsEmpty();
    m_surfaceOffset = shown ? part.GetTopLeft() - rect.GetTopLeft() : wxPoint();
    if (shown)
        m_surface->SetSize(part);
    if (m_surface->IsShown() != shown)
        m_surface->Show(shown);
}

void VornWindow::PlaceSurfaces()
{
    PlaceSurface();
    if (m_realisedBelow > 0)
        for (VornWindow* child : m_deferredChildren)
            child->PlaceSurfaces();
}

// Every window up to the host counts the surfaces inside it, so that moving, scrolling
// and unrealising pass by the (many) windows that have none below them.
void VornWindow::CountRealised(int change)
{
    for (VornWindow* window = this; window->m_deferred;) {
        window = static_cast<VornWindow*>(window->m_parent); // a deferred window's parent is one of ours
        if (!window)
            break;
        window->m_realisedBelow += change;
    }
}

// ---- Painting through the host ----

void VornWindow::SetPaintDeferred(bool paint)
{
    m_paintDeferred = paint;
    if (paint)
        RepaintDeferred();
}

bool VornWindow::PaintsThroughHost() const
{
    const VornWindow* host = m_deferred ? GetHost() : this;
    return host && host->m_paintDeferred;
}

// `origin` is where this window's corner lies on the device, `clip` the part to draw in this
// window's coordinates. Children with surfaces draw themselves (and what lies in them) above.
void VornWindow::DrawDeferred(wxDC& dc, const wxPoint& origin, const wxRect& clip) const
{
    const wxPoint shift = m_deferred ? wxPoint() : -m_deferredOrigin;
    for (VornWindow* child : m_deferredChildren) {
        if (child->m_surface || !child->wxWindowBase::IsShown() || child->m_width <= 0 || child->m_height <= 0)
            continue;
        const wxRect rect(child->m_x + shift.x, child->m_y + shift.y, child->m_width, child->m_height);
        wxRect part = rect.Intersect(clip);
        if (part.IsEmpty())
            continue;
        part.Offset(-rect.GetTopLeft());
        child->RunFirstRealise(); // drawn here is seen as much as through a surface
        const wxPoint corner = origin + rect.GetTopLeft();
        dc.SetDeviceOrigin(corner.x, corner.y);
        dc.DestroyClippingRegion();
        dc.SetClippingRegion(part);
        child->OnDraw(&dc);
        if (!child->m_deferredChildren.empty())
            child->DrawDeferred(dc, corner, part);
    }
    dc.DestroyClippingRegion();
}

VornWindow* VornWindow::DeepestAt(const wxPoint& point)
{
    const wxPoint shift = m_deferred ? wxPoint() : -m_deferredOrigin;
    // From the last: a window made later is drawn above its older siblings.
    for (auto it = m_deferredChildren.rbegin(); it != m_deferredChildren.rend(); ++it) {
        VornWindow* child = *it;
        const wxRect rect(child->m_x + shift.x, child->m_y + shift.y, child->m_width, child->m_height);
        if (child->wxWindowBase::IsShown() && rect.Contains(point)) {
            child->RunFirstRealise();
            return child->DeepestAt(point - rect.GetTopLeft());
        }
    }
    return this;
}

VornWindow* VornWindow::DeferredWindowAt(const wxPoint& point) const
{
    VornWindow* self = const_cast<VornWindow*>(this);
    VornWindow* found = self->DeepestAt(point);
    return found == self ? nullptr : found;
}

// A pointer event that reached this window's toolkit window (its own, or its surface) goes
// to the deepest deferred window under it, which takes a surface for the events to come.
bool VornWindow::RoutePointer(wxMouseEvent& event)
{
    if (m_mouseCaptive || event.Leaving() || ToolkitHasCapture())
        return false; // a captive window hears the pointer everywhere; a leave is this window's
    VornWindow* host = m_deferred ? GetHost() : this;
    VornWindow* target = DeepestAt(event.GetPosition());
    const bool entered = target != host->m_pointerWindow;
    host->TakePointer(target == host ? nullptr : target);
    if (target == this)
        return false;
    const wxPoint corner = target->GetRectInHost().GetTopLeft() -
                           (m_deferred ? GetRectInHost().GetTopLeft() : m_deferredOrigin);
    wxMouseEvent forwarded(event);
    forwarded.SetEventObject(target);
    forwarded.SetId(target->GetId());
    forwarded.m_x -= corner.x;
    forwarded.m_y -= corner.y;
    if (entered && !event.Entering()) {
        wxMouseEvent enter(forwarded);
        enter.SetEventType(wxEVT_ENTER_WINDOW);
        target->GetEventHandler()->ProcessEvent(enter);
    }
    target->GetEventHandler()->ProcessEvent(forwarded);
    return true;
}

// The window the pointer left hears so (its surface goes, so the toolkit may not tell it);
// the new one and its deferred parents take surfaces, parents first.
void VornWindow::TakePointer(VornWindow* window)
{
    VornWindow* previous = m_pointerWindow;
    if (window == previous && (!window || window->m_surface))
        return;
    m_pointerWindow = window;
    bool inside = false; // the previous window holds the new one
    for (VornWindow* w = window; w && w->m_deferred && !inside; w = static_cast<VornWindow*>(w->m_parent))
        inside = w == previous;
    if (previous && !inside && !previous->m_mouseCaptive) {
        wxMouseEvent leave(wxEVT_LEAVE_WINDOW);
        leave.SetEventObject(previous);
        leave.SetId(previous->GetId());
        previous->GetEventHandler()->ProcessEvent(leave);
    }
    if (window) {
        std::vector<VornWindow*> chain;
        for (VornWindow* w = window; w->m_deferred && !w->m_surface; w = static_cast<VornWindow*>(w->m_parent))
            chain.push_back(w);
        for (auto it = chain.rbegin(); it != chain.rend(); ++it)
            (*it)->Realise();
    }
    KeepSurfaces();
}

// Unrealises every surface below this window but those of the pointer window, the captive
// and the focused one and their parents; true when this window keeps its own.
bool VornWindow::KeepSurfaces()
{
    bool keep = false;
    if (m_realisedBelow > 0)
        for (VornWindow* child : m_deferredChildren)
            keep = child->KeepSurfaces() || keep;
    if (!m_deferred || !m_surface)
        return keep;
    keep = keep || m_mouseCaptive || m_surface->HasCapture() || m_surface->HasFocus();
    VornWindow* host = GetHost();
    if (host->m_pointerWindow == this) {
        // Scrolled from under the pointer: the next pointer event finds what lies there now.
        wxRect view(host->GetClientSize());
        view.Offset(host->m_deferredOrigin);
        if (GetRectInHost().Intersects(view))
            keep = true;
        else if (!keep)
            host->m_pointerWindow = nullptr;
    }
    if (!keep)
        Unrealise();
    return keep;
}

void VornWindow::RepaintDeferred()
{
    KeepSurfaces();
    Refresh(false);
}

bool VornWindow::TryBefore(wxEvent& event)
{
    if (event.GetEventCategory() == wxEVT_CATEGORY_USER_INPUT && (m_paintDeferred || m_deferred))
        if (auto* mouse = dynamic_cast<wxMouseEvent*>(&event); mouse && PaintsThroughHost() && RoutePointer(*mouse))
            return true;
    return wxWindow::TryBefore(event);
}

void VornWindow::SetDeferredOrigin(const wxPoint& origin)
{
    m_deferredOrigin = origin;
    for (VornWindow* child : m_deferredChildren)
        child->PlaceSurfaces();
}

void VornWindow::RealiseInView(int margin)
{
    wxRect view(GetClientSize());
    view.Inflate(margin);
    view.Offset(m_deferredOrigin); // in content pixels
    for (VornWindow* child : m_deferredChildren)
        child->RealiseInView(view);
}

void VornWindow::RealiseInView(const wxRect& view)
{
    if (!wxWindowBase::IsShown() || !GetRectInHost().Intersects(view)) {
        Unrealise();
        return;
    }
    if (m_surface)
        PlaceSurface();
    else if (!Realise())
        return;
    for (VornWindow* child : m_deferredChildren)
        child->RealiseInView(view);
}

// What the window was given while it had no surface, the surface takes on (a surface from
// the pool may carry another window's).
void VornWindow::ApplyToSurface()
{
    // Each change of font or colour costs the toolkit a style sheet, and the toolkit's
    // SetFont also puts the window on a global list every window destructor walks. Both
    // are only stored, for the contexts made on the surface, which take them from there:
    // the owner paints every pixel (background style PAINT) and measures its own text.
    m_surface->wxWindowBase::SetFont(GetFont());
    m_surface->wxWindowBase::SetBackgroundColour(GetBackgroundColour());
    m_surface->SetCursor(m_cursor);
    if (m_deferredTip.empty())
        m_surface->UnsetToolTip();
    else
        m_surface->SetToolTip(m_deferredTip);
    m_surface->Enable(IsThisEnabled());
    PlaceSurface();
}

void VornWindow::Unrealise()
{
    if (m_realisedBelow > 0)
        for (VornWindow* child : m_deferredChildren)
            child->Unrealise();
    if (!m_surface)
        return;
    // The window hears that it lost the capture and the focus, as it would when its own
    // toolkit window went: a drag ends, an edit box commits.
    const bool captive = m_mouseCaptive;
    if (m_surface->HasCapture())
        m_surface->wxWindow::ReleaseMouse();
    m_mouseCaptive = false;
    if (captive) {
        wxMouseCaptureLostEvent lost(GetId());
        lost.SetEventObject(this);
        GetEventHandler()->ProcessEvent(lost);
    }
    if (m_surface->HasFocus()) {
        wxFocusEvent killed(wxEVT_KILL_FOCUS, GetId());
        killed.SetEventObject(this);
        GetEventHandler()->ProcessEvent(killed);
    }
    m_surfaceOffset = wxPoint();
    // Into the host's pool, not deleted: the surface may be inside one of its own events,
    // and the next window to be realised takes it. The host's toolkit window owns it.
    m_surface->SetOwner(nullptr);
    if (!GetHost()->IsBeingDeleted()) // else it goes with the host, unseen
        m_surface->Hide();
    GetHost()->m_surfacePool.push_back(m_surface);
    m_surface = nullptr;
    CountRealised(-1);
}

void VornWindow::Refresh(bool eraseBackground, const wxRect* rect)
{
    if (!m_deferred) {
        wxWindow::Refresh(eraseBackground, rect);
    } else if (m_surface) {
        wxRect part;
        if (rect) {
            part = rect->Intersect(wxRect(m_surfaceOffset, m_surface->GetSize()));
            part.Offset(-m_surfaceOffset);
        }
        m_surface->Refresh(eraseBackground, rect ? &part : nullptr);
    } else if (wxWindowBase::IsShown() && PaintsThroughHost()) {
        // Drawn by the nearest window above with a toolkit window: that one repaints our place.
        wxRect part(0, 0, std::max(m_width, 0), std::max(m_height, 0));
        if (rect)
            part.Intersect(*rect);
        const VornWindow* window = this;
        for (; window->m_deferred && !window->m_surface; window = static_cast<VornWindow*>(window->m_parent)) {
            if (!window->m_parent || !window->wxWindowBase::IsShown())
                return;
            part.Offset(window->m_x, window->m_y);
        }
        if (!window->m_deferred) {
            if (!window->wxWindowBase::IsShown())
                return;
            part.Offset(-window->m_deferredOrigin);
            part.Intersect(wxRect(window->GetClientSize()));
        }
        if (!part.IsEmpty())
            const_cast<VornWindow*>(window)->Refresh(eraseBackground, &part);
    }
}

void VornWindow::Update()
{
    if (!m_deferred)
        wxWindow::Update();
    else if (m_surface)
        m_surface->Update();
}

void VornWindow::SetFocus()
{
    if (!m_deferred)
        wxWindow::SetFocus();
    else if (m_surface)
        m_surface->SetFocus();
}

bool VornWindow::IsShownOnScreen() const
{
    if (!m_deferred)
        return wxWindow::IsShownOnScreen();
    return m_surface && m_surface->IsShownOnScreen();
}

bool VornWindow::SetCursor(const wxCursor& cursor)
{
    if (!m_deferred)
        return wxWindow::SetCursor(cursor);
    wxWindowBase::SetCursor(cursor);
    if (m_surface)
        m_surface->SetCursor(cursor);
    return true;
}

bool VornWindow::SetFont(const wxFont& font)
{
    if (!m_deferred)
        return wxWindow::SetFont(font);
    const bool changed = wxWindowBase::SetFont(font);
    if (m_surface)
        m_surface->wxWindowBase::SetFont(font); // as ApplyToSurface does
    return changed;
}

bool VornWindow::SetBackgroundColour(const wxColour& colour)
{
    if (!m_deferred)
        return wxWindow::SetBackgroundColour(colour);
    const bool changed = wxWindowBase::SetBackgroundColour(colour);
    if (m_surface)
        m_surface->SetBackgroundColour(colour);
    return changed;
}

int VornWindow::GetCharHeight() const
{
    if (!m_deferred)
        return wxWindow::GetCharHeight();
    return detail::MeasuringContext(GetFont()).GetCharHeight();
}

int VornWindow::GetCharWidth() const
{
    if (!m_deferred)
        return wxWindow::GetCharWidth();
    return detail::MeasuringContext(GetFont()).GetCharWidth();
}

void VornWindow::DoGetTextExtent(const wxString& string, int* x, int* y, int* descent, int* externalLeading,
                                 const wxFont* font) const
{
    if (!m_deferred) {
        wxWindow::DoGetTextExtent(string, x, y, descent, externalLeading, font);
        return;
    }
    wxCoord w = 0, h = 0, d = 0, e = 0;
    detail::MeasuringContext(font && font->IsOk() ? *font : GetFont()).GetTextExtent(string, &w, &h, &d, &e);
    if (x)
        *x = w;
    if (y)
        *y = h;
    if (descent)
        *descent = d;
    if (externalLeading)
        *externalLeading = e;
}

void VornWindow::DoGetPosition(int* x, int* y) const
{
    if (!m_deferred) {
        wxWindow::DoGetPosition(x, y);
        return;
    }
    if (x)
        *x = m_x;
    if (y)
        *y = m_y;
}

void VornWindow::DoGetSize(int* width, int* height) const
{
    if (!m_deferred) {
        wxWindow::DoGetSize(width, height);
        return;
    }
    if (width)
        *width = std::max(m_width, 0);
    if (height)
        *height = std::max(m_height, 0);
}

void VornWindow::DoGetClientSize(int* width, int* height) const
{
    if (!m_deferred)
        wxWindow::DoGetClientSize(width, height);
    else
        DoGetSize(width, height);
}

void VornWindow::DoClientToScreen(int* x, int* y) const
{
    if (!m_deferred) {
        wxWindow::DoClientToScreen(x, y);
    } else if (m_surface) {
        *x -= m_surfaceOffset.x;
        *y -= m_surfaceOffset.y;
        m_surface->ClientToScreen(x, y);
    } else if (GetParent()) {
        // Where the surface would be: the parent's point plus this window's position.
        *x += m_x;
        *y += m_y;
        GetParent()->ClientToScreen(x, y);
    }
}

void VornWindow::DoScreenToClient(int* x, int* y) const
{
    if (!m_deferred) {
        wxWindow::DoScreenToClient(x, y);
    } else if (m_surface) {
        m_surface->ScreenToClient(x, y);
        *x += m_surfaceOffset.x;
        *y += m_surfaceOffset.y;
    } else if (GetParent()) {
        GetParent()->ScreenToClient(x, y);
        *x -= m_x;
        *y -= m_y;
    }
}

void VornWindow::DoEnable(bool enable)
{
    if (!m_deferred)
        wxWindow::DoEnable(enable);
    else if (m_surface)
        m_surface->Enable(enable);
}

void VornWindow::DoSetToolTip(wxToolTip* tip)
{
    if (!m_deferred) {
        wxWindow::DoSetToolTip(tip);
        return;
    }
    m_deferredTip = tip ? tip->GetTip() : wxString();
    delete tip;
    if (m_surface)
        m_surface->SetToolTip(m_deferredTip);
}

} // namespace vorn

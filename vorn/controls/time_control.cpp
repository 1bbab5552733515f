#include <vorn/controls/time_control.h>

#include <cmath>

#include <vorn/controls/detail/button_image.h>
#include <vorn/controls/detail/face_cache.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_colour.h>

namespace vorn {

namespace {
// The images are shared and only read; filters take them by non-const reference.
FilterPtr ReadFilter(const BitmapA& image) { return CreateFilter(const_cast<BitmapA&>(image)); }

constexpr int kTurnSteps = 240; // directions a turn is drawn in

// The step of a direction in turns (any number of turns), 0 .. kTurnSteps - 1.
long TurnStep(double turns)
{
    const double step = std::round((turns - std::floor(turns)) * kTurnSteps);
    return std::isfinite(step) ? static_cast<long>(step) % kTurnSteps : 0;
}
} // namespace

// The pictures drawn so far, by state and direction, for a window of one size and background.
struct VornTimeControl::Pictures {
    wxSize size;
    wxColour background;
    wxImage buffer;
    detail::PatchCache cache;
};

VornTimeControl::VornTimeControl() = default;
VornTimeControl::~VornTimeControl() = default;

VornTimeControl::VornTimeControl(const VornBitmapACache* cache, const BitmapA* face, int cx, int cy, int radius,
                                 int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroupValue* group,
                                 long style)
{
    VornTimeControl::Create(cache, face, cx, cy, radius, x, y, w, h, parent, id, group, style);
}

VornTimeControl::VornTimeControl(const VornBitmapACache* cache, const BitmapA* face, int cx, int cy, int radius,
                                 int x, int y, wxWindow* parent, int id, VornControlGroupValue* group, long style)
{
    VornTimeControl::Create(cache, face, cx, cy, radius, x, y, parent, id, group, style);
}

bool VornTimeControl::Create(const VornBitmapACache* cache, const BitmapA* face, int cx, int cy, int radius, int x,
                             int y, int w, int h, wxWindow* parent, int id, VornControlGroupValue* group, long style)
{
    m_cache = cache;
    m_face = face && !face->IsEmpty() ? face : nullptr;
    m_pictures.reset();
    m_imageState = VORN_IMAGE_OFF;
    return VornAngleControl::Create(cx, cy, radius, x, y, w, h, parent, id, group, style);
}

bool VornTimeControl::Create(const VornBitmapACache* cache, const BitmapA* face, int cx, int cy, int radius, int x,
                             int y, wxWindow* parent, int id, VornControlGroupValue* group, long style)
{
    const bool sized = face && !face->IsEmpty();
    return Create(cache, face, cx, cy, radius, x, y, sized ? face->width : wxDefaultCoord,
                  sized ? face->height : wxDefaultCoord, parent, id, group, style);
}

const BitmapA* VornTimeControl::FindImage(VORNIMAGETYPE& found) const
{
    found = VORN_IMAGE_NONE;
    if (!m_cache)
        return nullptr;
    // Every stand-in moves towards "off", so the walk ends after at most three steps.
    for (found = m_imageState; found != VORN_IMAGE_NONE; found = detail::VornButtonFallbackState(found)) {
        const BitmapA* image = nullptr;
        if (m_cache->GetImage(found, image) && image && !image->IsEmpty())
            return image;
    }
    return nullptr;
}

const BitmapA* VornTimeControl::GetImage() const
{
    VORNIMAGETYPE found;
    return FindImage(found);
}

void VornTimeControl::RecalcState()
{
    m_imageState = VORN_IMAGE_OFF;
    if (GetMouseOver())
        m_imageState = VORN_IMAGE_OFF_MOUSE_OVER;
    if (GetMouseDown())
        m_imageState = VORN_IMAGE_OFF_DOWN;
    VornControl::RecalcState();
}

void VornTimeControl::OnMouseButton()
{
    VornAngleControl::OnMouseButton();
    SetDirty();
    Refresh(false);
}

void VornTimeControl::Paint(Filter& target, const BitmapA* image, double degrees) const
{
    vorn::Clear(target, WxCtoCA(GetBackgroundColour()));
    if (image) {
        // Turned about its own centre pixel, which lands on the dial centre. The view is
        // read turned the other way, so the picture turns counter-clockwise with the dial.
        const int px = (image->width - 1) / 2, py = (image->height - 1) / 2;
        const DialPoint c = m_model.GetCentre();
        FilterPtr turned = Rotate(-degrees, px, py, AntiAlias(ReadFilter(*image)));
        Blit(target, *turned, c.x - px, c.y - py);
    }
    if (m_face)
        Blit(target, *ReadFilter(*m_face), 0, 0);
}

void VornTimeControl::OnDraw(wxDC* dc)
{
    RecalcIfDirty();
    const wxSize size = GetClientSize();
    if (size.x <= 0 || size.y <= 0)
        return;
    if (!m_pictures)
        m_pictures = std::make_unique<Pictures>();
    Pictures& p = *m_pictures;
    if (p.size != size || p.background != GetBackgroundColour()) {
        p.size = size;
        p.background = GetBackgroundColour();
        p.buffer.Create(size);
        // A turn in each of the three states, as far as the store's pixel budget goes
        // (about 250 pictures of 65 x 65); beyond it pictures are composed at every draw.
        p.cache.Reset(3 * kTurnSteps, size.x, size.y);
    }
    VORNIMAGETYPE state;
    const BitmapA* image = FindImage(state);
    const long step = TurnStep(m_model.GetAngle());
    p.cache.Draw(*dc, state * kTurnSteps + step, wxRect(size), p.buffer,
                 [&](Filter& target) { Paint(target, image, 360.0 * step / kTurnSteps); });
}

} // namespace vorn

#include <vorn/controls/horizon.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <tuple>

#include <vorn/controls/detail/face_cache.h>
#include <vorn/controls/detail/horizon_ball.h>
#include <vorn/util/detail/blit.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_colour.h>
#include <vorn/util/wx_image_filter.h>

namespace vorn {

namespace {
constexpr double kHandleRadius = 4.0;
// The overlay colours: amber line and roll handles, a pale pitch handle, a grey axis.
const ColorA kLine(1.0, 0.72, 0.2, 1.0);
const ColorA kHandleCore(0.12, 0.12, 0.14, 1.0);
const ColorA kPitchHandle(0.6, 0.88, 1.0, 1.0);
const ColorA kAxis(0.55, 0.57, 0.6, 1.0);

// The ball turns in steps of a 720th of a turn: at the rim of a face 100 pixels across
// that moves it by under half a pixel, less than the truncation of the handles to whole
// pixels turns the line drawn over it. So a drag round the dial meets pictures it made.
constexpr int kRollSteps = 720;
// The pictures a face keeps: a lap round the dial a pixel a step, for the default size
// (about 2 pi x 40 handle places, over 200 pictures of 100 x 100 in 8 MB). States beyond
// the room are composed each time they are drawn.
constexpr int kPictures = 720;
constexpr long kPictureBudget = 1L << 21;
// Handle offsets from the centre are keyed in this many bits each (with the sign).
constexpr int kKeyBits = 9;

// The roll step of the ball, 0..kRollSteps - 1.
int RollStep(float roll)
{
    double r = std::fmod(static_cast<double>(roll), 1.0);
    if (r < 0.0)
        r += 1.0;
    return static_cast<int>(std::lround(r * kRollSteps)) % kRollSteps;
}

// What a picture shows: the ball's roll step and the handles A, B and Q (P1 and P2 follow
// from A) as offsets from the centre. False when a handle lies too far out to key.
bool PictureKey(const HorizonModel& m, std::uint64_t& key)
{
    const DialPoint c = m.GetCentre();
    key = static_cast<std::uint64_t>(RollStep(m.GetRoll()));
    constexpr int reach = 1 << (kKeyBits - 1);
    for (const DialPoint& p : {m.GetA(), m.GetB(), m.GetQ()})
        for (const long long d : {static_cast<long long>(p.x) - c.x, static_cast<long long>(p.y) - c.y}) {
            if (d < -reach || d >= reach)
                return false;
            key = key << kKeyBits | static_cast<std::uint64_t>(d + reach);
        }
    return true;
}
} // namespace

namespace detail {

// What indicators of the same face, geometry, size and background share: the still part
// of the picture, the prepared ball and the pictures composed so far.
class HorizonFace {
public:
    using Key = std::tuple<const BitmapA*, int, int, int, int, int, std::uint32_t>;

    static std::shared_ptr<HorizonFace> Get(const BitmapA* image, const HorizonModel& model, const wxSize& size,
                                            const wxColour& background)
    {
        const DialPoint c = model.GetCentre();
        const Key key(image, c.x, c.y, model.GetRadius(), size.x, size.y, background.GetRGB());
        return SharedFaces<Key, HorizonFace>::Get(key, [&] {
            auto face = std::make_shared<HorizonFace>();
            face->Make(image, model, size, background);
            return face;
        });
    }
    bool Fits(const wxSize& size, const wxColour& background) const
    {
        return size == m_buffer.GetSize() && background.GetRGB() == m_background.GetRGB();
    }

    // The background and the face as it stands, then the ball, under the overlays.
    void PaintBase(const HorizonModel& model, int rollStep)
    {
        std::copy_n(m_still.GetData(), static_cast<std::size_t>(m_still.GetWidth()) * m_still.GetHeight() * 3,
                    m_buffer.GetData());
        if (m_hasBall)
            m_ball.Paint(m_buffer.GetData(), static_cast<double>(rollStep) / kRollSteps, model.GetQ().x,
                         model.GetQ().y);
    }

    wxImage m_buffer;
    PatchCache m_pictures;

private:
    void Make(const BitmapA* image, const HorizonModel& model, const wxSize& size, const wxColour& background)
    {
        m_background = background;
        m_still.Create(size.x, size.y);
        m_buffer.Create(size.x, size.y);
        m_pictures.Reset(kPictures, size.x, size.y, kPictureBudget);
        const DialPoint c = model.GetCentre();
        if (FilterPtr target = CreateFilter(m_still)) {
            vorn::Clear(*target, WxCtoCA(background));
            if (FilterPtr face = ReadFilter(image))
                Blit(*target, *face, c.x - image->width / 2, c.y - image->height / 2);
        }
        // Q stays within the radius (plus the truncation) of the centre; the ball caps what
        // it prepares for far-out handles.
        const long long shift = std::min(std::llabs(static_cast<long long>(model.GetRadius())) + 3, 1LL << 20);
        m_hasBall = image && m_ball.Prepare(*image, c.x, c.y, static_cast<int>(shift), size.x, size.y);
    }

    wxColour m_background;
    wxImage m_still;
    HorizonBall m_ball;
    bool m_hasBall = false;
};

} // namespace detail

VornAHorizonControl::VornAHorizonControl() = default;
VornAHorizonControl::~VornAHorizonControl() = default;

VornAHorizonControl::VornAHorizonControl(const BitmapA* image, int cx, int cy, int radius, int x, int y, int w,
                                         int h, wxWindow* parent, int id, VornControlGroupValue* group, long style)
{
    VornAHorizonControl::Create(image, cx, cy, radius, x, y, w, h, parent, id, group, style);
}

bool VornAHorizonControl::Create(const BitmapA* image, int cx, int cy, int radius, int x, int y, int w, int h,
                                 wxWindow* parent, int id, VornControlGroupValue* group, long style)
{
    const bool ok = VornControl::Create(x, y, w, h, parent, id, group, style);
    m_image = image && !image->IsEmpty() ? image : nullptr;
    m_model = HorizonModel();
    m_model.SetGeometry(cx, cy, radius);
    m_drawnRoll = m_drawnPitch = -1000.0f;
    m_draggingAny = false;
    m_face.reset();
    m_picture = wxBitmap();
    return ok;
}

void VornAHorizonControl::SetValue(float roll)
{
    if (m_model.SetRoll(roll))
        Refresh(false);
}

void VornAHorizonControl::SetPitchValue(float pitch)
{
    if (m_model.SetPitch(pitch))
        Refresh(false);
}

void VornAHorizonControl::GetCurPosition(int& x, int& y) const
{
    x = m_model.GetA().x;
    y = m_model.GetA().y;
}

// A press during a drag (a second button) grabs nothing new; the drag ends when no button
// is left down.
void VornAHorizonControl::OnMouseButton()
{
    if (!GetMouseDown()) {
        EndDrag();
        return;
    }
    if (m_draggingAny)
        return;
    int x = 0, y = 0;
    GetLastMousePos(x, y);
    if (m_model.Press(x, y) != 0) {
        CaptureMouse();
        m_draggingAny = true;
    }
}

void VornAHorizonControl::EndDrag()
{
    m_model.Release();
    m_draggingAny = false;
    ReleaseMouse();
}

void VornAHorizonControl::OnEnable(bool enabled)
{
    if (!enabled)
        EndDrag();
}

void VornAHorizonControl::OnMouseMove(int x, int y)
{
    if (!m_draggingAny || !GetMouseDown() || !m_model.DragTo(x, y))
        return;
    Refresh(false);
    if (VornControlGroupValue* group = GetGroup())
        group->ControlDrag(GetId(), this);
}

void VornAHorizonControl::Paint(Filter& target)
{
    const DialPoint a = m_model.GetA(), b = m_model.GetB(), q = m_model.GetQ();
    const DialPoint p1 = m_model.GetP1(), p2 = m_model.GetP2();
    FilterPtr smooth = AntiAlias(target);
    DrawLine(*smooth, p2.x, p2.y, p1.x, p1.y, kAxis);
    DrawLine(*smooth, b.x, b.y, a.x, a.y, kLine);
    for (const DialPoint& h : {a, b}) {
        DrawCircle(*smooth, h.x, h.y, kHandleRadius, kLine, true);
        DrawCircle(*smooth, h.x, h.y, kHandleRadius - 2.0, kHandleCore, true);
    }
    DrawCircle(*smooth, q.x, q.y, kHandleRadius, kPitchHandle, true);
    DrawCircle(*smooth, q.x, q.y, kHandleRadius, kLine, false);
}

void VornAHorizonControl::OnDraw(wxDC* dc)
{
    const wxSize size = GetClientSize();
    if (size.x <= 0 || size.y <= 0)
        return;
    // A new size or background colour asks for other pictures.
    if (!m_face || !m_face->Fits(size, GetBackgroundColour())) {
        m_face = detail::HorizonFace::Get(m_image, m_model, size, GetBackgroundColour());
        m_picture = wxBitmap();
    }
    detail::HorizonFace& face = *m_face;
    // The painter draws into the face's buffer, which is also the image the cache hands it
    // a filter over.
    const auto paint = [&](Filter& target) {
        face.PaintBase(m_model, RollStep(m_model.GetRoll()));
        Paint(target);
    };
    const wxRect all(size);
    std::uint64_t key = 0;
    if (PictureKey(m_model, key)) {
        face.m_pictures.Draw(*dc, key, all, face.m_buffer, paint);
    } else {
        if (!m_picture.IsOk() || m_model.GetRoll() != m_drawnRoll || m_model.GetPitch() != m_drawnPitch)
            m_picture = wxBitmap(detail::RenderPatch(face.m_buffer, all, paint));
        detail::BlitBitmap(*dc, 0, 0, m_picture.GetWidth(), m_picture.GetHeight(), m_picture);
    }
    m_drawnRoll = m_model.GetRoll();
    m_drawnPitch = m_model.GetPitch();
    RecalcIfDirty();
}

} // namespace vorn

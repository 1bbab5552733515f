#include <vorn/controls/horizon.h>

#include <algorithm>
#include <cmath>

#include <vorn/util/detail/blit.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_colour.h>
#include <vorn/util/wx_image_filter.h>

namespace vorn {

namespace {
constexpr double kPi = 3.14159265358979323846;
// The outer ring of the face that stays still while the ball turns and moves; the default
// skin's bezel is this wide.
constexpr double kBezel = 3.0;
// The ball is read this far inside its rim: beyond it, the edge colour is carried on, so
// that a ball moved far along the axis still fills the window with sky or ground.
constexpr double kRimMargin = 2.0;
constexpr double kHandleRadius = 4.0;
// The overlay colours: amber line and roll handles, a pale pitch handle, a grey axis.
const ColorA kLine(1.0, 0.72, 0.2, 1.0);
const ColorA kHandleCore(0.12, 0.12, 0.14, 1.0);
const ColorA kPitchHandle(0.6, 0.88, 1.0, 1.0);
const ColorA kAxis(0.55, 0.57, 0.6, 1.0);

// The colour bytes of the face at the real point (x, y), bilinear in 1/256ths of a pixel,
// the border extended. `channels` and `bytes` are the face's, given as constants for the
// common colour face so that the compiler unrolls the hot path.
template <int channels, int bytes>
inline void SampleFace(const BitmapA& face, double x, double y, unsigned char out[3])
{
    const int ix = std::clamp(static_cast<int>(x * 256.0), 0, (face.width - 1) * 256);
    const int iy = std::clamp(static_cast<int>(y * 256.0), 0, (face.height - 1) * 256);
    const int x0 = ix >> 8, y0 = iy >> 8, fx = ix & 255, fy = iy & 255;
    const size_t row = static_cast<size_t>(face.width) * bytes;
    const unsigned char* p00 = face.data + y0 * row + static_cast<size_t>(x0) * bytes;
    const unsigned char* p10 = fx ? p00 + bytes : p00;
    const unsigned char* p01 = fy ? p00 + row : p00;
    const unsigned char* p11 = p01 + (p10 - p00);
    for (int c = 0; c < 3; ++c) {
        const int k = channels == 3 ? c : 0; // grey faces give the same byte thrice
        const int top = p00[k] * (256 - fx) + p10[k] * fx, bottom = p01[k] * (256 - fx) + p11[k] * fx;
        out[c] = static_cast<unsigned char>((top * (256 - fy) + bottom * fy + 32768) >> 16);
    }
}
} // namespace

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

// What never moves: the background and the face as it is (its ring and whatever lies
// outside the ball), kept and copied under each new picture.
void VornAHorizonControl::ComposeStill(const wxSize& size)
{
    m_still.Create(size.x, size.y);
    m_stillColour = GetBackgroundColour();
    FilterPtr target = CreateFilter(m_still);
    if (!target)
        return;
    vorn::Clear(*target, WxCtoCA(m_stillColour));
    const DialPoint c = m_model.GetCentre();
    if (m_image)
        if (FilterPtr face = CreateFilter(const_cast<BitmapA&>(*m_image))) // only read
            Blit(*target, *face, c.x - m_image->width / 2, c.y - m_image->height / 2);
}

namespace {
// Where the ball lies and how it is turned and moved (see ComposeBall).
struct BallView {
    double fcx, fcy; // the face's centre, in face pixels
    double tcx, tcy; // the same point in the picture
    double ball, reach;
    double cs, sn; // cos and sin of the roll
    double sx, sy; // Q's offset from the centre, turned into the face
};

template <int channels, int bytes>
void PaintBall(const BallView& v, const BitmapA& face, wxImage& buffer)
{
    const int width = buffer.GetWidth(), height = buffer.GetHeight();
    const double inner2 = (v.ball - 0.5) * (v.ball - 0.5), outer2 = (v.ball + 0.5) * (v.ball + 0.5);
    const double reach2 = v.reach * v.reach;
    unsigned char* data = buffer.GetData();
    for (int y = std::max(0, static_cast<int>(v.tcy - v.ball - 1)); y < height && y <= v.tcy + v.ball + 1; ++y) {
        const double dy = y - v.tcy, rest = outer2 - dy * dy;
        if (rest <= 0.0)
            continue;
        const double half = std::sqrt(rest);
        const int xa = std::max(0, static_cast<int>(std::ceil(v.tcx - half)));
        const int xb = std::min(width - 1, static_cast<int>(std::floor(v.tcx + half)));
        double dx = xa - v.tcx;
        double ux = dx * v.cs - dy * v.sn - v.sx, uy = dx * v.sn + dy * v.cs - v.sy; // stepped along the row
        unsigned char* px = data + (static_cast<size_t>(y) * width + xa) * 3;
        for (int x = xa; x <= xb; ++x, dx += 1.0, ux += v.cs, uy += v.sn, px += 3) {
            const double d2 = dx * dx + dy * dy;
            const double cover = d2 <= inner2 ? 1.0 : v.ball + 0.5 - std::sqrt(d2);
            if (cover <= 0.0)
                continue;
            double fx = ux, fy = uy;
            const double u2 = fx * fx + fy * fy;
            if (u2 > reach2) {
                const double k = v.reach / std::sqrt(u2);
                fx *= k;
                fy *= k;
            }
            if (cover >= 1.0) {
                SampleFace<channels, bytes>(face, v.fcx + fx, v.fcy + fy, px);
                continue;
            }
            unsigned char rgb[3];
            SampleFace<channels, bytes>(face, v.fcx + fx, v.fcy + fy, rgb);
            for (int k = 0; k < 3; ++k)
                px[k] = static_cast<unsigned char>(px[k] * (1.0 - cover) + rgb[k] * cover + 0.5);
        }
    }
}
} // namespace

// The ball: target pixel p shows the face at  fc + clamp(R(-roll)(p - centre) - s),  s
// being Q's offset from the centre turned the same way, so that the face's horizon passes
// through Q; the clamp to the rim carries the edge colours on. The ball's edge is smoothed
// by coverage over the still face.
void VornAHorizonControl::ComposeBall()
{
    const BitmapA& face = *m_image;
    const DialPoint c = m_model.GetCentre(), q = m_model.GetQ();
    BallView v;
    v.fcx = (face.width - 1) / 2.0;
    v.fcy = (face.height - 1) / 2.0;
    v.tcx = c.x - face.width / 2 + v.fcx;
    v.tcy = c.y - face.height / 2 + v.fcy;
    v.ball = std::min(face.width, face.height) / 2.0 - kBezel;
    v.reach = v.ball - kRimMargin;
    if (v.ball <= 0.0)
        return;
    const double theta = m_model.GetRoll() * 2.0 * kPi;
    v.cs = std::cos(theta);
    v.sn = std::sin(theta);
    const double qx = q.x - v.tcx, qy = q.y - v.tcy;
    v.sx = qx * v.cs - qy * v.sn;
    v.sy = qx * v.sn + qy * v.cs;
    if (face.channels == 3)
        PaintBall<3, 4>(v, face, m_buffer);
    else
        PaintBall<1, 2>(v, face, m_buffer);
}

void VornAHorizonControl::Compose()
{
    const wxSize size = GetClientSize();
    if (size.x <= 0 || size.y <= 0) {
        m_picture = wxBitmap();
        return;
    }
    if (!m_still.IsOk() || m_still.GetSize() != size || m_stillColour != GetBackgroundColour())
        ComposeStill(size);
    if (!m_buffer.IsOk() || m_buffer.GetSize() != size)
        m_buffer.Create(size.x, size.y);
    std::copy_n(m_still.GetData(), static_cast<size_t>(size.x) * size.y * 3, m_buffer.GetData());
    if (m_image)
        ComposeBall();
    FilterPtr target = CreateFilter(m_buffer);
    if (!target)
        return;
    const DialPoint a = m_model.GetA(), b = m_model.GetB(), q = m_model.GetQ();
    const DialPoint p1 = m_model.GetP1(), p2 = m_model.GetP2();
    FilterPtr smooth = AntiAlias(*target);
    DrawLine(*smooth, p2.x, p2.y, p1.x, p1.y, kAxis);
    DrawLine(*smooth, b.x, b.y, a.x, a.y, kLine);
    for (const DialPoint& h : {a, b}) {
        DrawCircle(*smooth, h.x, h.y, kHandleRadius, kLine, true);
        DrawCircle(*smooth, h.x, h.y, kHandleRadius - 2.0, kHandleCore, true);
    }
    DrawCircle(*smooth, q.x, q.y, kHandleRadius, kPitchHandle, true);
    DrawCircle(*smooth, q.x, q.y, kHandleRadius, kLine, false);
    m_picture = wxBitmap(m_buffer);
}

void VornAHorizonControl::OnDraw(wxDC* dc)
{
    // A new size or background colour asks for a new picture too.
    if (!m_picture.IsOk() || m_picture.GetSize() != GetClientSize() || m_stillColour != GetBackgroundColour() ||
        m_model.GetRoll() != m_drawnRoll || m_model.GetPitch() != m_drawnPitch) {
        Compose();
        m_drawnRoll = m_model.GetRoll();
        m_drawnPitch = m_model.GetPitch();
    }
    detail::BlitBitmap(*dc, 0, 0, m_picture.GetWidth(), m_picture.GetHeight(), m_picture);
    RecalcIfDirty();
}

} // namespace vorn

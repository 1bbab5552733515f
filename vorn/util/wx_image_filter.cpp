#include <vorn/util/wx_image_filter.h>

#include <cmath>
#include <new>

#include <wx/brush.h>
#include <wx/pen.h>

#include <vorn/util/raster.h>
#include <vorn/util/wx_colour.h>
#include <vorn/util/detail/unit_bytes.h>

namespace vorn {

namespace {
using detail::kByteToUnit;

double Unit(double v) { return v > 0.0 ? (v < 1.0 ? v : 1.0) : 0.0; }

unsigned char BlendByte(unsigned char old, double component, double intensity)
{
    const double i = Unit(intensity);
    return static_cast<unsigned char>(static_cast<int>(old * (1.0 - i) + i * Unit(component) * 255.0 + 0.5));
}

// The colour every fresh mirror context draws with until told otherwise.
const Color kMirrorColour(0.1, 0.4, 0.4);
} // namespace

// ---- BasicwxImageFilter ----------------------------------------------------------------

BasicwxImageFilter::~BasicwxImageFilter()
{
    if (m_seen)
        m_seen->DecRef();
}

void BasicwxImageFilter::See() const
{
    if (m_seen)
        m_seen->DecRef();
    m_seen = m_image->GetRefData();
    if (m_seen)
        m_seen->IncRef();
    m_data = m_seen ? m_image->GetData() : nullptr;
    m_width = m_data ? m_image->GetWidth() : 0;
    m_height = m_data ? m_image->GetHeight() : 0;
}

bool BasicwxImageFilter::WritePixel(int x, int y, const ColorA& c)
{
    unsigned char* p = PixelAt(x, y);
    if (!p)
        return false;
    p[0] = detail::UnitToByte(c.r);
    p[1] = detail::UnitToByte(c.g);
    p[2] = detail::UnitToByte(c.b);
    return true;
}

bool BasicwxImageFilter::ReadPixel(ColorA& c, int x, int y)
{
    const unsigned char* p = PixelAt(x, y);
    if (!p)
        return false;
    c = ColorA(p[0] * kByteToUnit, p[1] * kByteToUnit, p[2] * kByteToUnit, 1.0);
    return true;
}

bool BasicwxImageFilter::WritePixelI(int x, int y, const ColorA& c, double intensity)
{
    unsigned char* p = PixelAt(x, y);
    if (!p)
        return false;
    p[0] = BlendByte(p[0], c.r, intensity);
    p[1] = BlendByte(p[1], c.g, intensity);
    p[2] = BlendByte(p[2], c.b, intensity);
    return true;
}

int BasicwxImageFilter::GetWidth() const
{
    Sync();
    return m_width;
}

int BasicwxImageFilter::GetHeight() const
{
    Sync();
    return m_height;
}

void BasicwxImageFilter::Clear() { m_image->Destroy(); }

bool BasicwxImageFilter::Create(int width, int height)
{
    if (width <= 0 || height <= 0) {
        m_image->Destroy();
        return false;
    }
    return m_image->Create(width, height, true);
}

FilterPtr CreateFilter(wxImage& image)
{
    return FilterPtr(new (std::nothrow) BasicwxImageFilter(image));
}

// ---- wxBitmapUnDoFilter ----------------------------------------------------------------

wxBitmapUnDoFilter::wxBitmapUnDoFilter(Filter& filter) : m_undo(std::make_unique<UnDoFilter>(filter))
{
    m_undo->Initialize();
    MakeMirror();
}

wxBitmapUnDoFilter::~wxBitmapUnDoFilter()
{
    m_dc.reset(); // the bitmap must leave its context before it goes
}

void wxBitmapUnDoFilter::MakeMirror()
{
    m_dc.reset();
    m_bitmap = wxBitmap();
    const int w = m_undo->GetWidth(), h = m_undo->GetHeight();
    if (w > 0 && h > 0)
        m_bitmap.Create(w, h, wxBITMAP_SCREEN_DEPTH);
    updatebitmap();
}

void wxBitmapUnDoFilter::updatebitmap()
{
    m_dc.reset();
    const int w = m_bitmap.IsOk() ? m_bitmap.GetWidth() : 0;
    const int h = m_bitmap.IsOk() ? m_bitmap.GetHeight() : 0;
    if (w <= 0 || h <= 0)
        return;
    wxImage copy(w, h, true);
    if (FilterPtr target = CreateFilter(copy))
        Copy(*target, *m_undo);
    m_bitmap = wxBitmap(copy, wxBITMAP_SCREEN_DEPTH);
    m_dc = std::make_unique<wxMemoryDC>(m_bitmap);
    const wxColour colour = CtoWxC(kMirrorColour);
    m_dc->SetBrush(wxBrush(colour, wxBRUSHSTYLE_SOLID));
    m_dc->SetPen(wxPen(colour, 1, wxPENSTYLE_SOLID));
    m_dc->SetBackground(wxBrush(colour, wxBRUSHSTYLE_SOLID));
}

void wxBitmapUnDoFilter::MirrorPixel(int x, int y)
{
    ColorA stored;
    if (!m_dc || !m_undo->ReadPixel(stored, x, y))
        return;
    // The stored bytes, not the requested colour, so that the mirror matches exactly.
    const wxColour colour(detail::UnitToByte(stored.r), detail::UnitToByte(stored.g), detail::UnitToByte(stored.b));
    m_dc->SetPen(wxPen(colour, 1, wxPENSTYLE_SOLID));
    m_dc->DrawPoint(x, y);
}

bool wxBitmapUnDoFilter::WritePixel(int x, int y, const ColorA& c)
{
    if (!m_undo->WritePixel(x, y, c))
        return false;
    MirrorPixel(x, y);
    return true;
}

bool wxBitmapUnDoFilter::ReadPixel(ColorA& c, int x, int y) { return m_undo->ReadPixel(c, x, y); }

bool wxBitmapUnDoFilter::WritePixelI(int x, int y, const ColorA& c, double intensity)
{
    if (!m_undo->WritePixelI(x, y, c, intensity))
        return false;
    MirrorPixel(x, y);
    return true;
}

int wxBitmapUnDoFilter::GetWidth() const { return m_undo->GetWidth(); }
int wxBitmapUnDoFilter::GetHeight() const { return m_undo->GetHeight(); }

void wxBitmapUnDoFilter::Clear()
{
    m_undo->Clear();
    MakeMirror();
}

bool wxBitmapUnDoFilter::Create(int width, int height)
{
    const bool ok = m_undo->Create(width, height);
    MakeMirror();
    return ok;
}

void wxBitmapUnDoFilter::Initialize() { m_undo->Initialize(); }

void wxBitmapUnDoFilter::UnDo()
{
    const auto& record = m_undo->GetRecord();
    if (m_dc) {
        for (auto it = record.rbegin(); it != record.rend(); ++it) {
            const ColorA& old = it->old;
            const wxColour colour(detail::UnitToByte(old.r), detail::UnitToByte(old.g), detail::UnitToByte(old.b));
            m_dc->SetPen(wxPen(colour, 1, wxPENSTYLE_SOLID));
            m_dc->DrawPoint(it->x, it->y);
        }
    }
    m_undo->UnDo();
}

} // namespace vorn

#include <vorn/tree/error_row.h>

#include <wx/dcmemory.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/util/detail/blit.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_colour.h>
#include <vorn/util/wx_image_filter.h>

namespace vorn {

namespace {
// The small texts' font; also stands in for a name font the skin lacks.
wxFont SmallFont() { return wxFont(wxFontInfo(8).Family(wxFONTFAMILY_SWISS)); }
} // namespace

ErrorRowLayout::ErrorRowLayout(int h, int align, int nameHeight)
{
    const double mid = (h - 20) * 0.5 + 0.5;
    lineMid = (h - 20) / 2;
    nameY = static_cast<int>(mid - (nameHeight * 0.5 + 0.5));
    detailX = align + 20;
    widgetY = static_cast<int>(mid - 15.0);
    valTypeY = static_cast<int>(mid + 5.0);
    errorY = h - 20;
}

ErrorControl::ErrorControl(int width, int height, AssetManager* assets, std::string error, std::string name,
                           std::string widget, std::string valueType)
    : m_width(width), m_height(height), m_name(std::move(name)), m_error(std::move(error)), m_assets(assets),
      m_widget(std::move(widget)), m_valueType(std::move(valueType))
{
    if (!m_assets || !m_assets->GetFont(vornskin::kControlNameFont, m_nameFont) || !m_nameFont.IsOk())
        m_nameFont = SmallFont();
    SetNameSizes();
}

// Extents do not depend on the bitmap, so a 1 × 1 scratch one does.
void ErrorControl::SetNameSizes()
{
    wxBitmap scratch(1, 1, 24);
    wxMemoryDC dc(scratch);
    dc.SetFont(m_nameFont);
    const wxSize size = dc.GetTextExtent(wxString::FromUTF8(m_name));
    m_nameWidth = size.x;
    m_nameHeight = size.y;
}

void ErrorControl::OnDraw(wxDC* dc)
{
    const int w = m_width, h = m_height, a = GetAllignmentPt();
    if (!dc || w <= 0 || h <= 0)
        return;
    const ErrorRowLayout layout = GetLayout();
    const int m = layout.lineMid;
    wxImage image(w, h);
    if (FilterPtr f = CreateFilter(image)) {
        const ColorA line = CtoCA(m_lineCol);
        vorn::Clear(*f, ColorA(0.2, 0.0, 0.0, 1.0));
        DrawCircle(*f, a, m, 3, line, false);
        DrawLine(*f, a, 0, a, m - 3, line);
        DrawLine(*f, a, m + 3, a, h, line);
    }
    wxBitmap picture(image);
    wxMemoryDC mdc(picture);
    mdc.SetTextForeground(CtoWxC(m_lineCol));
    mdc.SetFont(m_nameFont);
    mdc.DrawText(wxString::FromUTF8(m_name), 0, layout.nameY);
    mdc.SetFont(SmallFont());
    mdc.DrawText(wxString::FromUTF8("Widget:" + m_widget), layout.detailX, layout.widgetY);
    mdc.DrawText(wxString::FromUTF8("ValType:" + m_valueType), layout.detailX, layout.valTypeY);
    mdc.DrawText(wxString::FromUTF8("Error:" + m_error), 0, layout.errorY);
    mdc.SelectObject(wxNullBitmap);
    detail::BlitBitmap(*dc, 0, 0, w, h, picture);
}

} // namespace vorn

#include <vorn/controls/text_button.h>

#include <wx/dcmemory.h>

#include <vorn/controls/detail/button_image.h>
#include <vorn/util/detail/blit.h>

namespace vorn {

namespace {

void DrawText(wxDC& dc, const std::string& text, int x, int y)
{
    dc.DrawText(wxString::FromUTF8(text), x, y);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// VornTextPushButton

VornTextPushButton::VornTextPushButton(const std::string& text, int x, int y, const wxFont& font,
                                       const wxColour& textColour, const wxColour& background,
                                       const wxColour& highlight, int w, int h, wxWindow* parent, int id,
                                       VornControlGroup* group, long style)
{
    VornTextPushButton::Create(text, x, y, font, textColour, background, highlight, w, h, parent, id, group, style);
}

VornTextPushButton::VornTextPushButton(const VornwxBitmapCache* cache, int x, int y, const std::string& text, int tx,
                                       int ty, const wxFont& font, const wxColour& textColour,
                                       const wxColour& background, const wxColour& highlight, wxWindow* parent,
                                       int id, VornControlGroup* group, long style)
{
    VornTextPushButton::Create(cache, x, y, text, tx, ty, font, textColour, background, highlight, parent, id,
                               group, style);
}

// The image-less form gets only one position, the window's; its text is centred in the
// window rather than drawn at that same position inside it, where it would mostly miss.
bool VornTextPushButton::Create(const std::string& text, int x, int y, const wxFont& font,
                                const wxColour& textColour, const wxColour& background, const wxColour& highlight,
                                int w, int h, wxWindow* parent, int id, VornControlGroup* group, long style)
{
    m_cache = nullptr;
    m_centred = true;
    const bool ok = VornControl::Create(x, y, w, h, parent, id, group, style);
    return FinishCreate(ok, text, font, textColour, background, highlight);
}

bool VornTextPushButton::Create(const VornwxBitmapCache* cache, int x, int y, const std::string& text, int tx,
                                int ty, const wxFont& font, const wxColour& textColour, const wxColour& background,
                                const wxColour& highlight, wxWindow* parent, int id, VornControlGroup* group,
                                long style)
{
    m_cache = cache;
    m_centred = false;
    m_textX = tx;
    m_textY = ty;
    const bool ok = VornControl::Create(x, y, parent, id, group, style);
    int w = 0, h = 0;
    if (cache && cache->GetSize(w, h))
        VornWindow::SetSize(w, h);
    return FinishCreate(ok, text, font, textColour, background, highlight);
}

bool VornTextPushButton::FinishCreate(bool ok, const std::string& text, const wxFont& font,
                                      const wxColour& textColour, const wxColour& background,
                                      const wxColour& highlight)
{
    m_font = font;
    m_textColour = textColour;
    m_background = background;
    m_highlight = highlight;
    if (ok) {
        wxWindow::SetFont(font);
        SetBgColour(background);
    }
    SetText(text);
    return ok;
}

void VornTextPushButton::CentreText()
{
    if (!m_centred || !GetHandle())
        return;
    int tw = 0, th = 0;
    GetTextExtent(wxString::FromUTF8(m_text), &tw, &th, nullptr, nullptr, &m_font);
    m_textX = (GetWidth() - tw) / 2;
    m_textY = (GetHeight() - th) / 2;
}

void VornTextPushButton::SetText(const std::string& text)
{
    m_text = text;
    CentreText();
    SetDirty();
    Refresh(false);
}

bool VornTextPushButton::GetImage(VORNIMAGETYPE state, WallpaperImageInfo<wxBitmap>& info) const
{
    return detail::FindButtonImage(m_cache, state, info);
}

void VornTextPushButton::OnMouseButton()
{
    SetDirty();
    Refresh(false);
    if (!m_group)
        return;
    if (GetMouseDown())
        m_group->ControlSelected(GetId(), this);
    else if (GetMouseOver())
        m_group->ControlUnSelected(GetId(), this);
}

// The pressed and over looks come straight from the pointer flags, so they show at once.
void VornTextPushButton::OnDraw(wxDC* dc)
{
    RecalcIfDirty();
    if (!m_cache) {
        dc->SetBackground(wxBrush(m_background, wxBRUSHSTYLE_SOLID));
        dc->Clear();
    }
    dc->SetFont(m_font);
    VORNIMAGETYPE state = VORN_IMAGE_OFF;
    if (GetMouseOver())
        state = GetMouseDownLeft() ? VORN_IMAGE_OFF_DOWN : VORN_IMAGE_OFF_MOUSE_OVER;
    dc->SetTextForeground(state == VORN_IMAGE_OFF ? m_textColour : m_highlight);
    WallpaperImageInfo<wxBitmap> info;
    if (GetImage(state, info))
        detail::BlitBitmap(*dc, 0, 0, info.width, info.height, *info.wallpaper, info.x, info.y);
    dc->SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    DrawText(*dc, m_text, m_textX, m_textY);
}

// ---------------------------------------------------------------------------------------------
// VornTextRadioButton

VornTextRadioButton::VornTextRadioButton(const std::string& text, int tx, int ty, const wxFont& font,
                                         const wxColour& textColour, const wxColour& second,
                                         const wxColour& highlight, const VornwxBitmapCache* cache, int x, int y,
                                         wxWindow* parent, int id, VornControlGroup1ofN* group, long style)
{
    VornTextRadioButton::Create(text, tx, ty, font, textColour, second, highlight, cache, x, y, parent, id, group,
                                style);
}

VornTextRadioButton::VornTextRadioButton(const std::string& text, int tx, int ty, const wxFont& font,
                                         const wxColour& textColour, const wxColour& second,
                                         const wxColour& highlight, const VornwxBitmapCache* cache, int x, int y,
                                         int w, int h, wxWindow* parent, int id, VornControlGroup1ofN* group,
                                         long style)
{
    VornTextRadioButton::Create(text, tx, ty, font, textColour, second, highlight, cache, x, y, w, h, parent, id,
                                group, style);
}

// Without a highlight colour the text colour stands in, so the text never changes colour.
VornTextRadioButton::VornTextRadioButton(const std::string& text, int tx, int ty, const wxFont& font,
                                         const wxColour& textColour, const wxColour& second,
                                         const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                                         VornControlGroup1ofN* group, long style)
{
    VornTextRadioButton::Create(text, tx, ty, font, textColour, second, textColour, cache, x, y, parent, id, group,
                                style);
}

VornTextRadioButton::VornTextRadioButton(const std::string& text, int tx, int ty, const std::string& text2, int tx2,
                                         int ty2, const wxFont& font, const wxColour& textColour,
                                         const wxColour& second, const wxColour& highlight,
                                         const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                                         VornControlGroup1ofN* group, long style)
{
    VornTextRadioButton::Create(text, tx, ty, font, textColour, second, highlight, cache, x, y, parent, id, group,
                                style);
    m_text2 = text2;
    m_text2X = tx2;
    m_text2Y = ty2;
}

bool VornTextRadioButton::Create(const std::string& text, int tx, int ty, const wxFont& font,
                                 const wxColour& textColour, const wxColour& second, const wxColour& highlight,
                                 const VornwxBitmapCache* cache, int x, int y, wxWindow* parent, int id,
                                 VornControlGroup1ofN* group, long style)
{
    const bool ok = VornRadioButton::Create(cache, x, y, parent, id, group, style);
    return FinishText(ok, text, tx, ty, font, textColour, second, highlight);
}

bool VornTextRadioButton::Create(const std::string& text, int tx, int ty, const wxFont& font,
                                 const wxColour& textColour, const wxColour& second, const wxColour& highlight,
                                 const VornwxBitmapCache* cache, int x, int y, int w, int h, wxWindow* parent,
                                 int id, VornControlGroup1ofN* group, long style)
{
    const bool ok = VornRadioButton::Create(cache, x, y, w, h, parent, id, group, style);
    return FinishText(ok, text, tx, ty, font, textColour, second, highlight);
}

bool VornTextRadioButton::FinishText(bool ok, const std::string& text, int tx, int ty, const wxFont& font,
                                     const wxColour& textColour, const wxColour& second, const wxColour& highlight)
{
    m_text = text;
    m_textX = tx;
    m_textY = ty;
    m_text2.clear();
    m_text2X = m_text2Y = -1;
    m_font = font;
    m_textColour = textColour;
    m_second = second;
    m_highlight = highlight;
    int w = 0, h = 0;
    if (!(m_cache && m_cache->GetSize(w, h)))
        GetSize(w, h);
    m_buffer = w > 0 && h > 0 ? wxBitmap(w, h) : wxBitmap();
    return ok;
}

void VornTextRadioButton::SetText(const std::string& text)
{
    m_text = text;
    Refresh(false);
}

void VornTextRadioButton::SetText2(const std::string& text)
{
    m_text2 = text;
    Refresh(false);
}

void VornTextRadioButton::SetFgCol(const wxColour& colour)
{
    m_textColour = colour;
    Refresh(false);
}

void VornTextRadioButton::OnDraw(wxDC* dc)
{
    RecalcIfDirty();
    WallpaperImageInfo<wxBitmap> info;
    if (!GetImageInfo(info) || !m_buffer.IsOk())
        return;
    {
        wxMemoryDC buffer(m_buffer);
        buffer.SetFont(m_font);
        buffer.SetBackground(wxBrush(GetBackgroundColour()));
        buffer.Clear();
        detail::BlitBitmap(buffer, 0, 0, info.width, info.height, *info.wallpaper, info.x, info.y);
        buffer.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
        buffer.SetTextForeground(GetOn() || GetMouseOver() ? m_highlight : m_textColour);
        DrawText(buffer, m_text, m_textX, m_textY);
        if (m_text2Y != -1)
            DrawText(buffer, m_text2, m_text2X, m_text2Y);
    }
    const wxSize client = GetClientSize();
    detail::BlitBitmap(*dc, 0, 0, client.x, client.y, m_buffer);
}

} // namespace vorn

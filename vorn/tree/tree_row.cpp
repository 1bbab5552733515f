#include <vorn/tree/tree_row.h>

#include <wx/dcmemory.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/controls/button.h>
#include <vorn/tree/tree_node.h>
#include <vorn/util/detail/blit.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_colour.h>
#include <vorn/util/wx_image_filter.h>

namespace vorn {

void VUITreeFuncCG::ControlSelected(unsigned int, VornControl*)
{
    if (m_owner)
        m_owner->OnFunctionButtonPush();
}

void VUITreeSubPrimBaseCG::ControlSelected(unsigned int, VornControl*)
{
    if (m_owner)
        m_owner->OnButtonPush();
}

// ---- VUITreeControlBase ---------------------------------------------------------------

VUITreeControlBase::VUITreeControlBase(AssetManager* assets, std::string name, bool functionButton)
    : m_hasFuncButton(functionButton), m_name(std::move(name)), m_labelFont(*wxNORMAL_FONT),
      m_labelColour(*wxWHITE), m_highlightColour(*wxWHITE), m_assets(assets)
{
    m_funcGroup.m_owner = this;
    if (assets) {
        assets->GetFont(vornskin::kTreeContName, m_labelFont);
        assets->GetColour(vornskin::kTreeContNameCol, m_labelColour);
        assets->GetColour(vornskin::kTreeTextHilite, m_highlightColour);
    }
    SetNameTextSizes();
}

VUITreeControlBase::~VUITreeControlBase() { delete m_funcButton; }

bool VUITreeControlBase::Create(wxWindow* parent, int id, VornControlGroup* group, long style)
{
    const bool ok = VornVUIControl::Create(parent, id, group, style);
    if (m_hasFuncButton && m_assets && !m_funcButton) {
        VornListBoxInfo info;
        m_assets->LoadListBoxCached(vornskin::kTreeFunctionListButton, info);
        wxFont font = *wxNORMAL_FONT;
        m_assets->GetFont(vornskin::kTreeLbFont, font);
        const int iw = info.imageCache ? info.imageCache->GetWidth() : 0;
        const int ih = info.imageCache ? info.imageCache->GetHeight() : 0;
        m_funcButton = new VornListButton;
        m_funcButton->Create(info, GetAllignmentPt() - iw, static_cast<int>(GetMaxHeight() * 0.5 - ih * 0.5 + 1.0),
                             this, font, -1, &m_funcGroup, 0);
        m_funcButton->SetDisplayCallback(this);
        m_funcButton->Show(true);
    }
    m_created = true;
    return ok;
}

// Extents do not depend on the bitmap, so a 1 × 1 scratch one does: a tree of thousands
// of rows measures thousands of labels.
void VUITreeControlBase::SetNameTextSizes()
{
    wxBitmap scratch(1, 1, 24);
    wxMemoryDC dc(m_rowImage && m_rowImage->IsOk() ? *m_rowImage : scratch);
    dc.SetFont(m_labelFont);
    const wxSize size = dc.GetTextExtent(wxString::FromUTF8(m_name));
    m_labelWidth = size.x;
    m_labelHeight = size.y;
}

void VUITreeControlBase::ChangeName(std::string name)
{
    m_name = std::move(name);
    if (m_created)
        Refresh(false);
}

bool VUITreeControlBase::GetCoolMushName(const std::string& name, std::string& text, int& x, wxDC& dc)
{
    const auto measure = [&dc](const std::string& s) { return dc.GetTextExtent(wxString::FromUTF8(s)).x; };
    return ShortenTreeLabel(name, m_labelWidth, GetAllignmentPt(), GetPosX(), measure, text, x);
}

void VUITreeControlBase::DrawRowImage(wxDC& dc)
{
    const int w = GetMaxWidth(), h = GetMaxHeight(), a = GetAllignmentPt(), m = h / 2;
    if (w <= 0 || h <= 0)
        return;
    // The size joins the key: subclasses may change their width after a first paint.
    if (!m_rowImage || m_cachedX != GetPosX() || m_cachedName != m_name || m_cachedSize != wxSize(w, h)) {
        m_cachedX = GetPosX();
        m_cachedName = m_name;
        m_cachedSize = wxSize(w, h);
        wxImage image(w, h);
        if (FilterPtr f = CreateFilter(image)) {
            const ColorA line = CtoCA(m_lineCol);
            vorn::Clear(*f, CtoCA(m_backgroundCol));
            DrawCircle(*f, a, m, 3, line, false);
            DrawLine(*f, a, 0, a, m - 3, line);
            DrawLine(*f, a, m + 3, a, h, line);
        }
        m_rowImage = std::make_unique<wxBitmap>(image);
        wxMemoryDC mdc(*m_rowImage);
        mdc.SetFont(m_labelFont);
        mdc.SetTextForeground(m_labelColour);
        std::string text;
        int x = 0;
        if (GetCoolMushName(m_name, text, x, mdc))
            mdc.DrawText(wxString::FromUTF8(text), x, static_cast<int>((h * 0.5 + 0.5) - (m_labelHeight * 0.5 + 0.5)));
    }
    detail::BlitBitmap(dc, 0, 0, w, h, *m_rowImage);
}

void VUITreeControlBase::OnDraw(wxDC* dc) { DrawRowImage(*dc); }

void VUITreeControlBase::UpDateData(VornListButton* button)
{
    if (!button)
        return;
    button->ClearAll();
    button->Append("Widget");
    button->Append();
    button->Append("Texture");
    button->Append("Function");
}

int VUITreeControlBase::GetNodeIdOrNone() const { return m_node ? m_node->GetNodeID() : -1; }

void VUITreeControlBase::OnFunctionButtonPush()
{
    FunctionButtonPushHint hint(GetNodeIdOrNone(), -1, 0);
    switch (m_funcButton ? m_funcButton->GetSelected() : -1) {
    case 0: hint.requestedKind = 0; break;
    case 2: hint.requestedKind = 1; break;
    case 3: hint.requestedKind = 2; break;
    default: break;
    }
    if (hint.requestedKind != hint.currentKind && m_group)
        m_group->Update(0, this, &hint);
}

void VUITreeControlBase::NotifyParentGroup(unsigned int, VornControl* control, VornControlHint* hint)
{
    if (control == this || !m_group)
        return;
    if (dynamic_cast<VUIControlChanging*>(hint)) {
        NodeChangingHint changing(GetNodeIdOrNone());
        m_group->Update(0, this, &changing);
    } else if (dynamic_cast<VUIControlChanged*>(hint)) {
        NodeChangedHint changed(GetNodeIdOrNone());
        m_group->Update(0, this, &changed);
    }
}

// ---- VUITreeSeperator -----------------------------------------------------------------

void VUITreeSeperator::OnDraw(wxDC* dc)
{
    if (!m_ownColour)
        m_colour = m_lineCol;
    dc->SetPen(wxPen(CtoWxC(m_colour), 1, wxPENSTYLE_SOLID));
    dc->DrawLine(0, 0, m_width - 1, 0);
}

// ---- VUITreeSubPrimBase ---------------------------------------------------------------

VUITreeSubPrimBase::VUITreeSubPrimBase(AssetManager* assets, std::string name, bool functionButton)
    : VUITreeControlBase(assets, std::move(name), functionButton)
{
    m_pushGroup.m_owner = this;
}

VUITreeSubPrimBase::~VUITreeSubPrimBase() { delete m_pushButton; }

// Without images there is nothing to press: the button is made only from an image set.
bool VUITreeSubPrimBase::Create(wxWindow* parent, int id, VornControlGroup* group, long style)
{
    const bool ok = VUITreeControlBase::Create(parent, id, group, style);
    if (m_imageCache && !m_pushButton) {
        const int iw = m_imageCache->GetWidth(), ih = m_imageCache->GetHeight();
        m_pushButton = new VornPushButton;
        m_pushButton->Create(m_imageCache, GetAllignmentPt() + 25,
                             static_cast<int>(GetMaxHeight() * 0.5 - (ih * 0.5 + 0.5) + 1.0), iw, ih, this, -1,
                             &m_pushGroup, 0);
        m_pushButton->Show();
    }
    return ok;
}

int VUITreeSubPrimBase::GetMaxWidth()
{
    return m_imageCache ? m_imageCache->GetWidth() + GetAllignmentPt() + 35 : GetAllignmentPt() + 5;
}

void VUITreeSubPrimBase::OnDraw(wxDC* dc)
{
    const int w = GetMaxWidth(), h = GetMaxHeight(), a = GetAllignmentPt();
    if (w <= 0 || h <= 0)
        return;
    wxBitmap bitmap(w, h, 24);
    {
        wxMemoryDC mdc(bitmap);
        DrawRowImage(mdc);
        mdc.SetPen(wxPen(CtoWxC(m_lineCol), 1, wxPENSTYLE_SOLID));
        mdc.DrawLine(a + 3, h / 2, a + 25, h / 2);
    }
    detail::BlitBitmap(*dc, 0, 0, w, h, bitmap);
}

void VUITreeSubPrimBase::OnButtonPush()
{
    if (!m_group)
        return;
    NodeButtonPushHint hint(GetNodeIdOrNone());
    m_group->Update(0, this, &hint);
}

} // namespace vorn

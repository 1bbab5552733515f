#include <vorn/tree/tree_row.h>

#include <map>
#include <tuple>
#include <utility>

#include <wx/dcmemory.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/controls/button.h>
#include <vorn/tree/tree_node.h>
#include <vorn/util/detail/blit.h>
#include <vorn/util/detail/text_measure.h>
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

// A tree makes its rows on demand, thousands of them, and shows a few: a row's widgets cost
// more than the row, so a deferred row makes them just before it is first realised, in the
// realising pass that then realises them too. Once made they are kept (giving them back on
// unrealise would cost the making again at every scroll). Until then the row answers from
// the values it holds. A row with a toolkit window of its own makes them here.
bool VUITreeControlBase::Create(wxWindow* parent, int id, VornControlGroup* group, long style)
{
    const bool ok = VornVUIControl::Create(parent, id, group, style);
    m_created = true;
    if (!IsDeferred())
        CreateWidgets();
    return ok;
}

void VUITreeControlBase::CreateWidgets()
{
    if (!m_created || m_widgetsMade)
        return;
    m_widgetsMade = true;
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
    OnCreateWidgets();
}

void VUITreeControlBase::SetNameTextSizes()
{
    const wxSize size = detail::CachedTextExtent(m_labelFont, m_name);
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

namespace {
// The tree line and node dot depend on nothing but the row's size, alignment point and
// colours, so the rows of a tree share a few such pictures instead of each keeping its
// own bitmap (10,000 rows scrolled through would keep 10,000 of them). The label is drawn
// over the picture at every paint.
const wxBitmap& RowPicture(int w, int h, int a, const Color& background, const Color& lineColour)
{
    using Key = std::tuple<int, int, int, wxUint32, wxUint32>;
    static auto* const pictures = new std::map<Key, wxBitmap>; // kept to the end, as above
    const Key key(w, h, a, CtoWxC(background).GetRGB(), CtoWxC(lineColour).GetRGB());
    const auto it = pictures->find(key);
    if (it != pictures->end())
        return it->second;
    if (pictures->size() >= 256)
        pictures->clear();
    const int m = h / 2;
    wxImage image(w, h);
    if (FilterPtr f = CreateFilter(image)) {
        const ColorA line = CtoCA(lineColour);
        vorn::Clear(*f, CtoCA(background));
        DrawCircle(*f, a, m, 3, line, false);
        DrawLine(*f, a, 0, a, m - 3, line);
        DrawLine(*f, a, m + 3, a, h, line);
    }
    return pictures->emplace(key, wxBitmap(image)).first->second;
}
} // namespace

void VUITreeControlBase::DrawRowImage(wxDC& dc)
{
    const int w = GetMaxWidth(), h = GetMaxHeight();
    if (w <= 0 || h <= 0)
        return;
    detail::BlitBitmap(dc, 0, 0, w, h, RowPicture(w, h, GetAllignmentPt(), m_backgroundCol, m_lineCol));
    dc.SetFont(m_labelFont);
    dc.SetTextForeground(m_labelColour);
    std::string text;
    int x = 0;
    if (GetCoolMushName(m_name, text, x, dc))
        dc.DrawText(wxString::FromUTF8(text), x, static_cast<int>((h * 0.5 + 0.5) - (m_labelHeight * 0.5 + 0.5)));
}

void VUITreeControlBase::OnDraw(wxDC* dc) { DrawRowImage(*dc); }

void VUITreeControlBase::UpDateData(VornListButton* button)
{
    if (!button)
        return;
    const VUITreeFunctionChoices& choices = GetFunctionChoices();
    button->ClearAll();
    button->Append(choices.texts[0]);
    button->Append();
    button->Append(choices.texts[1]);
    button->Append(choices.texts[2]);
}

const VUITreeFunctionChoices& VUITreeControlBase::GetFunctionChoices() const
{
    static const VUITreeFunctionChoices widget{{"Widget", "Texture", "Function"}, {0, 1, 2}, 0};
    return widget;
}

int VUITreeControlBase::GetNodeIdOrNone() const { return m_node ? m_node->GetNodeID() : -1; }

void VUITreeControlBase::OnFunctionButtonPush()
{
    const VUITreeFunctionChoices& choices = GetFunctionChoices();
    FunctionButtonPushHint hint(GetNodeIdOrNone(), -1, choices.currentKind);
    switch (m_funcButton ? m_funcButton->GetSelected() : -1) {
    case 0: hint.requestedKind = choices.kinds[0]; break;
    case 2: hint.requestedKind = choices.kinds[1]; break;
    case 3: hint.requestedKind = choices.kinds[2]; break;
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
void VUITreeSubPrimBase::OnCreateWidgets()
{
    if (m_imageCache && !m_pushButton) {
        const int iw = m_imageCache->GetWidth(), ih = m_imageCache->GetHeight();
        m_pushButton = new VornPushButton;
        m_pushButton->Create(m_imageCache, GetAllignmentPt() + 25,
                             static_cast<int>(GetMaxHeight() * 0.5 - (ih * 0.5 + 0.5) + 1.0), iw, ih, this, -1,
                             &m_pushGroup, 0);
        m_pushButton->Show();
    }
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

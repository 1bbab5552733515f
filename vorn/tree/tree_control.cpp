#include <vorn/tree/tree_control.h>

#include <algorithm>

#include <wx/dcmemory.h>
#include <wx/region.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/util/detail/blit.h>
#include <vorn/util/raster.h>
#include <vorn/util/wx_colour.h>
#include <vorn/util/wx_image_filter.h>

namespace vorn {

namespace {
void FillWithColour(wxDC& dc, const Color& colour, int x, int y, int w, int h)
{
    const wxColour c = CtoWxC(colour);
    dc.SetPen(wxPen(c, 1, wxPENSTYLE_SOLID));
    dc.SetBrush(wxBrush(c, wxBRUSHSTYLE_SOLID));
    dc.DrawRectangle(x, y, w, h);
}
} // namespace

// ---- VornVUIControl -------------------------------------------------------------------

bool VornVUIControl::Create(wxWindow* parent, int id, VornControlGroup* group, long style)
{
    return Create(0, 0, GetMaxWidth(), GetMaxHeight(), parent, id, group, style);
}

bool VornVUIControl::Create(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group, long style)
{
    return VornControl::Create(x, y, w, h, parent, id, group, style);
}

bool VornVUIControl::Create(int x, int y, wxWindow* parent, int id, VornControlGroup* group, long style)
{
    return VornControl::Create(x, y, parent, id, group, style);
}

// ---- VornMainVUITreeControl -----------------------------------------------------------

VornMainVUITreeControl::VornMainVUITreeControl() : m_treeGroup(new VornControlGroupValue) {}

VornMainVUITreeControl::VornMainVUITreeControl(int allign, AssetManager* assets, int x, int y, int w, int h,
                                               wxWindow* parent, int id, VornControlGroup* group, long style)
    : VornMainVUITreeControl()
{
    Create(allign, assets, x, y, w, h, parent, id, group, style);
}

// The group goes first: it lets go of all its rows at once, where each row leaving it
// on its own would search the group's whole id map (quadratic over a long tree).
VornMainVUITreeControl::~VornMainVUITreeControl()
{
    delete m_treeGroup;
    if (m_root) {
        m_root->GetRootControl()->Hide();
        delete m_root;
    }
    delete m_scrollBar;
}

bool VornMainVUITreeControl::Create(int allign, AssetManager* assets, int x, int y, int w, int h,
                                    wxWindow* parent, int id, VornControlGroup* group, long style)
{
    const bool ok = VornControl::Create(x, y, w, h, parent, id, group, style);
    m_assets = assets;
    wxColour fg(*wxWHITE), bg(*wxBLACK), mo(*wxLIGHT_GREY);
    if (assets) {
        assets->GetColour(vornskin::kScrollbarFg, fg);
        assets->GetColour(vornskin::kScrollbarBg, bg);
        assets->GetColour(vornskin::kScrollbarMo, mo);
    }
    m_scrollBar = new VornTreeRootScrollControl;
    m_scrollBar->Create(fg, bg, mo, 10, 10, h - 20, this, -1, nullptr, 0);
    m_scrollBar->SetSliderVal(m_scrollPos, true);
    m_scrollBar->Show();
    m_scrollBar->SetOwner(this);

    const int left = m_scrollBar->GetWidth() + 25;
    m_root = new VornTreeRootNode(allign - left, Color(), assets);
    m_root->SetVisible(true);
    m_root->GetRootControl()->Create(left, 0, w, h, this, -1, nullptr, 0);
    m_root->SetTreeControl(this);
    m_root->SetDisplay(left, 0, w, h);

    Color line = m_lineCol, back = m_backgroundCol, over = m_mouseOverCol;
    if (assets) {
        assets->GetColour(vornskin::kTreeFg, line);
        assets->GetColour(vornskin::kTreeBg, back);
        assets->GetColour(vornskin::kTreeMo, over);
    }
    SetBackgroundCol(back);
    SetLineCol(line);
    SetMouseOverCol(over);
    Update();
    return ok;
}

void VornMainVUITreeControl::SetBackgroundCol(Color c)
{
    m_backgroundCol = c;
    if (m_root) {
        m_root->GetRootControl()->SetBackgroundCol(c);
        m_root->GetRootControl()->Refresh(false);
    }
    Refresh(false);
}

void VornMainVUITreeControl::SetLineCol(Color c)
{
    m_lineCol = c;
    if (m_root)
        m_root->GetRootControl()->SetLineCol(c);
}

void VornMainVUITreeControl::SetMouseOverCol(Color c)
{
    m_mouseOverCol = c;
    if (m_root)
        m_root->GetRootControl()->SetMouseOverCol(c);
}

void VornMainVUITreeControl::SetTreeSize(int w, int h)
{
    SetSize(w, h);
    if (m_scrollBar) {
        const double slider = m_scrollBar->GetSliderVal();
        m_scrollBar->SetSize(m_scrollBar->GetWidth(), h - 20);
        m_scrollBar->SetSliderVal(slider, false);
        m_scrollBar->Refresh(false);
    }
    if (m_root)
        m_root->SetDisplay((m_scrollBar ? m_scrollBar->GetWidth() : 0) + 25, 0, w, h);
    Update();
    RefreshTree();
}

void VornMainVUITreeControl::RefreshTree()
{
    if (m_root)
        m_root->Refresh();
}

void VornMainVUITreeControl::Update()
{
    if (!m_root || !m_scrollBar)
        return;
    VornVUITreeRootControl* view = m_root->GetRootControl();
    const int hv = view->GetHeight(), hc = m_root->GetHeight();
    int d = 0;
    if (hc > hv) {
        if (!m_scrollBar->IsVisible()) {
            m_scrollBar->SetSliderVal(0.0, false);
            m_scrollBar->Show();
        }
        const double f = static_cast<double>(hv) / hc;
        if (f != m_scrollBar->GetFractionVal())
            m_scrollBar->SetFractionVal(f);
        const int p = TreeScrollPosition(m_scrollBar->GetSliderVal(), hc, hv);
        d = p - m_scrollPos;
        m_scrollPos = p;
    } else if (m_scrollBar->IsVisible()) {
        m_scrollBar->Hide();
    }
    // Moving the origin by d is what scrolling the window's contents by -d was.
    view->ScrollContentTo(view->GetDeferredOrigin().y + d);
}

// Only the strips the root control and the scroll bar leave uncovered: GTK paints this
// window under its children whenever they repaint, at every scroll step.
void VornMainVUITreeControl::OnDraw(wxDC* dc)
{
    wxRegion uncovered(0, 0, GetWidth(), GetHeight());
    if (m_root && m_root->GetRootControl())
        uncovered.Subtract(m_root->GetRootControl()->GetRect());
    if (m_scrollBar && m_scrollBar->IsShown())
        uncovered.Subtract(m_scrollBar->GetRect());
    for (wxRegionIterator strip(uncovered); strip; ++strip)
        FillWithColour(*dc, m_backgroundCol, strip.GetX(), strip.GetY(), strip.GetW(), strip.GetH());
}

void VornTreeRootScrollControl::OnSliderChange()
{
    if (m_owner)
        m_owner->Update();
}

// ---- VornVUITreeRootControl -----------------------------------------------------------

bool VornVUITreeRootControl::Create(int x, int y, int w, int h, wxWindow* parent, int id, VornControlGroup* group,
                                    long style)
{
    SetRealiseOnDemand(true);
    const bool ok = VornVUIControl::Create(x, y, w, h, parent, id, group, style);
    m_rootNode->SetDisplay(x, y, x + w, y + h);
    Show(m_rootNode->IsVisible());
    return ok;
}

bool VornVUITreeRootControl::Create(wxWindow* parent, int id, VornControlGroup* group, long style)
{
    return VornVUIControl::Create(parent, id, group, style); // ends in the geometry form above
}

int VornVUITreeRootControl::GetAllignmentPt() { return m_rootNode->GetAllignmentPoint(); }
int VornVUITreeRootControl::GetMaxWidth() { return m_rootNode->GetWidth(); }
int VornVUITreeRootControl::GetMaxHeight() { return m_rootNode->GetHeight(); }

void VornVUITreeRootControl::OnDraw(wxDC* dc) { FillWithColour(*dc, m_backgroundCol, 0, 0, GetWidth(), GetHeight()); }

void VornVUITreeRootControl::ScrollContentTo(int y)
{
    SetDeferredOrigin(wxPoint(0, y));
    RepaintDeferred();
}

// ---- VornVUIBranchControl -------------------------------------------------------------

namespace {
AssetManager* AssetsOf(VornBranchNode* node)
{
    VornTreeRootNode* root = node ? node->GetRoot() : nullptr;
    return root ? root->GetAssetManager() : nullptr;
}
} // namespace

VornVUIBranchControl::VornVUIBranchControl(VornBranchNode* node, std::string name)
    : VUITreeControlBase(AssetsOf(node), std::move(name), false), m_branchNode(node)
{
}

VornVUIBranchControl::~VornVUIBranchControl() { delete m_toggle; }

bool VornVUIBranchControl::Create(wxWindow* parent, int id, VornControlGroup* group, long style)
{
    VornTreeRootNode* root = m_branchNode ? m_branchNode->GetRoot() : nullptr;
    if (root) {
        SetBackgroundCol(root->GetRootControl()->GetBackgroundCol());
        SetLineCol(root->GetRootControl()->GetLineCol());
    }
    const bool ok = VUITreeControlBase::Create(parent, id, group, style);
    if (!m_branchNode)
        return ok;
    m_branchNode->SetDisplay(0, 0, GetMaxWidth(), GetMaxHeight());
    Show(m_branchNode->IsVisible());
    const VornwxBitmapCache* images = nullptr;
    if (m_assets)
        m_assets->LoadImagesCached(vornskin::kBranchToggle, images);
    const int iw = images ? images->GetWidth() : 0, ih = images ? images->GetHeight() : 0;
    const int gap = m_branchNode->IsExpanded() ? m_expGap : 0;
    m_toggle = new VornBranchToggleButton(this);
    m_toggle->Create(images, static_cast<int>(GetAllignmentPt() - iw * 0.5 + 1.0),
                     static_cast<int>(18.0 - ih * 0.5 + gap + 1.0), this, -1, nullptr, 0);
    m_toggle->SetOn(m_branchNode->IsExpanded());
    m_toggle->Show();
    return ok;
}

// Both change the header's metrics, which the lists above it keep.
void VornVUIBranchControl::SetExpGapFromTop(int gap)
{
    m_expGap = gap;
    if (VornTreeRootNode* root = m_branchNode ? m_branchNode->GetRoot() : nullptr)
        root->InvalidateLayout();
}

void VornVUIBranchControl::SetExtraCollapseWidth(int w)
{
    m_extraCollapseWidth = w;
    if (VornTreeRootNode* root = m_branchNode ? m_branchNode->GetRoot() : nullptr)
        root->InvalidateLayout();
}

int VornVUIBranchControl::GetMaxWidth() { return GetRowMetrics().width; }
int VornVUIBranchControl::GetMaxHeight() { return GetRowMetrics().height; }

// Width and height both follow the subtree's metrics: asking for each on its own walked
// every nested subtree twice per level.
TreeRowMetrics VornVUIBranchControl::GetRowMetrics()
{
    const int a = GetAllignmentPt();
    TreeRowMetrics row{a + m_extraCollapseWidth + m_treeIndent, 36, a};
    VornTreeNode* sub = m_branchNode ? m_branchNode->GetTree() : nullptr;
    if (m_branchNode && m_branchNode->IsExpanded() && sub) {
        const TreeRowMetrics list = sub->GetMetrics();
        row.width = std::max(row.width, list.width + a + m_treeIndent);
        row.height = static_cast<int>(list.height + m_expGap + m_headerLineOffset + 18.0);
    }
    return row;
}

// The cached image holds only the header's top (label, lines, corner): an expanded
// header is as tall as its subtree, thousands of rows, and below the corner it is a
// plain column of background with the tree line, drawn straight onto the dc.
void VornVUIBranchControl::OnDraw(wxDC* dc)
{
    VornTreeNode* sub = m_branchNode ? m_branchNode->GetTree() : nullptr;
    if (!m_branchNode || !m_branchNode->IsExpanded() || !sub) {
        VUITreeControlBase::OnDraw(dc);
        return;
    }
    const int w = GetMaxWidth(), h = GetMaxHeight(), a = GetAllignmentPt(), s = sub->GetAllignmentPoint();
    const int g = m_expGap, t = static_cast<int>(g + 18.0);
    const int top = std::min(h, t + 20);
    const int cornerX = a + m_treeIndent - m_cornerWidth + s;
    if (!(g == m_cacheG && s == m_cacheS && w <= m_cacheW && h <= m_cacheH && m_headerImage.IsOk()) && w > 0 &&
        top > 0) {
        m_headerImage = wxBitmap(w, top, 24);
        wxMemoryDC mdc(m_headerImage);
        FillWithColour(mdc, m_backgroundCol, 0, 0, w, top);
        mdc.SetPen(wxPen(CtoWxC(m_lineCol), 1, wxPENSTYLE_SOLID));
        mdc.DrawLine(a, 0, a, top);
        mdc.DrawLine(a, t, cornerX, t);
        wxImage corner(31, 20);
        if (FilterPtr f = CreateFilter(corner)) {
            VornTreeRootNode* root = m_branchNode->GetRoot();
            vorn::Clear(*f, CtoCA(root ? root->GetRootControl()->GetBackgroundCol() : m_backgroundCol));
            DrawLine(*f, 0, 0, 10, 0, CtoCA(m_lineCol));
            DrawArc(AntiAlias(*f), 10, 0, 30, 20, CtoCA(m_lineCol));
        }
        mdc.DrawBitmap(wxBitmap(corner), cornerX, t);
        mdc.SetFont(m_labelFont);
        mdc.SetTextForeground(m_labelColour);
        std::string text;
        int x = 0;
        if (GetCoolMushName(m_name, text, x, mdc))
            mdc.DrawText(wxString::FromUTF8(text), x, static_cast<int>(18.5 - (m_labelHeight * 0.5 + 0.5) + g));
        mdc.SelectObject(wxNullBitmap);
        m_cacheW = w;
        m_cacheH = h;
        m_cacheS = s;
        m_cacheG = g;
    }
    detail::BlitBitmap(*dc, 0, 0, w, top, m_headerImage);
    if (h > top) {
        FillWithColour(*dc, m_backgroundCol, 0, top, w, h - top);
        dc->SetPen(wxPen(CtoWxC(m_lineCol), 1, wxPENSTYLE_SOLID));
        dc->DrawLine(a, top, a, h);
    }
}

// State table of a click on the toggle (the base tracks the held flag first):
//   press                      nothing but the pressed look
//   release, off               on; branch expanded; OnExpand; root refresh
//   release, on                off; branch collapsed; OnCollapse; root refresh
//   null branch / no subtree   ignored entirely
void VornBranchToggleButton::OnMouseButton()
{
    VornBranchNode* node = m_branch ? m_branch->GetBranchNode() : nullptr;
    if (!node || !node->GetTree() || node->GetNull())
        return;
    VornButton::OnMouseButton();
    if (GetButtonDown() || GetMouseDown())
        return;
    const bool expand = !GetOn();
    SetOn(expand);
    node->SetExpandedVal(expand);
    if (expand)
        node->OnExpand();
    else
        node->OnCollapse();
    if (VornTreeRootNode* root = node->GetRoot())
        root->RefreshBranch(node);
    Refresh(false);
}

// ---- VornTerminatorControl ------------------------------------------------------------

void VornTerminatorControl::OnDraw(wxDC* dc)
{
    if (!m_image.IsOk()) {
        wxImage image(40, 40);
        if (FilterPtr f = CreateFilter(image)) {
            vorn::Clear(*f, CtoCA(m_backgroundCol));
            DrawLine(AntiAlias(*f), 20, 0, 20, 15, CtoCA(m_lineCol));
            DrawCircle(AntiAlias(*f), 20, 21, 5, CtoCA(m_lineCol), false);
        }
        m_image = wxBitmap(image);
    }
    detail::BlitBitmap(*dc, 0, 0, 40, 40, m_image);
}

} // namespace vorn

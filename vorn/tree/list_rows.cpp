#include <vorn/tree/list_rows.h>

#include <algorithm>

#include <wx/dcmemory.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/text_lists/monster_box.h>
#include <vorn/tree/tree_node.h>
#include <vorn/util/detail/blit.h>
#include <vorn/util/wx_colour.h>

namespace vorn {

namespace {
// The list rows' skin and font, as the branch list box loads them.
struct ListSkin {
    explicit ListSkin(AssetManager* assets)
    {
        if (!assets)
            return;
        assets->LoadListBoxCached(vornskin::kTreeListBox, info);
        assets->GetFont(vornskin::kTreeLbFont, font);
    }
    // The width a box made from it takes (VornListBox sizes itself the same way).
    int Width() const
    {
        int w = 0, h = 0;
        if (!info.imageCache || !info.imageCache->GetSize(w, h))
            w = std::max(info.x + info.width, 1);
        return w;
    }
    int ImageHeight() const { return info.imageCache ? info.imageCache->GetHeight() : 0; }

    VornListBoxInfo info;
    wxFont font = *wxNORMAL_FONT;
};

// A folding row's toggle after the base button has tracked the press: on the release it
// flips and opens or closes the row.
template <class Row>
void FlipOnRelease(VornButton& toggle, Row* row)
{
    if (toggle.GetButtonDown() || toggle.GetMouseDown())
        return;
    const bool open = !toggle.GetOn();
    toggle.SetOn(open);
    toggle.Refresh(false);
    if (row)
        row->SetExpanded(open, false);
}
} // namespace

// ---- VUITreeLB ----------------------------------------------------------------------------

void VornTreeLBCG::ControlSelected(unsigned int, VornControl* control)
{
    if (m_owner && control && control == m_owner->GetListBox())
        m_owner->OnItemSelected();
}

VUITreeLB::VUITreeLB(AssetManager* assets, std::string name) : VUITreeControlBase(assets, std::move(name), false)
{
    m_listGroup.m_owner = this;
}

// The box's width is known from its skin before the box exists, so the row's width does
// not change when its widgets appear.
bool VUITreeLB::Create(wxWindow* parent, int id, VornControlGroup* group, long style)
{
    if (m_boxWidth < 0)
        m_boxWidth = ListSkin(m_assets).Width();
    return VUITreeControlBase::Create(parent, id, group, style);
}

int VUITreeLB::GetMaxWidth() { return GetAllignmentPt() + (m_boxWidth < 0 ? 4 : m_boxWidth + 23); }

void VUITreeLB::UpDateData(VornListBox*) {}

// x = A + 15 as the branch header's list box; the row's width leaves 8 pixels right of it.
// The box is filled at once, so that a row made late shows the choice it holds.
void VUITreeLB::OnCreateWidgets()
{
    ListSkin skin(m_assets);
    m_listBox = new VornListBox;
    m_listBox->Create(skin.info, GetAllignmentPt() + 15, static_cast<int>(16.0 - skin.ImageHeight() * 0.5), this,
                      skin.font, -1, &m_listGroup, 0);
    m_listBox->SetDisplayCallback(this);
    UpDateData(m_listBox);
    m_listBox->Show(true);
}

// ---- VUITreeEnumLB ------------------------------------------------------------------------

VUITreeEnumLB::VUITreeEnumLB(AssetManager* assets, std::string name) : VUITreeLB(assets, std::move(name)) {}

void VUITreeEnumLB::UpDateData(VornListBox* box)
{
    if (!box)
        return;
    box->ClearAll();
    for (int i = 0; i < m_parser.GetSize(); ++i)
        box->Append(m_parser.GetEnumItem(i));
    if (m_parser.GetSelection() >= 0)
        box->SetSelected(m_parser.GetSelection(), false);
}

void VUITreeEnumLB::OnItemSelected()
{
    const int chosen = m_listBox ? m_listBox->GetSelected() : -1;
    if (chosen >= 0 && chosen < m_parser.GetSize())
        m_parser.SetSelection(chosen);
    if (!m_group)
        return;
    NodeChangedHint hint(GetNodeIdOrNone());
    m_group->Update(0, this, &hint);
}

void VUITreeEnumLB::GetValue(std::string& out) { out = m_parser.GetEnumString(); }

void VUITreeEnumLB::SetValue(std::string text)
{
    if (!m_parser.Initialize(text))
        m_parser.Clear();
    UpDateData(m_listBox);
}

// ---- Folding rows -------------------------------------------------------------------------

void VornVUIMonToggleButton::OnMouseButton()
{
    VornButton::OnMouseButton();
    FlipOnRelease(*this, m_owner);
}

void VornTreePopToggleButton::OnMouseButton()
{
    VornButton::OnMouseButton();
    FlipOnRelease(*this, m_owner);
}

VUITreeFoldingRow::VUITreeFoldingRow(AssetManager* assets, std::string name, bool functionButton)
    : VUITreeControlBase(assets, std::move(name), functionButton)
{
}

// The indent comes from the toggle's images, which are loaded here (cached, shared with
// the branch headers) so that the row's size is known before the toggle exists.
bool VUITreeFoldingRow::Create(wxWindow* parent, int id, VornControlGroup* group, long style)
{
    if (m_assets && !m_toggleImages)
        m_assets->LoadImagesCached(vornskin::kBranchToggle, m_toggleImages);
    m_indent = m_toggleImages ? static_cast<int>(m_toggleImages->GetWidth() * 0.5) : 0;
    return VUITreeControlBase::Create(parent, id, group, style);
}

void VUITreeFoldingRow::CreateToggle(VornButton* toggle)
{
    const int iw = m_toggleImages ? m_toggleImages->GetWidth() : 0;
    const int ih = m_toggleImages ? m_toggleImages->GetHeight() : 0;
    toggle->Create(m_toggleImages, static_cast<int>(GetAllignmentPt() - iw * 0.5 + 1.0),
                   static_cast<int>(16.0 - ih * 0.5 + 1.0), this, -1, nullptr, 0);
    toggle->SetOn(m_expanded);
    toggle->Show(true);
    m_toggle = toggle;
}

void VUITreeFoldingRow::StoreExpanded(bool expanded, bool setToggle, VornWindow* content)
{
    if (setToggle && m_toggle) {
        m_toggle->SetOn(expanded);
        m_toggle->Refresh(false);
    }
    if (content)
        content->Show(expanded);
    m_expanded = expanded;
    if (VornTreeRootNode* root = m_node ? m_node->GetRoot() : nullptr)
        root->Refresh();
    Refresh(false);
}

// The row's picture is drawn here rather than shared with the plain rows: its height
// changes, and the dot and label stay in the top 32 pixels where the toggle sits.
void VUITreeFoldingRow::OnDraw(wxDC* dc)
{
    const int w = GetMaxWidth(), h = GetMaxHeight(), a = GetAllignmentPt();
    dc->SetPen(*wxTRANSPARENT_PEN);
    dc->SetBrush(wxBrush(CtoWxC(m_backgroundCol)));
    dc->DrawRectangle(0, 0, w, h);
    dc->SetPen(wxPen(CtoWxC(m_lineCol), 1, wxPENSTYLE_SOLID));
    dc->DrawLine(a, 0, a, h);
    dc->SetFont(m_labelFont);
    dc->SetTextForeground(m_labelColour);
    std::string text;
    int x = 0;
    if (GetCoolMushName(m_name, text, x, *dc))
        dc->DrawText(wxString::FromUTF8(text), x, static_cast<int>(16.5 - (m_labelHeight * 0.5 + 0.5)));
}

// ---- VUITreeMonsterBox --------------------------------------------------------------------

VUITreeMonsterBox::VUITreeMonsterBox(AssetManager* assets, std::string name, const wxBitmap* a, const wxBitmap* b,
                                     const wxBitmap* c, bool functionButton, int width, int height,
                                     std::string& tableName, VornControlGroup* group, long tableStyle)
    : VUITreeFoldingRow(assets, std::move(name), functionButton), m_images{a, b, c}, m_tableWidth(width),
      m_tableHeight(height), m_tableName(tableName), m_tableStyle(tableStyle)
{
    if (group)
        m_tableGroup.SetGroup(group);
    m_tableGroup.Register(this);
}

// Unlike the other rows' widgets the table is made at Create, in a tree too: the host fills
// it (columns, rows, buttons) through GetMonsterBox() as soon as the row exists.
bool VUITreeMonsterBox::Create(wxWindow* parent, int id, VornControlGroup* group, long style)
{
    const bool ok = VUITreeFoldingRow::Create(parent, id, group, style);
    CreateTable();
    return ok;
}

// The table comes before the toggle, also when both are made at Create, so that the
// toggle, which reaches over the table's top-left corner, lies above it.
void VUITreeMonsterBox::OnCreateWidgets()
{
    CreateTable();
    CreateToggle(new VornVUIMonToggleButton(this));
}

// The scroll bar takes the skin's scroll-bar colours: the table gives it its background,
// second and separator colours.
void VUITreeMonsterBox::CreateTable()
{
    if (m_table || !m_created)
        return;
    m_table = new VornMonsterBox;
    m_table->Create(m_images[0], m_images[1], m_images[2], GetAllignmentPt() + m_indent, 16, m_tableWidth,
                    m_tableHeight, m_tableName, this, -1, &m_tableGroup, m_tableStyle);
    if (m_assets) {
        MonsterBoxColours colours = m_table->GetColours();
        m_assets->GetColour(vornskin::kScrollbarBg, colours.background);
        m_assets->GetColour(vornskin::kScrollbarMo, colours.second);
        m_assets->GetColour(vornskin::kScrollbarFg, colours.separator);
        m_table->SetColors(colours.background, colours.second, colours.text);
        m_table->SetSepColour(colours.separator);
    }
    m_table->Show(m_expanded);
}

int VUITreeMonsterBox::GetMaxHeight()
{
    return m_expanded && m_table ? static_cast<int>(m_table->GetHeight() + 16.0) : 32;
}

int VUITreeMonsterBox::GetMaxWidth()
{
    const int base = GetAllignmentPt() + m_indent;
    return m_expanded && m_table ? base + m_table->GetWidth() : base + 1;
}

void VUITreeMonsterBox::SetExpanded(bool expanded, bool setToggle)
{
    if (expanded != m_expanded)
        StoreExpanded(expanded, setToggle, m_table);
}

void VUITreeMonsterBox::OnUpdate(unsigned int, VornControl* control, VornControlHint* hint)
{
    if (control == this || !dynamic_cast<MonSizeChangeHint*>(hint))
        return;
    if (VornTreeRootNode* root = m_node ? m_node->GetRoot() : nullptr)
        root->Refresh();
}

// ---- VUITreePopControl --------------------------------------------------------------------

VUITreePopControl::VUITreePopControl(AssetManager* assets, std::string name, bool functionButton)
    : VUITreeFoldingRow(assets, std::move(name), functionButton)
{
}

void VUITreePopControl::OnCreateWidgets() { CreateToggle(new VornTreePopToggleButton(this)); }

// A host window smaller than 16 pixels still leaves the row its 32.
int VUITreePopControl::GetMaxHeight()
{
    return m_expanded && m_window ? std::max(32, 16 + m_window->GetHeight()) : 32;
}

int VUITreePopControl::GetMaxWidth()
{
    return GetXOffset() + (m_expanded && m_window ? m_window->GetWidth() : 0);
}

void VUITreePopControl::SetExpanded(bool expanded, bool setToggle)
{
    if (expanded == m_expanded)
        return;
    if (expanded && !m_window) {
        if (m_toggle) {
            m_toggle->SetOn(false);
            m_toggle->Refresh(false);
        }
        return;
    }
    StoreExpanded(expanded, setToggle, m_window);
}

// A new host window arrives closed: an open row closes first, hiding the old one.
void VUITreePopControl::SetVornWindowPtr(VornWindow* window)
{
    if (window == m_window)
        return;
    SetExpanded(false, true);
    m_window = window;
    if (m_window)
        m_window->Show(false);
}

// ---- VornVUIMovieBar ----------------------------------------------------------------------

namespace {
wxSize SizeOf(const wxBitmap* b) { return b && b->IsOk() ? b->GetSize() : wxSize(0, 0); }
} // namespace

VornVUIMovieBar::VornVUIMovieBar() = default;

VornVUIMovieBar::VornVUIMovieBar(const wxBitmap* start, const wxBitmap* end, const wxBitmap* value, int x, int y,
                                 int w, int h, wxWindow* parent, int id, VornControlGroup* group, long style)
{
    VornVUIMovieBar::Create(start, end, value, x, y, w, h, parent, id, group, style);
}

VornVUIMovieBar::~VornVUIMovieBar() = default;

bool VornVUIMovieBar::Create(const wxBitmap* start, const wxBitmap* end, const wxBitmap* value, int x, int y, int w,
                             int h, wxWindow* parent, int id, VornControlGroup* group, long style)
{
    const wxSize s = SizeOf(start), e = SizeOf(end), v = SizeOf(value);
    m_start = {s.x, s.y};
    m_end = {e.x, e.y};
    m_value = {v.x, v.y};
    m_bitmap = wxBitmap(std::max(w, 1), std::max(h, 1), 24);
    return VornMovieBar::Create(start, end, value, x, y, w, h, parent, id, group, style);
}

void VornVUIMovieBar::SetTreeColours(Color background, Color line, Color highlight)
{
    m_background = CtoWxC(background);
    m_line = CtoWxC(line);
    m_highlight = CtoWxC(highlight);
    SetDirty();
    Refresh(false);
}

// Layout: the value handle rides in the top band (its image's height), the bar fills the
// rest; the start and end handles are triangles pointing into the range, the value
// handle a line down through the bar under a small head. The handles keep the images'
// boxes, which the model hit-tests.
void VornVUIMovieBar::OnDraw(wxDC* dc)
{
    if (!m_bitmap.IsOk())
        return; // Create has not run
    const MovieBarModel& m = GetModel();
    const int w = m_bitmap.GetWidth(), h = m_bitmap.GetHeight();
    {
        wxMemoryDC mdc(m_bitmap);
        mdc.SetPen(*wxTRANSPARENT_PEN);
        mdc.SetBrush(wxBrush(m_background));
        mdc.DrawRectangle(0, 0, w, h);
        const int top = m_value.h < h ? m_value.h : 0;
        if (m.RangeWidth() > 0) {
            mdc.SetBrush(wxBrush(m_highlight));
            mdc.DrawRectangle(m.RangeLeft(), top, m.RangeWidth(), h - top);
        }
        mdc.SetPen(wxPen(m_line, 1, wxPENSTYLE_SOLID));
        mdc.SetBrush(*wxTRANSPARENT_BRUSH);
        mdc.DrawRectangle(0, top, w, h - top);
        mdc.SetBrush(wxBrush(m_line));
        const int y = m.GetHandleY(), sx = m.StartHandleLeft(), ex = m.EndHandleLeft();
        if (m_start.w > 0 && m_start.h > 0) {
            const wxPoint start[3] = {{sx, y}, {sx + m_start.w - 1, y + m_start.h / 2}, {sx, y + m_start.h - 1}};
            mdc.DrawPolygon(3, start);
        }
        if (m_end.w > 0 && m_end.h > 0) {
            const wxPoint end[3] = {{ex + m_end.w - 1, y}, {ex, y + m_end.h / 2}, {ex + m_end.w - 1, y + m_end.h - 1}};
            mdc.DrawPolygon(3, end);
        }
        if (m_value.w > 0 && m_value.h > 0) {
            const int vx = m.GetValueX(), mid = vx + m_value.w / 2;
            const wxPoint head[3] = {{vx, 0}, {vx + m_value.w - 1, 0}, {mid, m_value.h - 1}};
            mdc.DrawPolygon(3, head);
            mdc.DrawLine(mid, 0, mid, h);
        }
    }
    const wxSize client = GetClientSize();
    detail::BlitBitmap(*dc, 0, 0, std::min(client.x, w), std::min(client.y, h), m_bitmap);
    RecalcIfDirty();
}

} // namespace vorn

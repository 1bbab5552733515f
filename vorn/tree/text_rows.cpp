#include <vorn/tree/text_rows.h>

#include <algorithm>
#include <array>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/framework/hints.h>
#include <vorn/text_lists/text_model.h>
#include <vorn/tree/detail/row_widgets.h>

namespace vorn {

namespace {
// Gap between neighbouring boxes, and where the first box starts right of the node dot.
constexpr int kEditGap = 8;
constexpr int kEditLeft = 15;
// The expand row's boxes leave room for its button.
constexpr int kExpandShift = 8;

// The components of each value type, in the order the boxes show them.
template <class T, size_t N>
using Fields = std::array<double T::*, N>;
constexpr Fields<Vec2d, 2> kVec2{&Vec2d::x, &Vec2d::y};
constexpr Fields<Vec3d, 3> kVec3{&Vec3d::x, &Vec3d::y, &Vec3d::z};
constexpr Fields<Vec4d, 4> kVec4{&Vec4d::x, &Vec4d::y, &Vec4d::z, &Vec4d::w};
constexpr Fields<Quaternion, 4> kQuat{&Quaternion::x, &Quaternion::y, &Quaternion::z, &Quaternion::w};
constexpr Fields<Color, 3> kColor{&Color::r, &Color::g, &Color::b};
constexpr Fields<ColorA, 4> kColorA{&ColorA::r, &ColorA::g, &ColorA::b, &ColorA::a};

template <class T, size_t N>
std::vector<double> ToReals(const T& value, const Fields<T, N>& fields)
{
    std::vector<double> out;
    for (auto field : fields)
        out.push_back(value.*field);
    return out;
}

// Components the row has no box for keep the type's default (a quaternion's w, an alpha of 1).
template <class T, size_t N>
T FromReals(const std::vector<double>& reals, const Fields<T, N>& fields)
{
    T value{};
    for (size_t i = 0; i < std::min(N, reals.size()); ++i)
        value.*fields[i] = reals[i];
    return value;
}

// The value a widget's message carries; false for a hint that carries none.
bool MessageValue(VornControlHint* hint, double& value)
{
    if (auto* real = dynamic_cast<RealValMessage*>(hint))
        value = real->value;
    else if (auto* integer = dynamic_cast<IntValMessage*>(hint))
        value = integer->value;
    else if (auto* text = dynamic_cast<StringValMessage*>(hint))
        value = TextToReal(text->value);
    else
        return false;
    return true;
}

// Shows or hides a widget of `row`. A row in view already has its surface; a widget shown
// after that needs its own at once, not at the next scroll.
void ShowWidget(VornWindow& row, VornWindow& widget, bool show)
{
    widget.Show(show);
    if (show && row.IsRealised())
        widget.Realise();
}

const char* StripSkin(int count) { return count == 1 ? vornskin::kTreeTextEdit : vornskin::kTreeNTextEdit; }

int StripWidth(const TreeEditStrip& edits)
{
    return edits.GetCount() * (edits.GetEditWidth() + kEditGap);
}
} // namespace

int TreeTextEditCount(PTYPE type)
{
    switch (type) {
    case PTYPE_INT: case PTYPE_REAL: case PTYPE_STRING: return 1;
    case PTYPE_VEC2D: return 2;
    case PTYPE_VEC3D: case PTYPE_COLOR: return 3;
    case PTYPE_VEC4D: case PTYPE_QUATERNION: case PTYPE_COLORA: return 4;
    }
    return 0; // not a PTYPE: a row without boxes
}

VornEdit::EDITSTYLE TreeTextEditStyle(PTYPE type)
{
    return type == PTYPE_INT ? kEditInteger : type == PTYPE_STRING ? kEditText : kEditReal;
}

// ---- TreeEditStrip --------------------------------------------------------------------

TreeEditStrip::TreeEditStrip(int count) : m_texts(static_cast<size_t>(std::max(count, 0))) {}

TreeEditStrip::~TreeEditStrip() = default;

void TreeEditStrip::Measure(AssetManager* assets, const char* skin)
{
    if (m_measured)
        return;
    m_skin = skin;
    m_editSize = detail::TreeEditSkin(assets, skin).Size();
    m_measured = true;
}

void TreeEditStrip::Create(AssetManager* assets, VornControl* row, int x, int rowHeight, bool editable,
                           VornEdit::EDITSTYLE style)
{
    if (m_created || !m_measured || !row)
        return;
    detail::TreeEditSkin skin(assets, m_skin);
    const int y = static_cast<int>(rowHeight * 0.5 - m_editSize.y * 0.5);
    for (size_t i = 0; i < m_texts.size(); ++i) {
        Entry entry;
        entry.group = std::make_unique<VornControlGroup>();
        entry.group->Register(row);
        entry.edit = detail::CreateTreeEdit<VUITreeSubEditBox>(skin, x + static_cast<int>(i) * (m_editSize.x + kEditGap),
                                                               y, row, editable, style, entry.group.get());
        entry.skin = skin.picture;
        entry.edit->SetText(m_texts[i], false);
        entry.edit->Show(true);
        m_entries.push_back(std::move(entry));
    }
    m_created = true;
}

VUITreeSubEditBox* TreeEditStrip::GetEdit(int i) const
{
    return i >= 0 && i < static_cast<int>(m_entries.size()) ? m_entries[static_cast<size_t>(i)].edit : nullptr;
}

void TreeEditStrip::SetText(int i, const std::string& text)
{
    if (i < 0 || i >= GetCount())
        return;
    m_texts[static_cast<size_t>(i)] = text;
    if (VUITreeSubEditBox* edit = GetEdit(i))
        edit->SetText(text, false);
}

// Once a box exists it holds the text: the user may have typed since the last SetText.
std::string TreeEditStrip::GetText(int i) const
{
    if (i < 0 || i >= GetCount())
        return {};
    std::string text = m_texts[static_cast<size_t>(i)];
    if (VUITreeSubEditBox* edit = GetEdit(i))
        edit->GetText(text);
    return text;
}

void TreeEditStrip::SetReals(const std::vector<double>& values)
{
    for (size_t i = 0; i < values.size(); ++i)
        SetText(static_cast<int>(i), RealToText(values[i], 6));
}

std::vector<double> TreeEditStrip::GetReals(int n) const
{
    std::vector<double> out;
    for (int i = 0; i < std::min(n, GetCount()); ++i)
        out.push_back(TextToReal(GetText(i)));
    return out;
}

void TreeEditStrip::SetEditable(bool editable)
{
    for (auto& entry : m_entries)
        entry.edit->SetEditable(editable);
}

void TreeEditStrip::Show(VornWindow& row, bool show)
{
    for (auto& entry : m_entries)
        ShowWidget(row, *entry.edit, show);
}

bool TreeEditStrip::Holds(const VornControl* control) const
{
    return control && std::any_of(m_entries.begin(), m_entries.end(),
                                  [control](const Entry& e) { return e.edit == control; });
}

// ---- VUITreeTextEdits -----------------------------------------------------------------

VUITreeTextEdits::VUITreeTextEdits(AssetManager* assets, std::string name, bool functionButton, PTYPE type)
    : VUITreeControlBase(assets, std::move(name), functionButton), m_numberType(TreeTextEditStyle(type)),
      m_type(type), m_edits(TreeTextEditCount(type))
{
}

bool VUITreeTextEdits::Create(wxWindow* parent, int id, VornControlGroup* group, long style)
{
    if (m_created)
        return false; // one window, one set of boxes
    m_edits.Measure(m_assets, StripSkin(m_edits.GetCount())); // the row's width, before its window
    return VUITreeControlBase::Create(parent, id, group, style);
}

void VUITreeTextEdits::OnCreateWidgets()
{
    m_edits.Create(m_assets, this, GetAllignmentPt() + kEditLeft, GetMaxHeight(), m_editable, m_numberType);
}

int VUITreeTextEdits::GetMaxWidth()
{
    const int a = GetAllignmentPt();
    if (!m_edits.IsMeasured())
        return a + 50;
    return m_edits.GetCount() == 0 ? a + kEditLeft : a + 7 + StripWidth(m_edits);
}

// Only the boxes report here; a hint the host pushes into the row is not a user's change.
void VUITreeTextEdits::OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint)
{
    double ignored = 0.0;
    if (control != this && m_edits.Holds(control) && MessageValue(hint, ignored))
        NotifyParentGroup(id, control, hint);
}

void VUITreeTextEdits::SetEditable(bool editable)
{
    m_editable = editable;
    if (m_edits.IsCreated())
        m_edits.SetEditable(editable);
}

void VUITreeTextEdits::ForceStyle(VornEdit::EDITSTYLE style)
{
    if (!m_created)
        m_numberType = style;
}

void VUITreeTextEdits::SetValue(int value) { m_edits.SetText(0, IntToText(value)); }
void VUITreeTextEdits::GetValue(int& value) { value = TextToInt(m_edits.GetText(0)); }
void VUITreeTextEdits::SetValue(double value) { m_edits.SetText(0, RealToText(value, 6)); }
void VUITreeTextEdits::GetValue(double& value) { value = TextToReal(m_edits.GetText(0)); }
void VUITreeTextEdits::SetValue(Vec2d value) { m_edits.SetReals(ToReals(value, kVec2)); }
void VUITreeTextEdits::GetValue(Vec2d& value) { value = FromReals(m_edits.GetReals(2), kVec2); }
void VUITreeTextEdits::SetValue(Vec3d value) { m_edits.SetReals(ToReals(value, kVec3)); }
void VUITreeTextEdits::GetValue(Vec3d& value) { value = FromReals(m_edits.GetReals(3), kVec3); }
void VUITreeTextEdits::SetValue(Vec4d value) { m_edits.SetReals(ToReals(value, kVec4)); }
void VUITreeTextEdits::GetValue(Vec4d& value) { value = FromReals(m_edits.GetReals(4), kVec4); }
void VUITreeTextEdits::SetValue(Quaternion value) { m_edits.SetReals(ToReals(value, kQuat)); }
void VUITreeTextEdits::GetValue(Quaternion& value) { value = FromReals(m_edits.GetReals(4), kQuat); }
void VUITreeTextEdits::SetValue(Color value) { m_edits.SetReals(ToReals(value, kColor)); }
void VUITreeTextEdits::GetValue(Color& value) { value = FromReals(m_edits.GetReals(3), kColor); }
void VUITreeTextEdits::SetValue(ColorA value) { m_edits.SetReals(ToReals(value, kColorA)); }
void VUITreeTextEdits::GetValue(ColorA& value) { value = FromReals(m_edits.GetReals(4), kColorA); }
void VUITreeTextEdits::SetValue(std::string value) { m_edits.SetText(0, value); }
void VUITreeTextEdits::GetValue(std::string& value) { value = m_edits.GetText(0); }

// ---- VUITreeExpandTextEdits -----------------------------------------------------------

void YetAnotherControlGroupWrapper::ControlUnSelected(unsigned int, VornControl*)
{
    if (m_owner)
        m_owner->OnExpandButton();
}

namespace {
int ExpandCount(PTYPE type) { return type >= PTYPE_VEC2D && type <= PTYPE_VEC4D ? TreeTextEditCount(type) : 0; }
} // namespace

VUITreeExpandTextEdits::VUITreeExpandTextEdits(AssetManager* assets, std::string name, bool functionButton,
                                               PTYPE type)
    : VUITreeControlBase(assets, std::move(name), functionButton), m_count(ExpandCount(type)), m_edits(m_count)
{
    m_expandGroup.m_owner = this;
}

bool VUITreeExpandTextEdits::Create(wxWindow* parent, int id, VornControlGroup* group, long style)
{
    if (m_created)
        return false; // one window, one set of widgets
    m_edits.Measure(m_assets, StripSkin(m_count));
    return VUITreeControlBase::Create(parent, id, group, style);
}

void VUITreeExpandTextEdits::OnCreateWidgets()
{
    const int a = GetAllignmentPt(), h = GetMaxHeight();
    m_edits.Create(m_assets, this, a + kEditLeft + kExpandShift, h, true, m_numberType);

    m_wheel = new VUITreeSubThumbWheel;
    detail::CreateTreeWheel(*m_wheel, m_assets, a + 4, static_cast<int>(h * 0.5), this, &m_valueGroup);
    SetWheelLimits(m_wheelMin, m_wheelMax, m_wheelStep);
    m_wheel->SetCurrentValue(static_cast<float>(m_uniform));

    detail::TreeEditSkin skin(m_assets, vornskin::kTreeControlText);
    m_uniformEdit = detail::CreateTreeEdit<VUITreeSubEditBox>(skin, a + 23, 0, this, true, kEditReal, &m_valueGroup);
    m_uniformEdit->SetText(TreeEditText(m_uniform, kEditReal), false);

    const VornwxBitmapCache* images = nullptr;
    if (m_assets)
        m_assets->LoadImagesCached(vornskin::kTreeExpandTextButton, images);
    m_expandButton = new VornPushButton;
    m_expandButton->Create(images, a + 8, 2, this, -1, &m_expandGroup, 0);
    m_expandButton->Show(true);

    m_edits.Show(*this, m_expanded);
    m_wheel->Show(!m_expanded);
    m_uniformEdit->Show(!m_expanded);
    m_valueGroup.Register(this);
}

int VUITreeExpandTextEdits::GetMaxWidth()
{
    const int a = GetAllignmentPt();
    return m_edits.IsMeasured() ? a + 7 + StripWidth(m_edits) + kExpandShift : a + 50;
}

// The wheel and the single box write every component as they change (a turning wheel
// at every step), so the boxes, GetValue and the host agree in either mode.
void VUITreeExpandTextEdits::OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint)
{
    if (control == this || !control)
        return;
    const bool uniform = control == m_wheel || control == m_uniformEdit;
    double value = 0.0;
    if ((!uniform && !m_edits.Holds(control)) || !MessageValue(hint, value))
        return;
    if (uniform) {
        m_uniform = value;
        m_edits.SetReals(std::vector<double>(static_cast<size_t>(m_count), value));
    }
    NotifyParentGroup(id, control, hint);
}

// The value goes over through the row's own GetValue/SetValue; the uniform value the
// switch shows is the first component.
void VUITreeExpandTextEdits::OnExpandButton()
{
    const std::vector<double> value = m_edits.GetReals(m_count);
    m_expanded = !m_expanded;
    SetComponents(value);
    m_edits.Show(*this, m_expanded);
    if (m_wheel) {
        ShowWidget(*this, *m_wheel, !m_expanded);
        ShowWidget(*this, *m_uniformEdit, !m_expanded);
    }
}

void VUITreeExpandTextEdits::SetWheelLimits(double min, double max, double step)
{
    m_wheelMin = min;
    m_wheelMax = max;
    m_wheelStep = step;
    if (m_wheel) {
        m_wheel->SetMaxValue(static_cast<float>(max));
        m_wheel->SetMinValue(static_cast<float>(min));
        m_wheel->SetStepAmount(static_cast<float>(step));
    }
}

void VUITreeExpandTextEdits::SetComponents(const std::vector<double>& values)
{
    m_edits.SetReals(values);
    if (!values.empty())
        ShowUniform(values.front());
}

// A value message in the value group: the wheel and the single box follow, the row
// ignores its own update.
void VUITreeExpandTextEdits::ShowUniform(double value)
{
    m_uniform = value;
    RealValChanged hint(value);
    m_valueGroup.Update(0, this, &hint);
}

void VUITreeExpandTextEdits::SetValue(Vec2d value) { SetComponents(ToReals(value, kVec2)); }
void VUITreeExpandTextEdits::GetValue(Vec2d& value) { value = FromReals(m_edits.GetReals(2), kVec2); }
void VUITreeExpandTextEdits::SetValue(Vec3d value) { SetComponents(ToReals(value, kVec3)); }
void VUITreeExpandTextEdits::GetValue(Vec3d& value) { value = FromReals(m_edits.GetReals(3), kVec3); }
void VUITreeExpandTextEdits::SetValue(Vec4d value) { SetComponents(ToReals(value, kVec4)); }
void VUITreeExpandTextEdits::GetValue(Vec4d& value) { value = FromReals(m_edits.GetReals(4), kVec4); }

} // namespace vorn

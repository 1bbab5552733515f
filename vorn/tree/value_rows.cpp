#include <vorn/tree/value_rows.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/framework/hints.h>
#include <vorn/text_lists/edit_boxes.h>
#include <vorn/text_lists/text_model.h>
#include <vorn/tree/detail/row_widgets.h>
#include <vorn/util/wx_colour.h>

namespace vorn {

namespace {
constexpr double kPi = 3.141592653589793;
constexpr double kInvPi = 0.3183098861837907;
constexpr double kTwoPi = 6.283185307179586;
// The clippers and the dial are 55 × 38 inside their 44-pixel rows.
constexpr int kDialWidth = 55;
constexpr int kDialHeight = 38;

// The number a widget's message carries (a text read as atof would, in the C locale);
// false for every other hint.
bool ReadNumber(const VornControlHint* hint, double& out)
{
    if (auto* real = dynamic_cast<const RealValMessage*>(hint))
        out = real->value;
    else if (auto* integer = dynamic_cast<const IntValMessage*>(hint))
        out = integer->value;
    else if (auto* text = dynamic_cast<const StringValMessage*>(hint))
        out = TreeLeadingReal(text->value);
    else
        return false;
    return true;
}

// v as a fraction of min..min + range; an empty range puts everything at its start.
double Fraction(double v, double min, double range) { return range != 0.0 ? (v - min) / range : 0.0; }

// Truncated toward zero and clamped to the int range; not-a-number gives 0.
int TruncToInt(double v)
{
    if (std::isnan(v))
        return 0;
    return static_cast<int>(std::clamp(v, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

using detail::ToFloat;

// A widget's message: `store` gets its number, and the host hears of it through a node
// hint. The row's own messages come back to it through its value group and are ignored.
template <class Store>
void TakeWidgetMessage(VUITreeControlBase* row, unsigned int id, VornControl* control, VornControlHint* hint,
                       Store store)
{
    if (control == row)
        return;
    double v = 0.0;
    if (ReadNumber(hint, v))
        store(v);
    row->NotifyParentGroup(id, control, hint);
}

// A row tells its widgets a new value; the row hears it too and ignores it.
void SendReal(VornControlGroupValue& group, VornControl* row, double v)
{
    RealValChanged hint(v);
    group.Update(0, row, &hint);
}

// Makes a box of type Box from the tree's control-text skin and shows it.
template <class Box>
Box* MakeEditBox(AssetManager* assets, wxWindow* row, int x, int y, bool editable, int style,
                 VornControlGroup* group)
{
    detail::TreeEditSkin skin(assets, vornskin::kTreeControlText);
    auto* box = detail::CreateTreeEdit<Box>(skin, x, y, row, editable, style, group);
    box->Show(true);
    return box;
}
} // namespace

void VUITreeRealValue::GetValue(int& out) { out = RoundToInt(m_value); }

// ---- VUITreeSlider --------------------------------------------------------------------

VUITreeSlider::VUITreeSlider(AssetManager* assets, std::string name, bool functionButton, double max, double min,
                             double value, bool real)
    : VUITreeControlBase(assets, std::move(name), functionButton), VUITreeRealValue(value), m_max(max), m_min(min),
      m_initial(value), m_range(max - min), m_real(real)
{
}

// The widgets show the value the row holds now: the initial one, or what the host set
// since.
void VUITreeSlider::OnCreateWidgets()
{
    const int a = GetAllignmentPt(), h = GetMaxHeight();
    m_slider = new VUITreeSubSlider;
    m_slider->Create(CtoWxC(m_backgroundCol), CtoWxC(m_lineCol), a + 4, static_cast<int>(h * 0.5), 120, 12, this,
                     -1, &m_valueGroup, 0);
    m_slider->SetValue(Fraction(m_value, m_min, m_range), false);
    const int editStyle = m_real ? kEditReal : kEditInteger;
    m_edit = MakeEditBox<ScaleEditBox>(m_assets, this, a + 15, 0, true, editStyle, &m_valueGroup);
    m_edit->SetRange(m_min, m_max);
    m_edit->SetText(TreeEditText(m_value, editStyle), false);
    m_slider->Show(true);
    m_valueGroup.Register(this);
}

void VUITreeSlider::SetVal(double v, bool, int)
{
    SendReal(m_valueGroup, this, Fraction(v, m_min, m_range));
    m_value = v;
}

void VUITreeSlider::OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint)
{
    TakeWidgetMessage(this, id, control, hint, [this](double r) { m_value = m_range * r + m_min; });
}

// ---- VUITreeThumbWheel ----------------------------------------------------------------

VUITreeThumbWheel::VUITreeThumbWheel(AssetManager* assets, std::string name, bool functionButton, double max,
                                     double min, double value, double step, bool real)
    : VUITreeControlBase(assets, std::move(name), functionButton), VUITreeRealValue(value), m_max(max), m_min(min),
      m_step(step), m_real(real)
{
}

// The width the widgets will take is known from their skins before they exist, so the
// row's width never changes when they appear.
bool VUITreeThumbWheel::Create(wxWindow* parent, int id, VornControlGroup* group, long style)
{
    if (m_widgetWidth < 0) {
        const detail::TreeEditSkin skin(m_assets, vornskin::kTreeControlText);
        m_widgetWidth = std::max(detail::TreeWheelWidth(m_assets), skin.Size().x);
    }
    return VUITreeControlBase::Create(parent, id, group, style);
}

void VUITreeThumbWheel::OnCreateWidgets()
{
    const int a = GetAllignmentPt(), h = GetMaxHeight();
    m_wheel = new VUITreeSubThumbWheel;
    detail::CreateTreeWheel(*m_wheel, m_assets, a + 4, static_cast<int>(h * 0.5), this, &m_valueGroup);
    m_wheel->SetMaxValue(ToFloat(m_max));
    m_wheel->SetMinValue(ToFloat(m_min));
    m_wheel->SetCurrentValue(ToFloat(m_value)); // the held value, as the slider row does
    m_wheel->SetStepAmount(ToFloat(m_step));
    const int editStyle = m_real ? kEditReal : kEditInteger;
    m_edit = MakeEditBox<VUITreeSubEditBox>(m_assets, this, a + 15, 0, true, editStyle, &m_valueGroup);
    m_edit->SetText(TreeEditText(m_value, m_resetText ? kEditReal : editStyle), false);
    m_wheel->Show(true);
    m_valueGroup.Register(this);
}

int VUITreeThumbWheel::GetMaxWidth()
{
    return GetAllignmentPt() + (m_widgetWidth < 0 ? 153 : 3 + m_widgetWidth);
}

void VUITreeThumbWheel::SetVal(double v, bool, int)
{
    SendReal(m_valueGroup, this, v);
    m_value = v;
    m_resetText = false;
}

// The row keeps the new numbers too, so that what it reports matches what it shows.
void VUITreeThumbWheel::ResetVals(double min, double max, double value)
{
    m_min = min;
    m_max = max;
    m_value = value;
    m_resetText = true;
    if (m_wheel) {
        m_wheel->SetCurrentValue(ToFloat(value));
        m_wheel->SetMaxValue(ToFloat(max));
        m_wheel->SetMinValue(ToFloat(min));
        m_wheel->SetDirty();
        m_wheel->Refresh(false);
    }
    if (m_edit)
        m_edit->SetText(TreeEditText(value, kEditReal), false);
}

void VUITreeThumbWheel::OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint)
{
    TakeWidgetMessage(this, id, control, hint, [this](double v) { m_value = v; });
}

// ---- VUITreeCheckBox ------------------------------------------------------------------

VUITreeCheckBox::VUITreeCheckBox(AssetManager* assets, std::string name, bool functionButton)
    : VUITreeControlBase(assets, std::move(name), functionButton)
{
    m_valueGroup.Register(this);
}

void VUITreeCheckBox::OnCreateWidgets()
{
    const VornwxBitmapCache* images = nullptr;
    if (m_assets)
        m_assets->LoadImagesCached(vornskin::kTreeCheckBox, images);
    const int ih = images ? images->GetHeight() : 0;
    m_toggle = new VUITreeSubButtonToggle;
    m_toggle->Create(images, GetAllignmentPt() + 18, static_cast<int>(GetMaxHeight() * 0.5 - ih * 0.5), this, -1,
                     &m_valueGroup, 0);
    m_toggle->SetOn(m_checked != 0);
    m_toggle->Show(true);
}

void VUITreeCheckBox::OnDraw(wxDC* dc)
{
    DrawRowImage(*dc);
    const int a = GetAllignmentPt(), m = GetMaxHeight() / 2;
    dc->SetPen(wxPen(CtoWxC(m_lineCol), 1, wxPENSTYLE_SOLID));
    dc->DrawLine(a + 3, m, a + 18, m);
}

void VUITreeCheckBox::GetValue(int& out) { out = m_toggle ? (m_toggle->GetOn() ? 1 : 0) : m_checked; }

// Between Create and the toggle's making the row keeps the state for it.
void VUITreeCheckBox::SetValue(int v)
{
    if (!m_created)
        return;
    m_checked = v >= 1 ? 1 : 0;
    if (!m_toggle)
        return;
    IntValChanged hint(m_checked);
    m_valueGroup.Update(0, this, &hint);
}

void VUITreeCheckBox::OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint)
{
    if (dynamic_cast<IntValMessage*>(hint))
        NotifyParentGroup(id, control, hint);
}

// ---- VUITreeAngleClippers -------------------------------------------------------------

VUITreeAngleClippers::VUITreeAngleClippers(AssetManager* assets, std::string name, bool functionButton, bool real)
    : VUITreeControlBase(assets, std::move(name), functionButton), m_real(real)
{
}

// The edit box is a real box (style 1) whatever the flag: it writes a whole number of
// degrees given to it as a real again when it formats the text.
void VUITreeAngleClippers::OnCreateWidgets()
{
    const int a = GetAllignmentPt(), h = GetMaxHeight();
    ColorA middle = CtoCA(m_lineCol);
    if (m_assets)
        m_assets->GetColour(vornskin::kTreeCallipersMiddleCol, middle);
    m_clippers = new VUITreeSubAngleClippers;
    m_clippers->Create(CtoCA(m_backgroundCol), CtoCA(m_lineCol), middle, 100, a + 4, h / 2 - kDialHeight / 2,
                       kDialWidth, kDialHeight, this, -1, &m_valueGroup, 0);
    m_clippers->SetValue(m_value, false);
    m_edit = MakeEditBox<ScaleEditBox>(m_assets, this, a + 6 + kDialWidth, static_cast<int>(h * 0.5 - 5.0), true,
                                       kEditReal, &m_valueGroup);
    m_edit->SetRange(0.0, 180.0);
    m_edit->SetText(TreeEditText(m_value * 180.0, m_real ? kEditReal : kEditInteger), false);
    m_clippers->Show(true);
    m_valueGroup.Register(this);
}

void VUITreeAngleClippers::StoreAndSend(float halfTurns)
{
    m_value = halfTurns;
    SendReal(m_valueGroup, this, m_value);
}

void VUITreeAngleClippers::SetValue(double v) { StoreAndSend(ToFloat(v * kInvPi)); }

void VUITreeAngleClippers::SetValue(int v) { StoreAndSend(ToFloat(v * kInvPi)); }

void VUITreeAngleClippers::GetValue(double& out) { out = m_value * kPi; }

void VUITreeAngleClippers::GetValue(int& out) { out = TruncToInt(m_value * kPi); }

void VUITreeAngleClippers::OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint)
{
    TakeWidgetMessage(this, id, control, hint, [this](double v) { m_value = ToFloat(v); });
}

// ---- VUITreeAngleSelect ---------------------------------------------------------------

VUITreeAngleSelect::VUITreeAngleSelect(AssetManager* assets, std::string name, bool functionButton,
                                       bool withEditBox, bool editable)
    : VUITreeControlBase(assets, std::move(name), functionButton), VUITreeRealValue(0.0), m_withEditBox(withEditBox),
      m_editable(editable), m_max(kTwoPi), m_range(kTwoPi)
{
}

// Layout: the dial at (A + 4, 3) like the clippers, so its stem continues the node dot's
// line; the edit box right of it as in the clipper row, but centred on that line.
// Styles other than date and time get the degree box (a real box). The date and time
// boxes are free-text boxes: a real box would format "0:07:12" as a number again.
void VUITreeAngleSelect::OnCreateWidgets()
{
    const int a = GetAllignmentPt(), h = GetMaxHeight();
    m_dial = new VUITreeSubAngle;
    m_dial->Create(CtoCA(m_lineCol), CtoCA(m_backgroundCol), a + 4, h / 2 - kDialHeight / 2, kDialWidth,
                   kDialHeight, this, -1, &m_valueGroup, 0);
    m_dial->SetZeroVal(std::fmod(m_zero, 360.0));
    m_dial->SetClockwiseVal(m_clockwise);
    m_dial->Show(true);
    if (m_withEditBox) {
        const int boxHeight = detail::TreeEditSkin(m_assets, vornskin::kTreeControlText).Size().y;
        const int x = a + 6 + kDialWidth, y = static_cast<int>(h * 0.5 - boxHeight * 0.5);
        if (m_editKind == kDate) {
            m_edit = MakeEditBox<DateEditBox>(m_assets, this, x, y, m_editable, kEditText, &m_valueGroup);
        } else if (m_editKind == kTime) {
            m_edit = MakeEditBox<TimeEditBox>(m_assets, this, x, y, m_editable, kEditText, &m_valueGroup);
        } else {
            auto* degrees = MakeEditBox<ScaleEditBox>(m_assets, this, x, y, m_editable, kEditReal, &m_valueGroup);
            degrees->SetRange(0.0, 360.0);
            m_edit = degrees;
        }
    }
    SetValue(m_value); // the widgets show the value held now
    m_valueGroup.Register(this);
}

// The box is chosen by the style set before Create, though it is made later.
void VUITreeAngleSelect::SetDisplayStyle(int style)
{
    m_displayStyle = style;
    if (!m_created)
        m_editKind = style;
    if (style == kAngle)
        SetRangeVals(0.0, kTwoPi);
    else if (style == kDate || style == kTime)
        SetRangeVals(0.0, 1.0);
}

void VUITreeAngleSelect::SetRangeVals(double min, double max)
{
    m_min = min;
    m_max = max;
    m_range = max - min;
}

// The dial's own SetZeroVal turns it to the new zero: it is turned back to the value.
// A direction that is no finite number is ignored: the dial could not point anywhere;
// the dial gets it within one turn, where its arithmetic stays exact.
void VUITreeAngleSelect::SetZeroVal(double degrees)
{
    if (!std::isfinite(degrees))
        return;
    m_zero = degrees;
    if (m_dial) {
        m_dial->SetZeroVal(std::fmod(degrees, 360.0));
        m_dial->SetValue(ToFloat(Fraction(m_value, m_min, m_range)), false);
    }
}

void VUITreeAngleSelect::SetClockwiseVal(bool clockwise)
{
    m_clockwise = clockwise;
    if (m_dial)
        m_dial->SetClockwiseVal(clockwise);
}

void VUITreeAngleSelect::SetVal(double v, bool, int)
{
    m_value = v;
    SendReal(m_valueGroup, this, Fraction(v, m_min, m_range));
}

void VUITreeAngleSelect::OnUpdate(unsigned int id, VornControl* control, VornControlHint* hint)
{
    TakeWidgetMessage(this, id, control, hint, [this](double r) { m_value = r * m_range + m_min; });
}

} // namespace vorn

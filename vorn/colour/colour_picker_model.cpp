#include <vorn/colour/colour_picker_model.h>

#include <cmath>
#include <cstdlib>

#include <vorn/controls/button_moment.h>
#include <vorn/text_lists/text_model.h>
#include <vorn/util/extreme_helper.h>

namespace vorn {

// ---- Saturation bar ----

SaturationBarModel::SaturationBarModel() : m_clock(std::make_unique<VornStopWatchClock>()) { }

SaturationBarModel::~SaturationBarModel() = default;

double SaturationBarModel::SaturationOfRow(int row)
{
    if (row < 5)
        return 1.0;
    if (row > 115)
        return 0.0;
    return 1.0 - (row - 5) * 0.00909090909090909;
}

int SaturationBarModel::RowOfSaturation(double saturation)
{
    if (saturation >= 1.0)
        return kTopRow;
    if (saturation <= 0.0 || std::isnan(saturation))
        return kBottomRow;
    return static_cast<int>((1.0 - saturation) * 110.0 + 4.0);
}

void SaturationBarModel::SetSaturation(double saturation)
{
    m_saturation = saturation;
    m_row = RowOfSaturation(saturation);
}

bool SaturationBarModel::StepUp()
{
    if (m_row <= kTopRow)
        return false;
    m_row -= 1;
    m_saturation = SaturationOfRow(m_row);
    return true;
}

bool SaturationBarModel::StepDown()
{
    // A bar with no marker yet (-1) has nothing to step from.
    if (m_row < 0 || m_row >= kBottomRow)
        return false;
    m_row += 1;
    m_saturation = SaturationOfRow(m_row);
    return true;
}

bool SaturationBarModel::HitsMarker(int x, int y) const { return x >= 78 && x <= 106 && std::abs(y - m_row) <= 2; }

bool SaturationBarModel::HitsBar(int x, int y) { return x >= 80 && x <= 100 && y >= 1 && y <= 120; }

void SaturationBarModel::Anchor(int x, int y)
{
    m_originX = x;
    m_originRow = y;
    m_startSaturation = m_saturation;
}

bool SaturationBarModel::Drag(int y, bool fine)
{
    double change = (m_originRow - y) * m_perPixel;
    if (fine)
        change /= 10.0;
    double s = m_startSaturation + change;
    ExtremeHelper::ClampValue(0.0, 1.0, s);
    if (s == m_saturation)
        return false;
    SetSaturation(s);
    return true;
}

SaturationBarEvent SaturationBarModel::Press(int x, int y, bool fine)
{
    SaturationBarEvent e;
    if (HitsMarker(x, y)) {
        m_dragging = true;
        m_armed = false;
        Anchor(x, y);
        e.startedDrag = true;
        e.changed = Drag(y, fine);
    } else if (HitsBar(x, y) && SaturationOfRow(y) != m_saturation) {
        SetSaturation(SaturationOfRow(y));
        e.changed = true;
        m_armed = true;
        Anchor(x, y);
        m_clock->Restart();
    }
    return e;
}

SaturationBarEvent SaturationBarModel::Move(int x, int y, bool buttonDown, bool fine)
{
    SaturationBarEvent e;
    if (m_armed) {
        const long elapsed = m_clock->Time();
        if (!buttonDown)
            m_armed = false;
        else if (elapsed < 1 && (std::abs(x - m_originX) >= 3 || std::abs(y - m_originRow) > 2))
            m_armed = false;
        else if (elapsed >= 1) {
            m_armed = false;
            m_dragging = true;
            e.startedDrag = true;
        }
    }
    // A drag that has just been armed follows this very motion.
    if (m_dragging)
        e.changed = Drag(y, fine);
    return e;
}

SaturationBarEvent SaturationBarModel::Release(int y, bool fine)
{
    SaturationBarEvent e;
    m_armed = false;
    if (!m_dragging)
        return e;
    e.changed = Drag(y, fine);
    m_dragging = false;
    e.stoppedDrag = true;
    return e;
}

void SaturationBarModel::SetClock(std::unique_ptr<VornButtonClock> clock)
{
    if (clock)
        m_clock = std::move(clock);
}

// ---- Hue/value field ----

namespace {

// Position t of [first, first + span] as 0..1, clamped; a span below one pixel
// counts as one so tiny fields stay defined.
double Fraction(int t, int first, int span)
{
    double f = static_cast<double>(t - first) / (span < 1 ? 1 : span);
    ExtremeHelper::ClampValue(0.0, 1.0, f);
    return f;
}

bool InUnit(double v) { return v >= 0.0 && v <= 1.0; }

} // namespace

void HueValueFieldModel::SetSize(int w, int h)
{
    m_w = w < 0 ? 0 : w;
    m_h = h < 0 ? 0 : h;
    m_columns.assign(m_w > kFirst ? m_w - kFirst : 0, 0.0);
    m_rows.assign(m_h > kFirst ? m_h - kFirst : 0, 0.0);
    // One table serves the hue above the strip and the grey's value in it: both run
    // linearly over the same columns, matching the two marker formulas.
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        m_columns[i] = Fraction(static_cast<int>(i) + kFirst, 11, m_w - 22);
    // The grey strip is the band 7 rows either side of its marker row (h - 11); the
    // rows between the value range's end and the strip read as value 0.
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const int y = static_cast<int>(i) + kFirst;
        m_rows[i] = y >= GreyStripTop() ? kGreyRow : 1.0 - Fraction(y, 11, m_h - 36);
    }
}

bool HueValueFieldModel::MarkerOfHueValue(double hue, double value, FieldPoint& at) const
{
    if (!InUnit(hue) || !InUnit(value))
        return false;
    at.x = static_cast<int>((m_w - 22) * hue + 11);
    at.y = static_cast<int>((m_h - 36) * (1.0 - value) + 11);
    return true;
}

bool HueValueFieldModel::MarkerOfGrey(double value, FieldPoint& at) const
{
    if (!InUnit(value))
        return false;
    at.x = static_cast<int>((m_w - 22) * value + 11);
    at.y = m_h - 11;
    return true;
}

bool HueValueFieldModel::Marker(const Color& hsv, FieldPoint& at) const
{
    return hsv.g == 0.0 ? MarkerOfGrey(hsv.b, at) : MarkerOfHueValue(hsv.r, hsv.b, at);
}

bool HueValueFieldModel::Ignores(int x, int y) const { return x <= 5 || x > m_w - 7 || y <= 5 || y > m_h - 2; }

double HueValueFieldModel::ColumnAt(int x) const
{
    const long i = static_cast<long>(x) - kFirst;
    return i >= 0 && i < static_cast<long>(m_columns.size()) ? m_columns[i] : 0.0;
}

double HueValueFieldModel::RowAt(int y) const
{
    const long i = static_cast<long>(y) - kFirst;
    return i >= 0 && i < static_cast<long>(m_rows.size()) ? m_rows[i] : 0.0;
}

bool HueValueFieldModel::Pick(int x, int y, const Color& currentHsv, double previousHue, Color& hsv) const
{
    if (Ignores(x, y))
        return false;
    const double row = RowAt(y);
    if (row != kGreyRow)
        hsv = Color(ColumnAt(x), currentHsv.g, row);
    else
        hsv = Color(previousHue, 0.0, ColumnAt(x));
    return true;
}

// ---- Picker rules ----

Color PartHsvOfRgb(const Color& rgb, const Color& previousRgb)
{
    Color hsv = rgb;
    hsv.RGBtoHSV();
    if (hsv.g == 0.0) {
        Color prev = previousRgb;
        prev.RGBtoHSV();
        hsv.r = prev.r;
    }
    return hsv;
}

bool EditRefreshText(const std::string& current, double component, std::string& text)
{
    if (TextToReal(current) == component)
        return false;
    text = RealToText(component, 3);
    return true;
}

Color ColourWithEditText(const Color& colour, int index, const std::string& text)
{
    Color c = colour;
    const double v = TextToReal(text);
    if (index == 0)
        c.r = v;
    else if (index == 1)
        c.g = v;
    else if (index == 2)
        c.b = v;
    return c;
}

} // namespace vorn

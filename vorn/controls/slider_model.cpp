#include <vorn/controls/slider_model.h>

#include <cmath>

namespace vorn {

void SliderModel::Reset(int windowWidth, int windowHeight)
{
    width = windowWidth;
    height = windowHeight;
    knobWidth = 10;
    knobHeight = 10;
    scale = 10;
    min = 0;
    max = 10 * (windowWidth - 10);
    lastX = 0;
    value = min;
}

void SliderModel::Setup(int left, int knobW, int knobH, int right)
{
    knobWidth = knobW;
    knobHeight = knobH;
    lastX = left;
    max = right == -1 ? width - knobW : width - knobW - right;
    max *= scale;
    min = left * scale;
}

double SliderModel::GetReported() const
{
    if (max == min)
        return 0.0; // a knob as wide as the slider cannot move
    return (value - min) / (max - min);
}

double SliderModel::SetReported(double v)
{
    if (!(v >= 0.0)) // also catches NaN
        v = 0.0;
    if (v > 1.0)
        v = 1.0;
    value = (max - min) * v + min;
    lastX = static_cast<int>(value / scale);
    return v;
}

bool SliderModel::OnKnob(int x) const
{
    const double knobLeft = value / scale;
    return knobLeft <= x && x <= knobLeft + knobWidth;
}

void SliderModel::ClampValue()
{
    if (value > max)
        value = max;
    if (value < min)
        value = min;
}

void SliderModel::JumpTo(int x)
{
    value += static_cast<double>(x - knobWidth / 2 - lastX) * scale;
    lastX = x;
    ClampValue();
}

bool SliderModel::DragTo(int x, bool fine)
{
    if (!fine) {
        if (x < 0)
            x = 0;
        if (x > width)
            x = width;
    }
    const double old = std::trunc(value);
    const double delta = fine ? static_cast<double>(x - lastX) : static_cast<double>(x - lastX) * scale;
    lastX = x;
    value += delta;
    ClampValue();
    return value != old;
}

} // namespace vorn

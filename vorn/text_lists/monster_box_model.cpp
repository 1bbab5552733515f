#include <vorn/text_lists/monster_box_model.h>

#include <algorithm>

namespace vorn {

bool MonsterBoxModel::InGrip(int x, int y, int w, int h)
{
    return x >= w - 21 && x <= w - 11 && y >= h - 22 && y <= h - 12;
}

int MonsterBoxModel::ClampHeight(int height, int maxHeight)
{
    return std::max(kMinHeight, std::min(height, maxHeight));
}

MonsterColumnSpan MonsterBoxModel::NextColumn(const std::vector<MonsterColumnSpan>& columns, int width)
{
    MonsterColumnSpan span;
    if (!columns.empty())
        span.x = columns.back().x + columns.back().width;
    span.width = width;
    return span;
}

std::vector<MonsterColumnSpan> MonsterBoxModel::ScaleColumns(const std::vector<int>& createdWidths, int width,
                                                            int initialWidth)
{
    std::vector<MonsterColumnSpan> spans;
    spans.reserve(createdWidths.size());
    for (int created : createdWidths) {
        const int scaled =
            initialWidth > 0 ? static_cast<int>(static_cast<long long>(created) * width / initialWidth) : created;
        spans.push_back(NextColumn(spans, scaled));
    }
    return spans;
}

bool MonsterBoxModel::NeedsScroll(int rows, int rowHeight, int height)
{
    return ContentHeight(rows, rowHeight) > height - kViewMargin;
}

double MonsterBoxModel::VisibleFraction(int rows, int rowHeight, int height)
{
    const int content = ContentHeight(rows, rowHeight);
    if (content <= 0)
        return 1.0;
    return static_cast<double>(height - kViewMargin) / content;
}

int MonsterBoxModel::ScrollOffset(double f, int rows, int rowHeight, int innerHeight)
{
    if (!(f > 0.0)) // also NaN
        return 0;
    f = std::min(f, 1.0);
    const int range = ContentHeight(rows, rowHeight) - innerHeight;
    return range > 0 ? static_cast<int>(range * f) : 0;
}

void MonsterBoxModel::RowsInView(int offset, int viewHeight, int rowHeight, int rows, int& first, int& last)
{
    if (rowHeight <= 0 || rows <= 0 || viewHeight <= 0) {
        first = last = 0;
        return;
    }
    first = std::clamp(offset / rowHeight, 0, rows);
    last = std::clamp((offset + viewHeight + rowHeight - 1) / rowHeight, first, rows);
}

int MonsterBoxModel::RowAt(int contentY, int rowHeight, int rows)
{
    if (rowHeight <= 0 || contentY < 0)
        return -1;
    const int row = contentY / rowHeight;
    return row < rows ? row : -1;
}

int MonsterBoxModel::ButtonX(int index, int thirdWidth, int previousX, int previousWidth)
{
    return index == 0 ? thirdWidth + kFirstButtonGap : previousX + previousWidth + thirdWidth;
}

} // namespace vorn

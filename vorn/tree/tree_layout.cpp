#include <vorn/tree/tree_layout.h>

#include <algorithm>

namespace vorn {

TreeRowMetrics TreeListMetrics(const std::vector<TreeRowMetrics>& rows)
{
    TreeRowMetrics list;
    int right = 0;
    for (const TreeRowMetrics& row : rows) {
        list.alignment = std::max(list.alignment, row.alignment);
        right = std::max(right, row.width - row.alignment);
        list.height += row.height;
    }
    list.width = list.alignment + right;
    return list;
}

int TreeListHit(const std::vector<TreeRowMetrics>& rows, int listAlignment, int x, int y, int& rowX, int& rowY)
{
    int top = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const TreeRowMetrics& row = rows[i];
        if (top + row.height >= y) {
            const int left = listAlignment - row.alignment;
            if (x < left || x > left + row.width)
                return -1;
            rowX = x - left;
            rowY = y - top;
            return static_cast<int>(i);
        }
        top += row.height;
    }
    return -1;
}

int TreeRowPlace(int index, int count)
{
    if (index == 0)
        return 0;
    return index == count - 1 ? 2 : 1;
}

int TreeScrollPosition(double slider, int contentHeight, int viewHeight)
{
    return static_cast<int>(slider * (contentHeight - viewHeight) + 0.5);
}

namespace {
// Bytes of the first `count` characters of a UTF-8 string (continuation bytes never start one).
size_t PrefixBytes(const std::string& s, int count)
{
    size_t i = 0;
    for (int n = 0; n < count && i < s.size(); ++n) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
            ++i;
    }
    return i;
}
} // namespace

bool ShortenTreeLabel(const std::string& name, int labelWidth, int alignment, int rowX,
                      const TreeTextMeasure& measure, std::string& text, int& x)
{
    if (-rowX > alignment)
        return false;
    if (rowX >= 0) {
        text = name;
        x = 0;
        return true;
    }
    const int visible = labelWidth + rowX;
    x = -rowX;
    text.clear();
    if (measure(".") > visible)
        return true;
    if (measure("..") > visible) {
        text = ".";
        return true;
    }
    if (measure("...") > visible) {
        text = "..";
        return true;
    }
    // Longer prefixes until one does not fit; the whole name is the last candidate.
    for (int k = -1;; ++k) {
        const size_t bytes = k < 1 ? 0 : PrefixBytes(name, k);
        const std::string candidate = name.substr(0, bytes) + "...";
        if (measure(candidate) > visible)
            break;
        text = candidate;
        if (bytes >= name.size())
            break;
    }
    return true;
}

} // namespace vorn

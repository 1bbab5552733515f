#pragma once
// Named colours of a skin. Controls ask for colours by key so that a skin can be
// recoloured by data alone; the host fills the database once from a colour script.
#include <map>
#include <string>
#include <vector>

#include <wx/colour.h>

#include <vorn/util/color.h>

namespace vorn {

/// Colours by name, filled from a colour script.
class ColourDatabase {
public:
    /// Stores red, green, blue and alpha each times 1/255 (not clamped). A name that is
    /// already present is refused: entries are never replaced.
    bool SetColour(const std::string& name, int red, int green, int blue, int alpha);

    /// Unknown names never fail: they yield the fallback (255, 100, 100) with two debug
    /// lines, and the call still returns true.
    bool GetColour(const std::string& name, ColorA& out) const;
    /// The same without alpha.
    bool GetColour(const std::string& name, Color& out) const;
    /// Each channel times 255, truncated toward zero; alpha is dropped.
    bool GetColour(const std::string& name, wxColour& out) const;

    /// True when the name is stored.
    bool HasColour(const std::string& name) const;
    /// Empties `names`, then lists every colour name in ascending byte order.
    bool GetColourNameList(std::vector<std::string>& names) const;
    /// How many colours are stored.
    size_t GetCount() const { return m_colours.size(); }
    /// Forgets every colour.
    void Clear();

    /// Runs a colour database script over already loaded text (lines end in byte 10).
    /// On the first bad line it shows a "ColorDatabase Script Error" warning and returns
    /// false; colours made by the lines before it stay.
    bool RunScript(const std::string& text);

private:
    bool RunLine(const std::string& line, int lineNumber);
    const ColorA* Find(const std::string& name) const;

    std::map<std::string, ColorA> m_colours;
};

} // namespace vorn

#pragma once
// Named fonts of a skin, filled once from a font script so that a skin can be
// re-lettered without code changes.
#include <map>
#include <string>
#include <vector>

#include <wx/font.h>

namespace vorn {

/// Fonts by name, filled from a font script.
class FontDatabase {
public:
    /// Stores a copy; a name that is already present is refused (entries are never replaced).
    bool SetFont(const std::string& name, const wxFont& font);
    /// Writes the name to the debug output on every call; false for an unknown name,
    /// leaving `out` alone.
    bool GetFont(const std::string& name, wxFont& out) const;

    /// True when the name is stored.
    bool HasFont(const std::string& name) const { return m_fonts.count(name) != 0; }
    /// Empties `names`, then lists every font name in ascending byte order.
    bool GetFontNameList(std::vector<std::string>& names) const;
    /// How many fonts are stored.
    size_t GetCount() const { return m_fonts.size(); }
    /// Forgets every font.
    void Clear();

    /// Runs a font database script over already loaded text (lines end in byte 10):
    ///   name pointsize family [style [weight]]
    /// On the first bad line it shows a "FontDatabase Script Error" warning and returns
    /// false; fonts made by the lines before it stay. The loader writes the asset name
    /// to the debug output before reading the text.
    bool RunScript(const std::string& text);

    // Point sizes the toolkit takes; -1 asks for its default size.
    static constexpr int kMinPointSize = -1;    ///< Smallest point size taken (the default size).
    static constexpr int kMaxPointSize = 10000; ///< Largest point size taken.

private:
    bool RunLine(const std::string& line, int lineNumber);

    std::map<std::string, wxFont> m_fonts;
};

} // namespace vorn

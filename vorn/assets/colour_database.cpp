#include <vorn/assets/colour_database.h>

#include <climits>
#include <sstream>

#include <vorn/assets/detail/database_common.h>
#include <vorn/util/diagnostics.h>
#include <vorn/util/wx_colour.h>

namespace vorn {

namespace {

constexpr double kByteToUnit = 0.00392156862745098; // 1/255
const char* const kScriptTitle = "ColorDatabase Script Error";

// "255, 100, 100" in unit channels: the colour every unknown name gets.
const ColorA kFallback(1.0, 0.39215686274509803, 0.39215686274509803, 1.0);

void ReportMissing(const char* kind, const std::string& name)
{
    dprintf("NONFATAL ERROR: Failed to find %s called '%s'\n", kind, name.c_str());
    dprintf("Setting '%s' to default funny red\n", name.c_str());
}

// Unit channel back to the integer a script would have given: times 255, truncated.
// Values a script cannot produce (beyond int) are pinned instead of overflowing.
int ToByteChannel(double unit)
{
    const double scaled = unit * 255.0;
    if (scaled >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (scaled <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(scaled);
}

bool Fail(const std::string& message, int lineNumber)
{
    return detail::ScriptError(kScriptTitle, message, lineNumber);
}

} // namespace

bool ColourDatabase::SetColour(const std::string& name, int red, int green, int blue, int alpha)
{
    if (m_colours.count(name))
        return false;
    m_colours.emplace(name, ColorA(red * kByteToUnit, green * kByteToUnit, blue * kByteToUnit,
                                   alpha * kByteToUnit));
    return true;
}

const ColorA* ColourDatabase::Find(const std::string& name) const
{
    const auto it = m_colours.find(name);
    return it == m_colours.end() ? nullptr : &it->second;
}

bool ColourDatabase::GetColour(const std::string& name, ColorA& out) const
{
    if (const ColorA* c = Find(name)) {
        out = *c;
        return true;
    }
    ReportMissing("ColourA", name);
    out = kFallback;
    return true;
}

bool ColourDatabase::GetColour(const std::string& name, Color& out) const
{
    if (const ColorA* c = Find(name)) {
        out = CAtoC(*c);
        return true;
    }
    ReportMissing("Colour", name);
    out = CAtoC(kFallback);
    return true;
}

bool ColourDatabase::GetColour(const std::string& name, wxColour& out) const
{
    if (const ColorA* c = Find(name)) {
        out = CAtoWxC(*c);
        return true;
    }
    ReportMissing("wxColour", name);
    out = wxColour(255, 100, 100);
    return true;
}

bool ColourDatabase::HasColour(const std::string& name) const { return Find(name) != nullptr; }

bool ColourDatabase::GetColourNameList(std::vector<std::string>& names) const
{
    return detail::ListKeys(m_colours, names);
}

void ColourDatabase::Clear() { m_colours.clear(); }

bool ColourDatabase::RunScript(const std::string& text)
{
    return detail::ForEachScriptLine(text, [this](const std::string& line, int lineNumber) {
        return line.empty() || RunLine(line, lineNumber);
    });
}

// One non-empty line: "# ...", "name r g b [a]" or "name existing-name".
bool ColourDatabase::RunLine(const std::string& line, int lineNumber)
{
    std::istringstream words(line);
    std::string name;
    if (!(words >> name))
        return Fail("Cannot get 1st arg (colourname) on line ", lineNumber);
    if (name == "#")
        return true;

    int red = 0;
    if (words >> red) {
        int green = 0, blue = 0;
        if (!(words >> green >> blue))
            return Fail("Got red but Cannot get green and blue data's on line ", lineNumber);
        int alpha = 255;
        if (!(words >> alpha))
            alpha = 255; // a failed read leaves 0 or a pinned value behind
        if (HasColour(name))
            return Fail("We've already got colour [" + name + "] on line ", lineNumber);
        SetColour(name, red, green, blue, alpha);
        return true;
    }

    // Copy form: the second word names an earlier colour.
    std::istringstream again(line);
    std::string existingName;
    again >> name;
    if (!(again >> existingName))
        return Fail("Cannot get 2nd arg (predef_colorname or rednum) on line ", lineNumber);
    const ColorA* existing = Find(existingName);
    if (!existing)
        return Fail("Colour [" + existingName + "] does not exist, on line ", lineNumber);
    SetColour(name, ToByteChannel(existing->r), ToByteChannel(existing->g),
              ToByteChannel(existing->b), ToByteChannel(existing->a));
    return true;
}

} // namespace vorn

#include <vorn/assets/detail/script_runner.h>

#include <memory>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/image_script.h>
#include <vorn/util/diagnostics.h>
#include <vorn/util/text.h>
#include <vorn/util/wx_image_convert.h>

namespace vorn::detail {

// Marks a script as running for its lifetime: it becomes the current script name, and
// a script that is already running is refused, so that a script using itself, directly
// or through others, fails instead of recursing. Once entered, the script's text is
// loaded; Ready() says both went well.
class ScriptRunner::Scope {
public:
    Scope(ScriptRunner& runner, const char* name) : m_runner(runner), m_previous(runner.m_current)
    {
        const std::string folded = ToLower(name ? name : "");
        for (const std::string& running : runner.m_running) {
            if (running == folded) {
                dprintf("Image script %s uses itself\n", folded.c_str());
                return;
            }
        }
        runner.m_running.push_back(folded);
        runner.m_current = name ? name : "";
        m_entered = true;
        m_loaded = runner.m_manager.LoadText(name, m_text);
    }
    ~Scope()
    {
        if (!m_entered)
            return;
        m_runner.m_running.pop_back();
        m_runner.m_current = m_previous;
    }
    bool Entered() const { return m_entered; }
    bool Ready() const { return m_entered && m_loaded; }
    const std::string& Text() const { return m_text; }

    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

private:
    ScriptRunner& m_runner;
    std::string m_previous;
    bool m_entered = false;
    bool m_loaded = false;
    std::string m_text;
};

namespace {

bool MakeStateImage(const BitmapA& from, Bitmap& to) { return ConvertTo(to, from); }
bool MakeStateImage(const BitmapA& from, wxImage& to) { return ConvertTo(to, from); }
bool MakeStateImage(const BitmapA& from, wxBitmap& to)
{
    wxImage image;
    return ConvertTo(image, from) && ToBitmap(to, image);
}

template <class T, class Set>
void FillSetFrom(const VornBitmapACache& from, Set& to)
{
    to.Clear();
    std::vector<VORNIMAGETYPE> states;
    from.GetStates(states);
    for (VORNIMAGETYPE state : states) {
        const BitmapA* source = nullptr;
        if (!from.GetImage(state, source))
            continue;
        auto image = std::make_unique<T>();
        if (MakeStateImage(*source, *image))
            to.AssignImageOwn(state, image.release());
    }
}

// Skin scripts fill their record's x; it stays at this mark when the script has no
// "edit" or "lbText" line.
constexpr int kNoTextArea = -999;

// A skin whose script never placed its text area shows the error picture and says so.
bool HasTextArea(int x, ImageScriptRunner& runner, const char* title, const char* text)
{
    if (x != kNoTextArea)
        return true;
    runner.FillErrorPicture();
    WarningMessage(title, text);
    return false;
}

} // namespace

bool ToBitmap(wxBitmap& bitmap, const wxImage& image)
{
    if (!image.IsOk())
        return false;
    bitmap = wxBitmap(image);
    return bitmap.IsOk();
}

void ConvertSet(const VornBitmapACache& from, VornBitmapCache& to) { FillSetFrom<Bitmap>(from, to); }
void ConvertSet(const VornBitmapACache& from, VornwxImageCache& to) { FillSetFrom<wxImage>(from, to); }
void ConvertSet(const VornBitmapACache& from, VornwxBitmapCache& to) { FillSetFrom<wxBitmap>(from, to); }

bool ScriptRunner::RunImage(const char* name, BitmapA& image)
{
    Scope script(*this, name);
    if (!script.Ready())
        return false;
    image.Clear();
    ImageScriptRunner runner(m_manager, m_current);
    if (runner.Run(script.Text(), ImageScriptTargets{&image, nullptr, nullptr, nullptr}) == ImageScriptResult::Failed)
        return false;
    return !image.IsEmpty(); // a script that never assigned its image made none
}

bool ScriptRunner::RunSet(const char* name, VornBitmapACache& set)
{
    Scope script(*this, name);
    return script.Ready() && RunSetText(script.Text(), set);
}

bool ScriptRunner::RunSetText(const std::string& text, VornBitmapACache& set)
{
    set.Clear();
    ImageScriptRunner runner(m_manager, m_current);
    return runner.Run(text, ImageScriptTargets{nullptr, &set, nullptr, nullptr}) != ImageScriptResult::Failed;
}

bool ScriptRunner::RunEditSkin(const char* name, wxBitmap& bitmap, VornEditInfo& info)
{
    Scope script(*this, name);
    if (!script.Ready())
        return false;
    info.x = kNoTextArea;
    BitmapA image;
    ImageScriptRunner runner(m_manager, m_current);
    runner.Run(script.Text(), ImageScriptTargets{&image, nullptr, &info, nullptr});
    if (!HasTextArea(info.x, runner, "Create Edit Widget", "Didn't find any edit widget data"))
        return false;
    wxImage converted;
    return ConvertTo(converted, image) && ToBitmap(bitmap, converted);
}

bool ScriptRunner::RunListBoxSkin(const char* name, OldVornListBoxInfo& info)
{
    Scope script(*this, name);
    if (!script.Entered())
        return false;
    // The list-box commands find their record through the special info while the
    // script runs.
    m_manager.SetSpecialInfo(&info);
    if (!script.Ready()) {
        m_manager.SetSpecialInfo(nullptr);
        return false;
    }
    info.x = kNoTextArea;
    VornBitmapACache made;
    ImageScriptRunner runner(m_manager, m_current);
    const ImageScriptResult result = runner.Run(script.Text(), ImageScriptTargets{nullptr, &made, nullptr, &info});
    m_manager.SetSpecialInfo(nullptr);
    if (!HasTextArea(info.x, runner, "Create List Box", "Didn't find any text widget data") ||
        result == ImageScriptResult::Failed)
        return false;
    if (info.imageCache)
        ConvertSet(made, *info.imageCache);
    return true;
}

} // namespace vorn::detail

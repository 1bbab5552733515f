#include <vorn/assets/image_script.h>

#include <cstdio>
#include <sstream>

#include <wx/image.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/image_cache.h>
#include <vorn/assets/skin_info.h>
#include <vorn/util/diagnostics.h>
#include <vorn/util/wx_image_convert.h>

namespace vorn {

namespace {

void FirstLineError(const char* text)
{
    WarningMessage("Error", text);
}

// The next word of a command line; throws the message when there is none.
std::string NeedWord(std::istream& args, const char* message)
{
    std::string word;
    if (!(args >> word))
        throw ParseError(message);
    return word;
}

// The text area an "edit" or "lbText" line opens with.
struct TextBox {
    int x, y, width, height;
};

std::istream& operator>>(std::istream& in, TextBox& box)
{
    return in >> box.x >> box.y >> box.width >> box.height;
}

template <class Info>
void PlaceText(Info& info, const TextBox& box)
{
    info.x = box.x;
    info.y = box.y;
    info.width = box.width;
    info.height = box.height;
}

} // namespace

ImageScriptRunner::ImageScriptRunner(AssetManager& manager, const std::string& scriptName)
    : m_manager(manager), m_scriptName(scriptName)
{
}

ImageScriptRunner::~ImageScriptRunner() = default;

ImageScriptResult ImageScriptRunner::Run(const std::string& text, const ImageScriptTargets& targets)
{
    m_targets = targets;
    m_error.clear();
    m_errorLine = 0;
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);
    if (!RunSizeLine(line))
        return ImageScriptResult::Failed;

    int number = 1;
    try {
        try {
            while (std::getline(in, line)) {
                ++number;
                if (RunCommand(line))
                    return ImageScriptResult::Finished;
            }
            throw ParseError("We've ended without a finish..");
        } catch (const ParseError& error) {
            m_error = error.GetMessage();
            m_errorLine = number;
            FillErrorPicture();
            dprintf("Image script %s, line %i: %s\n", m_scriptName.c_str(), number, m_error.c_str());
            std::string message = m_error;
            if (!m_scriptName.empty())
                message += " [" + m_scriptName + "]";
            WarningMessage("Image Script Parser", message);
        }
    } catch (const std::exception& error) {
        m_error = error.what();
        m_errorLine = number;
        FillErrorPicture();
    } catch (...) {
        // Nothing may escape the library: whatever a command throws ends in the error picture.
        m_error = "unknown error";
        m_errorLine = number;
        FillErrorPicture();
    }
    return ImageScriptResult::Recovered;
}

bool ImageScriptRunner::RunSizeLine(const std::string& line)
{
    std::istringstream words(line);
    std::string word, type;
    if (!(words >> word)) {
        FirstLineError("cannot get first word off first line...");
        return false;
    }
    if (word != "size") {
        FirstLineError("first line not size...");
        return false;
    }
    if (!(words >> type)) {
        FirstLineError("cannot get second arg off first line...");
        return false;
    }
    if (type == "rgb")
        m_type = kRgb;
    else if (type == "rgba")
        m_type = kRgba;
    else if (type == "gui8")
        m_type = kGui8;
    else {
        FirstLineError("token not rgb,rgba or gui8");
        return false;
    }
    if (!(words >> m_width >> m_height)) {
        FirstLineError("Image not same size as specified by Size command");
        return false;
    }
    if (m_type == kGui8)
        return false; // named by the language, but no working image exists for it
    if (m_width <= 0 || m_height <= 0 || m_width > kMaxSide || m_height > kMaxSide ||
        long(m_width) * m_height > kMaxPixels) {
        char text[128];
        std::snprintf(text, sizeof text, "Image size [%i,%i] is out of range", m_width, m_height);
        FirstLineError(text);
        return false;
    }
    m_working.reset(new BitmapA);
    if (!m_working->Create(m_width, m_height, 3, 0)) {
        m_working.reset();
        FirstLineError("Not enough memory for the image");
        return false;
    }
    return true;
}

void ImageScriptRunner::CheckSize(const std::string& name, int width, int height) const
{
    if (width == m_width && height == m_height)
        return;
    char text[512];
    std::snprintf(text, sizeof text, "File [%s] is of size [%i,%i] but should be of size [%i,%i].  Cannot load..",
                  name.c_str(), width, height, m_width, m_height);
    throw ParseError(text);
}

bool ImageScriptRunner::RunCommand(const std::string& line)
{
    std::istringstream args(line);
    std::string command;
    if (!(args >> command))
        return false; // empty line
    if (command == "#")
        return false;
    if (command == "finish")
        return true;

    if (command == "clear") {
        Clear(NeedWord(args, "missing arg for clear"));
    } else if (command == "copy" || command == "copya") {
        const bool withAlpha = command == "copya";
        const std::string name = NeedWord(args, withAlpha ? "missing arg for copya" : "missing arg for copy");
        if (withAlpha) {
            const BitmapA* image = nullptr;
            if (!m_manager.LoadImageCached(name.c_str(), image))
                throw ParseError("Cannot load image => " + name);
            CheckSize(name, image->width, image->height);
            Copy(*m_working, *image);
        } else {
            const wxImage* image = nullptr;
            if (!m_manager.LoadImageCached(name.c_str(), image))
                throw ParseError("Cannot load image => " + name);
            CheckSize(name, image->GetWidth(), image->GetHeight());
            ConvertTo(*m_working, *image);
        }
    } else if (command == "map" || command == "mapmask") {
        const bool mask = command == "mapmask";
        if (mask && m_type != kRgba)
            throw ParseError("Cannot use mapmask on an image type other than rgba");
        const std::string colourName = NeedWord(args, mask ? "Missing 1st arg for mapmask" : "Missing 1st arg for map");
        const std::string name = NeedWord(args, mask ? "Missing 2nd arg for mapmask" : "Missing 2nd arg for map");
        const wxImage* image = nullptr;
        if (!m_manager.LoadImageCached(name.c_str(), image))
            throw ParseError("Cannot load image => " + name);
        CheckSize(name, image->GetWidth(), image->GetHeight());
        Color colour;
        m_manager.GetColour(colourName, colour);
        if (mask)
            MapAllFromGrey(*m_working, *image, colour);
        else
            MapColoursFromGrey(*m_working, *image, colour);
    } else if (command == "setalphafromgrey") {
        if (m_type != kRgba)
            throw ParseError("Cannot use setalphafromgrey on an image type other than rgba");
        const std::string name = NeedWord(args, "Missing 1st arg for setalphafromgrey");
        const wxImage* image = nullptr;
        if (!m_manager.LoadImageCached(name.c_str(), image))
            throw ParseError("Cannot load image => " + name);
        CheckSize(name, image->GetWidth(), image->GetHeight());
        SetAlphaFromGrey(*m_working, *image);
    } else if (command == "assign") {
        Assign(NeedWord(args, "missing arg for assign"));
    } else if (command == "edit") {
        Edit(args);
    } else if (command == "lbText") {
        ListBoxText(args);
    } else if (command == "lbExpand") {
        ListBoxExpand(args);
    } else if (command == "lbSelDot") {
        ListBoxSelDot(args);
    } else {
        throw ParseError("we got something that was not a command in the file...");
    }
    return false;
}

void ImageScriptRunner::Clear(const std::string& colourName)
{
    ColorA colour;
    m_manager.GetColour(colourName, colour);
    if (m_type == kRgba)
        colour.a = 0.0;
    ClearBitmap(*m_working, colour);
}

void ImageScriptRunner::Assign(const std::string& state)
{
    if (state == "image") {
        if (m_targets.set || !m_targets.image)
            throw ParseError("Image being assigned to a ButtonCache. Cannot do that!!");
        Copy(*m_targets.image, *m_working);
        return;
    }
    VORNIMAGETYPE index = 0;
    if (!VornImageStateFromName(state, index)) {
        char text[256];
        std::snprintf(text, sizeof text, "unrecognisez button state [%s]", state.c_str());
        throw ParseError(text);
    }
    if (!m_targets.set)
        throw ParseError("Either trying to assign a buttonstate to an image, or spelled 'assign image' wrong.");
    AssignWorking(index);
}

void ImageScriptRunner::AssignWorking(VORNIMAGETYPE state)
{
    std::unique_ptr<BitmapA> copy(new BitmapA);
    Copy(*copy, *m_working);
    m_targets.set->AssignImageOwn(state, copy.release());
}

void ImageScriptRunner::Edit(std::istream& args)
{
    VornEditInfo* info = m_targets.edit;
    if (!info)
        throw ParseError("Found edit line without an edit class");
    TextBox box;
    std::string colour1, colour2;
    if (!(args >> box >> colour1 >> colour2))
        throw ParseError("Missing arguments for edit line");
    PlaceText(*info, box);
    m_manager.GetColour(colour1, info->textColour);
    m_manager.GetColour(colour2, info->highlightColour);
    std::string font;
    if (args >> font) {
        info->font = wxNullFont;
        if (!m_manager.GetFont(font, info->font))
            throw ParseError("Could not get font => " + font);
    }
}

void ImageScriptRunner::ListBoxText(std::istream& args)
{
    OldVornListBoxInfo* info = m_targets.listBox;
    if (!info)
        throw ParseError("No list box info set up for lbText");
    TextBox box;
    std::string colour;
    if (!(args >> box >> colour))
        throw ParseError("Error parsing list box text line");
    PlaceText(*info, box);
    m_manager.GetColour(colour, info->textColour);
}

void ImageScriptRunner::ListBoxExpand(std::istream& args)
{
    OldVornListBoxInfo* info = m_targets.listBox;
    if (!info)
        throw ParseError("No list box info set up for lbExpand");
    int value;
    std::string colours[3];
    if (!(args >> value >> colours[0] >> colours[1] >> colours[2]))
        throw ParseError("Error parsing list box expand line");
    for (const std::string& colour : colours)
        if (!m_manager.HasColour(colour))
            throw ParseError("Could not get colour => " + colour);
    info->expandValue = value;
    m_manager.GetColour(colours[0], info->expandColour1);
    m_manager.GetColour(colours[1], info->expandColour2);
    m_manager.GetColour(colours[2], info->expandColour3);
    const bool off = m_manager.LoadImageCached("blender_scroll_off.sts", info->scrollOff);
    const bool up = m_manager.LoadImageCached("blender_scroll_up.sts", info->scrollUp);
    const bool down = m_manager.LoadImageCached("blender_scroll_down.sts", info->scrollDown);
    if (!off && !up && !down)
        throw ParseError("Bad Vorn loading the scroll bar images for the list box");
}

void ImageScriptRunner::ListBoxSelDot(std::istream& args)
{
    OldVornListBoxInfo* info = m_targets.listBox;
    if (!info)
        throw ParseError("No list box info set up for lbSelDot");
    std::string name;
    if (!(args >> name) || !m_manager.LoadImageCached(name.c_str(), info->selDot))
        throw ParseError("Error parsing list box selDot line");
}

void ImageScriptRunner::FillErrorPicture()
{
    if (!m_working)
        return;
    if (m_targets.set) {
        static const struct {
            const char* colour;
            VORNIMAGETYPE state;
        } kErrorStates[] = {{"pink", 3},   {"red", 2},   {"blue", 8},   {"purple", 9},
                            {"brown", 4},  {"green", 5}, {"orange", 6}, {"lightblue", 7}};
        m_targets.set->Clear();
        for (const auto& entry : kErrorStates) {
            Clear(entry.colour);
            AssignWorking(entry.state);
        }
    } else if (m_targets.image) {
        Clear("pink");
        Copy(*m_targets.image, *m_working);
    }
}

} // namespace vorn

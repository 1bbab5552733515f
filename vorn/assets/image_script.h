#pragma once
// The image-script language ("sts"): a "size" line, then one command per line, ending
// with "finish". A script draws a working image and assigns it to a single image or to
// the states of an image set; skin scripts also fill edit-box or list-box records.
#include <memory>
#include <string>

#include <vorn/util/bitmap.h>

namespace vorn {

class AssetManager;
class VornBitmapACache;
struct VornEditInfo;
struct OldVornListBoxInfo;

/// Raised by a command to abort a run; the run recovers with the error picture.
class ParseError {
public:
    /// An error with its message.
    explicit ParseError(std::string message) : m_message(std::move(message)) {}
    /// The message shown to the skin author.
    const std::string& GetMessage() const { return m_message; }

private:
    std::string m_message;
};

/// Where a run puts what it makes. A run has either an image or a set target.
struct ImageScriptTargets {
    BitmapA* image = nullptr;              ///< The image a single-image run draws into, or null.
    VornBitmapACache* set = nullptr;       ///< The set a set run fills, or null.
    VornEditInfo* edit = nullptr;          ///< Only while loading an edit skin.
    OldVornListBoxInfo* listBox = nullptr; ///< Only while loading a list-box skin.
};

/// How a script run ended.
enum class ImageScriptResult {
    Failed,    // the size line was wrong: nothing was made
    Finished,  // the script reached "finish"
    Recovered, // a command failed: the target holds the error picture
};

/// Runs one image script into its targets.
class ImageScriptRunner {
public:
    /// scriptName is appended to error messages when not empty.
    ImageScriptRunner(AssetManager& manager, const std::string& scriptName);
    ~ImageScriptRunner();

    /// Runs the text; a failing command ends in the error picture and a warning.
    ImageScriptResult Run(const std::string& text, const ImageScriptTargets& targets);

    /// Fills the target with the error picture (nothing when no working image was made).
    void FillErrorPicture();

    /// The last command error and the line it was on (1 is the size line); 0 when none.
    const std::string& GetError() const { return m_error; }
    /// The line of the last command error, 0 when none.
    int GetErrorLine() const { return m_errorLine; }

    /// The pixel type of a script's working image.
    enum ImageType { kNoType = 0, kRgb = 1, kRgba = 2, kGui8 = 3 };

    // Largest side, and largest pixel count, of a script's working image. A set run
    // holds up to ten copies plus their conversions, so 4M pixels (16 MB an image)
    // keeps a full-screen set within a few hundred MB.
    static constexpr int kMaxSide = 8192;                ///< Largest side, in pixels.
    static constexpr long kMaxPixels = 4L * 1024 * 1024; ///< Largest pixel count.

private:
    bool RunSizeLine(const std::string& line);
    // True at "finish".
    bool RunCommand(const std::string& line);
    void Clear(const std::string& colour);
    void Assign(const std::string& state);
    // Hands a copy of the working image to the set target.
    void AssignWorking(int state);
    void Edit(std::istream& args);
    void ListBoxText(std::istream& args);
    void ListBoxExpand(std::istream& args);
    void ListBoxSelDot(std::istream& args);
    void CheckSize(const std::string& name, int width, int height) const;

    AssetManager& m_manager;
    std::string m_scriptName;
    ImageType m_type = kNoType;
    int m_width = 0;
    int m_height = 0;
    std::unique_ptr<BitmapA> m_working;
    ImageScriptTargets m_targets;
    std::string m_error;
    int m_errorLine = 0;
};

} // namespace vorn

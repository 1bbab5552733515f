#include "vrk_commands.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <vorn/assets/archive_asset_loader.h>
#include <vorn/assets/archive_writer.h>
#include <vorn/util/text.h>

using namespace vorn;

namespace fs = std::filesystem;

namespace {

const char* const kUsage =
    "usage: vrk pack OUT.vrk DIR       store the skin tree DIR in the archive OUT.vrk\n"
    "       vrk list FILE.vrk          show each entry's name, platform, languages and size\n"
    "       vrk extract FILE.vrk DIR   write the entries back into a skin tree under DIR\n"
    "       vrk verify FILE.vrk        check the header, the directory and every offset\n"
    "       vrk --help                 show this text\n"
    "\n"
    "A skin tree is laid out as the directory loader reads it:\n"
    "  DIR/file                         no platform, no language\n"
    "  DIR/Generic/file                 platform generic\n"
    "  DIR/<platform>/file              that platform\n"
    "  DIR/<Generic|platform>/<language>/file\n"
    "  DIR/<Generic|platform>/<language>/<sub-language>/file\n"
    "Names, platforms and languages are stored in lower case; a file without an\n"
    "extension is stored with a full stop at the end of its name. Hidden files and\n"
    "directories are left out.\n"
    "\n"
    "Exit status: 0 done, 1 bad input or a failed write, 2 wrong command line.\n";

const char* const kGenericDir = "Generic";

bool IsHidden(const fs::path& p)
{
    const std::string name = p.filename().string();
    return !name.empty() && name[0] == '.';
}

// The children of a directory, split into plain files and directories, sorted by name
// so that every run packs in the same order.
struct Listing {
    std::vector<fs::path> files, dirs;
};

Listing ListDirectory(const fs::path& dir, std::ostream& err)
{
    Listing listing;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        if (IsHidden(p))
            continue;
        std::error_code typeEc;
        if (it->is_directory(typeEc))
            listing.dirs.push_back(p);
        else if (it->is_regular_file(typeEc))
            listing.files.push_back(p);
        else
            err << "vrk: skipping '" << p.string() << "': not a plain file\n";
    }
    if (ec)
        err << "vrk: cannot read directory '" << dir.string() << "': " << ec.message() << "\n";
    std::sort(listing.files.begin(), listing.files.end());
    std::sort(listing.dirs.begin(), listing.dirs.end());
    return listing;
}

struct TreeFile {
    fs::path path;
    std::string platform, languageMajor, languageMinor;
};

// Walks the three levels below the root that the directory loader reads.
void CollectTree(const fs::path& dir, int depth, const std::vector<std::string>& place,
                 std::vector<TreeFile>& files, std::ostream& err)
{
    const Listing listing = ListDirectory(dir, err);
    for (const fs::path& f : listing.files) {
        TreeFile tf{f, "", "", ""};
        if (place.size() > 0)
            tf.platform = place[0];
        if (place.size() > 1)
            tf.languageMajor = place[1];
        if (place.size() > 2)
            tf.languageMinor = place[2];
        files.push_back(tf);
    }
    for (const fs::path& d : listing.dirs) {
        if (depth == 3) {
            err << "vrk: skipping '" << d.string()
                << "': nothing below <platform>/<language>/<sub-language> is read\n";
            continue;
        }
        const std::string name = d.filename().string();
        std::string folded = ToLower(name);
        if (name != folded && !(depth == 0 && name == kGenericDir))
            err << "vrk: note: directory '" << d.string() << "' is stored as '" << folded << "'\n";
        std::vector<std::string> deeper = place;
        deeper.push_back(folded);
        CollectTree(d, depth + 1, deeper, files, err);
    }
}

bool SameFile(const fs::path& a, const fs::path& b)
{
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

int Pack(const std::string& outPath, const std::string& root, std::ostream& out, std::ostream& err)
{
    std::error_code ec;
    if (!fs::is_directory(root, ec)) {
        err << "vrk: '" << root << "' is not a directory\n";
        return kVrkFailed;
    }
    std::vector<TreeFile> files;
    CollectTree(root, 0, {}, files, err);

    ArchiveWriter writer;
    for (const TreeFile& f : files) {
        if (SameFile(f.path, outPath))
            continue; // an earlier run's output inside the tree
        std::string error;
        if (!writer.AddFileFromDisk(AssetNameForFile(f.path.filename().string()), f.platform,
                                    f.languageMajor, f.languageMinor, f.path.string(), error)) {
            err << "vrk: cannot pack '" << f.path.string() << "': " << error << "\n";
            return kVrkFailed;
        }
    }
    std::string error;
    if (!writer.WriteFile(outPath, error)) {
        err << "vrk: " << error << "\n";
        fs::remove(outPath, ec);
        return kVrkFailed;
    }
    out << "packed " << writer.GetCount() << " files into " << outPath << "\n";
    return kVrkOk;
}

bool OpenArchive(ArchiveAssetLoader& loader, std::ostream& err)
{
    if (loader.Open())
        return true;
    err << "vrk: cannot read '" << loader.GetPath() << "': " << loader.GetLastError() << "\n";
    return false;
}

std::string OrDash(const std::string& value) { return value.empty() ? "-" : value; }

int List(const std::string& path, std::ostream& out, std::ostream& err)
{
    ArchiveAssetLoader loader(path.c_str());
    if (!OpenArchive(loader, err))
        return kVrkFailed;
    struct Row {
        std::string name, platform, languages, size;
    };
    std::vector<Row> rows = {{"NAME", "PLATFORM", "LANGUAGES", "SIZE"}};
    for (const ArchiveEntry& e : loader.GetEntries()) {
        std::string languages = OrDash(e.languageMajor);
        if (!e.languageMinor.empty())
            languages += "/" + e.languageMinor;
        rows.push_back({e.name, OrDash(e.platform), languages, std::to_string(e.Size())});
    }
    size_t wName = 0, wPlatform = 0, wLanguages = 0;
    for (const Row& r : rows) {
        wName = std::max(wName, r.name.size());
        wPlatform = std::max(wPlatform, r.platform.size());
        wLanguages = std::max(wLanguages, r.languages.size());
    }
    for (const Row& r : rows) {
        out << r.name << std::string(wName - r.name.size() + 2, ' ') << r.platform
            << std::string(wPlatform - r.platform.size() + 2, ' ') << r.languages
            << std::string(wLanguages - r.languages.size() + 2, ' ') << r.size << "\n";
    }
    if (const size_t bad = loader.GetDirectoryProblems().size())
        err << "vrk: " << bad << " directory lines give no entry, so a host registers nothing from this "
            << "archive (see vrk verify)\n";
    return kVrkOk;
}

// A name or directory that can stand as one path component below the tree root.
bool SafeComponent(const std::string& s)
{
    return !s.empty() && s != "." && s != ".." && s.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

int Extract(const std::string& path, const std::string& root, std::ostream& out, std::ostream& err)
{
    ArchiveAssetLoader loader(path.c_str());
    if (!OpenArchive(loader, err))
        return kVrkFailed;
    int written = 0, failed = 0;
    for (const ArchiveEntry& e : loader.GetEntries()) {
        const std::string name = ToLower(e.name);
        std::string dir, why;
        if (!SafeComponent(name))
            why = "the name cannot be a file name";
        else
            TreeDirectoryFor(ToLower(e.platform), ToLower(e.languageMajor), ToLower(e.languageMinor), dir, why);
        if (!why.empty()) {
            err << "vrk: cannot extract '" << e.name << "': " << why << "\n";
            ++failed;
            continue;
        }
        const fs::path target = fs::path(root) / dir / name;
        std::error_code ec;
        fs::create_directories(target.parent_path(), ec);
        std::ofstream file(target, std::ios::binary | std::ios::trunc);
        const unsigned char* bytes = loader.GetEntryData(e);
        if (file && bytes)
            file.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(e.Size()));
        file.close();
        if (ec || !file || !bytes) {
            err << "vrk: cannot write '" << target.string() << "'" << (ec ? ": " + ec.message() : "") << "\n";
            ++failed;
            continue;
        }
        ++written;
    }
    out << "extracted " << written << " files into " << root << "\n";
    return failed ? kVrkFailed : kVrkOk;
}

int Verify(const std::string& path, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> problems;
    if (!ArchiveAssetLoader::Verify(path, problems)) {
        for (const std::string& p : problems)
            err << path << ": " << p << "\n";
        return kVrkFailed;
    }
    ArchiveAssetLoader loader(path.c_str());
    if (!OpenArchive(loader, err))
        return kVrkFailed;
    out << path << ": ok, " << loader.GetEntries().size() << " entries, " << loader.GetDataSize() - 4
        << " bytes of data\n";
    return kVrkOk;
}

int Usage(std::ostream& err, const std::string& problem)
{
    err << "vrk: " << problem << "\n" << kUsage;
    return kVrkUsage;
}

} // namespace

std::string AssetNameForFile(const std::string& fileName)
{
    // As the directory loader splits a path: no extension unless a full stop follows the
    // first character.
    const size_t dot = fileName.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot > 0;
    return ToLower(hasExtension ? fileName : fileName + ".");
}

bool TreeDirectoryFor(const std::string& platform, const std::string& languageMajor,
                      const std::string& languageMinor, std::string& dir, std::string& why)
{
    dir.clear();
    if (platform.empty() && !languageMajor.empty()) {
        why = "the tree has no place for a language without a platform";
        return false;
    }
    if (languageMajor.empty() && !languageMinor.empty()) {
        why = "the tree has no place for a sub-language without a language";
        return false;
    }
    for (const std::string* part : {&platform, &languageMajor, &languageMinor}) {
        if (part->empty())
            break;
        if (!SafeComponent(*part)) {
            why = "\"" + *part + "\" cannot be a directory name";
            return false;
        }
        dir += (part == &platform && *part == "generic") ? std::string(kGenericDir) : *part;
        dir += "/";
    }
    why.clear();
    return true;
}

int RunVrk(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return Usage(err, "no command given");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        out << kUsage;
        return kVrkOk;
    }
    struct Command {
        const char* name;
        size_t operands;
        const char* synopsis;
    };
    static const Command kCommands[] = {{"pack", 2, "OUT.vrk DIR"},
                                        {"list", 1, "FILE.vrk"},
                                        {"extract", 2, "FILE.vrk DIR"},
                                        {"verify", 1, "FILE.vrk"}};
    const Command* found = nullptr;
    for (const Command& c : kCommands)
        if (command == c.name)
            found = &c;
    if (!found)
        return Usage(err, "unknown command '" + command + "'");
    if (args.size() - 1 != found->operands)
        return Usage(err, command + " expects " + found->synopsis);

    if (command == "pack")
        return Pack(args[1], args[2], out, err);
    if (command == "list")
        return List(args[1], out, err);
    if (command == "extract")
        return Extract(args[1], args[2], out, err);
    return Verify(args[1], out, err);
}

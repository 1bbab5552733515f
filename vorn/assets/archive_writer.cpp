#include <vorn/assets/archive_writer.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <vorn/assets/detail/archive_directory.h>
#include <vorn/util/stream.h>

namespace vorn {

namespace {

constexpr uint64_t kMaxOffset = 0xffffffffu;

// Checks that a value can stand as one directory field; returns an error text or "".
std::string FieldProblem(const std::string& what, const std::string& value, bool required)
{
    if (value.empty())
        return required ? what + " is empty" : std::string();
    if (value == detail::kArchiveNone)
        return what + " \"NONE\" would be read as none";
    for (unsigned char c : value)
        if (c <= ' ' || c == 127)
            return what + " \"" + value + "\" contains white space or control characters";
    return std::string();
}

std::string DirectoryField(const std::string& value)
{
    return value.empty() ? std::string(detail::kArchiveNone) : value;
}

} // namespace

bool ArchiveWriter::AddFile(const std::string& name, const std::string& platform,
                            const std::string& languageMajor, const std::string& languageMinor,
                            const std::vector<unsigned char>& bytes, std::string& error)
{
    for (const std::string& problem :
         {FieldProblem("name", name, true), FieldProblem("platform", platform, false),
          FieldProblem("language major", languageMajor, false),
          FieldProblem("language minor", languageMinor, false)}) {
        if (!problem.empty()) {
            error = problem;
            return false;
        }
    }
    if (languageMajor.empty() && !languageMinor.empty()) {
        error = "language minor \"" + languageMinor + "\" given without a language major";
        return false;
    }
    if (4 + m_dataBytes + bytes.size() > kMaxOffset) {
        error = "archive data would exceed 4 GiB with \"" + name + "\"";
        return false;
    }
    m_entries.push_back({name, platform, languageMajor, languageMinor, bytes});
    m_dataBytes += bytes.size();
    return true;
}

bool ArchiveWriter::AddFileFromDisk(const std::string& name, const std::string& platform,
                                    const std::string& languageMajor, const std::string& languageMinor,
                                    const std::string& path, std::string& error)
{
    std::error_code ignored;
    std::ifstream file;
    if (std::filesystem::is_regular_file(path, ignored)) // a pipe would block the open
        file.open(path, std::ios::binary);
    if (!file.is_open()) {
        error = "cannot open '" + path + "'";
        return false;
    }
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        error = "cannot read '" + path + "'";
        return false;
    }
    return AddFile(name, platform, languageMajor, languageMinor, bytes, error);
}

bool ArchiveWriter::Write(std::ostream& out, std::string& error) const
{
    std::string directory;
    uint64_t offset = 4;
    for (const Entry& e : m_entries) {
        const uint64_t end = offset + e.bytes.size();
        directory += e.name + " " + DirectoryField(e.platform) + " " + DirectoryField(e.languageMajor) + " " +
                     DirectoryField(e.languageMinor) + " " + std::to_string(offset) + " " +
                     std::to_string(end) + "\n";
        offset = end;
    }
    if (directory.size() > kMaxOffset) {
        error = "archive directory too large";
        return false;
    }
    VornOutputStream stream(out);
    stream.Write32(static_cast<uint32_t>(offset));
    for (const Entry& e : m_entries)
        out.write(reinterpret_cast<const char*>(e.bytes.data()), static_cast<std::streamsize>(e.bytes.size()));
    stream << directory;
    if (!stream.good()) {
        error = "write failed";
        return false;
    }
    return true;
}

bool ArchiveWriter::WriteFile(const std::string& path, std::string& error) const
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        error = "cannot create '" + path + "'";
        return false;
    }
    if (!Write(file, error))
        return false;
    file.close();
    if (!file) {
        error = "write to '" + path + "' failed";
        return false;
    }
    return true;
}

} // namespace vorn

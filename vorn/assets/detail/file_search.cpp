#include <vorn/assets/detail/file_search.h>

#include <algorithm>

#include <wx/dir.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>

namespace vorn::detail {

wxString PathToWx(const std::string& path)
{
    return wxString(path.c_str(), *wxConvFileName);
}

std::string PathFromWx(const wxString& path)
{
    const wxScopedCharBuffer bytes = path.mb_str(*wxConvFileName);
    return bytes.data() ? std::string(bytes.data()) : std::string();
}

bool SearchDirectoryExists(const std::string& pattern)
{
    const wxString dir = wxPathOnly(PathToWx(pattern));
    return !dir.empty() && wxDirExists(dir);
}

std::vector<std::string> FindFiles(const std::string& pattern)
{
    std::vector<std::string> paths;
    if (!SearchDirectoryExists(pattern))
        return paths;
    const wxString full = PathToWx(pattern);
    const wxString dirPath = wxPathOnly(full);
    wxString filePattern = wxFileNameFromPath(full);
    if (filePattern == "*.*")
        filePattern.clear(); // on this platform a name need not contain a dot
    wxLogNull quiet; // an unreadable directory simply yields nothing
    wxDir dir(dirPath);
    if (!dir.IsOpened())
        return paths;
    std::vector<std::string> names;
    wxString name;
    for (bool more = dir.GetFirst(&name, filePattern, wxDIR_FILES); more; more = dir.GetNext(&name))
        names.push_back(PathFromWx(name));
    std::sort(names.begin(), names.end());
    std::string prefix = PathFromWx(dirPath);
    if (prefix.empty() || prefix.back() != '/')
        prefix += '/';
    for (const std::string& n : names)
        paths.push_back(prefix + n);
    return paths;
}

} // namespace vorn::detail

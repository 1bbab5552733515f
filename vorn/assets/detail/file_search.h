#pragma once
// File enumeration for the asset loaders: a search pattern is a directory followed by
// a file pattern, as in "root/Generic/*.*".
#include <string>
#include <vector>

#include <wx/string.h>

namespace vorn::detail {

// Paths are the file system's bytes, which need not be UTF-8 (a tree copied from a
// Latin-1 system); these convert them to and from toolkit strings and back unchanged.
wxString PathToWx(const std::string& path);
std::string PathFromWx(const wxString& path);

// True when the directory part of the pattern exists.
bool SearchDirectoryExists(const std::string& pattern);

// Full paths of the plain files the pattern names (no sub-directories, no hidden files),
// sorted by name so that every run sees the same order. The file pattern "*.*" names
// every file, with or without an extension.
std::vector<std::string> FindFiles(const std::string& pattern);

} // namespace vorn::detail

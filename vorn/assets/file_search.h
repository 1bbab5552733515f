#pragma once
// File enumeration for the asset loaders: a search pattern is a directory followed by
// a file specification, as in "root/Generic/*.*".
#include <string>
#include <vector>

// True when the directory part of the pattern exists.
bool SearchDirectoryExists(const std::string& pattern);

// Full paths of the plain files the pattern names (no sub-directories, no hidden files),
// sorted by name so that every run sees the same order. The file pattern "*.*" names
// every file, with or without an extension.
std::vector<std::string> FindFiles(const std::string& pattern);

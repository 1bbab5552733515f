#pragma once
// The vrk commands, apart from main() so that tests can run them in-process.
#include <ostream>
#include <string>
#include <vector>

// Exit statuses of vrk.
enum VrkStatus { kVrkOk = 0, kVrkFailed = 1, kVrkUsage = 2 };

// Runs one command line (the arguments after the program name). Results go to `out`,
// messages about bad input to `err`.
int RunVrk(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Where an asset lives in a skin tree, relative to its root, for the given platform
// and languages (all lower case): "", "Generic/", "<platform>/", then "<major>/",
// "<major>/<minor>/". False, with `why`, when the tree has no such place.
bool TreeDirectoryFor(const std::string& platform, const std::string& languageMajor,
                      const std::string& languageMinor, std::string& dir, std::string& why);

// The asset name the directory loader gives a file: its name folded to lower case,
// with a full stop added when it has no extension.
std::string AssetNameForFile(const std::string& fileName);

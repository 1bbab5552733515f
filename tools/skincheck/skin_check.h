#pragma once
// The skin checker: loads a skin as a host does (directory trees and .vrk archives, in
// the order given, later ones patching earlier ones), runs every colour, font and image
// script and skin it holds with the diagnostics hooks capturing, and reports
//   errors   warnings, parse errors, unknown colours, wrong sizes, missing states
//   missing  names the library (or a host using the default looks) looks up and the skin lacks
//   unused   files nothing refers to
// one line each, named by the asset.
#include <ostream>
#include <string>
#include <vector>

struct SkinCheckOptions {
    std::vector<std::string> sources; // skin trees and .vrk archives
    std::string platform = "gtk";
    std::string languageMajor = "en";
    std::string languageMinor;
};

struct SkinCheckResult {
    int checked = 0;
    int errors = 0;
    int missing = 0;
    int unused = 0;
    bool Clean() const { return errors == 0 && missing == 0; }
};

SkinCheckResult CheckSkin(const SkinCheckOptions& options, std::ostream& out);

// The command line: vorn-skincheck [--platform P] [--language L[_M]] SKIN...
// Exit status 0 clean (unused files are only reported), 1 errors or missing names,
// 2 wrong command line.
int RunSkinCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

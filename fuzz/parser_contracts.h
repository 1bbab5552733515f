#pragma once
// What each parser of a skin author's file promises for any input, checked the same way
// by the fuzz targets (over generated inputs) and by the tests (over the seed corpus).
// Each check runs one input and returns one line per broken promise (none: kept).
// The diagnostics sinks are taken over while a check runs and left silent after it.
#include <string>
#include <vector>

namespace vorn::fuzzcheck {

using Breaches = std::vector<std::string>;

// Opens, verifies and loads the bytes as an archive (through a temporary file).
Breaches CheckArchive(const std::string& bytes);
Breaches CheckColourScript(const std::string& text);
Breaches CheckFontScript(const std::string& text);
Breaches CheckMenuText(const std::string& bytes);
Breaches CheckMessageText(const std::string& bytes);
// Runs the text as a single image, an image set, an edit skin and a list-box skin
// against a small skin whose names the seed scripts use.
Breaches CheckImageScript(const std::string& text);

} // namespace vorn::fuzzcheck

#pragma once
// The pictures of the default skin: grey templates that its image scripts colour with
// "map", "mapmask" and "setalphafromgrey" (white = full strength). Each is drawn at
// exactly the size of the scripts that use it; the size is part of its name.
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <vorn/util/filter.h>

struct SkinPicture {
    std::string name; // asset name, ending in ".png"
    int width = 0;
    int height = 0;
    std::function<void(vorn::Filter&)> paint; // draws grey on a black picture
};

std::vector<SkinPicture> SkinPictures();

// Draws every picture and writes it as PNG into `dir` (which must exist). The output
// depends on nothing but this program, so every build writes the same bytes.
bool WriteSkinPictures(const std::string& dir, std::ostream& err);

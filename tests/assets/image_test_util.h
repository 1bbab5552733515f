#pragma once
// A manager with a palette and in-memory assets for the image and script tests.
#include <functional>
#include <string>

#include <gtest/gtest.h>
#include <wx/image.h>
#include <wx/mstream.h>

#include <pixels.h>
#include <test_support.h>
#include <vorn/assets/asset_manager.h>

#include "asset_test_util.h"

namespace assettest {
using namespace vorn;
using vorntest::Bytes;
using vorntest::Px;

// PNG bytes of a w x h image whose pixels `pixel(x, y, rgba)` fills (alpha kept when
// `withAlpha`).
inline std::string Png(int w, int h, const std::function<void(int, int, unsigned char*)>& pixel,
                       bool withAlpha = false)
{
    wxImage image(w, h);
    if (withAlpha)
        image.InitAlpha();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            unsigned char p[4] = {0, 0, 0, 255};
            pixel(x, y, p);
            image.SetRGB(x, y, p[0], p[1], p[2]);
            if (withAlpha)
                image.SetAlpha(x, y, p[3]);
        }
    wxMemoryOutputStream out;
    image.SaveFile(out, wxBITMAP_TYPE_PNG);
    std::string bytes(out.GetLength(), '\0');
    out.CopyTo(&bytes[0], bytes.size());
    return bytes;
}

// A PNG of one colour.
inline std::string SolidPng(int w, int h, unsigned char r, unsigned char g, unsigned char b)
{
    return Png(w, h, [=](int, int, unsigned char* p) { p[0] = r; p[1] = g; p[2] = b; });
}

class ImageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Add("palette.txt", "white 255 255 255\nblack 0 0 0\npink 255 192 203\nred 255 0 0\nblue 0 0 255\n"
                           "purple 128 0 128\nbrown 150 75 0\ngreen 0 255 0\norange 255 165 0\n"
                           "lightblue 173 216 230\n");
        ASSERT_TRUE(manager.LoadColourData("palette.txt"));
    }
    void Add(const std::string& name, const std::string& bytes)
    {
        manager.SetAsset(new MemoryAsset(name, "", "", "", bytes));
    }

    vorntest::DiagnosticsRecorder diagnostics;
    AssetManager manager;
};

} // namespace assettest

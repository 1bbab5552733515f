// Texture upload of every image set of the default skin: through CopyImageCache, and as a
// bare glTexImage2D of the same pixels already padded to the same power-of-two sizes. Both
// run in the same process; the bare side reports the ratio of the two (CopyImageCache_ratio).
#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>
#include <wx/glcanvas.h>

#include <GL/gl.h>

#include <vorn/assets/gl_image.h>
#include <vorn/assets/skin_names.h>

#include "bench_support.h"

using namespace vorn;

namespace {

// Mean microseconds per iteration of the library's side, for the ratio the bare side reports.
double g_vornMicros = 0.0;

// A GL canvas on the bench frame with its context current, made once.
bool MakeContextCurrent()
{
    static std::unique_ptr<wxGLContext> context;
    static wxGLCanvas* canvas = nullptr;
    if (!canvas) {
        wxGLAttributes attrs;
        attrs.PlatformDefaults().RGBA().DoubleBuffer().Depth(16).EndList();
        canvas = new wxGLCanvas(BenchPanel(), attrs, wxID_ANY, wxPoint(0, 0), wxSize(64, 64));
        BenchPump();
        context = std::make_unique<wxGLContext>(canvas);
    }
    return context->IsOK() && context->SetCurrent(*canvas);
}

// Every image set the skin's table names, loaded with alpha.
const std::vector<const VornBitmapACache*>& SkinSets()
{
    static std::vector<const VornBitmapACache*> sets;
    if (sets.empty())
        for (const SkinAssetName& entry : SkinAssetNames()) {
            const VornBitmapACache* set = nullptr;
            if (entry.kind == SkinAssetKind::ImageSet && BenchAssets().LoadImagesCached(entry.name, set))
                sets.push_back(set);
        }
    return sets;
}

// One padded RGBA texture image: the same pixels CGLImage uploads.
struct Padded {
    GLsizei w, h;
    std::vector<unsigned char> rgba;
};
// The padded images of each set, set by set.
using PaddedSets = std::vector<std::vector<Padded>>;

PaddedSets PadAll(long& pixels, long& textures)
{
    PaddedSets all;
    pixels = textures = 0;
    for (const VornBitmapACache* set : SkinSets()) {
        all.emplace_back();
        std::vector<VORNIMAGETYPE> states;
        set->GetStates(states);
        for (VORNIMAGETYPE s : states) {
            const BitmapA* image = nullptr;
            if (!set->GetImage(s, image) || image->GetChannels() != 3)
                continue;
            Padded p{GLsizei(CGLImage::TextureSide(image->width)), GLsizei(CGLImage::TextureSide(image->height)), {}};
            p.rgba.assign(size_t(p.w) * p.h * 4, 0);
            for (int y = 0; y < image->height; ++y)
                std::memcpy(&p.rgba[size_t(y) * p.w * 4], image->PixelAt(0, y), size_t(image->width) * 4);
            pixels += long(p.w) * p.h;
            ++textures;
            all.back().push_back(std::move(p));
        }
    }
    return all;
}

template <class F>
double TimedUploads(benchmark::State& state, F upload)
{
    long n = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        upload();
        glFinish();
        ++n;
    }
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    return n ? spent.count() / n : 0.0;
}

// Each iteration uploads every set into fresh texture sets and deletes them again.
void BM_CopyImageCache(benchmark::State& state)
{
    if (!MakeContextCurrent() || SkinSets().empty()) {
        state.SkipWithError("no GL context or no skin image sets");
        return;
    }
    long pixels = 0, textures = 0;
    PadAll(pixels, textures);
    g_vornMicros = TimedUploads(state, [] {
        for (const VornBitmapACache* set : SkinSets()) {
            VornGLTextureCache target;
            CopyImageCache(target, *set);
        }
    });
    state.counters["sets"] = double(SkinSets().size());
    state.counters["textures"] = double(textures);
    state.counters["texels"] = double(pixels);
}
BENCHMARK(BM_CopyImageCache)->Unit(benchmark::kMicrosecond);

// The same textures from pixels padded beforehand, with the same texture parameters.
void BM_BareTexImage(benchmark::State& state)
{
    if (!MakeContextCurrent() || SkinSets().empty()) {
        state.SkipWithError("no GL context or no skin image sets");
        return;
    }
    long pixels = 0, textures = 0;
    const PaddedSets padded = PadAll(pixels, textures);
    // Textures live as long as on the other side: made one by one, deleted at the set's end
    // (Mesa reuses the storage of a texture deleted at once, which is several times faster).
    std::vector<GLuint> names;
    const double bare = TimedUploads(state, [&] {
        for (const std::vector<Padded>& set : padded) {
            names.assign(set.size(), 0);
            for (size_t i = 0; i < set.size(); ++i) {
                glGenTextures(1, &names[i]);
                glBindTexture(GL_TEXTURE_2D, names[i]);
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
                glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, set[i].w, set[i].h, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                             set[i].rgba.data());
            }
            for (GLuint& name : names)
                glDeleteTextures(1, &name);
        }
    });
    state.counters["textures"] = double(textures);
    state.counters["texels"] = double(pixels);
    if (g_vornMicros > 0.0 && bare > 0.0)
        state.counters["CopyImageCache_ratio"] = g_vornMicros / bare;
}
BENCHMARK(BM_BareTexImage)->Unit(benchmark::kMicrosecond);

} // namespace

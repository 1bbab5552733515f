// The fuzz targets' seed inputs, and variants cut from them (every prefix ending at a
// line end, every input with one line left out), replayed through the parsers with
// the same promises the fuzz targets check.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "asset_test_util.h"
#include "parser_contracts.h"

using namespace vorn;

namespace {

std::vector<std::string> Variants(const std::string& seed)
{
    std::vector<std::string> inputs{seed};
    std::vector<size_t> lineStarts{0};
    for (size_t at = seed.find('\n'); at != std::string::npos; at = seed.find('\n', at + 1)) {
        inputs.push_back(seed.substr(0, at + 1));
        lineStarts.push_back(at + 1);
    }
    lineStarts.push_back(seed.size());
    for (size_t i = 0; i + 1 < lineStarts.size(); ++i)
        inputs.push_back(seed.substr(0, lineStarts[i]) + seed.substr(lineStarts[i + 1]));
    return inputs;
}

struct Target {
    const char* corpus;
    fuzzcheck::Breaches (*check)(const std::string&);
};

class CorpusReplay : public ::testing::TestWithParam<Target> {};

} // namespace

TEST_P(CorpusReplay, EverySeedAndVariantKeepsThePromises)
{
    const auto seeds = assettest::Corpus(GetParam().corpus);
    ASSERT_FALSE(seeds.empty());
    for (const auto& [file, bytes] : seeds)
        for (const std::string& input : Variants(bytes))
            EXPECT_EQ(GetParam().check(input), fuzzcheck::Breaches{}) << file << ":\n" << input;
}

INSTANTIATE_TEST_SUITE_P(Parsers, CorpusReplay,
                         ::testing::Values(Target{"archive", fuzzcheck::CheckArchive},
                                           Target{"colour_script", fuzzcheck::CheckColourScript},
                                           Target{"font_script", fuzzcheck::CheckFontScript},
                                           Target{"menu_text", fuzzcheck::CheckMenuText},
                                           Target{"message_text", fuzzcheck::CheckMessageText},
                                           Target{"image_script", fuzzcheck::CheckImageScript}),
                         [](const auto& info) { return std::string(info.param.corpus); });

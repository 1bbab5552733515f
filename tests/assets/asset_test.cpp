#include <string>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <vorn/assets/asset.h>

#include "asset_test_util.h"

using namespace vorn;

using assettest::MemoryAsset;
using assettest::TempDir;

namespace {

std::string Convert(const std::string& bytes)
{
    return ConvertAssetText(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()));
}

} // namespace

TEST(AssetText, LineEndsBecomeLineFeeds)
{
    EXPECT_EQ(Convert(std::string("a\r\nb\rc\r")), "a\nb\nc\n");
    EXPECT_EQ(Convert("\r\r\n\n"), "\n\n\n");
    EXPECT_EQ(Convert("\n\r"), "\n\n");
    EXPECT_EQ(Convert(""), "");
}

TEST(AssetText, ZeroBytesAreCopied)
{
    const std::string bytes("a\0b\r", 4);
    EXPECT_EQ(Convert(bytes), std::string("a\0b\n", 4));
    EXPECT_EQ(ConvertAssetText(nullptr, 5), "");
}

TEST(AssetRecord, FieldsAreFoldedToLowerCase)
{
    MemoryAsset asset("Logo.PNG", "Generic", "EN", "Gb");
    EXPECT_EQ(asset.GetName(), "logo.png");
    EXPECT_EQ(asset.GetPlatform(), "generic");
    EXPECT_EQ(asset.GetLanguageMajor(), "en");
    EXPECT_EQ(asset.GetLanguageMinor(), "gb");
    asset.SetPlatform(nullptr);
    EXPECT_EQ(asset.GetPlatform(), "");
}

TEST(AssetRecord, IsEqualIgnoresCaseButNotEmptiness)
{
    MemoryAsset asset("logo.png", "linux", "en", "");
    EXPECT_TRUE(asset.IsEqual("LOGO.png", "Linux", "EN", ""));
    EXPECT_FALSE(asset.IsEqual("logo.png", "linux", "en", "gb"));
    EXPECT_FALSE(asset.IsEqual("logo.png", "", "en", ""));
    EXPECT_FALSE(asset.IsEqual("logo.pn", "linux", "en", ""));
}

TEST(FileAssetTest, OpenReadsWholeFileAndCloseFreesIt)
{
    TempDir dir;
    const std::string path = dir.Write("t.txt", std::string("x\r\ny\0z", 6));
    FileAsset asset(path);
    EXPECT_EQ(asset.GetSize(), -1);
    EXPECT_EQ(asset.GetDataPtr(), nullptr);
    EXPECT_EQ(asset.GetTextPtr(), nullptr);

    ASSERT_TRUE(asset.Open());
    EXPECT_TRUE(asset.Open()); // already open
    EXPECT_EQ(asset.GetSize(), 6);
    ASSERT_NE(asset.GetDataPtr(), nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(asset.GetDataPtr()), 6), std::string("x\r\ny\0z", 6));
    EXPECT_STREQ(asset.GetTextPtr(), "x\ny");

    EXPECT_TRUE(asset.Close());
    EXPECT_EQ(asset.GetSize(), -1);
    EXPECT_EQ(asset.GetDataPtr(), nullptr);
    EXPECT_EQ(asset.GetTextPtr(), nullptr);
    ASSERT_TRUE(asset.Open());
    EXPECT_EQ(asset.GetSize(), 6);
}

TEST(FileAssetTest, ConvertedTextOutlivesCloseAndReopen)
{
    TempDir dir;
    const std::string path = dir.Write("t.txt", "a\r\nb");
    FileAsset asset(path);
    ASSERT_TRUE(asset.Open());
    EXPECT_STREQ(asset.GetTextPtr(), "a\nb");
    ASSERT_TRUE(asset.Close());

    dir.Write("t.txt", "changed");
    ASSERT_TRUE(asset.Open());
    EXPECT_EQ(asset.GetSize(), 7); // the bytes are read again...
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(asset.GetDataPtr()), 7), "changed");
    EXPECT_STREQ(asset.GetTextPtr(), "a\nb"); // ...but the text is converted only once
}

TEST(FileAssetTest, EmptyFileOpensWithSizeZero)
{
    TempDir dir;
    FileAsset asset(dir.Write("empty", ""));
    ASSERT_TRUE(asset.Open());
    EXPECT_EQ(asset.GetSize(), 0);
    EXPECT_STREQ(asset.GetTextPtr(), "");
}

TEST(FileAssetTest, MissingFileOrDirectoryStaysClosed)
{
    TempDir dir;
    FileAsset missing(dir.Root() + "nothing.png");
    EXPECT_FALSE(missing.Open());
    EXPECT_EQ(missing.GetSize(), -1);
    EXPECT_EQ(missing.GetDataPtr(), nullptr);

    FileAsset directory(dir.Root());
    EXPECT_FALSE(directory.Open());
    EXPECT_EQ(directory.GetSize(), -1);

    const std::string fifo = dir.Root() + "pipe.png";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    FileAsset pipe(fifo);
    EXPECT_FALSE(pipe.Open()); // refused, not waited on
}

TEST(ArchiveAssetTest, PointsIntoBytesAndConvertsOnce)
{
    unsigned char bytes[] = {'a', 13, 10, 'b', 13, 'c', 13};
    ArchiveAsset asset(bytes, 7);
    EXPECT_TRUE(asset.Open());
    EXPECT_EQ(asset.GetDataPtr(), bytes);
    EXPECT_EQ(asset.GetSize(), 7);
    const char* text = asset.GetTextPtr();
    EXPECT_STREQ(text, "a\nb\nc\n");
    bytes[0] = 'z'; // the text is kept from the first call
    EXPECT_STREQ(asset.GetTextPtr(), "a\nb\nc\n");
    EXPECT_TRUE(asset.Close());
    EXPECT_EQ(asset.GetDataPtr(), bytes);
}

#include <string>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <vorn/assets/asset.h>
#include <vorn/assets/detail/asset_text.h>

#include "asset_test_util.h"

using namespace vorn;
using namespace assettest;

namespace {

std::string Bytes(const unsigned char* data, int size)
{
    return data ? std::string(reinterpret_cast<const char*>(data), size_t(size)) : "<null>";
}

} // namespace

TEST(AssetText, LineEndsBecomeLineFeedsAndZeroBytesStay)
{
    const struct {
        std::string bytes, text;
    } cases[] = {{"a\r\nb\rc\r", "a\nb\nc\n"},
                 {"\r\r\n\n", "\n\n\n"},
                 {"\n\r", "\n\n"},
                 {"", ""},
                 {std::string("a\0b\r", 4), std::string("a\0b\n", 4)}};
    for (const auto& c : cases)
        EXPECT_EQ(detail::ConvertAssetText(reinterpret_cast<const unsigned char*>(c.bytes.data()),
                                           int(c.bytes.size())),
                  c.text);
    EXPECT_EQ(detail::ConvertAssetText(nullptr, 5), "");
}

TEST(FileAssetTest, BytesLiveWhileOpenAndTextIsConvertedOnce)
{
    TempDir dir;
    const std::string path = dir.Write("t.txt", std::string("x\r\ny\0z", 6));
    FileAsset asset(path);
    EXPECT_EQ(asset.GetSize(), -1);
    EXPECT_EQ(asset.GetTextPtr(), nullptr);
    ASSERT_TRUE(asset.Open());
    EXPECT_TRUE(asset.Open()); // already open
    EXPECT_EQ(Bytes(asset.GetDataPtr(), asset.GetSize()), std::string("x\r\ny\0z", 6));
    EXPECT_STREQ(asset.GetTextPtr(), "x\ny");
    EXPECT_TRUE(asset.Close());
    EXPECT_EQ(asset.GetSize(), -1);
    EXPECT_EQ(asset.GetDataPtr(), nullptr);
    EXPECT_EQ(asset.GetTextPtr(), nullptr);

    dir.Write("t.txt", "changed");
    ASSERT_TRUE(asset.Open());
    EXPECT_EQ(Bytes(asset.GetDataPtr(), asset.GetSize()), "changed"); // the bytes are read again...
    EXPECT_STREQ(asset.GetTextPtr(), "x\ny");                                // ...the text is kept

    FileAsset empty(dir.Write("empty", ""));
    ASSERT_TRUE(empty.Open());
    EXPECT_EQ(empty.GetSize(), 0);
    EXPECT_STREQ(empty.GetTextPtr(), "");
}

TEST(FileAssetTest, MissingFileDirectoryOrPipeStaysClosed)
{
    TempDir dir;
    const std::string fifo = dir.Root() + "pipe.png";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {dir.Root() + "nothing.png", dir.Root(), fifo}) {
        FileAsset asset(path);
        EXPECT_FALSE(asset.Open()) << path; // a pipe is refused, not waited on
        EXPECT_EQ(asset.GetSize(), -1);
        EXPECT_EQ(asset.GetDataPtr(), nullptr);
    }
}

TEST(ArchiveAssetTest, PointsIntoBytesAndConvertsOnce)
{
    unsigned char bytes[] = {'a', 13, 10, 'b', 13, 'c', 13};
    ArchiveAsset asset(bytes, 7);
    EXPECT_TRUE(asset.Open());
    EXPECT_EQ(asset.GetDataPtr(), bytes);
    EXPECT_EQ(asset.GetSize(), 7);
    EXPECT_STREQ(asset.GetTextPtr(), "a\nb\nc\n");
    bytes[0] = 'z';
    EXPECT_STREQ(asset.GetTextPtr(), "a\nb\nc\n");
    EXPECT_TRUE(asset.Close());
    EXPECT_EQ(asset.GetDataPtr(), bytes);
}

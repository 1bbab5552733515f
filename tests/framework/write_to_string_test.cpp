#include <gtest/gtest.h>
#include <wx/filefn.h>

#include <vorn/framework/write_to_string.h>

using vorn::WriteToString;

namespace {
bool FileThere(const WriteToString& w) { return wxFileExists(wxString::FromUTF8(w.GetFileName())); }
} // namespace

TEST(WriteToString, CapturesBytesAndRemovesTheFile)
{
    WriteToString w;
    EXPECT_EQ(w.GetString(), "");
    EXPECT_FALSE(FileThere(w));
    ASSERT_TRUE(w.Start());
    *w.GetStream() << "pi " << 3.5 << "\n\xc3\xa9" << std::string(1, '\0') << "z";
    EXPECT_TRUE(FileThere(w));
    ASSERT_TRUE(w.Stop());
    EXPECT_EQ(w.GetString(), std::string("pi 3.5\n\xc3\xa9\0z", 11));
    EXPECT_FALSE(FileThere(w));
    EXPECT_EQ(w.GetStream(), nullptr);
    // Each capture replaces the last; an empty one leaves no file either.
    ASSERT_TRUE(w.Start());
    ASSERT_TRUE(w.Stop());
    EXPECT_EQ(w.GetString(), "");
    EXPECT_FALSE(FileThere(w));
}

TEST(WriteToString, MisuseHasDefinedResults)
{
    WriteToString w;
    EXPECT_FALSE(w.Stop()); // nothing running
    ASSERT_TRUE(w.Start());
    *w.GetStream() << "abc";
    std::ofstream* first = w.GetStream();
    EXPECT_FALSE(w.Start()); // the running capture goes on
    EXPECT_EQ(w.GetStream(), first);
    *w.GetStream() << "def";

    WriteToString copy(w); // idle, own file: no stream shared
    EXPECT_FALSE(copy.IsCapturing());
    EXPECT_NE(copy.GetFileName(), w.GetFileName());

    ASSERT_TRUE(w.Stop());
    EXPECT_EQ(w.GetString(), "abcdef");
    EXPECT_FALSE(w.Stop());
    EXPECT_EQ(w.GetString(), "abcdef"); // kept

    copy = w;
    EXPECT_EQ(copy.GetString(), "abcdef");

    // A failed stream loses its capture but not the file clean-up.
    ASSERT_TRUE(w.Start());
    *w.GetStream() << "lost";
    w.GetStream()->setstate(std::ios::failbit);
    EXPECT_FALSE(w.Stop());
    EXPECT_EQ(w.GetString(), "");
    EXPECT_FALSE(FileThere(w));
}

TEST(WriteToString, DestroyingARunningCaptureRemovesItsFile)
{
    std::string name;
    {
        WriteToString w;
        ASSERT_TRUE(w.Start());
        *w.GetStream() << "x";
        w.GetStream()->flush();
        name = w.GetFileName();
        EXPECT_TRUE(wxFileExists(wxString::FromUTF8(name)));
    }
    EXPECT_FALSE(wxFileExists(wxString::FromUTF8(name)));
}

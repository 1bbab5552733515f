// Colour conversions, text helpers, binary streams and the diagnostics sinks.
#include <sstream>

#include <gtest/gtest.h>

#include <vorn/util/color.h>
#include <vorn/util/diagnostics.h>
#include <vorn/util/stream.h>
#include <vorn/util/text.h>
#include <vorn/util/wx_colour.h>

#include "test_support.h"

using namespace vorn;

TEST(WxColourConversion, ScalesByteChannelsToUnit)
{
    const Color c = WxCtoC(wxColour(255, 0, 51));
    EXPECT_DOUBLE_EQ(c.r, 1.0);
    EXPECT_DOUBLE_EQ(c.g, 0.0);
    EXPECT_NEAR(c.b, 0.2, 1e-12);
    const ColorA ca = WxCtoCA(wxColour(0, 255, 0));
    EXPECT_DOUBLE_EQ(ca.g, 1.0);
    EXPECT_DOUBLE_EQ(ca.a, 1.0);
}

TEST(WxColourConversion, TruncatesTowardZeroWithoutRounding)
{
    // 0.999 * 255 = 254.745 -> 254; 0.5 * 255 = 127.5 -> 127
    const wxColour c = CtoWxC(Color(0.999, 0.5, 0.0039));
    EXPECT_EQ(c.Red(), 254);
    EXPECT_EQ(c.Green(), 127);
    EXPECT_EQ(c.Blue(), 0);
    const wxColour ca = CAtoWxC(ColorA(1.0, 0.2, 0.0, 0.0));
    EXPECT_EQ(ca.Red(), 255);
    EXPECT_EQ(ca.Green(), 51);
    EXPECT_EQ(ca.Alpha(), wxALPHA_OPAQUE); // alpha is dropped
}

TEST(WxColourConversion, RoundTripTruncatesSoSomeBytesDropByOne)
{
    // 33 / 255 * 255 is a hair below 33 in doubles; truncation then gives 32.
    EXPECT_EQ(CtoWxC(WxCtoC(wxColour(33, 0, 255))), wxColour(32, 0, 255));
    for (int v = 0; v < 256; ++v) {
        const int back = CtoWxC(WxCtoC(wxColour(v, v, v))).Red();
        ASSERT_TRUE(back == v || back == v - 1) << "byte " << v << " came back as " << back;
    }
}

TEST(ColorHsv, ConvertsPrimariesAndGreys)
{
    Color red(1.0, 0.0, 0.0);
    red.RGBtoHSV();
    EXPECT_DOUBLE_EQ(red.r, 0.0);
    EXPECT_DOUBLE_EQ(red.g, 1.0);
    EXPECT_DOUBLE_EQ(red.b, 1.0);

    Color blue(0.0, 0.0, 0.5);
    blue.RGBtoHSV();
    EXPECT_NEAR(blue.r, 2.0 / 3.0, 1e-12);
    EXPECT_DOUBLE_EQ(blue.b, 0.5);

    Color grey(0.25, 0.25, 0.25);
    grey.RGBtoHSV();
    EXPECT_DOUBLE_EQ(grey.g, 0.0);
    EXPECT_DOUBLE_EQ(grey.b, 0.25);
}

TEST(ColorHsv, RoundTripsArbitraryColours)
{
    const Color samples[] = {{0.1, 0.7, 0.3}, {0.9, 0.9, 0.2}, {0.3, 0.1, 0.8}, {0.6, 0.2, 0.4}, {0, 0, 0}};
    for (Color c : samples) {
        Color hsv = c;
        hsv.RGBtoHSV();
        hsv.HSVtoRGB();
        EXPECT_NEAR(hsv.r, c.r, 1e-12);
        EXPECT_NEAR(hsv.g, c.g, 1e-12);
        EXPECT_NEAR(hsv.b, c.b, 1e-12);
    }
}

TEST(Text, ToLowerFoldsAsciiOnly)
{
    EXPECT_EQ(ToLower("Generic/Button_OFF.PNG"), "generic/button_off.png");
    EXPECT_EQ(ToLower("\xC3\x89t\xC3\xA9"), "\xC3\x89t\xC3\xA9"); // UTF-8 bytes untouched
}

TEST(Text, MakeTimeAndDate)
{
    EXPECT_EQ(MakeTime(0), "0:00:00");
    EXPECT_EQ(MakeTime(3725.9), "1:02:05");
    EXPECT_EQ(MakeTime(-4), "0:00:00");
    EXPECT_EQ(MakeDate(0), "1970-01-01");
    EXPECT_EQ(MakeDate(19723.5), "2024-01-01");
    EXPECT_EQ(MakeDate(-1), "1969-12-31");
}

TEST(Streams, IntegersAreLittleEndian)
{
    std::istringstream in(std::string("\x01\x02\x03\x04\xff", 5));
    VornInputStream s(in);
    EXPECT_EQ(s.Read32(), 0x04030201u);
    EXPECT_TRUE(s.good());
    EXPECT_EQ(s.Read32(), 0u); // only one byte left
    EXPECT_FALSE(s.good());
}

TEST(Streams, StringsRoundTripThroughTheWriter)
{
    std::ostringstream out;
    VornOutputStream w(out);
    w.Write32(0xdeadbeef);
    w << std::string("hello") << std::string() << std::string("a\0b", 3);
    const std::string bytes = out.str();
    ASSERT_EQ(bytes.size(), 4u + 4 + 5 + 4 + 4 + 3);
    EXPECT_EQ(bytes.substr(4, 4), std::string("\x05\x00\x00\x00", 4));

    std::istringstream in(bytes);
    VornInputStream r(in);
    std::string a, b, c;
    EXPECT_EQ(r.Read32(), 0xdeadbeefu);
    r >> a >> b >> c;
    EXPECT_TRUE(r.good());
    EXPECT_EQ(a, "hello");
    EXPECT_EQ(b, "");
    EXPECT_EQ(c, std::string("a\0b", 3));
}

TEST(Streams, TruncatedOrHugeStringFailsWithoutReadingPastTheEnd)
{
    std::istringstream in(std::string("\x0a\x00\x00\x00" "abc", 7)); // claims 10 bytes, has 3
    VornInputStream r(in);
    std::string s = "keep?";
    r >> s;
    EXPECT_FALSE(r.good());
    EXPECT_EQ(s, "");

    std::istringstream huge(std::string("\xff\xff\xff\xff" "xy", 6));
    VornInputStream h(huge);
    h >> s;
    EXPECT_FALSE(h.good());
}

TEST(Diagnostics, HooksReceiveFormattedTextAndResetRestoresDefaults)
{
    vorntest::DiagnosticsRecorder rec;
    dprintf("VornControlGroup::Register(MessageReceiver* %x)\n", 0x1234u);
    WarningMessage("Image Script Parser", "broken");
    ASSERT_EQ(rec.debug.size(), 1u);
    EXPECT_EQ(rec.debug[0], "VornControlGroup::Register(MessageReceiver* 1234)\n");
    ASSERT_EQ(rec.warnings.size(), 1u);
    EXPECT_EQ(rec.warnings[0].first, "Image Script Parser");
    EXPECT_EQ(rec.warnings[0].second, "broken");
}

TEST(Diagnostics, DefaultDebugSinkIsSilentUntilEnabled)
{
    SetDebugHook(nullptr);
    EXPECT_FALSE(IsDebugOutputEnabled());
    testing::internal::CaptureStderr();
    dprintf("quiet %d\n", 1);
    EnableDebugOutput(true);
    dprintf("loud %d\n", 2);
    EnableDebugOutput(false);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "loud 2\n");
}

TEST(Diagnostics, WarningWithoutEventLoopGoesToStderr)
{
    SetWarningHook(nullptr);
    testing::internal::CaptureStderr();
    WarningMessage("ColorDatabase Script Error", "line 3");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "ColorDatabase Script Error: line 3\n");
}

// Colour conversions, text helpers, binary streams and the diagnostics sinks.
#include <sstream>
#include <string>
#include <utility>
#include <vector>
#include <stdio.h> // POSIX ::dprintf too: the calls below must still reach vorn::dprintf

#include <gtest/gtest.h>

#include <vorn/util/color.h>
#include <vorn/util/diagnostics.h>
#include <vorn/util/stream.h>
#include <vorn/util/text.h>
#include <vorn/util/wx_colour.h>

#include "harness.h"
#include "pixels.h"

using namespace vorn;

using vorntest::ExpectColour;

TEST(WxColourConversion, ScalesBytesToUnitsAndTruncatesBack)
{
    ExpectColour(WxCtoC(wxColour(255, 0, 51)), Color(1.0, 0.0, 0.2));
    EXPECT_EQ(WxCtoCA(wxColour(0, 255, 0)), ColorA(0.0, 1.0, 0.0, 1.0));
    // 0.999 x 255 = 254.7 -> 254; 0.5 x 255 = 127.5 -> 127: truncated, never rounded.
    EXPECT_EQ(CtoWxC(Color(0.999, 0.5, 0.0039)), wxColour(254, 127, 0));
    EXPECT_EQ(CAtoWxC(ColorA(1.0, 0.2, 0.0, 0.0)), wxColour(255, 51, 0)); // alpha is dropped
    // 33 / 255 x 255 is a hair below 33 in doubles, so a round trip may lose one unit.
    EXPECT_EQ(CtoWxC(WxCtoC(wxColour(33, 0, 255))), wxColour(32, 0, 255));
    for (int v = 0; v < 256; ++v) {
        const int back = CtoWxC(WxCtoC(wxColour(v, v, v))).Red();
        ASSERT_TRUE(back == v || back == v - 1) << "byte " << v << " came back as " << back;
    }
}

TEST(ColorHsv, ConvertsBothWays)
{
    const struct {
        Color rgb, hsv;
    } cases[] = {{{1, 0, 0}, {0, 1, 1}},       {{0, 0, 0.5}, {2.0 / 3, 1, 0.5}},      {{0.25, 0.25, 0.25}, {0, 0, 0.25}},
                 {{1, 0, 1}, {5.0 / 6, 1, 1}}, {{0.9, 0.9, 0.2}, {1.0 / 6, 7.0 / 9, 0.9}}, {{0, 0, 0}, {0, 0, 0}},
                 {{0.1, 0.7, 0.3}, {0.3888888888888889, 6.0 / 7, 0.7}}};
    for (const auto& c : cases) {
        Color hsv = c.rgb;
        hsv.RGBtoHSV();
        ExpectColour(hsv, c.hsv);
        hsv.HSVtoRGB();
        ExpectColour(hsv, c.rgb);
    }
    Color wrapped(1.25, 1, 1); // hue wraps at 1
    wrapped.HSVtoRGB();
    ExpectColour(wrapped, Color(0.5, 1, 0));
}

TEST(Text, LowerCaseTimesAndDates)
{
    EXPECT_EQ(ToLower("Generic/Button_OFF.PNG"), "generic/button_off.png");
    EXPECT_EQ(ToLower("\xC3\x89t\xC3\xA9"), "\xC3\x89t\xC3\xA9"); // UTF-8 bytes untouched
    EXPECT_EQ(MakeTime(0), "0:00:00");
    EXPECT_EQ(MakeTime(3725.9), "1:02:05");
    EXPECT_EQ(MakeTime(-4), "0:00:00");
    EXPECT_EQ(MakeDate(0), "1970-01-01");
    EXPECT_EQ(MakeDate(19723.5), "2024-01-01");
    EXPECT_EQ(MakeDate(-1), "1969-12-31");
}

TEST(Streams, LittleEndianIntegersAndCountedStringsRoundTrip)
{
    std::ostringstream out;
    VornOutputStream w(out);
    w.Write32(0xdeadbeef);
    w << std::string("hello") << std::string() << std::string("a\0b", 3);
    const std::string bytes = out.str();
    EXPECT_EQ(bytes.substr(0, 13), std::string("\xef\xbe\xad\xde\x05\x00\x00\x00hello", 13));
    ASSERT_EQ(bytes.size(), 4u + 4 + 5 + 4 + 4 + 3);

    std::istringstream in(bytes);
    VornInputStream r(in);
    std::vector<std::string> read(3);
    EXPECT_EQ(r.Read32(), 0xdeadbeefu);
    r >> read[0] >> read[1] >> read[2];
    EXPECT_TRUE(r.good());
    EXPECT_EQ(read, (std::vector<std::string>{"hello", "", std::string("a\0b", 3)}));
    EXPECT_EQ(r.Read32(), 0u); // nothing left
    EXPECT_FALSE(r.good());
}

TEST(Streams, ShortIntegersTruncatedOrHugeStringsFail)
{
    for (const std::string& bytes : {std::string("\x01\x02\x03", 3), std::string("\x0a\x00\x00\x00" "abc", 7),
                                     std::string("\xff\xff\xff\xff" "xy", 6)}) {
        std::istringstream in(bytes);
        VornInputStream r(in);
        std::string s = "keep?";
        if (bytes.size() < 4)
            EXPECT_EQ(r.Read32(), 0u);
        else
            r >> s;
        EXPECT_FALSE(r.good());
        EXPECT_EQ(s, bytes.size() < 4 ? "keep?" : "");
    }
}

// Hooks receive the formatted text; without them debug text goes to stderr only when
// asked, warnings always (no event loop runs here to show them).
TEST(Diagnostics, HooksOrStderrReceiveFormattedText)
{
    {
        vorntest::DiagnosticsRecorder rec;
        dprintf("VornControlGroup::Register(MessageReceiver* %x)\n", 0x1234u);
        WarningMessage("Image Script Parser", "broken");
        EXPECT_EQ(rec.debug, std::vector<std::string>{"VornControlGroup::Register(MessageReceiver* 1234)\n"});
        EXPECT_EQ(rec.warnings, (std::vector<std::pair<std::string, std::string>>{{"Image Script Parser", "broken"}}));
    } // the recorder leaves the default sinks behind
    EXPECT_FALSE(IsDebugOutputEnabled());
    testing::internal::CaptureStderr();
    dprintf("quiet %d\n", 1);
    EnableDebugOutput(true);
    dprintf("loud %d\n", 2);
    EnableDebugOutput(false);
    WarningMessage("ColorDatabase Script Error", "line 3");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "loud 2\nColorDatabase Script Error: line 3\n");
}

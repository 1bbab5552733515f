// The multi-line edit box as a window: scrolling while typing, Up and Down keeping the
// column, the mouse, what reaches the group, and the selection's drawn background.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include <vorn/text_lists/multi_edit.h>

#include "group_recorder.h"
#include "test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {
const wxColour kBack(0, 0, 160), kHigh(220, 0, 0);

class MultiEditTest : public GuiTest {
protected:
    VornMultiEdit* Make(int visibleLines = 4)
    {
        VornEditInfo info;
        info.font = wxFont(wxFontInfo(10).Family(wxFONTFAMILY_TELETYPE));
        info.textColour = *wxWHITE;
        info.highlightColour = kHigh;
        info.backgroundColour = kBack;
        auto* probe = new wxWindow(panel, wxID_ANY);
        probe->SetFont(info.font);
        const int lineHeight = probe->GetCharHeight();
        probe->Destroy();
        info.x = info.y = 2;
        info.width = 200;
        info.height = visibleLines * lineHeight + lineHeight / 2;
        return new VornMultiEdit(nullptr, info, 0, 0, panel, 7, true, &group);
    }
    void Key(VornMultiEdit* box, int code, int mods = kNone) { SendKey(box, wxEVT_KEY_DOWN, code, mods); }
    void Type(VornMultiEdit* box, const std::string& keys)
    {
        for (char c : keys)
            SendKey(box, wxEVT_CHAR, c == '\n' ? WXK_RETURN : c);
    }
    void Focus(VornMultiEdit* box, bool in)
    {
        wxFocusEvent event(in ? wxEVT_SET_FOCUS : wxEVT_KILL_FOCUS);
        box->HandleWindowEvent(event);
    }
    GroupRecorder group;
};
} // namespace

TEST_F(MultiEditTest, TypingBelowTheLastVisibleLineScrollsOneLine)
{
    VornMultiEdit* box = Make(4);
    ASSERT_EQ(box->GetVisibleLines(), 4);
    Type(box, "a\nb\nc\nd");
    EXPECT_EQ(box->GetFirstLine(), 0.0);
    Type(box, "\n");
    EXPECT_EQ(box->GetCurrentLineNo(), 4);
    EXPECT_EQ(box->GetFirstLine(), 1.0);
    EXPECT_DOUBLE_EQ(box->GetScrollBar()->GetSliderVal(), 1.0);
    Type(box, "e");
    EXPECT_EQ(box->GetFirstLine(), 1.0);
    // The bar scrolls the box back.
    box->GetScrollBar()->SetSliderVal(0.0, true);
    EXPECT_EQ(box->GetFirstLine(), 0.0);
}

TEST_F(MultiEditTest, UpAndDownKeepTheColumn)
{
    VornMultiEdit* box = Make();
    box->SetText("abcdef\nab\nabcdef", false);
    for (int i = 0; i < 5; ++i)
        Key(box, WXK_RIGHT);
    const int expected[] = {9, 15, 9, 5};
    const int keys[] = {WXK_DOWN, WXK_DOWN, WXK_UP, WXK_UP};
    for (int i = 0; i < 4; ++i) {
        Key(box, keys[i]);
        EXPECT_EQ(box->GetModel().GetCaret(), expected[i]) << i;
    }
    Key(box, WXK_DOWN, kShift);
    EXPECT_EQ(box->GetModel().GetSelectedText(), "f\nab");
}

TEST_F(MultiEditTest, PressPlacesTheCaretAndShiftPressExtends)
{
    VornMultiEdit* box = Make();
    box->SetText("hello world\nnext", false);
    const wxRect r = box->GetTextRect();
    LeftDown(box, wxPoint(r.x + 150, r.y + 1));
    LeftUp(box, wxPoint(r.x + 150, r.y + 1));
    EXPECT_EQ(box->GetModel().GetCaret(), 11);
    LeftDown(box, wxPoint(r.x, r.y + box->GetLineHeight() + 1), kShift);
    LeftUp(box, wxPoint(r.x, r.y + box->GetLineHeight() + 1));
    EXPECT_EQ(box->GetModel().GetSelectedText(), "\n");
    // A drag held below the box keeps scrolling through the re-posted drag event.
    box->SetText("1\n2\n3\n4\n5\n6\n7\n8", false);
    LeftDown(box, wxPoint(r.x, r.y + 1));
    Motion(box, wxPoint(r.x, r.GetBottom() + 2));
    EXPECT_EQ(box->GetFirstLine(), 1.0);
    wxTimer timer;
    for (int tick = 0; tick < 3; ++tick) {
        wxTimerEvent tickEvent(timer);
        box->ShooftyTimer(tickEvent);
        PumpPending();
    }
    EXPECT_EQ(box->GetFirstLine(), 4.0);
    LeftUp(box, wxPoint(r.x, r.GetBottom() + 2));
}

TEST_F(MultiEditTest, CommitsOnlyAChangedText)
{
    VornMultiEdit* box = Make();
    box->SetText("abc", false);
    Focus(box, true);
    Focus(box, false);
    EXPECT_EQ(group.events, Log{});
    Focus(box, true);
    Key(box, WXK_DELETE);
    Type(box, "x");
    Focus(box, false);
    EXPECT_EQ(group.events, (Log{"Selected id=7", "Update id=0 StringValChanged \"xbc\""}));
    EXPECT_FALSE(box->IsCaretTimerRunning());
    group.events.clear();
    box->SetText("new", true);
    EXPECT_EQ(group.events, (Log{"Selected id=7", "Update id=0 StringValChanged \"new\""}));
}

TEST_F(MultiEditTest, SelectionIsDrawnOnTheHighlightColour)
{
    VornMultiEdit* box = Make();
    box->SetText("    ", false); // blanks: only the text background shows
    const wxRect r = box->GetTextRect();
    const wxPoint probe(r.x + 3, r.y + box->GetLineHeight() / 2);
    EXPECT_EQ(PixelStr(RenderToImage(box), probe.x, probe.y), ColourStr(kBack));
    SendKey(box, wxEVT_CHAR, 'A', kCtrl);
    EXPECT_EQ(PixelStr(RenderToImage(box), probe.x, probe.y), ColourStr(kHigh));
}

// A paint after an edit redraws only some lines of the kept frame; it must show what a
// paint from scratch shows.
TEST_F(MultiEditTest, APartialRepaintEqualsAFullOne)
{
    VornMultiEdit* box = Make(5);
    box->SetText("one two three four five six seven eight nine ten\nshort\nlast line", false);
    Focus(box, true);
    RenderToImage(box);
    const auto step = [&](const char* what, const std::function<void()>& act) {
        act();
        const wxImage partial = RenderToImage(box);
        box->SetEditable(true); // forgets the kept frame
        const wxImage whole = RenderToImage(box);
        EXPECT_EQ(std::string(partial.GetData(), partial.GetData() + partial.GetWidth() * partial.GetHeight() * 3),
                  std::string(whole.GetData(), whole.GetData() + whole.GetWidth() * whole.GetHeight() * 3))
            << what;
    };
    step("type", [&] { Type(box, "xyz wide words"); });
    step("enter", [&] { Type(box, "\n"); });
    step("backspace", [&] { SendKey(box, wxEVT_CHAR, WXK_BACK); });
    step("down", [&] { Key(box, WXK_DOWN); });
    step("blink", [&] {
        wxTimerEvent tick;
        box->LocalTimer(tick);
    });
    step("delete", [&] { Key(box, WXK_DELETE); });
}

// The single-line edit boxes driven with synthetic events: what reaches the group, keys,
// clipboard, mouse, drawing, and the boxes that translate values.
#include <cstring>
#include <utility>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/clipbrd.h>

#include <vorn/text_lists/edit_boxes.h>
#include <vorn/util/text.h>

#include "../support/group_recorder.h"
#include "../support/test_support.h"

using namespace vorn;
using namespace vorntest;

namespace {
constexpr int kId = 7;

class EditTest : public GuiTest {
protected:
    GroupRecorder group;
    VornEditInfo info;
    void SetUp() override
    {
        GuiTest::SetUp();
        info.x = 4, info.y = 2, info.width = 100, info.height = 16;
        info.textColour = *wxBLACK, info.highlightColour = *wxBLUE, info.backgroundColour = *wxWHITE;
    }
    template <class Box = VornEdit>
    Box* Make(int style, bool editable = true)
    {
        return new Box(nullptr, info, 0, 0, panel, kId, editable, style, &group);
    }
    static void Focus(wxWindow* w, bool on)
    {
        wxFocusEvent e(on ? wxEVT_SET_FOCUS : wxEVT_KILL_FOCUS, w->GetId());
        w->HandleWindowEvent(e);
    }
    static void Type(wxWindow* w, const std::wstring& text, int mods = kNone)
    {
        for (wchar_t c : text) {
            wxKeyEvent e(wxEVT_CHAR);
            e.m_keyCode = c < WXK_START ? c : WXK_NONE;
            e.m_uniChar = c;
            e.SetControlDown(mods & kCtrl);
            w->HandleWindowEvent(e);
        }
    }
    static std::string Text(VornEdit* box)
    {
        std::string s;
        box->GetText(s);
        return s;
    }
    Log Take() { return std::exchange(group.events, {}); }
    const std::string sel = "Selected id=7";
};

struct TabProbe : VornEditCallBack {
    VornEdit* seen = nullptr;
    void OnTabKey(VornEdit* edit) override { seen = edit; }
};

struct FocusProbe : MessageReceiver {
    VornEdit* box = nullptr;
    bool focusSeen = true;
    void OnMessage(unsigned int, VornControl*, VornControlHint*) override
    {
        focusSeen = box->IThinkIHaveFocus();
        box->SetText("55", false);
    }
};
} // namespace

TEST_F(EditTest, NotificationSequences)
{
    VornEdit* box = Make(kEditInteger);
    Focus(box, true);
    Type(box, L"12abc\r");
    EXPECT_EQ(Text(box), "12");
    EXPECT_EQ(Take(), (Log{sel, "Update id=0 StringValChanged \"12\""}));
    Type(box, L"\r"); // Enter sends even without a change
    EXPECT_EQ(Take(), (Log{sel, "Update id=0 StringValChanged \"12\""}));
    box->SetText("99", true); // ignored while focused
    Focus(box, false);        // nothing changed since Enter
    EXPECT_EQ(Take(), Log{});
    EXPECT_EQ(Text(box), "12");
    Focus(box, true);
    Type(box, L"3");
    FocusProbe probe;
    probe.box = box;
    group.Register(&probe);
    Focus(box, false);
    EXPECT_EQ(Take(), (Log{sel, "Update id=0 StringValChanged \"123\""}));
    EXPECT_FALSE(probe.focusSeen);
    EXPECT_EQ(Text(box), "55");
    group.DeRegister(&probe);
    box->SetText("4.7", true);
    EXPECT_EQ(Take(), (Log{"Drag id=7", "Update id=0 StringValChanged \"4\""}));
}

TEST_F(EditTest, KeysEditByCharacter)
{
    VornEdit* box = Make(kEditText);
    Focus(box, true);
    Type(box, L"a\u00e9\u00df\u65e5");
    SendKey(box, wxEVT_KEY_DOWN, WXK_LEFT);
    SendKey(box, wxEVT_KEY_DOWN, WXK_LEFT, kShift);
    EXPECT_EQ(box->GetModel().GetSelectedText(), "\xC3\x9F");
    SendKey(box, wxEVT_KEY_DOWN, WXK_RIGHT, kShift); // shrinks back to nothing
    EXPECT_FALSE(box->GetModel().HasSelection());
    SendKey(box, wxEVT_KEY_DOWN, WXK_DELETE);
    Type(box, L"\bz");
    EXPECT_EQ(Text(box), "a\xC3\xA9z");
    EXPECT_FALSE(SendKey(box, wxEVT_KEY_DOWN, 'Q')); // left for the char event
    Type(box, L"a", kCtrl);
    Type(box, L"\x01\x05" L"b", kNone); // control characters are not typed
    EXPECT_EQ(Text(box), "b");
    TabProbe tab;
    box->SetCallBackHandler(&tab);
    SendKey(box, wxEVT_KEY_UP, WXK_TAB);
    EXPECT_EQ(tab.seen, box);

    VornEdit* fixed = Make(kEditReal2);
    Focus(fixed, true);
    Type(fixed, L"3.14159\r");
    EXPECT_EQ(Text(fixed), "3.14");
    VornEdit* five = Make(kEditFive);
    Focus(five, true);
    Type(five, L"abcdefg");
    EXPECT_EQ(Text(five), "abcde");
}

TEST_F(EditTest, ClipboardAndPassword)
{
    VornEdit* box = Make(kEditText);
    VornEdit* pass = Make(kEditPassword);
    Focus(box, true);
    Type(box, L"ab\u00e9");
    Type(box, L"ac", kCtrl);
    SendKey(box, wxEVT_KEY_DOWN, WXK_RIGHT);
    Type(box, L"v", kCtrl);
    EXPECT_EQ(Text(box), "ab\xC3\xA9" "ab\xC3\xA9");
    Focus(pass, true);
    Type(pass, L"secret");
    Type(pass, L"acx", kCtrl); // neither copies nor cuts
    EXPECT_EQ(Text(pass), "secret");
    Type(box, L"av", kCtrl); // the clipboard still holds the text box's copy
    EXPECT_EQ(Text(box), "ab\xC3\xA9");
    // Stars are drawn: a password box looks like a text box showing stars.
    VornEdit* stars = Make(kEditText);
    stars->SetText("******", false);
    pass->SetText("secret", false); // not taken while focused
    Focus(pass, false);
    const wxImage a = RenderToImage(pass), b = RenderToImage(stars);
    EXPECT_EQ(0, memcmp(a.GetData(), b.GetData(), a.GetWidth() * a.GetHeight() * 3));

    // A megabyte pasted on one line: line breaks become blanks, and it does not hang.
    std::string big(1 << 20, 'x');
    big[10] = '\n';
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(big)));
    wxTheClipboard->Close();
    Type(box, L"av", kCtrl);
    EXPECT_EQ(Text(box).size(), big.size());
    EXPECT_EQ(Text(box)[10], ' ');
    EXPECT_LT(box->GetModel().GetOffset(), -1000000);
}

TEST_F(EditTest, MouseCaretSelectionAndScroll)
{
    VornEdit* box = Make(kEditText);
    box->SetText("one two three four five six", false); // wider than the box
    ShowFrame();
    Focus(box, true);
    const auto& m = box->GetModel();
    auto at = [&](int i) { return wxPoint(4 + m.GetOffset() + m.PrefixWidth(i), 8); };
    LeftDown(box, at(4) + wxPoint(1, 0)); // left half of "t"
    EXPECT_EQ(m.GetCaret(), 4);
    Motion(box, at(7));
    EXPECT_EQ(m.GetSelectedText(), "two");
    Motion(box, {110, 8}); // right of the text area: scrolls 8 pixels towards it
    EXPECT_EQ(m.GetOffset(), -8);
    wxTimerEvent tick;
    box->ShooftyTimer(tick); // re-posts the drag step
    wxTheApp->ProcessPendingEvents();
    EXPECT_EQ(m.GetOffset(), -16);
    EXPECT_EQ(m.GetSelectionStart(), 4);
    EXPECT_EQ(m.GetCaret(), m.MapMouseToCharacter(110 - 4 + 16));
    LeftUp(box, {110, 8});
    SendMouse(box, wxEVT_LEFT_DCLICK, at(9) + wxPoint(1, 0));
    EXPECT_EQ(m.GetSelectedText(), "three");
    EXPECT_EQ(Take(), Log{}); // an editable box tells the group nothing

    box->SetEditable(false);
    LeftDown(box, at(4));
    SendMouse(box, wxEVT_LEFT_DCLICK, at(4));
    EXPECT_EQ(Take(), (Log{sel, "DoubleClick id=7"}));
}

TEST_F(EditTest, CaretBlinksOnlyInEditableFocusedBoxes)
{
    for (bool editable : {true, false}) {
        VornEdit* box = Make(kEditText, editable);
        Focus(box, true);
        EXPECT_EQ(box->IsCaretTimerRunning(), true);
        const wxImage on = RenderToImage(box);
        wxTimerEvent tick;
        box->LocalTimer(tick);
        const wxImage off = RenderToImage(box);
        EXPECT_EQ(PixelStr(on, 4, 8), editable ? "#000000" : "#FFFFFF");
        EXPECT_EQ(PixelStr(off, 4, 8), "#FFFFFF");
        Focus(box, false);
        EXPECT_FALSE(box->IsCaretTimerRunning());
    }
}

TEST_F(EditTest, TranslatingBoxes)
{
    auto* scale = Make<ScaleEditBox>(kEditInteger);
    RealValChanged half(0.5);
    scale->OnUpdate(1, nullptr, &half);
    EXPECT_EQ(Text(scale), "50");
    IntValChanged one(1);
    scale->OnUpdate(1, nullptr, &one);
    EXPECT_EQ(Text(scale), "100");
    Focus(scale, true);
    Type(scale, L"a", kCtrl);
    Type(scale, L"50\r");
    EXPECT_EQ(Take(), (Log{sel, "Update id=0 StringValChanged \"0.500000\""}));

    auto* date = Make<DateEditBox>(kEditText);
    RealValChanged day(31.0);
    date->OnUpdate(1, nullptr, &day);
    EXPECT_EQ(Text(date), MakeDate(31.0));
    StringValChanged text("1.5");
    date->OnUpdate(1, nullptr, &text);
    EXPECT_EQ(Text(date), MakeDate(1.5));
    Focus(date, true);
    Type(date, L"a", kCtrl);
    Type(date, L"31/02\r");
    EXPECT_EQ(Take(), (Log{sel, "Update id=0 StringValChanged \"31/02\""}));
    auto* time = Make<TimeEditBox>(kEditText);
    time->OnUpdate(1, nullptr, &day);
    EXPECT_EQ(Text(time), MakeTime(31.0));
}

// Scroll bars page: simple bars scrolling numbered lines (with end buttons, without them,
// and one standing at the right of its view), and a skinned range bar on a value group.
#include <functional>

#include <wx/dcbuffer.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/controls/scroll_bar.h>
#include <vorn/controls/simple_scroll_bar.h>

#include "host_controls.h"
#include "mouse_script.h"
#include "pages.h"

using namespace vorn;

namespace {

constexpr int kViewHeight = 180;
constexpr int kViewWidth = 150;
constexpr int kLineHeight = 16;

struct ScrollColours {
    wxColour page = wxColour(38, 42, 46);
    wxColour text = wxColour(214, 218, 224);
    wxColour line = wxColour(122, 130, 142);
    wxColour background = wxColour(33, 36, 41);
    wxColour highlight = wxColour(86, 156, 230);
};

ScrollColours LoadColours(AssetManager* assets)
{
    ScrollColours c;
    if (assets) {
        assets->GetColour(vornskin::kPanelBackground, c.page);
        assets->GetColour(vornskin::kPanelText, c.text);
        assets->GetColour(vornskin::kScrollbarFg, c.line);
        assets->GetColour(vornskin::kScrollbarBg, c.background);
        assets->GetColour(vornskin::kScrollbarMo, c.highlight);
    }
    return c;
}

// The host's content: numbered lines drawn from a scroll offset in pixels.
class LinesView : public wxWindow {
public:
    LinesView(wxWindow* parent, int lines, const ScrollColours& colours)
        : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxSize(kViewWidth, kViewHeight)), m_lines(lines),
          m_colours(colours)
    {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, &LinesView::OnPaint, this);
    }
    int ContentHeight() const { return m_lines * kLineHeight; }
    // The part of the content the view shows, as the simple bars take it.
    double Fraction() const { return static_cast<double>(kViewHeight) / ContentHeight(); }
    void ScrollTo(double offset)
    {
        m_offset = static_cast<int>(offset);
        Refresh(false);
    }
    // Scrolls to a simple bar's value, 0 (top) to 1 (bottom).
    void ScrollToValue(double value) { ScrollTo(value * (ContentHeight() - kViewHeight)); }

private:
    void OnPaint(wxPaintEvent&)
    {
        wxAutoBufferedPaintDC dc(this);
        dc.SetBackground(wxBrush(m_colours.background));
        dc.Clear();
        dc.SetTextForeground(m_colours.text);
        for (int i = m_offset / kLineHeight; i < m_lines && i * kLineHeight - m_offset < kViewHeight; ++i)
            dc.DrawText(wxString::Format("line %d", i + 1), 8, i * kLineHeight - m_offset);
    }

    int m_lines;
    int m_offset = 0;
    ScrollColours m_colours;
};

// A simple bar as a host derives it: its hook scrolls the view and notes the value.
class HostSimpleBar : public VornSimpleScrollBar {
public:
    HostSimpleBar(const std::string& name, LinesView* view, EventLog* log) : m_name(name), m_view(view), m_log(log)
    {
    }

protected:
    void OnSliderChange() override
    {
        m_view->ScrollToValue(GetSliderVal());
        m_log->Note(m_name + wxString::Format(" OnSliderChange %.3f", GetSliderVal()).ToStdString());
    }

private:
    std::string m_name;
    LinesView* m_view;
    EventLog* m_log;
};

// The range bar reports selection and drags only: the host reads its value on each drag.
class RangeBarGroup : public VornControlGroupValue {
public:
    RangeBarGroup(EventLog* log, std::function<void(VornScrollBar*)> onDrag) : m_log(log), m_onDrag(std::move(onDrag))
    {
    }
    void ControlSelected(unsigned int id, VornControl*) override { Note("ControlSelected", id); }
    void ControlUnSelected(unsigned int id, VornControl*) override { Note("ControlUnSelected", id); }
    void ControlDrag(unsigned int id, VornControl* control) override
    {
        auto* bar = dynamic_cast<VornScrollBar*>(control);
        if (bar)
            m_onDrag(bar);
        m_log->Note(wxString::Format("ControlDrag id=%u, offset %.1f", id, bar ? bar->GetValue() : 0.0).ToStdString());
    }
    using VornControlGroupValue::ControlSelected;
    using VornControlGroupValue::ControlUnSelected;

private:
    void Note(const char* what, unsigned int id) { m_log->Note(wxString::Format("%s id=%u", what, id).ToStdString()); }
    EventLog* m_log;
    std::function<void(VornScrollBar*)> m_onDrag;
};

class ScrollBarsPage : public ValueGroupPage {
public:
    ScrollBarsPage(wxWindow* parent, GalleryContext& context)
        : ValueGroupPage(parent, context), m_colours(LoadColours(context.assets)),
          m_rangeGroup(context.log, [this](VornScrollBar* bar) { m_rangeView->ScrollTo(bar->GetValue()); })
    {
        SetBackgroundColour(m_colours.page);
        SetForegroundColour(m_colours.text);
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        AddIntro(this, sizer,
                 "Drag a tab or hold an end button. The simple bars report through their hook; the skinned bar "
                 "reports drags to its group.");
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        m_withButtons = AddSimpleBar(row, "with end buttons", 60, true, true);
        AddSimpleBar(row, "no end buttons", 25, false, true);
        m_atRight = AddSimpleBar(row, "at the right", 100, true, false);
        AddRangeBar(row);
        sizer->Add(row, 0, wxALL, 8);
        SetSizer(sizer);
    }

    // The range bar leaves its group, a member here, while that still exists.
    ~ScrollBarsPage() override { DestroyChildren(); }

    // Drags the first bar's tab down, holds the right bar's down button for a press.
    void RunDemo() override
    {
        using namespace gallery;
        const int tab = m_withButtons->GetTabTop() + 4;
        Press(m_withButtons, {5, tab});
        for (int y = tab; y <= tab + 45; y += 15)
            DragTo(m_withButtons, {5, y});
        Release(m_withButtons, {5, tab + 45});
        Press(m_atRight->GetDownButton(), {4, 4});
        Release(m_atRight->GetDownButton(), {4, 4});
        if (m_rangeBar) {
            const int top = m_rangeBar->GetModel().GetPosition() + 2;
            Press(m_rangeBar, {4, top});
            DragTo(m_rangeBar, {4, top + 70});
            Release(m_rangeBar, {4, top + 70});
        }
    }

private:
    wxSizer* Column(wxSizer* row, const std::string& label)
    {
        auto* column = new wxBoxSizer(wxVERTICAL);
        column->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(label)), 0, wxBOTTOM, 4);
        row->Add(column, 0, wxRIGHT, 24);
        return column;
    }

    HostSimpleBar* AddSimpleBar(wxSizer* row, const std::string& label, int lines, bool endButtons, bool left)
    {
        auto* pair = new wxBoxSizer(wxHORIZONTAL);
        auto* view = new LinesView(this, lines, m_colours);
        auto* bar = new HostSimpleBar(label, view, m_context.log);
        bar->SetEndButtons(endButtons);
        bar->SetLeft(left);
        bar->Create(m_colours.line, m_colours.background, m_colours.highlight, 0, 0, kViewHeight, this,
                    NextControlId(), &m_group);
        bar->SetFractionVal(view->Fraction());
        if (left) {
            pair->Add(bar);
            pair->Add(view);
        } else {
            pair->Add(view);
            pair->Add(bar);
        }
        wxSizer* column = Column(row, label + wxString::Format(" (%d lines)", lines).ToStdString());
        column->Add(pair);
        AddEnableShow(this, column, bar, label, m_context.log);
        return bar;
    }

    void AddRangeBar(wxSizer* row)
    {
        wxSizer* column = Column(row, "VornScrollBar (skin, range 1600)");
        const wxBitmap *tab = nullptr, *up = nullptr, *down = nullptr;
        AssetManager* assets = m_context.assets;
        if (!assets || !assets->LoadImageCached(vornskin::kScrollOff, tab) ||
            !assets->LoadImageCached(vornskin::kScrollUp, up) || !assets->LoadImageCached(vornskin::kScrollDown, down)) {
            column->Add(new wxStaticText(this, wxID_ANY, "No skin: this bar needs the default skin."));
            return;
        }
        auto* pair = new wxBoxSizer(wxHORIZONTAL);
        m_rangeView = new LinesView(this, 100, m_colours);
        m_rangeBar = new VornScrollBar(tab, up, down, m_colours.line, m_colours.background, kViewHeight, 0, 0,
                                       kViewHeight, this, NextControlId(), &m_rangeGroup);
        m_rangeBar->SetRange(m_rangeView->ContentHeight());
        pair->Add(m_rangeView);
        pair->Add(m_rangeBar);
        column->Add(pair);
        AddEnableShow(this, column, m_rangeBar, "VornScrollBar", m_context.log);
    }

    ScrollColours m_colours;
    RangeBarGroup m_rangeGroup;
    HostSimpleBar* m_withButtons = nullptr;
    HostSimpleBar* m_atRight = nullptr;
    VornScrollBar* m_rangeBar = nullptr;
    LinesView* m_rangeView = nullptr;
};

} // namespace

wxWindow* BuildScrollBarsPage(wxWindow* parent, GalleryContext& context) { return new ScrollBarsPage(parent, context); }

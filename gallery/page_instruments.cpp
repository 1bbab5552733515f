// Instruments page: the compass and the attitude indicator, the range controls (horizontal,
// vertical and the plain bar), the movie bar and the time control, and a small tool window
// built from a VornPanel whose title bar drags it about the page. These controls report
// through group calls and hooks rather than hints: the host's groups and subclasses below
// write what they hear to the log, with the values the host reads back.
#include <cstdio>
#include <string>

#include <wx/sizer.h>
#include <wx/stattext.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/controls/compass.h>
#include <vorn/controls/horizon.h>
#include <vorn/controls/movie_bar.h>
#include <vorn/controls/range_control.h>
#include <vorn/controls/time_control.h>
#include <vorn/framework/panel.h>
#include <vorn/util/wx_colour.h>

#include "host_controls.h"
#include "logging_group.h"
#include "mouse_script.h"
#include "pages.h"

using namespace vorn;

namespace {

std::string Fixed(double v) { return FormatNumber(v, "%.3f"); }

// The compass reports each drag step as ControlSelected, the horizon as ControlDrag; the
// host then reads the values.
class InstrumentGroup : public LoggingGroup<VornControlGroupValue> {
public:
    using LoggingGroup::LoggingGroup;
    void ControlSelected(unsigned int, VornControl* c) override { Report(c); }
    void ControlDrag(unsigned int, VornControl* c) override { Report(c); }

private:
    void Report(VornControl* c)
    {
        if (auto* compass = dynamic_cast<VornCompassControl*>(c))
            m_log->Note("compass heading " + Fixed(compass->GetValue()) + " turn");
        else if (auto* horizon = dynamic_cast<VornAHorizonControl*>(c))
            m_log->Note("horizon roll " + Fixed(horizon->GetValue()) + ", pitch " + Fixed(horizon->GetPitchValue()));
        else
            Note("ControlDrag", c->GetId(), c);
    }
};

// A host's range control: the three hooks, logged with the values they concern.
template <class Range>
class LoggedRange : public Range {
public:
    template <class... Args>
    LoggedRange(EventLog* log, const char* name, Args&&... args)
        : Range(std::forward<Args>(args)...), m_log(log), m_name(name)
    {
    }
    void OnSliderValueChanged() override { m_log->Note(m_name + " slider " + Fixed(this->GetSliderValue())); }
    void OnZoomValueChanged() override { m_log->Note(m_name + " zoom " + Fixed(this->GetZoomValue())); }
    void OnRangeChanged() override { m_log->Note(m_name + " range changed"); }

private:
    EventLog* m_log;
    std::string m_name;
};

// The movie bar's group: its three hooks, with the fractions the host reads.
class MovieLog : public LoggingGroup<VornMovieBarCG> {
public:
    using LoggingGroup::LoggingGroup;
    void MovieValueChanged(unsigned int, VornControl* c) override { Movie("value", c); }
    void MovieStartChanged(unsigned int, VornControl* c) override { Movie("start", c); }
    void MovieEndChanged(unsigned int, VornControl* c) override { Movie("end", c); }

private:
    void Movie(const char* what, VornControl* c)
    {
        auto* bar = dynamic_cast<VornMovieBar*>(c);
        if (bar)
            m_log->Note(std::string("movie ") + what + ": value " + Fixed(bar->GetValue()) + " in [" +
                        Fixed(bar->GetStart()) + ", " + Fixed(bar->GetEnd()) + "]");
    }
};

template <class Image>
const Image* Skin(AssetManager* assets, const char* name)
{
    const Image* image = nullptr;
    if (assets)
        assets->LoadImageCached(name, image);
    return image;
}

class InstrumentsPage : public wxPanel, public GalleryDemo {
public:
    InstrumentsPage(wxWindow* parent, GalleryContext& context)
        : wxPanel(parent), m_context(context), m_instruments(context.log), m_movieGroup(context.log),
          m_timeGroup(context.log)
    {
        ApplyPageColours(this, context.assets);
        m_instruments.Register(context.log);
        m_timeGroup.Register(context.log);
        AssetManager* assets = context.assets;
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        AddIntro(this, sizer,
                 "Drag the compass tape (Shift or Alt: finer), the horizon's roll and pitch handles, the range "
                 "thumbs and their end handles,\nthe movie bar's handles and the clock. The tool window moves by "
                 "its title bar.");
        auto* columns = new wxBoxSizer(wxHORIZONTAL);
        auto* left = new wxBoxSizer(wxVERTICAL);

        m_compass = new VornCompassControl(Skin<BitmapA>(assets, vornskin::kCompassFrame),
                                           Skin<BitmapA>(assets, vornskin::kCompassTape),
                                           Skin<BitmapA>(assets, vornskin::kCompassMask), 0, 0, 160, 28, this,
                                           NextControlId(), &m_instruments);
        m_compass->SetValue(0.125f);
        AddLabelled(left, m_compass, "VornCompassControl");
        m_horizon = new VornAHorizonControl(Skin<BitmapA>(assets, vornskin::kHorizonFace), 50, 50, 40, 0, 0, 100, 100,
                                            this, NextControlId(), &m_instruments);
        m_horizon->SetBgColour(GetBackgroundColour());
        m_horizon->SetValue(0.03f);
        m_horizon->SetPitchValue(0.6f);
        AddLabelled(left, m_horizon, "VornAHorizonControl");

        const Color outline(0.55, 0.6, 0.68), fill(0.2, 0.36, 0.55);
        using namespace vornskin;
        m_range = new LoggedRange<VornRangeControl>(context.log, "range", outline, fill, kRangeHandleWidth,
                                                    kRangeHandleHeight, kRangeTrackStart, kRangeBandStart,
                                                    kRangeTrackEnd, kRangeBandEnd,
                                                    Skin<wxBitmap>(assets, kRangeBackground));
        m_range->Create(0, 0, 240, 28, this, NextControlId(), nullptr);
        m_range->SetZoomValue(0.4, false);
        m_range->SetSliderValue(0.3, false);
        AddLabelled(left, m_range, "VornRangeControl");
        auto* bar = new RangeControl(0, 0, 240, 16, this, NextControlId(), nullptr);
        bar->SetBgColour(GetBackgroundColour());
        bar->SetFgColour(WxCtoC(wxColour(110, 160, 220)));
        bar->SetSpace(10, 60);
        AddLabelled(left, bar, "RangeControl");

        m_movie = new VornMovieBar(Skin<wxBitmap>(assets, kMovieStart), Skin<wxBitmap>(assets, kMovieEnd),
                                   Skin<wxBitmap>(assets, kMovieValue), 0, 0, 300, 24, this, NextControlId(),
                                   &m_movieGroup);
        m_movie->SetColours(wxColour(22, 24, 28), wxColour(76, 146, 222), GetBackgroundColour());
        m_movie->SetUp(10, 6);
        m_movie->SetStart(0.2);
        m_movie->SetEnd(0.8);
        m_movie->SetValue(0.4);
        AddLabelled(left, m_movie, "VornMovieBar");
        const VornBitmapACache* hand = nullptr;
        if (assets)
            assets->LoadImagesCached(kTimeHand, hand);
        m_clock = new VornTimeControl(hand, Skin<BitmapA>(assets, kTimeFace), 32, 32, 24, 0, 0, this,
                                      NextControlId(), &m_timeGroup);
        m_clock->SetBackgroundColour(GetBackgroundColour());
        AddLabelled(left, m_clock, "VornTimeControl");
        columns->Add(left, 0, wxALL, 8);

        m_vrange = new LoggedRange<VornVertRangeControl>(context.log, "vertical range", outline, fill,
                                                         kRangeHandleWidth, kRangeHandleHeight, kRangeTrackStart,
                                                         kRangeBandStart, kRangeTrackEnd, kRangeBandEnd,
                                                         Skin<wxBitmap>(assets, kVRangeBackground), true);
        m_vrange->Create(0, 0, 28, 240, this, NextControlId(), nullptr);
        m_vrange->SetZoomValue(0.5, false);
        columns->Add(m_vrange, 0, wxALL, 8);
        columns->Add(BuildToolArea(), 1, wxEXPAND | wxALL, 8);
        sizer->Add(columns, 1, wxEXPAND);
        SetSizer(sizer);
    }

    ~InstrumentsPage() override
    {
        m_instruments.DeRegister(m_context.log);
        m_timeGroup.DeRegister(m_context.log);
        DestroyChildren();
    }

    // Turns the compass, rolls the horizon, drags the range thumb and its left handle, pushes
    // the movie bar's value along with its start handle, and drags the tool window.
    void RunDemo() override
    {
        using namespace gallery;
        Press(m_compass, {80, 14});
        DragTo(m_compass, {60, 14});
        Release(m_compass, {60, 14});
        int ax = 0, ay = 0;
        m_horizon->GetCurPosition(ax, ay);
        Press(m_horizon, {ax, ay});
        DragTo(m_horizon, {ax - 4, ay - 12});
        Release(m_horizon, {ax - 4, ay - 12});
        const int thumb = static_cast<int>(m_range->GetModel().ThumbLeft()) + 10;
        Press(m_range, {thumb, 14});
        DragTo(m_range, {thumb + 40, 14});
        Release(m_range, {thumb + 40, 14});
        const int start = m_movie->GetModel().GetStartX() - 4;
        Press(m_movie, {start, 20});
        DragTo(m_movie, {start + 120, 20});
        Release(m_movie, {start + 120, 20});
        Press(m_title, {20, 8});
        DragTo(m_title, {60, 38});
        Release(m_title, {60, 38});
    }

private:
    void AddLabelled(wxSizer* column, wxWindow* control, const char* name)
    {
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        row->Add(control, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 10);
        auto* label = new wxStaticText(this, wxID_ANY, name);
        label->SetForegroundColour(GetForegroundColour());
        row->Add(label, 0, wxALIGN_CENTER_VERTICAL);
        column->Add(row, 0, wxBOTTOM, 10);
    }

    // A region of the page holding a tool window: a VornPanel with a title bar and a few
    // lines of text, which the title bar drags about.
    wxWindow* BuildToolArea()
    {
        auto* area = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxSize(300, 300));
        area->SetBackgroundColour(GetBackgroundColour().ChangeLightness(90));
        auto* tool = new VornPanel(20, 20, 200, 110, area, NextControlId());
        tool->SetBackgroundColour(GetBackgroundColour().ChangeLightness(125));
        m_title = new VornTitleBar("Tool window", 0, 0, 200, 18, tool, NextControlId());
        m_title->SetTitlePos(8, 2);
        m_title->SetBackgroundColour(wxColour(76, 146, 222));
        m_title->SetForegroundColour(*wxWHITE);
        auto* text = new wxStaticText(tool, wxID_ANY, "A VornPanel:\ndrag the title bar\nto move it.", wxPoint(10, 28));
        text->SetForegroundColour(GetForegroundColour());
        return area;
    }

    GalleryContext& m_context;
    InstrumentGroup m_instruments;
    MovieLog m_movieGroup;
    LoggingGroup<VornControlGroupValue> m_timeGroup;
    VornCompassControl* m_compass = nullptr;
    VornAHorizonControl* m_horizon = nullptr;
    VornRangeControl* m_range = nullptr;
    VornRangeControl* m_vrange = nullptr;
    VornMovieBar* m_movie = nullptr;
    VornTimeControl* m_clock = nullptr;
    VornTitleBar* m_title = nullptr;
};

} // namespace

wxWindow* BuildInstrumentsPage(wxWindow* parent, GalleryContext& context)
{
    return new InstrumentsPage(parent, context);
}

#pragma once
// VornMovieBar: a playback range bar. A value handle rides above a coloured bar between a
// start handle and an end handle (MovieBarModel has the arithmetic). Drags report to a
// VornMovieBarCG group through its three hooks; any other group hears nothing of them.
//
//   event                        | what reaches a VornMovieBarCG
//   -----------------------------+-----------------------------------------------------------
//   press on the value handle    | ControlSelected(102, bar)
//   step of a value drag         | MovieValueChanged(id, bar)
//   step of a start drag         | [MovieValueChanged when it pushed the value,] MovieStartChanged
//   step of an end drag          | [MovieValueChanged when it pushed the value,] MovieEndChanged
//   release after a value drag   | ControlUnSelected(102, bar)
// The default skin's vorn_movie_start.sts, vorn_movie_end.sts and vorn_movie_value.sts are
// made for a 300 x 24 bar with SetUp(10, 6).
#include <memory>

#include <wx/bitmap.h>
#include <wx/colour.h>

#include <vorn/controls/movie_bar_model.h>
#include <vorn/framework/control.h>
#include <vorn/framework/control_group.h>

namespace vorn {

/// A control group that also hears a movie bar's value, start and end changes.
class VornMovieBarCG : public VornControlGroup {
public:
    /// An empty group.
    VornMovieBarCG() = default;
    /// A copy starts empty: a control belongs to one group, so registrations stay with
    /// the original; a host's subclass copies its own members.
    VornMovieBarCG(const VornMovieBarCG&) : VornControlGroup() {}
    /// Keeps this group's registrations (see the copy constructor).
    VornMovieBarCG& operator=(const VornMovieBarCG&) { return *this; }

    /// The value handle moved; does nothing here.
    virtual void MovieValueChanged(unsigned int, VornControl*) {}
    /// The start handle moved; does nothing here.
    virtual void MovieStartChanged(unsigned int, VornControl*) {}
    /// The end handle moved; does nothing here.
    virtual void MovieEndChanged(unsigned int, VornControl*) {}
};

/// A playback range bar: value, start and end handles over a coloured bar.
class VornMovieBar : public VornControl {
public:
    /// The id ControlSelected and ControlUnSelected carry for a drag of the value handle.
    static constexpr unsigned int kValueHandleId = 102;

    /// No window yet: Create must follow.
    VornMovieBar();
    /// A bar of w x h at (x, y) with the three handle images (not owned; null draws nothing
    /// and takes no room); colours blue, green, red until SetColours.
    VornMovieBar(const wxBitmap* start, const wxBitmap* end, const wxBitmap* value, int x, int y, int w, int h,
                 wxWindow* parent, int id, VornControlGroup* group, long style = 0);
    /// Releases the back buffer.
    ~VornMovieBar() override;
    /// Makes the window of a default-constructed bar (same arguments as the constructor).
    virtual bool Create(const wxBitmap* start, const wxBitmap* end, const wxBitmap* value, int x, int y, int w,
                        int h, wxWindow* parent, int id, VornControlGroup* group, long style = 0);
    using VornControl::Create;

    /// The value handle's place in the range: 0 at start, 1 at end.
    double GetValue() const { return m_model.GetValue(); }
    /// Places the value handle at v (clamped to 0..1) of the range; no notification.
    void SetValue(double v);
    /// The start fraction of the whole bar.
    double GetStart() const { return m_model.GetStart(); }
    /// The end fraction of the whole bar.
    double GetEnd() const { return m_model.GetEnd(); }
    /// End less start.
    double GetSubDuration() const { return m_model.GetEnd() - m_model.GetStart(); }
    /// Moves the start handle to s (clamped to 0..1); the value handle stays.
    void SetStart(double s);
    /// Moves the end handle to e (clamped to 0..1); the value handle stays.
    void SetEnd(double e);
    /// Handles to the ends, value at the start, no drag.
    void Reset() override;

    /// The bar, range and background colours.
    void SetColours(wxColour bar, wxColour range, wxColour background);
    /// The bar's top and height.
    void SetUp(int barY, int barHeight);

    /// The movie group the bar reports to, or null for any other group.
    VornMovieBarCG* GetMovieGroup() const { return dynamic_cast<VornMovieBarCG*>(m_group); }
    /// Positions and drags, for hosts and tests.
    const MovieBarModel& GetModel() const { return m_model; }

    /// Background, bar, range and handles into the back buffer, then the buffer to `dc`.
    void OnDraw(wxDC* dc) override;

protected:
    /// A press begins the drags of the handles it hits; the release ends them.
    void OnMouseButton() override;
    /// One step of every active drag.
    void OnMouseMove(int x, int y) override;
    /// Disabling ends a drag as a release would.
    void OnEnable(bool enabled) override;

private:
    struct Buffer;
    void EndDrags();

    MovieBarModel m_model;
    wxColour m_barColour, m_rangeColour, m_backgroundColour;
    int m_barY = 0, m_barHeight = 0;
    std::unique_ptr<Buffer> m_buffer; // the back buffer and the handle images, kept selected
};

} // namespace vorn

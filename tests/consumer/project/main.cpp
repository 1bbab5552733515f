// A tiny host: a library control in a frame, shown and painted, then the program exits.
// It names the library's classes in full; the README's example uses `using namespace vorn`.
#include <cstdio>

#include <vorn/vorn.h>
#include <wx/wx.h>

class ProbeControl : public vorn::VornControl {
public:
    using vorn::VornControl::VornControl;
    int draws = 0;
    void OnDraw(wxDC* dc) override
    {
        ++draws;
        vorn::VornControl::OnDraw(dc);
    }
};

class ConsumerApp : public wxApp {
public:
    bool OnInit() override
    {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "consumer", wxPoint(0, 0), wxSize(200, 100));
        auto* panel = new wxPanel(frame);
        auto* control = new ProbeControl(10, 10, 50, 20, panel, -1, &m_group, 0);
        frame->Show();
        for (int i = 0; i < 50 && control->draws == 0; ++i) {
            Yield(true);
            wxMilliSleep(10);
        }
        m_ok = control->draws > 0;
        std::printf("control painted %d time(s)\n", control->draws);
        frame->Destroy();
        return true;
    }
    int OnRun() override { return m_ok ? 0 : 1; }

private:
    vorn::VornControlGroup m_group;
    bool m_ok = false;
};

wxIMPLEMENT_APP(ConsumerApp);

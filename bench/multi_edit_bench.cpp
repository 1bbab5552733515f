// One keystroke in the middle of a 10,000-line text, repaint included, in VornMultiEdit
// and in a multi-line wxTextCtrl holding the same text, timed side by side in one loop.
// Each iteration types a character into both, or takes it back with Backspace, so the
// texts stay the same size.
//
// VornMultiEdit: the character event, then OnDraw into a bitmap (what a paint does, short
// of the final copy to the screen).
// wxTextCtrl (GtkTextView): WriteText or Remove at the insertion point (what typing does
// to its buffer), then the widget drawn into an image surface with gtk_widget_draw, which
// lays out and paints the visible lines. GTK's headers are not installed, so its few
// functions are looked up in the running process. What GtkTextView leaves to its idle
// handlers is not counted, which only favours it.
#include <chrono>
#include <cstdio>
#include <string>

#include <dlfcn.h>

#include <benchmark/benchmark.h>
#include <wx/dcmemory.h>
#include <wx/textctrl.h>

#include <vorn/text_lists/multi_edit.h>

#include "bench_support.h"

using namespace vorn;

namespace {
constexpr int kLines = 10000;

std::string BenchText()
{
    std::string text;
    char line[96];
    for (int i = 0; i < kLines; ++i) {
        std::snprintf(line, sizeof line, "Line %05d of the text: a few words that make the longer lines wrap.%s\n", i,
                      i % 3 ? "" : " And some more.");
        text += line;
    }
    return text;
}

// Paints a GTK widget into an offscreen image, as its draw signal would paint the screen.
class GtkPainter {
public:
    GtkPainter()
    {
        m_surfaceCreate = reinterpret_cast<SurfaceCreate>(dlsym(RTLD_DEFAULT, "cairo_image_surface_create"));
        m_create = reinterpret_cast<Create>(dlsym(RTLD_DEFAULT, "cairo_create"));
        m_destroy = reinterpret_cast<Destroy>(dlsym(RTLD_DEFAULT, "cairo_destroy"));
        m_surfaceDestroy = reinterpret_cast<Destroy>(dlsym(RTLD_DEFAULT, "cairo_surface_destroy"));
        m_draw = reinterpret_cast<Draw>(dlsym(RTLD_DEFAULT, "gtk_widget_draw"));
        m_checkResize = reinterpret_cast<Destroy>(dlsym(RTLD_DEFAULT, "gtk_container_check_resize"));
    }
    bool IsOk() const { return m_surfaceCreate && m_create && m_destroy && m_surfaceDestroy && m_draw && m_checkResize; }
    // Lays out what the edit queued (as a frame does before it paints), then draws.
    void Paint(void* topLevel, void* widget, wxSize size)
    {
        m_checkResize(topLevel);
        void* surface = m_surfaceCreate(0 /* CAIRO_FORMAT_ARGB32 */, size.x, size.y);
        void* cr = m_create(surface);
        m_draw(widget, cr);
        m_destroy(cr);
        m_surfaceDestroy(surface);
    }

private:
    using SurfaceCreate = void* (*)(int, int, int);
    using Create = void* (*)(void*);
    using Destroy = void (*)(void*);
    using Draw = void (*)(void*, void*);
    SurfaceCreate m_surfaceCreate = nullptr;
    Create m_create = nullptr;
    Destroy m_destroy = nullptr;
    Destroy m_surfaceDestroy = nullptr;
    Draw m_draw = nullptr;
    Destroy m_checkResize = nullptr;
};

void SendChar(wxWindow* w, int code)
{
    wxKeyEvent event(wxEVT_CHAR);
    event.m_keyCode = code;
    event.m_uniChar = static_cast<wxChar>(code);
    w->HandleWindowEvent(event);
}

void BM_KeystrokeVsTextCtrl(benchmark::State& state)
{
    GtkPainter gtk;
    if (!gtk.IsOk()) {
        state.SkipWithError("GTK drawing functions not found");
        return;
    }
    const std::string text = BenchText();
    const int middle = static_cast<int>(text.find("Line 05000")) + 12;

    VornEditInfo info;
    info.x = 6;
    info.y = 4;
    info.width = 310;
    info.height = 172;
    info.textColour = *wxBLACK;
    info.highlightColour = *wxLIGHT_GREY;
    info.backgroundColour = *wxWHITE;
    VornControlGroupValue group;
    auto* box = new VornMultiEdit(nullptr, info, 0, 0, BenchPanel(), wxID_ANY, true, &group);
    box->SetText(text, false);
    box->UpdateCaretPos(middle);

    auto* ctrl = new wxTextCtrl(BenchPanel(), wxID_ANY, wxString::FromUTF8(text), wxPoint(330, 0), box->GetSize(),
                                wxTE_MULTILINE | wxTE_WORDWRAP);
    ctrl->SetInsertionPoint(middle);
    ctrl->ShowPosition(middle);
    void* topLevel = wxGetTopLevelParent(ctrl)->GetHandle();
    BenchPump();

    // Both paint offscreen: the box into a bitmap of its size, the text control into an image.
    wxBitmap targetBitmap(box->GetSize());
    wxMemoryDC target(targetBitmap);
    using Clock = std::chrono::steady_clock;
    Clock::duration ours{}, theirs{};
    bool typed = false;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        SendChar(box, typed ? WXK_BACK : 'x');
        box->OnDraw(&target);
        const auto t1 = Clock::now();
        if (typed) {
            const long at = ctrl->GetInsertionPoint();
            ctrl->Remove(at - 1, at);
        } else {
            ctrl->WriteText("x");
        }
        gtk.Paint(topLevel, ctrl->GetHandle(), ctrl->GetSize());
        const auto t2 = Clock::now();
        ours += t1 - t0;
        theirs += t2 - t1;
        typed = !typed;
    }
    const auto us = [&](Clock::duration d) {
        return std::chrono::duration<double, std::micro>(d).count() / static_cast<double>(state.iterations());
    };
    state.counters["vorn_us"] = us(ours);
    state.counters["textctrl_us"] = us(theirs);
    state.counters["ratio"] = us(ours) / us(theirs);
    if (typed)
        SendChar(box, WXK_BACK);
    std::string check;
    box->GetText(check);
    if (check != text)
        state.SkipWithError("the box's text drifted");
    box->Destroy();
    ctrl->Destroy();
    BenchPump();
}
BENCHMARK(BM_KeystrokeVsTextCtrl)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// The box alone, to see how the keystroke splits between editing and painting.
void BM_KeystrokeNoPaint(benchmark::State& state)
{
    const std::string text = BenchText();
    VornEditInfo info;
    info.x = info.y = 4;
    info.width = 310;
    info.height = 172;
    VornControlGroupValue group;
    auto* box = new VornMultiEdit(nullptr, info, 0, 0, BenchPanel(), wxID_ANY, true, &group);
    box->SetText(text, false);
    box->UpdateCaretPos(static_cast<int>(text.find("Line 05000")) + 12);
    bool typed = false;
    for (auto _ : state) {
        SendChar(box, typed ? WXK_BACK : 'x');
        typed = !typed;
    }
    box->Destroy();
    BenchPump();
}
BENCHMARK(BM_KeystrokeNoPaint)->Unit(benchmark::kMicrosecond);

// The editing model's share of a keystroke: the same edits on the model alone.
void BM_ModelEditOnly(benchmark::State& state)
{
    const std::string text = BenchText();
    TextEditModel model;
    model.SetText(text);
    model.SetCaret(static_cast<int>(text.find("Line 05000")) + 12);
    bool typed = false;
    for (auto _ : state) {
        if (typed)
            model.DeleteBackward();
        else
            model.Replace("x");
        typed = !typed;
    }
}
BENCHMARK(BM_ModelEditOnly)->Unit(benchmark::kMicrosecond);
} // namespace

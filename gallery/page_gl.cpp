// GL page: skin image sets uploaded as textures and drawn as quads, every state of a set in
// a row (through the texture fractions), with labels made the same way from text; and a few
// GL windows drawn through Draw(x, y) as rounded panels. The log says what was uploaded.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/glcanvas.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <GL/gl.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/gl_image.h>
#include <vorn/assets/gl_window.h>
#include <vorn/assets/skin_names.h>
#include <vorn/util/diagnostics.h>
#include <vorn/util/wx_colour.h>
#include <vorn/util/wx_image_convert.h>

#include "host_controls.h"
#include "pages.h"

using namespace vorn;

namespace {

constexpr int kCanvasW = 900, kCanvasH = 400;
constexpr int kMargin = 10, kLabelW = 190, kScale = 2, kGap = 8, kSmallImage = 32;
constexpr int kPanelsY = 290; // the GL windows' row, below the sets

// The sets shown, one row each.
const char* const kSets[] = {vornskin::kButtonPush,   vornskin::kButtonToggle,  vornskin::kButtonRadio,
                             vornskin::kBranchToggle, vornskin::kTreeCheckBox, vornskin::kButtonText};

// A GL window drawn as a rounded panel with an edge, in colours the host gives it.
class RoundedPanel : public VornGLWindow {
public:
    RoundedPanel(const wxColour& fill, const wxColour& edge, int w, int h) : m_fill(fill), m_edge(edge)
    {
        int minW = 30, minH = 24; // room for the corners
        SetMinSize(minW, minH);
        SetSize(w, h);
    }

protected:
    void OnDraw() override
    {
        // Inclusive bounds as an area: from the left edge to one past the right.
        const double left = m_x, top = m_y, right = m_right + 1, bottom = m_bottom + 1, r = 10.0;
        const double centres[4][2] = {
            {right - r, top + r}, {left + r, top + r}, {left + r, bottom - r}, {right - r, bottom - r}};
        std::vector<std::pair<double, double>> outline;
        for (int corner = 0; corner < 4; ++corner)
            for (int step = 0; step <= 6; ++step) {
                const double a = (corner * 90 + step * 15) * M_PI / 180.0; // y grows downwards
                outline.emplace_back(centres[corner][0] + r * std::cos(a), centres[corner][1] - r * std::sin(a));
            }
        glColor3ub(m_fill.Red(), m_fill.Green(), m_fill.Blue());
        glBegin(GL_POLYGON);
        for (const auto& p : outline)
            glVertex2d(p.first, p.second);
        glEnd();
        glColor3ub(m_edge.Red(), m_edge.Green(), m_edge.Blue());
        glBegin(GL_LINE_LOOP);
        for (const auto& p : outline)
            glVertex2d(p.first, p.second);
        glEnd();
    }

private:
    wxColour m_fill, m_edge;
};

// One row: a label texture and the set's textures.
struct Row {
    std::unique_ptr<CGLImage> label;
    std::unique_ptr<VornGLTextureCache> set;
};

class GlCanvas : public wxGLCanvas {
public:
    GlCanvas(wxWindow* parent, const wxGLAttributes& attrs, GalleryContext& context)
        : wxGLCanvas(parent, attrs, wxID_ANY, wxDefaultPosition, wxSize(kCanvasW, kCanvasH)), m_context(context)
    {
        m_background = parent->GetBackgroundColour();
        m_text = parent->GetForegroundColour();
        wxColour fill[3] = {wxColour(86, 156, 230), wxColour(52, 94, 140), wxColour(70, 76, 86)};
        wxColour edge(196, 202, 210);
        if (AssetManager* assets = context.assets) {
            assets->GetColour(vornskin::kMenuHighlight, fill[0]);
            assets->GetColour(vornskin::kRingFill, fill[1]);
            assets->GetColour(vornskin::kTableSeparator, fill[2]);
            assets->GetColour(vornskin::kDialLine, edge);
        }
        m_panels.emplace_back(fill[0], edge, 170, 90);
        m_panels.emplace_back(fill[1], edge, 120, 60);
        m_panels.emplace_back(fill[2], edge, 2, 50); // raised to its 30-pixel minimum width
        Bind(wxEVT_PAINT, &GlCanvas::OnPaint, this);
    }

    ~GlCanvas() override
    {
        // The textures go while their context is current.
        if (m_gl && m_gl->SetCurrent(*this))
            m_rows.clear();
    }

    // Moves the panels (the page's demo) and redraws at once.
    void ShiftPanels(int dx)
    {
        m_shift += dx;
        Refresh(false);
        Update();
    }

private:
    void OnPaint(wxPaintEvent&)
    {
        wxPaintDC dc(this);
        if (!m_gl)
            m_gl = std::make_unique<wxGLContext>(this);
        if (!m_gl->IsOK() || !m_gl->SetCurrent(*this)) {
            if (!m_failed)
                m_context.log->Note("GL: no rendering context could be made current");
            m_failed = true;
            return;
        }
        if (m_rows.empty())
            Upload();
        Render();
        SwapBuffers();
    }

    void Upload()
    {
        // The library reports upload errors as debug lines; the page shows them in its log.
        std::vector<std::string> errors;
        SetDebugHook([&errors](const std::string& text) { errors.push_back(text); });
        for (const char* name : kSets) {
            Row row;
            row.label = MakeLabel(name);
            const VornBitmapACache* source = nullptr;
            if (!m_context.assets || !m_context.assets->LoadImagesCached(name, source)) {
                m_context.log->Note(std::string("GL: ") + name + " did not load");
                m_rows.push_back(std::move(row));
                continue;
            }
            row.set = std::make_unique<VornGLTextureCache>();
            errors.clear();
            const bool ok = CopyImageCache(*row.set, *source);
            std::vector<VORNIMAGETYPE> states;
            row.set->GetStates(states);
            const CGLImage* first = nullptr;
            row.set->GetImage(states.empty() ? 0 : states.front(), first);
            std::string note = std::string("GL: uploaded ") + name + ": " + std::to_string(states.size()) + " states";
            if (first)
                note += ", " + std::to_string(first->GetWidth()) + " x " + std::to_string(first->GetHeight()) + " in " +
                        std::to_string(first->GetTexWidth()) + " x " + std::to_string(first->GetTexHeight()) +
                        " textures";
            m_context.log->Note(note + (ok ? "" : " (CopyImageCache failed)"));
            for (const std::string& error : errors)
                m_context.log->Note(std::string("GL: ") + name + " upload: " + error.substr(0, error.find('\n')));
            m_rows.push_back(std::move(row));
        }
        SetDebugHook(nullptr);
    }

    // The set's name as an opaque texture on the page's colour (an RGB upload).
    std::unique_ptr<CGLImage> MakeLabel(const char* name)
    {
        wxBitmap text(kLabelW - kGap, 18, 24);
        {
            wxMemoryDC dc(text);
            dc.SetBackground(wxBrush(m_background));
            dc.Clear();
            dc.SetTextForeground(m_text);
            dc.SetFont(GetFont());
            dc.DrawText(wxString::FromUTF8(name), 0, 1);
        }
        Bitmap pixels;
        auto label = std::make_unique<CGLImage>();
        if (ConvertTo(pixels, text.ConvertToImage()))
            label->Copy(pixels);
        return label;
    }

    void Render()
    {
        const wxSize size = GetClientSize();
        glViewport(0, 0, size.x, size.y);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, kCanvasW, kCanvasH, 0, -1, 1); // y downwards, one unit per pixel
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClearColor(m_background.Red() / 255.0f, m_background.Green() / 255.0f, m_background.Blue() / 255.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);

        glEnable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        int y = kMargin;
        for (const Row& row : m_rows) {
            int rowH = 18;
            if (row.set) {
                std::vector<VORNIMAGETYPE> states;
                row.set->GetStates(states);
                int x = kMargin + kLabelW;
                for (VORNIMAGETYPE s : states) {
                    const CGLImage* image = nullptr;
                    if (!row.set->GetImage(s, image))
                        continue;
                    const int scale = image->GetWidth() > kSmallImage ? 1 : kScale; // wide faces as they are
                    Quad(*image, x, y, scale);
                    x += image->GetWidth() * scale + kGap;
                    rowH = std::max(rowH, image->GetHeight() * scale);
                }
            }
            if (row.label)
                Quad(*row.label, kMargin, y + (rowH - row.label->GetHeight()) / 2, 1);
            y += rowH + kGap;
        }
        glDisable(GL_TEXTURE_2D);

        // The GL windows set their own state and draw at the position given.
        int panelX = kMargin + kLabelW + m_shift;
        for (RoundedPanel& panel : m_panels) {
            panel.Draw(panelX, kPanelsY);
            int w = 0, h = 0;
            panel.GetSize(w, h);
            panelX += w + 2 * kGap;
        }
    }

    // The image's part of its texture, scaled by a whole factor, top-left corner at (x, y).
    static void Quad(const CGLImage& image, int x, int y, int scale)
    {
        const int w = image.GetWidth() * scale, h = image.GetHeight() * scale;
        const float fw = image.GetfTexWidth(), fh = image.GetfTexHeight();
        glBindTexture(GL_TEXTURE_2D, image.GetImage());
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0);
        glVertex2i(x, y);
        glTexCoord2f(fw, 0);
        glVertex2i(x + w, y);
        glTexCoord2f(fw, fh);
        glVertex2i(x + w, y + h);
        glTexCoord2f(0, fh);
        glVertex2i(x, y + h);
        glEnd();
    }

    GalleryContext& m_context;
    std::unique_ptr<wxGLContext> m_gl;
    std::vector<Row> m_rows;
    std::vector<RoundedPanel> m_panels;
    wxColour m_background, m_text;
    int m_shift = 0;
    bool m_failed = false;
};

class GlPage : public wxPanel, public GalleryDemo {
public:
    GlPage(wxWindow* parent, GalleryContext& context) : wxPanel(parent), m_context(context)
    {
        ApplyPageColours(this, context.assets);
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        AddIntro(this, sizer,
                 "Skin image sets uploaded as textures (rounded up to powers of two) and drawn through their "
                 "fractions, every state of a set in a row (small ones twice their size).\nBelow: GL windows drawn "
                 "as rounded panels; the last asked for a width of 2 and got its minimum.");
        wxGLAttributes attrs;
        attrs.PlatformDefaults().RGBA().DoubleBuffer().Depth(16).EndList();
        if (wxGLCanvas::IsDisplaySupported(attrs)) {
            m_canvas = new GlCanvas(this, attrs, context);
            sizer->Add(m_canvas, 0, wxLEFT | wxRIGHT, 8);
        } else {
            sizer->Add(new wxStaticText(this, wxID_ANY, "This display offers no OpenGL visual."), 0, wxALL, 8);
            context.log->Note("GL: the display offers no OpenGL visual");
        }
        SetSizer(sizer);
    }

    // The host moves its GL windows: they draw wherever the next Draw puts them.
    void RunDemo() override
    {
        if (!m_canvas)
            return;
        m_canvas->ShiftPanels(-20);
        m_context.log->Note("GL: panels drawn 20 pixels further left");
    }

private:
    GalleryContext& m_context;
    GlCanvas* m_canvas = nullptr;
};

} // namespace

wxWindow* BuildGlPage(wxWindow* parent, GalleryContext& context) { return new GlPage(parent, context); }

// Property tree page: an object inspector as a host builds one (vector rows, a rotation
// dial, a scale slider, a visibility check box, a shading list, nested branches, an error
// row and blob rows), and beside it a tree the host fills with 1,000 or 10,000 rows on
// demand, timing the build and the first paint. The node hints the host receives reach
// the log with the row's name and new value.
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <unordered_map>

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/stopwatch.h>

#include <vorn/assets/asset_manager.h>
#include <vorn/assets/skin_names.h>
#include <vorn/text_lists/list_box.h>
#include <vorn/text_lists/monster_box.h>
#include <vorn/tree/blob_row.h>
#include <vorn/tree/error_row.h>
#include <vorn/tree/list_rows.h>
#include <vorn/tree/text_rows.h>
#include <vorn/tree/tree_control.h>
#include <vorn/tree/value_rows.h>

#include "host_controls.h"
#include "node_book.h"
#include "mouse_script.h"
#include "pages.h"

using namespace vorn;

namespace {

constexpr int kInspectorWidth = 430;
constexpr int kTreeHeight = 430;
constexpr int kBigTreeWidth = 400;
constexpr int kBigTreeHeight = 360;
constexpr int kAllign = 150;

// A shading choice: a branch whose header carries the list of modes.
class ShadingBranch : public VornLBBranchNode {
public:
    ShadingBranch(VornTreeNode* parent, EventLog* log) : VornLBBranchNode(parent, "shading"), m_log(log) {}
    void OnStartUp() override
    {
        for (const char* mode : {"flat", "smooth", "wireframe", "points"})
            GetListBox()->Append(mode);
        GetListBox()->SetSelected(1, false);
    }
    void OnItemSelected() override
    {
        m_log->Note("shading is now \"" + GetListBox()->GetItemText(GetListBox()->GetSelected()) + "\"");
    }

private:
    EventLog* m_log;
};

// A list row as a host fills it: the primitives it offers, and the choice in the log.
class PrimitiveRow : public VUITreeLB {
public:
    PrimitiveRow(AssetManager* assets, std::string name, EventLog* log) : VUITreeLB(assets, std::move(name)), m_log(log)
    {
    }
    void UpDateData(VornListBox* box) override
    {
        box->ClearAll();
        for (const char* shape : {"sphere", "cube", "cone", "torus"})
            box->Append(shape);
        box->SetSelected(m_choice, false);
    }
    void OnItemSelected() override
    {
        if (VornListBox* box = GetListBox()) {
            m_choice = box->GetSelected();
            m_log->Note("primitive is now \"" + box->GetItemText(m_choice) + "\"");
        }
    }

private:
    EventLog* m_log;
    int m_choice = 0;
};

class TreePage : public wxPanel, public GalleryDemo {
public:
    TreePage(wxWindow* parent, GalleryContext& context)
        : wxPanel(parent), m_context(context), m_book(context.log), m_bigBook(context.log)
    {
        ApplyPageColours(this, context.assets);
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        AddIntro(this, sizer,
                 "An object inspector, and a tree the host fills with thousands of rows: only rows near the view have "
                 "toolkit windows.");
        auto* columns = new wxBoxSizer(wxHORIZONTAL);
        m_inspector = new VornMainVUITreeControl(kAllign, context.assets, 0, 0, kInspectorWidth, kTreeHeight, this,
                                                 NextControlId(), nullptr);
        m_inspector->GetTreeControlGroup()->Register(&m_book);
        BuildInspector();
        columns->Add(m_inspector, 0, wxALL, 8);
        columns->Add(BuildBigTreeColumn(), 1, wxEXPAND | wxALL, 8);
        sizer->Add(columns, 1, wxEXPAND);
        SetSizer(sizer);
    }

    ~TreePage() override
    {
        m_inspector->GetTreeControlGroup()->DeRegister(&m_book);
        m_bigTree->GetTreeControlGroup()->DeRegister(&m_bigBook);
        DestroyChildren();
    }

    // Drags the scale slider, clicks the visibility box, folds the first two branches to open the
    // lights table, and builds the 1,000 rows.
    void RunDemo() override
    {
        if (m_scale && m_scale->GetSlider())
            Gesture(m_scale->GetSlider(), {4, 6}, {60, 6});
        if (m_visible && m_visible->GetToggle())
            Gesture(m_visible->GetToggle(), {5, 5}, {5, 5});
        // Then the embedding rows come into view, with the lights table open.
        m_transform->Col();
        m_display->Col();
        if (m_lights)
            m_lights->SetExpanded(true, true);
        Build(1000);
    }

private:
    // A press on a row's widget where a user would make it: on the tree's root control, which
    // draws the rows and hands the pointer to the window under it. The widget then holds a
    // surface of its own, which takes the drag and the release.
    void Gesture(VornWindow* widget, wxPoint from, wxPoint to)
    {
        using namespace gallery;
        VornWindow* root = m_inspector->GetTreeRoot()->GetRootControl();
        gallery::Press(root, widget->GetRectInHost().GetPosition() - root->GetDeferredOrigin() + from);
        wxWindow* surface = widget->GetSurface();
        if (!surface || surface == widget)
            return;
        const wxPoint offset = widget->GetSurfaceOffset();
        DragTo(surface, (from + to) / 2 - offset);
        DragTo(surface, to - offset);
        Release(surface, to - offset);
    }

    void BuildInspector()
    {
        AssetManager* assets = m_context.assets;
        VornTreeRootNode* root = m_inspector->GetTreeRoot();
        auto* name = m_book.Add(root, new VUITreeTextEdits(assets, "name", false, PTYPE_STRING), Shows::Text);

        VornBranchNode* transform = m_transform = AddBranchToEnd(m_inspector, "transform");
        auto* position = m_book.Add(transform, new VUITreeExpandTextEdits(assets, "position", false, PTYPE_VEC3D), Shows::Vec3);
        auto* rotation = m_book.Add(transform, new VUITreeAngleSelect(assets, "rotation", false, true, true), Shows::Real);
        m_scale = m_book.Add(transform, new VUITreeSlider(assets, "scale", true, 10.0, 0.0, 1.0, true), Shows::Real);
        auto* pivot = m_book.Add(transform, new VUITreeTextEdits(assets, "pivot", false, PTYPE_VEC3D), Shows::Vec3);

        VornBranchNode* display = m_display = AddBranchToEnd(m_inspector, "display");
        m_visible = m_book.Add(display, new VUITreeCheckBox(assets, "visible", false), Shows::Int);
        auto* shading = new ShadingBranch(display->GetTree(), m_context.log);
        display->GetTree()->AddToEnd(shading);
        shading->DoStartSequence();
        m_book.Add(shading, new VUITreeThumbWheel(assets, "wire width", false, 8.0, 0.5, 1.0, 0.1, true), Shows::Real);
        m_book.Add(display, new VUITreeThumbWheel(assets, "opacity", false, 1.0, 0.0, 0.85, 0.01, true), Shows::Real);
        auto* tint = m_book.Add(display, new VUITreeTextEdits(assets, "tint", true, PTYPE_COLOR), Shows::Colour);

        VornBranchNode* camera = AddBranchToEnd(m_inspector, "camera");
        auto* clip = m_book.Add(camera, new VUITreeAngleClippers(assets, "field of view", false, true), Shows::Real);
        auto* samples = m_book.Add(camera, new VUITreeTextEdits(assets, "samples", false, PTYPE_INT), Shows::Int);
        VornBranchNode* timing = AddBranchToEnd(camera, "shutter");
        auto* time = m_book.Add(timing, new VUITreeAngleSelect(assets, "open at", false, true, true), Shows::Real);
        time->SetDisplayStyle(2);
        auto* date = m_book.Add(timing, new VUITreeAngleSelect(assets, "shot on", false, true, true), Shows::Real);
        date->SetDisplayStyle(1);

        VornBranchNode* render = AddBranchToEnd(m_inspector, "render");
        BuildRenderBranch(render);

        VornBranchNode* keys = AddBranchToEnd(m_inspector, "keys");
        for (const Color& c : {Color(0.9, 0.4, 0.2), Color(0.3, 0.7, 0.9), Color(0.5, 0.85, 0.4)})
            AddToEnd(keys, new VornBlobbyControl(c));
        AddToEnd(m_inspector, new ErrorControl(kInspectorWidth - 60, 60, assets, "file not found: brick.png",
                                               "texture", "image", "Texture"));

        // Values go in after the rows are on the tree: the tree made their windows, and
        // rows out of view take them all the same.
        name->SetValue(std::string("teapot"));
        position->SetValue(Vec3d(0.0, 1.5, -2.0));
        rotation->SetDisplayStyle(0);
        rotation->SetValue(M_PI / 4);
        pivot->SetValue(Vec3d(0.0, 0.0, 0.0));
        m_visible->SetValue(1);
        tint->SetValue(Color(0.8, 0.55, 0.3));
        clip->SetValue(1.2);
        samples->SetValue(16);
        time->SetValue(0.25);
        date->SetValue(0.6);
        transform->Exp();
        display->Exp();
        render->Exp();
        keys->Exp();
        m_inspector->RefreshTree();
    }

    // Rows that embed larger controls: a list, an enumeration, a table that folds open under
    // its row and a row folding open onto the host's own window (here a movie bar).
    void BuildRenderBranch(VornBranchNode* render)
    {
        AssetManager* assets = m_context.assets;
        m_book.Add(render, new PrimitiveRow(assets, "primitive", m_context.log), Shows::Nothing);
        auto* quality = m_book.Add(render, new VUITreeEnumLB(assets, "quality"), Shows::Text);
        quality->SetValue(std::string("draft|*normal|best"));

        // The table wears the skin's table look, narrow enough for the inspector.
        const wxBitmap *top = nullptr, *bottom = nullptr, *divider = nullptr, *handle = nullptr;
        const VornwxBitmapCache* check = nullptr;
        wxColour background(33, 36, 41), second(52, 94, 140), text(214, 218, 224);
        if (assets) {
            assets->LoadImageCached(vornskin::kTableTop, top);
            assets->LoadImageCached(vornskin::kTableBottom, bottom);
            assets->LoadImageCached(vornskin::kTableDivider, divider);
            assets->LoadImageCached(vornskin::kTableHandle, handle);
            assets->LoadImagesCached(vornskin::kTableCheck, check);
            assets->GetColour(vornskin::kTableBackground, background);
            assets->GetColour(vornskin::kTableSecond, second);
            assets->GetColour(vornskin::kTableText, text);
        }
        std::string tableName = "lights";
        auto* lights = new VUITreeMonsterBox(assets, "lights", top, bottom, divider, false, 200, 150, tableName,
                                             nullptr);
        AddToEnd(render, lights);
        m_lights = lights;
        if (VornMonsterBox* table = lights->GetMonsterBox()) {
            table->SetColors(background, second, text);
            table->SetScrollHandle(handle);
            table->AddColumn("light", text, 100, false);
            table->AddColumn("on", text, 30, false);
            for (const char* light : {"key", "fill", "rim", "back", "bounce"}) {
                table->AddEntry(0, light, text, false);
                table->AddEntry(1, check, false);
            }
        }

        auto* timeline = new VUITreePopControl(assets, "timeline");
        AddToEnd(render, timeline);
        const wxBitmap *start = nullptr, *end = nullptr, *value = nullptr;
        if (assets) {
            assets->LoadImageCached(vornskin::kMovieStart, start);
            assets->LoadImageCached(vornskin::kMovieEnd, end);
            assets->LoadImageCached(vornskin::kMovieValue, value);
        }
        auto* bar = new VornVUIMovieBar(start, end, value, timeline->GetXOffset(), timeline->GetYOffset(), 220, 24,
                                        timeline->GetDisplayWindow(), -1, nullptr);
        bar->SetUp(10, 6);
        bar->SetTreeColours(timeline->GetBackgroundCol(), timeline->GetLineCol(), timeline->GetMouseOverCol());
        bar->SetStart(0.1);
        bar->SetEnd(0.7);
        bar->SetValue(0.3);
        timeline->SetVornWindowPtr(bar);
    }

    wxSizer* BuildBigTreeColumn()
    {
        auto* column = new wxBoxSizer(wxVERTICAL);
        auto* buttons = new wxBoxSizer(wxHORIZONTAL);
        for (int rows : {1000, 10000}) {
            auto* build = new wxButton(this, wxID_ANY, rows == 1000 ? "1,000 rows" : "10,000 rows",
                                       wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
            build->Bind(wxEVT_BUTTON, [this, rows](wxCommandEvent&) { Build(rows); });
            buttons->Add(build, 0, wxRIGHT, 6);
        }
        auto* toggle = new wxButton(this, wxID_ANY, "collapse / expand", wxDefaultPosition, wxDefaultSize,
                                    wxBU_EXACTFIT);
        toggle->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ToggleAll(); });
        buttons->Add(toggle, 0, wxRIGHT, 6);
        auto* clear = new wxButton(this, wxID_ANY, "clear", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
        clear->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Clear(); });
        buttons->Add(clear);
        column->Add(buttons, 0, wxBOTTOM, 6);
        m_timing = new wxStaticText(this, wxID_ANY, "no rows yet");
        m_timing->SetForegroundColour(GetForegroundColour());
        column->Add(m_timing, 0, wxBOTTOM, 6);
        m_bigTree = new VornMainVUITreeControl(120, m_context.assets, 0, 0, kBigTreeWidth, kBigTreeHeight, this,
                                               NextControlId(), nullptr);
        m_bigTree->GetTreeControlGroup()->Register(&m_bigBook);
        column->Add(m_bigTree, 0);
        return column;
    }

    // Branches of 50 rows, ten branches to a group: sliders, check boxes, thumb wheels and
    // number and vector rows.
    void Build(int rows)
    {
        Clear();
        wxStopWatch watch;
        AssetManager* assets = m_context.assets;
        int made = 0;
        for (int g = 0; made < rows; ++g) {
            VornBranchNode* group = AddBranchToEnd(m_bigTree, "group " + std::to_string(g + 1));
            for (int b = 0; b < 10 && made < rows; ++b) {
                VornBranchNode* branch = AddBranchToEnd(group, "object " + std::to_string(g * 10 + b + 1));
                for (int r = 0; r < 50 && made < rows; ++r, ++made)
                    AddGeneratedRow(branch, assets, made);
                branch->Expand();
            }
            group->Expand();
        }
        const long built = watch.Time();
        m_bigTree->RefreshTree();
        const long laidOut = watch.Time();
        m_bigTree->Update();
        wxWindow::Update();
        const long painted = watch.Time();
        ShowTiming(wxString::Format("%d rows: built %ld ms, laid out %ld ms, first paint %ld ms (%ld ms in all)", rows,
                                    built, laidOut - built, painted - laidOut, painted));
    }

    void AddGeneratedRow(VornBranchNode* branch, AssetManager* assets, int i)
    {
        const std::string name = "value " + std::to_string(i + 1);
        switch (i % 5) {
        case 0:
            m_bigBook.Add(branch, new VUITreeSlider(assets, name, false, 100.0, 0.0, i % 100, false), Shows::Real);
            break;
        case 1:
            m_bigBook.Add(branch, new VUITreeCheckBox(assets, name, false), Shows::Int);
            break;
        case 2:
            m_bigBook.Add(branch, new VUITreeThumbWheel(assets, name, false, 10.0, -10.0, 0.0, 0.1, true), Shows::Real);
            break;
        case 3:
            m_bigBook.Add(branch, new VUITreeTextEdits(assets, name, false, PTYPE_REAL), Shows::Real)
                ->SetValue(i * 0.5);
            break;
        default:
            m_bigBook.Add(branch, new VUITreeTextEdits(assets, name, false, PTYPE_VEC3D), Shows::Vec3)
                ->SetValue(Vec3d(i, i * 2.0, i * 3.0));
            break;
        }
    }

    void ToggleAll()
    {
        VornTreeNode* top = GetTree(m_bigTree);
        if (!top || top->GetSize() == 0)
            return;
        wxStopWatch watch;
        auto* first = dynamic_cast<VornBranchNode*>(top->GetBegin());
        const bool expand = first && !first->IsExpanded();
        for (int i = 0; i < top->GetSize(); ++i)
            if (auto* group = dynamic_cast<VornBranchNode*>(top->GetAtPos(i)))
                expand ? group->Expand() : group->Collapse();
        m_bigTree->RefreshTree();
        m_bigTree->Update();
        wxWindow::Update();
        ShowTiming(wxString::Format("%s %d groups in %ld ms", expand ? "expanded" : "collapsed", top->GetSize(),
                                    watch.Time()));
    }

    void Clear()
    {
        VornTreeNode* top = GetTree(m_bigTree);
        VornLeafNode* node = nullptr;
        while (top && top->RemoveFromEnd(node))
            delete node;
        m_bigBook.Forget();
        m_bigTree->RefreshTree();
    }

    void ShowTiming(const wxString& text)
    {
        m_timing->SetLabel(text);
        m_context.log->Note(text.ToStdString());
    }

    GalleryContext& m_context;
    NodeBook m_book;
    NodeBook m_bigBook;
    VornMainVUITreeControl* m_inspector = nullptr;
    VornMainVUITreeControl* m_bigTree = nullptr;
    VUITreeSlider* m_scale = nullptr;
    VUITreeMonsterBox* m_lights = nullptr;
    VornBranchNode* m_transform = nullptr;
    VornBranchNode* m_display = nullptr;
    VUITreeCheckBox* m_visible = nullptr;
    wxStaticText* m_timing = nullptr;
};

} // namespace

wxWindow* BuildTreePage(wxWindow* parent, GalleryContext& context) { return new TreePage(parent, context); }

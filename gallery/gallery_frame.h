#pragma once
// The gallery's main window: one notebook page per control family, a live log of every
// update below them, and host-side controls on each page to drive the controls.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <wx/dc.h>
#include <wx/frame.h>
#include <wx/listbox.h>
#include <wx/notebook.h>

#include <vorn/framework/control_group.h>

#include "event_log.h"

namespace vorn {
class AssetManager;
}

// What every page builder gets from the frame.
struct GalleryContext {
    EventLog* log = nullptr;
    vorn::AssetManager* assets = nullptr; // null until the host loaded a skin
};

struct GalleryPage {
    std::string name; // also the screenshot file name
    std::function<wxWindow*(wxWindow* parent, GalleryContext& context)> build;
};

// A page that can show itself at work: before a screenshot the gallery asks it to
// drive its controls with synthetic mouse events, as a user would.
class GalleryDemo {
public:
    virtual ~GalleryDemo() = default;
    virtual void RunDemo() = 0;
};

// Every page the gallery shows, in order (pages.cpp).
std::vector<GalleryPage> AllGalleryPages();

class GalleryFrame : public wxFrame {
public:
    explicit GalleryFrame(const std::vector<GalleryPage>& pages, vorn::AssetManager* assets);
    ~GalleryFrame() override;

    size_t GetPageCount() const { return m_names.size(); }
    const std::string& GetPageName(size_t index) const { return m_names[index]; }
    void ShowPage(size_t index);
    // Runs the page's demo, when it has one.
    void RunPageDemo(size_t index);
    // Copies what the frame shows on screen into an image.
    wxImage Capture();

private:
    void ComposePopups(wxDC& shot);

    wxNotebook* m_book = nullptr;
    wxListBox* m_logPane = nullptr;
    std::unique_ptr<EventLog> m_log;
    GalleryContext m_context;
    std::vector<std::string> m_names;
};

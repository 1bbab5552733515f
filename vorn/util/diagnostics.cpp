#include <vorn/util/diagnostics.h>

#include <cstdarg>
#include <cstdio>
#include <vector>

#include <wx/app.h>
#include <wx/msgdlg.h>

namespace vorn {

namespace {
// The one process-wide seam of the library: hosts and tests replace these sinks.
DebugHook g_debugHook;
WarningHook g_warningHook;
bool g_debugToStderr = false;
} // namespace

void SetDebugHook(DebugHook hook) { g_debugHook = std::move(hook); }
void SetWarningHook(WarningHook hook) { g_warningHook = std::move(hook); }
void EnableDebugOutput(bool enable) { g_debugToStderr = enable; }
bool IsDebugOutputEnabled() { return g_debugToStderr; }

void dprintf(const char* format, ...)
{
    if (!g_debugHook && !g_debugToStderr)
        return; // nobody listens: skip the formatting
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    std::string text;
    if (length > 0) {
        std::vector<char> buffer(static_cast<size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        text.assign(buffer.data(), static_cast<size_t>(length));
    }
    va_end(args);
    if (g_debugHook)
        g_debugHook(text);
    else
        std::fputs(text.c_str(), stderr);
}

void WarningMessage(const std::string& title, const std::string& text)
{
    if (g_warningHook) {
        g_warningHook(title, text);
        return;
    }
    // wxTheApp would claim a GUI application; a console host's instance is only a wxAppConsole.
    const wxAppConsole* app = wxAppConsole::GetInstance();
    if (app && app->IsMainLoopRunning()) {
        wxMessageBox(wxString::FromUTF8(text.c_str()), wxString::FromUTF8(title.c_str()),
                     wxOK | wxICON_WARNING);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

} // namespace vorn

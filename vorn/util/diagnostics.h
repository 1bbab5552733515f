#pragma once
// Diagnostics: free-form debug lines and user-visible warnings, with one replaceable
// sink each. Hosts and tests install hooks; an empty function restores the default.
//
// Defaults: debug text is dropped unless EnableDebugOutput(true) sends it to stderr;
// a warning shows a message box while a GUI event loop runs and goes to stderr otherwise.
#include <functional>
#include <string>

namespace vorn {

/// Receives each formatted debug text.
using DebugHook = std::function<void(const std::string& text)>;
/// Receives each warning's title and text.
using WarningHook = std::function<void(const std::string& title, const std::string& text)>;

/// Sends debug text to the hook; an empty function restores the default sink.
void SetDebugHook(DebugHook hook);
/// Sends warnings to the hook; an empty function restores the default sink.
void SetWarningHook(WarningHook hook);

/// Switches the default debug sink between dropping the text and writing it to stderr.
void EnableDebugOutput(bool enable);
/// True when the default debug sink writes to stderr.
bool IsDebugOutputEnabled();

/// printf-style debug output; formats end in a newline where one is wanted.
/// Inside the library the call always resolves here: POSIX's ::dprintf takes a file
/// descriptor first, so a format string never matches it. Code outside namespace vorn
/// that sees both names writes vorn::dprintf.
void dprintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

/// Shows a warning to the user; returns when it has been seen.
void WarningMessage(const std::string& title, const std::string& text);

} // namespace vorn

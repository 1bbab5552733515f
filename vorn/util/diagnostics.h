#pragma once
// Diagnostics: free-form debug lines and user-visible warnings, with one replaceable
// sink each. Hosts and tests install hooks; an empty function restores the default.
//
// Defaults: debug text is dropped unless EnableDebugOutput(true) sends it to stderr;
// a warning shows a message box while a GUI event loop runs and goes to stderr otherwise.
#include <functional>
#include <string>

namespace vorn {

using DebugHook = std::function<void(const std::string& text)>;
using WarningHook = std::function<void(const std::string& title, const std::string& text)>;

void SetDebugHook(DebugHook hook);
void SetWarningHook(WarningHook hook);

// The documented switch for the default debug sink.
void EnableDebugOutput(bool enable);
bool IsDebugOutputEnabled();

// printf-style debug output; formats end in a newline where one is wanted.
void dprintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Shows a warning to the user; returns when it has been seen.
void WarningMessage(const std::string& title, const std::string& text);

} // namespace vorn

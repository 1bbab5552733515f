// Sanitizer defaults compiled into the test binaries: fontconfig and the accessibility
// bus keep caches for the life of the process, which LeakSanitizer would report.
#define VORN_SAN_HOOK extern "C" __attribute__((visibility("default"), used))
VORN_SAN_HOOK const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n"
           "leak:libatk-bridge-2.0.so\n"
           "leak:libatspi.so\n";
}
VORN_SAN_HOOK const char* __asan_default_options() { return "detect_leaks=1:check_initialization_order=1"; }
VORN_SAN_HOOK const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

#include <vorn/framework/hint_text.h>

#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

#include <vorn/framework/hints.h>

std::string HintClassName(const VornControlHint& hint)
{
    const char* mangled = typeid(hint).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                     std::free);
    return status == 0 && demangled ? std::string(demangled.get()) : std::string(mangled);
}

std::string DescribeHint(const VornControlHint* hint)
{
    if (!hint)
        return "null";
    const std::string name = HintClassName(*hint);
    if (auto* m = dynamic_cast<const IntValMessage*>(hint))
        return name + " " + std::to_string(m->value);
    if (auto* m = dynamic_cast<const RealValMessage*>(hint)) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%g", m->value);
        return name + " " + buf;
    }
    if (auto* m = dynamic_cast<const StringValMessage*>(hint))
        return name + " \"" + m->value + "\"";
    return name;
}

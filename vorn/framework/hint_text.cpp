#include <vorn/framework/hint_text.h>

#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

#include <vorn/framework/hints.h>

namespace vorn {

std::string HintClassName(const VornControlHint& hint)
{
    const char* mangled = typeid(hint).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                     std::free);
    std::string name = status == 0 && demangled ? std::string(demangled.get()) : std::string(mangled);
    // The library's own hints read without their namespace; a host's keep theirs.
    static const std::string ownPrefix = "vorn::";
    if (name.compare(0, ownPrefix.size(), ownPrefix) == 0)
        name.erase(0, ownPrefix.size());
    return name;
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

} // namespace vorn

#pragma once
// The one cache shape the asset manager uses for every kind of loaded object: one
// owned copy per key, exactly as the caller spelled it.
#include <map>
#include <memory>
#include <string>

namespace vorn::detail {

template <class T>
class TypedCache {
public:
    // The cached object of the key, or the one `make()` returns (a unique_ptr<T>, null
    // when loading failed: nothing is cached then, so the next call tries again).
    template <class Make>
    const T* FindOrMake(const char* name, Make make)
    {
        std::string key = name ? name : "";
        const auto found = m_items.find(key);
        if (found != m_items.end())
            return found->second.get();
        std::unique_ptr<T> made = make();
        if (!made)
            return nullptr;
        // `make` may have cached other keys (a script loading pictures), never this one:
        // a script cannot use itself.
        return m_items.emplace(std::move(key), std::move(made)).first->second.get();
    }
    void Clear() { m_items.clear(); }
    size_t Size() const { return m_items.size(); }

private:
    std::map<std::string, std::unique_ptr<T>> m_items;
};

// A fresh T loaded by `load(T&)`, or null when the load failed.
template <class T, class Load>
std::unique_ptr<T> MakeLoaded(Load load)
{
    auto made = std::make_unique<T>();
    if (!load(*made))
        made.reset();
    return made;
}

} // namespace vorn::detail

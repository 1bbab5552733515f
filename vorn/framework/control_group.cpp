#include <vorn/framework/control_group.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <sstream>

#include <vorn/framework/control.h>
#include <vorn/framework/on_off_control.h>
#include <vorn/framework/virtual_control.h>
#include <vorn/util/diagnostics.h>

namespace vorn {

namespace {

using IdIndex = std::unordered_multimap<const void*, unsigned int>;

template <class T>
bool Contains(const std::vector<T*>& list, T* p)
{
    return std::find(list.begin(), list.end(), p) != list.end();
}

template <class T>
bool RemoveFirst(std::vector<T*>& list, T* p)
{
    auto it = std::find(list.begin(), list.end(), p);
    if (it == list.end())
        return false;
    list.erase(it);
    return true;
}

// The same from the end: where the latest entries are looked for first.
template <class T>
bool RemoveLast(std::vector<T*>& list, T* p)
{
    auto it = std::find(list.rbegin(), list.rend(), p);
    if (it == list.rend())
        return false;
    list.erase(std::next(it).base());
    return true;
}

// The debug lines print pointers as 32-bit hex.
unsigned int AddressBits(const void* p)
{
    return static_cast<unsigned int>(reinterpret_cast<uintptr_t>(p));
}

std::string PointerText(const void* p)
{
    std::ostringstream out;
    out << p;
    return out.str();
}

template <class Map>
void DumpEntries(const Map& map)
{
    for (const auto& [key, entry] : map) {
        std::ostringstream line;
        line << "  ID = " << key << ", mce: id = " << entry.id << ", own = " << (entry.own ? 1 : 0)
             << ", control = " << PointerText(entry.control) << ", name = " << entry.name;
        dprintf("%s\n", line.str().c_str());
    }
}

// Drops every entry of an id map and every list element that points at p; nothing
// is deleted.
template <class Map, class T>
void Forget(Map& map, IdIndex& index, std::vector<T*>& list, T* p)
{
    const auto [first, last] = index.equal_range(p);
    for (auto at = first; at != last; ++at) {
        const auto it = map.find(at->second);
        if (it != map.end() && it->second.control == p)
            map.erase(it);
    }
    index.erase(first, last);
    list.erase(std::remove(list.begin(), list.end(), p), list.end());
}

// Drops the index entry of one (control, id) pair.
void Unindex(IdIndex& index, const void* control, unsigned int id)
{
    const auto [first, last] = index.equal_range(control);
    for (auto at = first; at != last; ++at)
        if (at->second == id) {
            index.erase(at);
            return;
        }
}

// Inserts an entry under a free id; a taken id or a null control changes nothing.
template <class Map, class Control>
void Insert(Map& map, IdIndex& index, unsigned int id, Control* control, bool own, std::string name)
{
    if (!control || map.count(id))
        return;
    index.emplace(control, id);
    typename Map::mapped_type entry;
    entry.id = static_cast<int>(id);
    entry.own = own;
    entry.control = control;
    entry.name = std::move(name);
    map.emplace(id, std::move(entry));
}

// Removes one map entry, clearing the control's group pointer when it names `group` and
// deleting an owned control unless keep is set.
template <class Map, class Control>
void Erase(VornControlGroup* group, Map& map, IdIndex& index, std::vector<Control*>& list,
           typename Map::iterator it, bool keep)
{
    auto& entry = it->second;
    Unindex(index, entry.control, it->first);
    if (entry.control && entry.control->GetGroup() == group)
        entry.control->SetGroup(nullptr);
    // The entry leaves the map first, so a destructor that calls back finds nothing.
    Control* doomed = (entry.own && !keep) ? entry.control : nullptr;
    map.erase(it);
    if (doomed) {
        // Its other ids and the list must not keep pointing at it once it is gone.
        Forget(map, index, list, doomed);
        delete doomed;
    }
}

// Every entry of the control, found through the index: a tree of thousands of rows
// deregisters each row without walking the whole map.
template <class Map, class Control>
void EraseAll(VornControlGroup* group, Map& map, IdIndex& index, std::vector<Control*>& list, Control* control,
              bool keep)
{
    if (!control)
        return;
    for (auto at = index.find(control); at != index.end(); at = index.find(control)) {
        const auto it = map.find(at->second);
        if (it == map.end() || it->second.control != control) {
            index.erase(at); // cannot happen while every change goes through here
            continue;
        }
        Erase(group, map, index, list, it, keep);
    }
}

// The first place of the control in a list without id.
template <class Control>
void RemoveListed(VornControlGroup* group, std::vector<Control*>& list, Control* control)
{
    if (!control)
        return;
    RemoveFirst(list, control);
    if (control->GetGroup() == group)
        control->SetGroup(nullptr);
}

// Visits the entries of an id map in ascending id while the callee may add or remove
// entries: each step looks up the first id above the last one visited.
template <class Map, class Fn>
void ForEachEntry(Map& map, Fn fn)
{
    auto it = map.begin();
    while (it != map.end()) {
        const unsigned int key = it->first;
        fn(key, it->second);
        it = map.upper_bound(key);
    }
}

} // namespace

VornControlGroup::~VornControlGroup()
{
    // Not through the virtual DeRegister: what derives from this group is gone already.
    while (!m_holders.empty()) {
        VornControlGroup* holder = m_holders.front();
        RemoveFirst(holder->m_groups, this);
        RemoveFirst(m_holders, holder);
    }
    Clear();
    // Controls refused for a taken id still name this group: they must not call it dead.
    for (VornControlGroup** slot : m_memberSlots)
        *slot = nullptr;
}

// ---- membership ----

void VornControlGroup::Link(VornControlGroup*& slot, VornControlGroup* group)
{
    if (slot == group)
        return;
    // Members mostly leave newest first (a host deletes its children from the last), and
    // a slot is listed once, so the search runs from the end.
    if (slot)
        RemoveLast(slot->m_memberSlots, &slot);
    slot = group;
    if (group)
        group->m_memberSlots.push_back(&slot);
}

template <class Control>
void VornControlGroup::Join(VornControlGroup*& slot, Control* control, VornControlGroup* group, unsigned int id)
{
    Link(slot, group);
    if (group)
        group->Register(id, control);
}

// Every entry and list place that names the control goes, whatever id it was registered
// under: a control refused for a taken id must not remove the control that holds it.
template <class Control>
void VornControlGroup::Leave(VornControlGroup*& slot, Control* control)
{
    VornControlGroup* group = slot;
    if (!group)
        return;
    group->DeRegister(control, true);
    while (group->CurrentlyRegistered(control))
        group->DeRegister(control);
    Link(slot, nullptr);
}

template void VornControlGroup::Join(VornControlGroup*&, VornControl*, VornControlGroup*, unsigned int);
template void VornControlGroup::Join(VornControlGroup*&, VirtualControl*, VornControlGroup*, unsigned int);
template void VornControlGroup::Leave(VornControlGroup*&, VornControl*);
template void VornControlGroup::Leave(VornControlGroup*&, VirtualControl*);

// ---- registration ----

void VornControlGroup::Register(MessageReceiver* receiver)
{
    if (!receiver)
        return;
    dprintf("VornControlGroup::Register(MessageReceiver* %x)\n", AddressBits(receiver));
    if (!CurrentlyRegistered(receiver))
        m_receivers.push_back(receiver);
}

void VornControlGroup::Register(VornControlGroup* group)
{
    if (!group || CurrentlyRegistered(group))
        return;
    m_groups.push_back(group);
    group->m_holders.push_back(this);
}

void VornControlGroup::Register(VirtualControl* control)
{
    if (control && !CurrentlyRegistered(control))
        m_virtualControls.push_back(control);
}

void VornControlGroup::Register(VornControl* control)
{
    if (control && !CurrentlyRegistered(control))
        m_controls.push_back(control);
}

void VornControlGroup::Register(unsigned int id, VirtualControl* control)
{
    Insert(m_virtualControlMap, m_idIndex, id, control, false, "NONAME");
}

void VornControlGroup::Register(unsigned int id, VornControl* control)
{
    Insert(m_controlMap, m_idIndex, id, control, false, "NONAME");
}

void VornControlGroup::Register(unsigned int id, VornControl* control, std::string name)
{
    Insert(m_controlMap, m_idIndex, id, control, false, std::move(name));
}

void VornControlGroup::RegisterOwner(unsigned int id, VirtualControl* control)
{
    Insert(m_virtualControlMap, m_idIndex, id, control, true, "NONAME");
}

void VornControlGroup::RegisterOwner(unsigned int id, VornControl* control)
{
    Insert(m_controlMap, m_idIndex, id, control, true, "NONAME");
}

void VornControlGroup::RegisterOwner(unsigned int id, VornControl* control, std::string name)
{
    Insert(m_controlMap, m_idIndex, id, control, true, std::move(name));
}

// ---- removal ----

void VornControlGroup::DeRegister(MessageReceiver* receiver)
{
    if (!receiver)
        return;
    dprintf("VornControlGroup::DeRegister(MessageReceiver* %x)\n", AddressBits(receiver));
    RemoveFirst(m_receivers, receiver);
}

void VornControlGroup::DeRegister(VornControlGroup* group)
{
    if (!group)
        return;
    if (RemoveFirst(m_groups, group))
        RemoveFirst(group->m_holders, this);
    if (group->m_parentGroup == this)
        group->m_parentGroup = nullptr;
}

void VornControlGroup::DeRegister(VirtualControl* control)
{
    RemoveListed(this, m_virtualControls, control);
}

void VornControlGroup::DeRegister(VornControl* control)
{
    RemoveListed(this, m_controls, control);
}

void VornControlGroup::DeRegister(unsigned int id, bool keep)
{
    auto it = m_controlMap.find(id);
    if (it != m_controlMap.end()) {
        Erase(this, m_controlMap, m_idIndex, m_controls, it, keep);
        return;
    }
    auto vit = m_virtualControlMap.find(id);
    if (vit != m_virtualControlMap.end())
        Erase(this, m_virtualControlMap, m_idIndex, m_virtualControls, vit, keep);
}

void VornControlGroup::DeRegister(VirtualControl* control, bool keep)
{
    EraseAll(this, m_virtualControlMap, m_idIndex, m_virtualControls, control, keep);
}

void VornControlGroup::DeRegister(VornControl* control, bool keep)
{
    EraseAll(this, m_controlMap, m_idIndex, m_controls, control, keep);
}

void VornControlGroup::Clear()
{
    std::vector<unsigned int> ids;
    for (const auto& [key, entry] : m_controlMap)
        if (entry.control)
            ids.push_back(entry.control->GetId());
    for (const auto& [key, entry] : m_virtualControlMap)
        if (entry.control)
            ids.push_back(static_cast<unsigned int>(entry.id));
    for (unsigned int id : ids)
        DeRegister(id, true);
    while (!m_controls.empty())
        DeRegister(m_controls.front());
    while (!m_virtualControls.empty())
        DeRegister(m_virtualControls.front());
    while (!m_groups.empty())
        DeRegister(m_groups.front());
    while (!m_receivers.empty())
        DeRegister(m_receivers.front());
    m_parentGroup = nullptr;
}

// ---- queries ----

bool VornControlGroup::CurrentlyRegistered(MessageReceiver* receiver) const
{
    return Contains(m_receivers, receiver);
}

bool VornControlGroup::CurrentlyRegistered(VornControlGroup* group) const
{
    return Contains(m_groups, group);
}

bool VornControlGroup::CurrentlyRegistered(VirtualControl* control) const
{
    return Contains(m_virtualControls, control);
}

bool VornControlGroup::CurrentlyRegistered(VornControl* control) const
{
    return Contains(m_controls, control);
}

bool VornControlGroup::IsEmpty() const
{
    return m_controlMap.empty() && m_virtualControlMap.empty() && m_controls.empty() &&
           m_virtualControls.empty() && m_groups.empty() && m_receivers.empty();
}

const VornControlEntry* VornControlGroup::FindControlEntry(unsigned int id) const
{
    auto it = m_controlMap.find(id);
    return it == m_controlMap.end() ? nullptr : &it->second;
}

const VirtualControlEntry* VornControlGroup::FindVirtualControlEntry(unsigned int id) const
{
    auto it = m_virtualControlMap.find(id);
    return it == m_virtualControlMap.end() ? nullptr : &it->second;
}

void VornControlGroup::SetGroup(VornControlGroup* parent)
{
    m_parentGroup = parent;
    if (parent)
        parent->Register(this);
}

void VornControlGroup::Bind(VornControlGroup* parent)
{
    SetGroup(parent);
}

// ---- routing ----

void VornControlGroup::Update(unsigned int id, VornControl* control, VornControlHint* hint)
{
    ForEachEntry(m_controlMap, [&](unsigned int, VornControlEntry& entry) {
        if (entry.control)
            entry.control->OnUpdate(id, control, hint);
    });
    // Walked by index with the length read at every step: callees may register or
    // remove entries while the update runs.
    for (size_t i = 0; i < m_controls.size(); ++i)
        m_controls[i]->OnUpdate(id, control, hint);
    for (size_t i = 0; i < m_virtualControls.size(); ++i)
        m_virtualControls[i]->OnUpdate(id, control, hint);
    for (size_t i = 0; i < m_groups.size(); ++i)
        m_groups[i]->Update(id, control, hint);
    for (size_t i = 0; i < m_receivers.size(); ++i)
        m_receivers[i]->OnMessage(id, control, hint);
}

void VornControlGroup::SetEnableAll(void* from, bool enable, VornControlHint* hint)
{
    ForEachEntry(m_controlMap, [&](unsigned int, VornControlEntry& entry) {
        if (entry.control) {
            entry.control->SetEnabled(enable);
            entry.control->Refresh(false);
        }
    });
    ForEachEntry(m_virtualControlMap, [&](unsigned int, VirtualControlEntry& entry) {
        if (entry.control) {
            entry.control->SetEnabled(enable);
            entry.control->Refresh(false);
        }
    });
    for (size_t i = 0; i < m_controls.size(); ++i) {
        m_controls[i]->SetEnabled(enable);
        m_controls[i]->Refresh(false);
    }
    for (size_t i = 0; i < m_virtualControls.size(); ++i) {
        m_virtualControls[i]->SetEnabled(enable);
        m_virtualControls[i]->Refresh(false);
    }
    for (size_t i = 0; i < m_groups.size(); ++i)
        m_groups[i]->SetEnableAll(from, enable, hint);
}

void VornControlGroup::ShowAll(void*, bool show, VornControlHint* hint)
{
    ForEachEntry(m_controlMap, [&](unsigned int, VornControlEntry& entry) {
        if (entry.control)
            entry.control->Show(show);
    });
    ForEachEntry(m_virtualControlMap, [&](unsigned int, VirtualControlEntry& entry) {
        if (entry.control)
            entry.control->Show(show);
    });
    for (size_t i = 0; i < m_controls.size(); ++i)
        m_controls[i]->Show(show);
    for (size_t i = 0; i < m_virtualControls.size(); ++i)
        m_virtualControls[i]->Show(show);
    for (size_t i = 0; i < m_groups.size(); ++i)
        m_groups[i]->ShowAll(this, show, hint);
}

void VornControlGroup::SetEnableControl(unsigned int id, bool enable, VornControlHint*)
{
    auto enableButton = [enable](VornControl* control) {
        if (control && dynamic_cast<VornOnOffControl*>(control)) {
            control->SetEnabled(enable);
            control->Refresh(false);
        }
    };
    if (const VornControlEntry* entry = FindControlEntry(id))
        enableButton(entry->control);
    for (size_t i = 0; i < m_controls.size(); ++i)
        enableButton(m_controls[i]);
}

void VornControlGroup::SetOnControl(unsigned int id, bool on, VornControlHint*)
{
    auto switchButton = [on](VornControl* control) {
        if (auto* button = dynamic_cast<VornOnOffControl*>(control)) {
            button->SetOn(on);
            control->Refresh(false);
        }
    };
    if (const VornControlEntry* entry = FindControlEntry(id))
        switchButton(entry->control);
    for (size_t i = 0; i < m_controls.size(); ++i)
        switchButton(m_controls[i]);
    if (const VirtualControlEntry* entry = FindVirtualControlEntry(id)) {
        if (auto* button = dynamic_cast<VornOnOffControl*>(entry->control)) {
            button->SetOn(on);
            entry->control->Refresh(false);
        }
    }
}

void VornControlGroup::DumpTrace()
{
    dprintf("Current control group address is %x\n", AddressBits(this));
    dprintf(" Controls (%d):\n", static_cast<int>(m_controlMap.size()));
    DumpEntries(m_controlMap);
    dprintf(" Virtual Controls (%d):\n", static_cast<int>(m_virtualControlMap.size()));
    DumpEntries(m_virtualControlMap);
    dprintf(" Groups (%d):\n", static_cast<int>(m_groups.size()));
    for (VornControlGroup* group : m_groups)
        dprintf("%s\n", ("  Address = " + PointerText(group)).c_str());
}

} // namespace vorn

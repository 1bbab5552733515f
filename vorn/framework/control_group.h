#pragma once
// Control groups: the hub between controls and the host. A control reports to its group
// with Update(id, control, hint); the group passes it on, synchronously, to the controls
// registered by id (ascending), the controls and virtual controls registered without id,
// its sub-groups and the host's receivers. A group owns only what RegisterOwner gave it.
#include <map>
#include <string>
#include <vector>

namespace vorn {

class VornControl;
class VornControlHint;
class VirtualControl;

// The host's end of a group.
class MessageReceiver {
public:
    virtual void OnMessage(unsigned int id, VornControl* control, VornControlHint* hint) = 0;

protected:
    // Groups never delete receivers.
    ~MessageReceiver() = default;
};

struct VornControlEntry {
    int id = 0;
    bool own = false;
    VornControl* control = nullptr;
    std::string name = "NONAME";
};

struct VirtualControlEntry {
    int id = 0;
    bool own = false;
    VirtualControl* control = nullptr;
    std::string name = "NONAME";
};

class VornControlGroup {
public:
    VornControlGroup() = default;
    VornControlGroup(const VornControlGroup&) = delete;
    VornControlGroup& operator=(const VornControlGroup&) = delete;
    virtual ~VornControlGroup();

    // `from` is only passed on; ShowAll passes itself to its sub-groups.
    virtual void ShowAll(void* from, bool show, VornControlHint* hint);
    virtual void SetOnControl(unsigned int id, bool on, VornControlHint* hint);
    virtual void SetEnableAll(void* from, bool enable, VornControlHint* hint);
    virtual void SetEnableControl(unsigned int id, bool enable, VornControlHint* hint);
    virtual void Update(unsigned int id, VornControl* control, VornControlHint* hint);

    // Notifications from controls; nothing happens here, subclasses listen.
    virtual void ControlSelected(unsigned int, VirtualControl*) {}
    virtual void ControlSelected(unsigned int, VornControl*) {}
    virtual void ControlUnSelected(unsigned int, VirtualControl*) {}
    virtual void ControlUnSelected(unsigned int, VornControl*) {}
    virtual void ControlDoubleClick(unsigned int, VirtualControl*) {}
    virtual void ControlDoubleClick(unsigned int, VornControl*) {}

    virtual void Register(MessageReceiver* receiver);
    virtual void Register(VornControlGroup* group);
    virtual void Register(VirtualControl* control);
    virtual void Register(VornControl* control);
    virtual void Register(unsigned int id, VirtualControl* control);
    virtual void Register(unsigned int id, VornControl* control);
    virtual void Register(unsigned int id, VornControl* control, std::string name);
    virtual void RegisterOwner(unsigned int id, VirtualControl* control);
    virtual void RegisterOwner(unsigned int id, VornControl* control);
    virtual void RegisterOwner(unsigned int id, VornControl* control, std::string name);

    virtual void DeRegister(MessageReceiver* receiver);
    virtual void DeRegister(VornControlGroup* group);
    virtual void DeRegister(VirtualControl* control);
    virtual void DeRegister(VornControl* control);
    // keep true: remove the entry but never delete the control.
    virtual void DeRegister(unsigned int id, bool keep);
    virtual void DeRegister(VirtualControl* control, bool keep);
    virtual void DeRegister(VornControl* control, bool keep);

    // Empties the group without deleting anything, owned or not.
    virtual void Clear();
    virtual void DumpTrace();

    // Search only the lists of things registered without id.
    bool CurrentlyRegistered(MessageReceiver* receiver) const;
    bool CurrentlyRegistered(VornControlGroup* group) const;
    bool CurrentlyRegistered(VirtualControl* control) const;
    bool CurrentlyRegistered(VornControl* control) const;
    bool IsEmpty() const;

    // The entry registered under an id, or null.
    const VornControlEntry* FindControlEntry(unsigned int id) const;
    const VirtualControlEntry* FindVirtualControlEntry(unsigned int id) const;

    VornControlGroup* GetGroup() const { return m_parentGroup; }
    // Stores the parent group and registers this group as its sub-group.
    void SetGroup(VornControlGroup* parent);
    void Bind(VornControlGroup* parent);

protected:
    VornControlGroup* m_parentGroup = nullptr;
    std::map<unsigned int, VornControlEntry> m_controlMap;
    std::map<unsigned int, VirtualControlEntry> m_virtualControlMap;
    std::vector<VornControl*> m_controls;
    std::vector<VirtualControl*> m_virtualControls;
    std::vector<VornControlGroup*> m_groups;
    std::vector<MessageReceiver*> m_receivers;

private:
    friend class VornControl;
    friend class VirtualControl;
    // Everything whose group pointer names this group, registered or not (a taken id
    // refuses a control that still names the group); kept up to date by the controls.
    std::vector<VornControl*> m_members;
    std::vector<VirtualControl*> m_virtualMembers;
    void SetMember(VornControl* control, bool member);
    void SetMember(VirtualControl* control, bool member);

    void InsertControl(unsigned int id, VornControl* control, bool own, std::string name);
    void InsertVirtualControl(unsigned int id, VirtualControl* control, bool own);
    // Removes one map entry, deleting an owned control unless keep is set.
    void EraseControlEntry(std::map<unsigned int, VornControlEntry>::iterator it, bool keep);
    void EraseVirtualControlEntry(std::map<unsigned int, VirtualControlEntry>::iterator it, bool keep);
};

// Exactly one control of the group is on: the chosen button switches the others off.
class VornControlGroup1ofN : public VornControlGroup {
public:
    void SetOnControl(unsigned int id, bool on, VornControlHint* hint) override;
    // Every button registered by id except the chosen one gets SetOn(on); the chosen
    // one becomes the selection and keeps its own state.
    void SetOnAll(VornControl* chosen, bool on, VornControlHint* hint);
    void SetOnAll(VirtualControl* chosen, bool on, VornControlHint* hint);
    int GetSelected() const { return m_selected; }

protected:
    int m_selected = 0;
};

// A group that also hears of drags and shape changes (value controls send them).
class VornControlGroupValue : public VornControlGroup {
public:
    virtual void ControlDrag(unsigned int, VornControl*) {}
    virtual void ControlShapeChanged(unsigned int, VornControl*) {}
};

// Both at once. Each base keeps its own complete set of registrations; removal by id
// always acts on the value part, whichever base it is called through.
class VornValueControlGroup1ofN : public VornControlGroup1ofN, public VornControlGroupValue {
public:
    void DeRegister(unsigned int id, bool keep) override;
};

// Passes a child control's selection, drag and shape notifications on to the group of
// the parent control, in the parent's name. Updates are routed here as in any group.
class ChildToParentControlGroup : public VornControlGroupValue {
public:
    ChildToParentControlGroup() = default;
    explicit ChildToParentControlGroup(VornControl* parent) : m_parentControl(parent) {}

    using VornControlGroupValue::ControlSelected;
    using VornControlGroupValue::ControlUnSelected;
    void ControlSelected(unsigned int id, VornControl* control) override;
    void ControlUnSelected(unsigned int id, VornControl* control) override;
    void ControlDrag(unsigned int id, VornControl* control) override;
    void ControlShapeChanged(unsigned int id, VornControl* control) override;

    VornControl* GetParentControl() const { return m_parentControl; }

protected:
    VornControl* m_parentControl = nullptr;
};

} // namespace vorn

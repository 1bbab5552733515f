#pragma once
// Control groups: the hub between controls and the host. A control reports to its group
// with Update(id, control, hint); the group passes it on, synchronously, to the controls
// registered by id (ascending), the controls and virtual controls registered without id,
// its sub-groups and the host's receivers. A group owns only what RegisterOwner gave it.
//
// Lifetimes: whichever of a group and its members goes first, nothing is left pointing at
// it. A dying control leaves every list and map of its group; a dying group nulls the
// group pointer of every control that names it and leaves the lists of the groups that
// hold it as a sub-group.
#include <map>
#include <unordered_map>
#include <string>
#include <vector>

namespace vorn {

class VornControl;
class VornControlHint;
class VirtualControl;

/// The host's end of a group: hears every update routed through it.
class MessageReceiver {
public:
    /// An update of control `control` under `id`; the hint lives only for the call.
    virtual void OnMessage(unsigned int id, VornControl* control, VornControlHint* hint) = 0;

protected:
    // Groups never delete receivers.
    ~MessageReceiver() = default;
};

/// A control registered under an id.
struct VornControlEntry {
    int id = 0; ///< The id it is registered under.
    bool own = false; ///< The group deletes the control on removal.
    VornControl* control = nullptr; ///< The control (owned only when `own` is set).
    std::string name = "NONAME"; ///< A name for diagnostics.
};

/// A virtual control registered under an id.
struct VirtualControlEntry {
    int id = 0; ///< The id it is registered under.
    bool own = false; ///< The group deletes the control on removal.
    VirtualControl* control = nullptr; ///< The virtual control (owned only when `own` is set).
    std::string name = "NONAME"; ///< A name for diagnostics.
};

/// Routes updates between controls, sub-groups and host receivers.
class VornControlGroup {
public:
    /// An empty group without parent.
    VornControlGroup() = default;
    VornControlGroup(const VornControlGroup&) = delete;
    VornControlGroup& operator=(const VornControlGroup&) = delete;
    /// Leaves the groups holding this one, empties it and unhooks the controls naming it.
    virtual ~VornControlGroup();

    /// Shows or hides every control; `from` is only passed on (sub-groups get this group).
    virtual void ShowAll(void* from, bool show, VornControlHint* hint);
    /// Switches the buttons under `id` and the listed buttons on or off.
    virtual void SetOnControl(unsigned int id, bool on, VornControlHint* hint);
    /// Enables or disables every control, virtual control and sub-group.
    virtual void SetEnableAll(void* from, bool enable, VornControlHint* hint);
    /// Enables or disables the button under `id` and every listed button.
    virtual void SetEnableControl(unsigned int id, bool enable, VornControlHint* hint);
    /// Passes an update to everything registered, in the fixed routing order.
    virtual void Update(unsigned int id, VornControl* control, VornControlHint* hint);

    // Notifications from controls; nothing happens here, subclasses listen.
    /// A virtual control was selected.
    virtual void ControlSelected(unsigned int, VirtualControl*) {}
    /// A control was selected (pressed, grabbed).
    virtual void ControlSelected(unsigned int, VornControl*) {}
    /// A virtual control was let go.
    virtual void ControlUnSelected(unsigned int, VirtualControl*) {}
    /// A control was let go.
    virtual void ControlUnSelected(unsigned int, VornControl*) {}
    /// A virtual control was double-clicked.
    virtual void ControlDoubleClick(unsigned int, VirtualControl*) {}
    /// A control was double-clicked.
    virtual void ControlDoubleClick(unsigned int, VornControl*) {}

    /// Adds a host receiver (once).
    virtual void Register(MessageReceiver* receiver);
    /// Adds a sub-group (once).
    virtual void Register(VornControlGroup* group);
    /// Adds a virtual control to the list without id (once).
    virtual void Register(VirtualControl* control);
    /// Adds a control to the list without id (once).
    virtual void Register(VornControl* control);
    /// Registers a virtual control under a free id.
    virtual void Register(unsigned int id, VirtualControl* control);
    /// Registers a control under a free id.
    virtual void Register(unsigned int id, VornControl* control);
    /// Registers a named control under a free id.
    virtual void Register(unsigned int id, VornControl* control, std::string name);
    /// Registers a virtual control under a free id; the group deletes it on removal.
    virtual void RegisterOwner(unsigned int id, VirtualControl* control);
    /// Registers a control under a free id; the group deletes it on removal.
    virtual void RegisterOwner(unsigned int id, VornControl* control);
    /// Registers a named control under a free id; the group deletes it on removal.
    virtual void RegisterOwner(unsigned int id, VornControl* control, std::string name);

    /// Removes a host receiver.
    virtual void DeRegister(MessageReceiver* receiver);
    /// Removes a sub-group and clears its parent when that is this group.
    virtual void DeRegister(VornControlGroup* group);
    /// Removes a virtual control from the list without id.
    virtual void DeRegister(VirtualControl* control);
    /// Removes a control from the list without id.
    virtual void DeRegister(VornControl* control);
    /// Removes the entry under `id`; keep true: remove the entry but never delete the control.
    virtual void DeRegister(unsigned int id, bool keep);
    /// Removes every id entry of a virtual control (deleting it when owned and not kept).
    virtual void DeRegister(VirtualControl* control, bool keep);
    /// Removes every id entry of a control (deleting it when owned and not kept).
    virtual void DeRegister(VornControl* control, bool keep);

    /// Empties the group without deleting anything, owned or not.
    virtual void Clear();
    /// Writes the id maps and sub-groups as debug lines.
    virtual void DumpTrace();

    // Search only the lists of things registered without id.
    /// True when the receiver is registered.
    bool CurrentlyRegistered(MessageReceiver* receiver) const;
    /// True when the group is a sub-group of this one.
    bool CurrentlyRegistered(VornControlGroup* group) const;
    /// True when the virtual control is in the list without id.
    bool CurrentlyRegistered(VirtualControl* control) const;
    /// True when the control is in the list without id.
    bool CurrentlyRegistered(VornControl* control) const;
    /// True when no map or list holds anything.
    bool IsEmpty() const;

    /// The entry registered under an id, or null.
    const VornControlEntry* FindControlEntry(unsigned int id) const;
    /// The virtual control entry registered under an id, or null.
    const VirtualControlEntry* FindVirtualControlEntry(unsigned int id) const;

    /// The parent group, or null.
    VornControlGroup* GetGroup() const { return m_parentGroup; }
    /// Stores the parent group and registers this group as its sub-group.
    void SetGroup(VornControlGroup* parent);
    /// The same as SetGroup.
    void Bind(VornControlGroup* parent);

protected:
    VornControlGroup* m_parentGroup = nullptr; ///< The parent group (not owned), or null.
    std::map<unsigned int, VornControlEntry> m_controlMap; ///< Controls registered by id.
    std::map<unsigned int, VirtualControlEntry> m_virtualControlMap; ///< Virtual controls registered by id.
    std::vector<VornControl*> m_controls; ///< Controls registered without id (not owned).
    std::vector<VirtualControl*> m_virtualControls; ///< Virtual controls registered without id (not owned).
    std::vector<VornControlGroup*> m_groups; ///< Sub-groups (not owned).
    std::vector<MessageReceiver*> m_receivers; ///< Host receivers (not owned).

private:
    friend class VornControl;
    friend class VirtualControl;
    /// The ids each control or virtual control is registered under, for deregistering
    /// without a walk of the maps.
    std::unordered_multimap<const void*, unsigned int> m_idIndex;

    // Membership, the same for real and virtual controls. `slot` is the control's own
    // group pointer: Link points it at `group` and lets the group know, so the group can
    // null it when it goes first (a taken id refuses a control that still names the
    // group). Join also registers under `id`; Leave removes every trace of the control.
    static void Link(VornControlGroup*& slot, VornControlGroup* group);
    template <class Control>
    static void Join(VornControlGroup*& slot, Control* control, VornControlGroup* group, unsigned int id);
    template <class Control>
    static void Leave(VornControlGroup*& slot, Control* control);

    std::vector<VornControlGroup**> m_memberSlots;
    // The groups whose sub-group list holds this one.
    std::vector<VornControlGroup*> m_holders;

};

/// Exactly one control of the group is on: the chosen button switches the others off.
class VornControlGroup1ofN : public VornControlGroup {
public:
    /// Switching a control on also makes it the selection.
    void SetOnControl(unsigned int id, bool on, VornControlHint* hint) override;
    /// Every button registered by id except the chosen one gets SetOn(on); the chosen
    /// one becomes the selection and keeps its own state.
    void SetOnAll(VornControl* chosen, bool on, VornControlHint* hint);
    /// The same over the virtual buttons registered by id.
    void SetOnAll(VirtualControl* chosen, bool on, VornControlHint* hint);
    /// The id of the chosen control (0 before any choice).
    int GetSelected() const { return m_selected; }

protected:
    int m_selected = 0; ///< The id of the chosen control; 0 before any choice.
};

/// A group that also hears of drags and shape changes (value controls send them).
class VornControlGroupValue : public VornControlGroup {
public:
    /// A control's value moved during a drag.
    virtual void ControlDrag(unsigned int, VornControl*) {}
    /// A control changed its shape.
    virtual void ControlShapeChanged(unsigned int, VornControl*) {}
};

/// Both at once. Each base keeps its own complete set of registrations; removal by id
/// always acts on the value part, whichever base it is called through.
class VornValueControlGroup1ofN : public VornControlGroup1ofN, public VornControlGroupValue {
public:
    /// Removes the entry under `id` from the value part.
    void DeRegister(unsigned int id, bool keep) override;
};

/// Passes a child control's selection, drag and shape notifications on to the group of
/// the parent control, in the parent's name. Updates are routed here as in any group.
class ChildToParentControlGroup : public VornControlGroupValue {
public:
    /// A group without parent control: forwards nothing.
    ChildToParentControlGroup() = default;
    /// A group forwarding to `parent`'s group (not owned).
    explicit ChildToParentControlGroup(VornControl* parent) : m_parentControl(parent) {}

    using VornControlGroupValue::ControlSelected;
    using VornControlGroupValue::ControlUnSelected;
    /// Tells the parent's group that the parent was selected.
    void ControlSelected(unsigned int id, VornControl* control) override;
    /// Tells the parent's group that the parent was let go.
    void ControlUnSelected(unsigned int id, VornControl* control) override;
    /// Tells the parent's value group that the parent is dragged.
    void ControlDrag(unsigned int id, VornControl* control) override;
    /// Tells the parent's value group that the parent changed shape.
    void ControlShapeChanged(unsigned int id, VornControl* control) override;

    /// The parent control, or null.
    VornControl* GetParentControl() const { return m_parentControl; }

protected:
    /// The parent control whose group hears of this one (not owned), or null.
    VornControl* m_parentControl = nullptr;
};

} // namespace vorn

#pragma once

#include "platform/core/component.h"
#include "platform/core/events.h"

#include <QString>
#include <memory>
#include <vector>

class TActionLink;
class TImageList;

// Actions gathered in a list that lends them its pictures.
class TActionList : public TComponent {
public:
    explicit TActionList(TComponent* AOwner) : TComponent(AOwner) {}
    TImageList* Images = nullptr;
};

// A command that controls share: its caption, hint, enabled, visible and checked states, group
// and picture follow every control linked to it, and a linked control's click executes it. A
// change reaches each link before the action stores it, so a link can tell whether its control
// still showed the old value.
class TCustomAction : public TComponent {
public:
    explicit TCustomAction(TComponent* AOwner) : TComponent(AOwner) {}
    ~TCustomAction() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& Value);
    QString Hint() const { return hint_; }
    void SetHint(const QString& Value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);
    bool Checked() const { return checked_; }
    void SetChecked(bool Value);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int Value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int Value);
    TActionList* ActionList = nullptr;

    TNotifyEvent OnExecute;
    // Fires OnExecute when the action is enabled and has it; true when it ran.
    bool Execute();

private:
    friend class TActionLink;
    template <typename T, typename Tell>
    void change(T& Field, const T& Value, Tell tell);

    QString caption_, hint_;
    bool enabled_ = true, visible_ = true, checked_ = false;
    int groupIndex_ = 0, imageIndex_ = -1;
    std::vector<TActionLink*> links_;
};

using TAction = TCustomAction;

// What ties a control to its action. The control's own link class passes each change on to
// the control where the change concerns it; the action being destroyed ends the link.
class TActionLink {
public:
    TActionLink() = default;
    TActionLink(const TActionLink&) = delete;
    TActionLink& operator=(const TActionLink&) = delete;
    virtual ~TActionLink();

    TCustomAction* Action() const { return action_; }
    void SetAction(TCustomAction* Value);
    // Executes the action; false without one.
    bool Execute() { return action_ && action_->Execute(); }

    // Each receives the new value while the action still holds the old one.
    virtual void SetCaption(const QString&) {}
    virtual void SetHint(const QString&) {}
    virtual void SetEnabled(bool) {}
    virtual void SetVisible(bool) {}
    virtual void SetChecked(bool) {}
    virtual void SetGroupIndex(int) {}
    virtual void SetImageIndex(int) {}
    // After any change has been stored.
    virtual void Changed() {}
    // The action is being destroyed: the link has none from now on.
    virtual void ActionFreed() {}

private:
    friend class TCustomAction;
    TCustomAction* action_ = nullptr;
};

class TControl;

// The link of a plain control: a new action gives the control its caption, hint, enabled and
// visible states; later the enabled and visible states always follow, the caption and hint
// only while the control still shows the action's old text.
class TControlActionLink : public TActionLink {
public:
    explicit TControlActionLink(TControl& Client) : FClient(Client) {}
    // Links Value and, when there is one, gives its states to the control.
    void Assign(TCustomAction* Value);

    void SetCaption(const QString& Value) override;
    void SetHint(const QString& Value) override;
    void SetEnabled(bool Value) override;
    void SetVisible(bool Value) override;

protected:
    TControl& FClient;
};

// Links Client to Value through Link, made as an L on demand; nullptr drops the link.
template <typename L, typename C>
void Set_Control_Action(std::unique_ptr<L>& Link, C& Client, TCustomAction* Value) {
    if (!Value) {
        Link.reset();
        return;
    }
    if (!Link) Link = std::make_unique<L>(Client);
    Link->Assign(Value);
}

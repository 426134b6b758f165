#include "platform/controls/action.h"

#include "platform/controls/control.h"

#include <algorithm>

TCustomAction::~TCustomAction() {
    const std::vector<TActionLink*> links = links_;
    for (TActionLink* link : links) {
        link->action_ = nullptr;
        link->ActionFreed();
    }
}

template <typename T, typename Tell>
void TCustomAction::change(T& Field, const T& Value, Tell tell) {
    if (Field == Value) return;
    const std::vector<TActionLink*> links = links_;
    for (TActionLink* link : links) tell(*link);
    Field = Value;
    for (TActionLink* link : links) link->Changed();
}

void TCustomAction::SetCaption(const QString& Value) {
    change(caption_, Value, [&](TActionLink& l) { l.SetCaption(Value); });
}
void TCustomAction::SetHint(const QString& Value) { change(hint_, Value, [&](TActionLink& l) { l.SetHint(Value); }); }
void TCustomAction::SetEnabled(bool Value) { change(enabled_, Value, [&](TActionLink& l) { l.SetEnabled(Value); }); }
void TCustomAction::SetVisible(bool Value) { change(visible_, Value, [&](TActionLink& l) { l.SetVisible(Value); }); }
void TCustomAction::SetChecked(bool Value) { change(checked_, Value, [&](TActionLink& l) { l.SetChecked(Value); }); }
void TCustomAction::SetGroupIndex(int Value) {
    change(groupIndex_, Value, [&](TActionLink& l) { l.SetGroupIndex(Value); });
}
void TCustomAction::SetImageIndex(int Value) {
    change(imageIndex_, Value, [&](TActionLink& l) { l.SetImageIndex(Value); });
}

bool TCustomAction::Execute() {
    if (!enabled_ || !OnExecute) return false;
    OnExecute(this);
    return true;
}

TActionLink::~TActionLink() { SetAction(nullptr); }

void TActionLink::SetAction(TCustomAction* Value) {
    if (action_ == Value) return;
    if (action_) {
        auto& links = action_->links_;
        links.erase(std::remove(links.begin(), links.end(), this), links.end());
    }
    action_ = Value;
    if (action_) action_->links_.push_back(this);
}

void TControlActionLink::Assign(TCustomAction* Value) {
    SetAction(Value);
    if (!Value) return;
    FClient.SetCaption(Value->Caption());
    FClient.SetHint(Value->Hint());
    FClient.SetEnabled(Value->Enabled());
    FClient.SetVisible(Value->Visible());
}

void TControlActionLink::SetCaption(const QString& Value) {
    if (FClient.Caption() == Action()->Caption()) FClient.SetCaption(Value);
}

void TControlActionLink::SetHint(const QString& Value) {
    if (FClient.Hint() == Action()->Hint()) FClient.SetHint(Value);
}

void TControlActionLink::SetEnabled(bool Value) { FClient.SetEnabled(Value); }
void TControlActionLink::SetVisible(bool Value) { FClient.SetVisible(Value); }

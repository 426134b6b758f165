#include "platform/core/component.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <typeinfo>
#if defined(__GNUG__)
#include <cxxabi.h>
#endif

QString TObject::ClassName() const {
    const char* mangled = typeid(*this).name();
    std::string name = mangled;
#if defined(__GNUG__)
    int status = 0;
    char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    if (status == 0 && demangled) name = demangled;
    std::free(demangled);
#endif
    const size_t scope = name.rfind("::");
    if (scope != std::string::npos) name.erase(0, scope + 2);
    return QString::fromStdString(name);
}

namespace {
void eraseValue(std::vector<TComponent*>& list, TComponent* value) {
    list.erase(std::remove(list.begin(), list.end(), value), list.end());
}
}  // namespace

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner) AOwner->insertComponent(this);
}

TComponent::~TComponent() {
    destroying_ = true;
    // Tell everyone who asked, then let go of them.
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        eraseValue(other->freeNotifies_, this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->removeComponent(this);
}

TComponent* TComponent::FindComponent(const QString& name) const {
    for (TComponent* c : components_)
        if (c->Name.compare(name, Qt::CaseInsensitive) == 0) return c;
    return nullptr;
}

void TComponent::FreeNotification(TComponent* AComponent) {
    if (!AComponent || AComponent == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), AComponent) == freeNotifies_.end()) {
        freeNotifies_.push_back(AComponent);
        AComponent->freeNotifies_.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
    if (!AComponent) return;
    eraseValue(freeNotifies_, AComponent);
    eraseValue(AComponent->freeNotifies_, this);
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* c = components_.back();
        components_.pop_back();
        c->owner_ = nullptr;
        delete c;
    }
}

void TComponent::insertComponent(TComponent* c) {
    c->owner_ = this;
    components_.push_back(c);
    Notification(c, opInsert);
}

void TComponent::removeComponent(TComponent* c) {
    eraseValue(components_, c);
    c->owner_ = nullptr;
    if (!destroying_) Notification(c, opRemove);
}

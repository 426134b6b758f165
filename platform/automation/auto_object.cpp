#include "platform/automation/auto_object.h"

OleVariant TAutoObject::Invoke(const QString& Member, TInvokeKind Kind, const TOleArgs& Args) {
    const auto it = members_.constFind(Member.toLower());
    if (it == members_.constEnd()) throw EOleError(QStringLiteral("Unknown name: %1").arg(Member));
    if (Kind == ikPut) {
        if (!it->Set || Args.empty()) throw EOleError(QStringLiteral("Property %1 is read-only").arg(Member));
        it->Set(Args.back());
        return {};
    }
    return it->Call(Args);
}

void TAutoObject::Method(const QString& Name, TMethod Call) { members_[Name.toLower()] = {std::move(Call), nullptr}; }

void TAutoObject::Property(const QString& Name, std::function<OleVariant()> Get, TSetter Set) {
    members_[Name.toLower()] = {[Get = std::move(Get)](const TOleArgs&) { return Get(); }, std::move(Set)};
}

void TAutoObject::NeedArgs(const QString& Member, const TOleArgs& Args, size_t Count) {
    if (Args.size() < Count) throw EOleError(QStringLiteral("Invalid number of parameters: %1").arg(Member));
}

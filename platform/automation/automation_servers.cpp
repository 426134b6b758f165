#include "platform/automation/automation_servers.h"

void TAutomationServers::Register(const QString& ProgID, TFactory Create) { factories_[ProgID.toLower()] = std::move(Create); }

void TAutomationServers::SetActive(const QString& ProgID, std::shared_ptr<IAutoDispatch> Object) {
    if (Object) active_[ProgID.toLower()] = std::move(Object);
    else active_.remove(ProgID.toLower());
}

OleVariant TAutomationServers::CreateOleObject(const QString& ProgID) const {
    const auto it = factories_.constFind(ProgID.toLower());
    std::shared_ptr<IAutoDispatch> object = it == factories_.constEnd() ? nullptr : (*it)();
    if (!object) throw EOleError(QStringLiteral("Invalid class string"));
    return object;
}

OleVariant TAutomationServers::GetActiveOleObject(const QString& ProgID) const {
    const auto it = active_.constFind(ProgID.toLower());
    if (it == active_.constEnd()) throw EOleError(QStringLiteral("Operation unavailable"));
    return *it;
}

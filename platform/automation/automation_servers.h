#pragma once

#include "platform/automation/ole_variant.h"

#include <QHash>
#include <functional>

// The automation servers a process can reach by ProgID (matched without regard to case): a
// factory that makes a new object, and the objects already running.
class TAutomationServers {
public:
    using TFactory = std::function<std::shared_ptr<IAutoDispatch>()>;

    void Register(const QString& ProgID, TFactory Create);
    // The object a running server offers to everyone who attaches.
    void SetActive(const QString& ProgID, std::shared_ptr<IAutoDispatch> Object);

    // A new object; EOleError "Invalid class string" when no server is registered for ProgID.
    OleVariant CreateOleObject(const QString& ProgID) const;
    // The running object; EOleError "Operation unavailable" when none runs.
    OleVariant GetActiveOleObject(const QString& ProgID) const;

private:
    QHash<QString, TFactory> factories_;
    QHash<QString, std::shared_ptr<IAutoDispatch>> active_;
};

#pragma once

#include "grid/stringgrid/data/exchange_fixture.h"
#include "platform/automation/scripted_automation.h"
#include "platform/office/database_server.h"
#include "platform/office/office_servers.h"
#include "platform/office/spreadsheet_server.h"
#include "platform/office/word_server.h"

// The exchange fixture's grid with automation servers of the test's own: none at first, then
// scripted objects that log every call, or this platform's real servers.
class OfficeFixture : public ExchangeFixture {
protected:
    std::shared_ptr<TScriptedAutoObject> scripted(const QString& ProgID, const QString& Name) {
        auto object = TScriptedAutoObject::Root(Name);
        servers.Register(ProgID, [object] { return object; });
        return object;
    }
    void realServers() {
        servers.Register(QStringLiteral("excel.application"), CreateSpreadsheetApplication);
        servers.Register(QStringLiteral("word.application"), CreateWordApplication);
        servers.Register(QStringLiteral("ADODB.Connection"), CreateDatabaseConnection);
        servers.Register(QStringLiteral("ADODB.RecordSet"), CreateDatabaseRecordSet);
    }
    static QString testdata(const char* Name) { return QStringLiteral(LW_TESTDATA "/") + QLatin1String(Name); }

    TAutomationServers servers;
    TOfficeServersOverride scope{servers};
};

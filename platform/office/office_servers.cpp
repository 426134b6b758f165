#include "platform/office/office_servers.h"

#include "platform/office/database_server.h"
#include "platform/office/spreadsheet_server.h"
#include "platform/office/word_server.h"

namespace {
TAutomationServers* current = nullptr;

TAutomationServers& builtIn() {
    static TAutomationServers servers = [] {
        TAutomationServers s;
        s.Register(QStringLiteral("excel.application"), CreateSpreadsheetApplication);
        s.Register(QStringLiteral("word.application"), CreateWordApplication);
        s.Register(QStringLiteral("ADODB.Connection"), CreateDatabaseConnection);
        s.Register(QStringLiteral("ADODB.RecordSet"), CreateDatabaseRecordSet);
        return s;
    }();
    return servers;
}
}  // namespace

TAutomationServers& OfficeServers() { return current ? *current : builtIn(); }

TOfficeServersOverride::TOfficeServersOverride(TAutomationServers& Servers) : previous_(current) { current = &Servers; }
TOfficeServersOverride::~TOfficeServersOverride() { current = previous_; }

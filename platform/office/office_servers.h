#pragma once

#include "platform/automation/automation_servers.h"

// The automation servers the grid's office exchange reaches: this platform's spreadsheet
// ("excel.application"), database ("ADODB.Connection", "ADODB.RecordSet") and word processor
// ("word.application"), none of them running until created. A test puts a set of its own in
// place for as long as a TOfficeServersOverride lives.
TAutomationServers& OfficeServers();

class TOfficeServersOverride {
public:
    explicit TOfficeServersOverride(TAutomationServers& Servers);
    ~TOfficeServersOverride();
    TOfficeServersOverride(const TOfficeServersOverride&) = delete;
    TOfficeServersOverride& operator=(const TOfficeServersOverride&) = delete;

private:
    TAutomationServers* previous_;
};

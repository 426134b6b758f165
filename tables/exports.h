#pragma once

#include <QString>

// The PROFIBUS GSD, SNMP MIB and BACnet EDE exports of the open configuration.
void Create_GSD_File();
void Create_MIB_File();
void Create_EDE_File(const QString& FileName);

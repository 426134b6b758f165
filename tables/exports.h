#pragma once

#include <QString>

class TFileDialog;

// The exports the main window's steps start, each for the open configuration.

// The PROFIBUS GSD file: asks for the file and writes it.
void Create_GSD_File();
// The SNMP MIB through the main window's MIB save dialog: asks for the file, asks before
// replacing one, and writes it.
void Create_MIB_File(TFileDialog& SaveMIB);
// The BACnet EDE file into FileName, chosen and confirmed by the caller.
void Create_EDE_File(const QString& FileName);

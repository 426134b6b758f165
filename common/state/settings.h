#pragma once

#include <QString>

class TXMLDocument;

// The program's own settings file in the program folder.
QString Settings_File();
// Reads the settings into the program state, each value on its own with its default.
void Read_Settings(TXMLDocument& xml);
// Writes the settings, replacing the file.
void Write_Settings(TXMLDocument& xml);

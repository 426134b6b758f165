#pragma once

#include <QByteArray>
#include <QString>

// The PROFIBUS device master data (GSD) of the gateway as a modular DP slave: input modules
// carry Input_Len bytes (the PROFINET side's output bytes), output modules Output_Len bytes, in
// modules of at most 64 bytes. Lines end in CR LF; every character is ASCII.
QByteArray GSD_File_Text(int Input_Len, int Output_Len);

// Replaces FileName with that text, or leaves it as it was and raises Exception when it
// cannot be written.
void Write_GSD_File(const QString& FileName, int Input_Len, int Output_Len);

// The name a chosen GSD file is saved under: ".gsd" is appended unless the name ends in it
// (any case).
QString GSD_File_Name(const QString& Chosen);

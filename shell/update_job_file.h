#pragma once

#include <QString>
#include <QStringList>

class TXMLDocument;

// The job file of the external updater: which files it loads into the device and where. The
// updater takes every instruction from it and gets no arguments.

// Exe_Dir + "Vivazova_Rorozi.xml".
QString Update_Job_File();

// The updater of the program folder: "Vivazova_Rorozi" or "Vivazova_Rorozi.exe", whichever
// exists (letter case ignored; the first when both do); the plain name when neither does.
QString Updater_Program();

// Fills XML (emptied first) with the job of this build's boot loader for the update option
// (0 firmware and configuration, 1 firmware, 2 configuration; any other: no load step).
void Build_Update_Job(TXMLDocument& XML, const QString& IP_Address, int Option, bool Read_Back);

// The files that job would load and that do not exist, in load order.
QStringList Update_Job_Missing_Files(int Option);

// The same in the layout of the older boot loader, which this build never writes.
void Build_Update_Job_Old(TXMLDocument& XML, const QString& IP_Address, int Option, bool Read_Back);

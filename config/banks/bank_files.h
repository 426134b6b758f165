#pragma once

#include "config/banks/bank_builder.h"

#include <QString>

// The update step calls Create_Bin and then Save_Bin, and opens the device dialog only when
// Save_Bin succeeds.

// The path of bank file Bank (1..3) in the project's bin folder.
QString Bank_File_Path(int Bank);

// Writes each bank file whole or not at all, in the order 1, 2, 3, stopping at the first that
// cannot be written; returns its path, with the system's reason in Reason when given, or ""
// when all three were written.
QString Write_Bin_Files(QString* Reason = nullptr);

// Runs Write_Bin_Files; a file that cannot be written is reported in an error box and the
// result is false.
bool Save_Bin();

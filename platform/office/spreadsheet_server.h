#pragma once

#include "platform/automation/ole_variant.h"

// The spreadsheet server of this platform: an application object with workbooks, sheets and
// ranges, whose workbooks are .xlsx files (legacy .xls files are read too). Members:
//   application: WorkBooks (Open, Add, Count, Item), ActiveWorkBook, ActiveSheet, ActiveCell
//                (Row, Column), Quit, Visible, DisplayAlerts
//   workbook:    WorkSheets and Sheets (Add, Count, Item; indexed from 1 or by name), Saved,
//                Save, SaveAs, Close, Name, FullName, ActiveSheet
//   sheet:       Name, UsedRange, Range (address), Rows, Cells (row, column), Activate
//   range:       Address, Value (a value, or an array for several cells), Row, Column, Count,
//                Cells (row, column)
// Numbers come as numbers, texts as texts and error cells as error values.
std::shared_ptr<IAutoDispatch> CreateSpreadsheetApplication();

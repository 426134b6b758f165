#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class TXMLDocument;

// The file of a table window: the root element, then a version comment at document level, and
// one "row" element per table row below the root with one attribute per data column, in
// column order, holding the cell text exactly (untrimmed).

struct TTable_Column {
    const char* Attribute;
    // The cell's text when a row of the file lacks the attribute; Required where a row may
    // not lack it.
    const char* Default;
    // Where set, a missing attribute takes what this answers for the row's cells read before
    // it, in place of Default.
    QString (*Row_Default)(const QStringList& Earlier) = nullptr;
};

// The Default of an attribute every row must have.
inline constexpr const char* Required = nullptr;

struct TTable_File {
    const char* Root;
    const char* Version;
    std::vector<TTable_Column> Columns;
    // The data rows of the window's table: the most a file may hold.
    int Rows;
    // The column (an index of Columns) whose emptiness ends the table.
    int Key;
};

// The files of the two server tables, read by their windows and by the bank builder.
extern const TTable_File IEC61850_Variables_File;
extern const TTable_File TLS_Known_Cert_File;

using TTable_Rows = std::vector<QStringList>;

// The rows of File, each with one text per column. The root is the document's first element;
// its child elements are the rows in order, other nodes are skipped. Throws Exception for a
// file that cannot be read or parsed. XML is left inactive.
TTable_Rows Read_Table_File(TXMLDocument& XML, const QString& File, const TTable_File& Shape);

// The first of Keys (from 0) that is empty, trimmed, while a later one is not: a row that
// would end the table before rows that follow it; -1 when there is none.
int First_Key_Gap(const QStringList& Keys);

// Writes Rows (one text per column each) as the whole new content of File, or nothing when it
// cannot: the old file then stays as it was and Exception is thrown. XML is left inactive.
void Write_Table_File(TXMLDocument& XML, const QString& File, const TTable_File& Shape, const TTable_Rows& Rows);

// A file of several tables: the root element, the version comment, and in the root one group
// element per table, in order, holding that table's "row" elements.
struct TTable_Group {
    const char* Name;
    std::vector<TTable_Column> Columns;
};
struct TTable_Groups_File {
    const char* Root;
    const char* Version;
    std::vector<TTable_Group> Groups;
};

struct TTable_Groups_Read {
    // One entry per group of the shape: its rows up to the first that lacks a required
    // attribute. A group missing from the file has no rows.
    std::vector<TTable_Rows> Rows;
    // Why reading stopped early or a group is missing; empty when every group and row was read.
    QString Error;
};

// The groups of File. Throws Exception for a file that cannot be read or parsed. XML is left
// inactive.
TTable_Groups_Read Read_Table_Groups(TXMLDocument& XML, const QString& File, const TTable_Groups_File& Shape);

// Writes Rows (one table per group, one text per column each) as the whole new content of
// File, or nothing when it cannot: the old file then stays as it was and Exception is thrown.
void Write_Table_Groups(TXMLDocument& XML, const QString& File, const TTable_Groups_File& Shape,
                        const std::vector<TTable_Rows>& Rows);

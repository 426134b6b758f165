// The grid's cells from an Access database through the database server's connection and
// record set objects.
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/office/office_calls.h"
#include "platform/office/office_servers.h"

#include <vector>

void TExStringGrid::LoadFromMDBTable(const QString& FileName, const QString& Table) {
    LoadFromMDBSQL(FileName, QStringLiteral("SELECT * FROM ") + Table);
}

void TExStringGrid::LoadFromMDBSQL(const QString& FileName, const QString& SQL) {
    TAutomationServers& servers = OfficeServers();
    OleVariant connection = servers.CreateOleObject(QStringLiteral("ADODB.Connection"));
    connection.Call(QStringLiteral("Open"), {QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};DBQ=") + FileName});
    OleVariant records = servers.CreateOleObject(QStringLiteral("ADODB.RecordSet"));
    records.Set(QStringLiteral("ActiveConnection"), connection);
    records.Call(QStringLiteral("Open"), {SQL});

    // Everything is read before the grid changes, so that a failure leaves it as it was.
    const int fields = records.Get(QStringLiteral("Fields")).Get(QStringLiteral("Count")).ToInt();
    QStringList names;
    if (FixedRows() > 0)
        for (int i = 0; i < fields; ++i) names << records.Get(QStringLiteral("Fields"), {i}).Get(QStringLiteral("Name")).ToString();
    const int recordCount = records.Get(QStringLiteral("RecordCount")).ToInt();
    std::vector<QStringList> rows;
    while (!records.Get(QStringLiteral("Eof")).ToBool()) {
        QStringList row;
        for (int i = 0; i < fields; ++i) {
            OleVariant field = records.Get(QStringLiteral("Fields"), {i});
            row << (field.Get(QStringLiteral("ActualSize")).ToInt() > 0 ? field.Get(QStringLiteral("Value")).ToString() : QString());
        }
        rows.push_back(row);
        records.Call(QStringLiteral("MoveNext"));
    }
    records.Call(QStringLiteral("Close"));
    connection.Call(QStringLiteral("Close"));

    SetColCount(fields + FixedCols());
    for (int i = 0; i < names.size(); ++i) LoadCell(i + FixedCols(), FixedRows() - 1, names[i]);
    if (recordCount > 0) SetRowCount(FixedRows() + recordCount);
    // A record count the driver does not report (-1) lets the grid grow row by row.
    int row = FixedRows();
    for (const QStringList& record : rows) {
        if (row >= RowCount()) SetRowCount(row + 1);
        for (int i = 0; i < fields; ++i) LoadCell(i + FixedCols(), row, record[i]);
        ++row;
    }
}

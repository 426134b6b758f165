#pragma once

#include "platform/automation/ole_variant.h"

// The database server of this platform, with the members of the classic data objects, on the
// system's ODBC driver manager (unixODBC; Qt's ODBC module needs statement calls that the
// mdbtools driver lacks):
//   connection: Open (connection string), Close, State
//   record set: ActiveConnection, Open (SQL text), Fields (Count, Item; each field Name,
//               ActualSize, Value), RecordCount, Eof, MoveNext, Close
// The connection string is handed to the ODBC driver manager, except that the Access driver's
// name ("Microsoft Access Driver (*.mdb)" and its "*.mdb, *.accdb" form) is replaced by the
// mdbtools ODBC driver, so that .mdb files are read on this platform. The records are read
// forwards only, so RecordCount is -1, as for a forward-only cursor.
std::shared_ptr<IAutoDispatch> CreateDatabaseConnection();
std::shared_ptr<IAutoDispatch> CreateDatabaseRecordSet();

// The connection string the driver manager gets for a connection string of the program.
QString OdbcConnectionString(const QString& ConnectionString);

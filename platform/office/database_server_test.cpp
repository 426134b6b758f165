#include "platform/office/database_server.h"

#include <gtest/gtest.h>

namespace {

TEST(DatabaseServer, TheAccessDriverNameMapsOntoTheMdbtoolsDriver) {
    for (const char* driver : {"{Microsoft Access Driver (*.mdb)}", "{Microsoft Access Driver (*.mdb, *.accdb)}"}) {
        const QString odbc = OdbcConnectionString(QStringLiteral("Driver=%1;DBQ=/data/plant.mdb").arg(QLatin1String(driver)));
        EXPECT_TRUE(odbc.startsWith(QLatin1String("DRIVER={"))) << odbc.toStdString();
        EXPECT_TRUE(odbc.contains(QLatin1String("mdbodbc"))) << odbc.toStdString();
        EXPECT_TRUE(odbc.endsWith(QLatin1String("};DBQ=/data/plant.mdb"))) << odbc.toStdString();
    }
    EXPECT_EQ(OdbcConnectionString(QStringLiteral("DSN=plant;UID=me")), "DSN=plant;UID=me");
}

TEST(DatabaseServer, RecordSetsNeedAnOpenConnection) {
    OleVariant connection(CreateDatabaseConnection());
    OleVariant records(CreateDatabaseRecordSet());
    EXPECT_THROW(connection.Call(QStringLiteral("Close")), EOleError);
    EXPECT_THROW(connection.Call(QStringLiteral("Open"), {"Driver={Microsoft Access Driver (*.mdb)};DBQ=/no/such.mdb"}), EOleError);
    records.Set(QStringLiteral("ActiveConnection"), connection);
    EXPECT_THROW(records.Call(QStringLiteral("Open"), {"SELECT 1"}), EOleError);
    EXPECT_THROW(records.Get(QStringLiteral("Eof")), EOleError);
}

}  // namespace

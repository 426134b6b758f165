#include "grid/stringgrid/office/office_fixture.h"

#include <QFile>

namespace {

class DatabaseExchange : public OfficeFixture {};

TEST_F(DatabaseExchange, ARecordSetWithoutACountGrowsTheGridRowByRow) {
    auto connection = scripted(QStringLiteral("ADODB.Connection"), QStringLiteral("Conn"));
    auto records = connection->Sibling(QStringLiteral("RS"));
    servers.Register(QStringLiteral("ADODB.RecordSet"), [records] { return records; });
    records->Child(QStringLiteral("Fields"))->Answer(QStringLiteral("Count"), 2);
    records->Answer(QStringLiteral("RecordCount"), -1);
    // Eight records of two fields; the second field of record 3 is null (no size).
    int record = 0;
    auto field = records->Sibling(QStringLiteral("Field"));
    int index = 0;
    records->AnswerWith(QStringLiteral("Fields"), [&](const TOleArgs& a) -> OleVariant {
        if (a.empty()) return std::shared_ptr<IAutoDispatch>(records->Child(QStringLiteral("Fields")));
        index = a[0].ToInt();
        return std::shared_ptr<IAutoDispatch>(field);
    });
    field->AnswerWith(QStringLiteral("Name"), [&](const TOleArgs&) { return OleVariant(index == 0 ? "ID" : "Name"); });
    field->AnswerWith(QStringLiteral("ActualSize"), [&](const TOleArgs&) { return OleVariant(record == 2 && index == 1 ? 0 : 4); });
    field->AnswerWith(QStringLiteral("Value"), [&](const TOleArgs&) {
        return index == 0 ? OleVariant(record + 1) : OleVariant(QStringLiteral("item %1").arg(record + 1));
    });
    records->AnswerWith(QStringLiteral("Eof"), [&](const TOleArgs&) { return OleVariant(record == 8); });
    records->AnswerWith(QStringLiteral("MoveNext"), [&](const TOleArgs&) {
        ++record;
        return OleVariant();
    });
    grid->SetCells(2, 3, "old");
    grid->LoadFromMDBTable(QStringLiteral("plant.mdb"), QStringLiteral("Devices"));

    const QStringList& log = connection->Log();
    EXPECT_EQ(log.mid(0, 6), QStringList({"Conn.Open(\"Driver={Microsoft Access Driver (*.mdb)};DBQ=plant.mdb\")",
                                          "RS.ActiveConnection=Conn", "RS.Open(\"SELECT * FROM Devices\")", "RS.Fields",
                                          "RS.Fields.Count", "RS.Fields(0)"}));
    EXPECT_EQ(log.mid(log.size() - 3), QStringList({"RS.Eof", "RS.Close", "Conn.Close"}));
    EXPECT_EQ(grid->ColCount(), 3);
    EXPECT_EQ(grid->RowCount(), 9);
    EXPECT_EQ(grid->Cells(1, 0) + u'|' + grid->Cells(2, 0), "ID|Name");
    EXPECT_EQ(grid->Cells(1, 1) + u'|' + grid->Cells(2, 1), "1|item 1");
    EXPECT_EQ(grid->Cells(2, 3), "");  // a null field
    EXPECT_EQ(grid->Cells(1, 8) + u'|' + grid->Cells(2, 8), "8|item 8");
}

TEST_F(DatabaseExchange, ATableOfAnAccessDatabaseLoadsThroughTheOdbcDriver) {
    realServers();
    // The driver reads forwards and reports no record count: the grid keeps its six rows.
    grid->LoadFromMDBTable(testdata("devices.mdb"), QStringLiteral("Devices"));
    EXPECT_EQ(cells(), QString::fromUtf8("5x6 1,0=ID|2,0=Rate|3,0=Name|4,0=Note|1,1=1|2,1=1.5|3,1=Pump|4,1=left side|1,2=2|2,2=0.25|3,2=Valve 2|"
                                         "1,3=3|2,3=-3|3,3=M\xC3\xBC" "ller & Co|4,3=\xC3\xA4rger, \"quoted\""));

    grid->LoadFromMDBSQL(testdata("devices.mdb"), QStringLiteral("SELECT Name FROM Devices WHERE ID = 2"));
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(grid->Cells(1, 0) + u'|' + grid->Cells(1, 1), "Name|Valve 2");

    // The clauses the driver takes, as the README lists them.
    const struct {
        const char* Sql;
        const char* Column;
    } accepted[] = {
        {"SELECT Name FROM Devices WHERE Rate > 0 AND ID < 3", "Pump|Valve 2|"},
        {"SELECT Name FROM Devices WHERE ID = 1 OR NOT ID <> 3", "Pump|M\xC3\xBCller & Co|"},
        {"SELECT Name FROM Devices WHERE Name LIKE 'P%'", "Pump||"},
        {"SELECT TOP 2 Name FROM Devices", "Pump|Valve 2|"},
        {"SELECT Name FROM Devices LIMIT 1", "Pump||"},
        {"SELECT COUNT(*) FROM Devices", "3||"},
    };
    for (const auto& a : accepted) {
        grid->ClearNormalCells();
        grid->LoadFromMDBSQL(testdata("devices.mdb"), QLatin1String(a.Sql));
        EXPECT_EQ(grid->Cells(1, 1) + u'|' + grid->Cells(1, 2) + u'|' + grid->Cells(1, 3), QString::fromUtf8(a.Column)) << a.Sql;
    }
}

TEST_F(DatabaseExchange, AMissingDatabaseOrABadQueryLeavesTheGrid) {
    realServers();
    grid->SetCells(1, 1, "before");
    const QString before = cells();
    EXPECT_EQ(messageOf([&] { grid->LoadFromMDBTable(folder.file(QStringLiteral("none.mdb")), QStringLiteral("Devices")); }),
              QStringLiteral("Could not find file '%1'.").arg(folder.file(QStringLiteral("none.mdb"))));
    for (const char* refused : {"SELECT * FROM Nowhere", "SELECT * FROM Devices ORDER BY Name", "SELECT Name FROM Devices GROUP BY Name"})
        EXPECT_EQ(messageOf([&] { grid->LoadFromMDBSQL(testdata("devices.mdb"), QLatin1String(refused)); }),
                  QStringLiteral("The query is not supported by the Access driver, or names a table or column the database does not "
                                 "have: %1").arg(QLatin1String(refused)));
    // A query that fails on a sound database gives the driver's own message.
    const QString bad = messageOf([&] { grid->LoadFromMDBSQL(testdata("devices.mdb"), QStringLiteral("SELECT * FROM Nowhere")); });
    EXPECT_FALSE(bad.contains(QLatin1String("Access database"))) << bad.toStdString();
    EXPECT_THROW(grid->LoadFromMDBTable(testdata("measures.xls"), QStringLiteral("Devices")), Exception);
    EXPECT_EQ(cells(), before);
}

TEST_F(DatabaseExchange, FilesThatAreNoReadableDatabaseAreNamedSo) {
    realServers();
    grid->SetCells(1, 1, "before");
    const QString before = cells();
    QFile source(testdata("devices.mdb"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray real = source.readAll();
    QByteArray garbled = real;
    for (qsizetype i = 2048; i < garbled.size(); i += 7) garbled[i] = char(0xA5);
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"text", "ID;Name\r\n1;Pump\r\n"},
        {"only the head", real.left(2048)},
        {"cut in half", real.left(real.size() / 2)},
        {"garbled pages", garbled},
    };
    for (const auto& c : cases) {
        const QString name = folder.write(QStringLiteral("damaged.mdb"), c.bytes);
        const QString message = messageOf([&] { grid->LoadFromMDBTable(name, QStringLiteral("Devices")); });
        EXPECT_TRUE(message.startsWith(QStringLiteral("'%1' is not a readable Access database").arg(name))) << c.what << ": " << message.toStdString();
        EXPECT_EQ(cells(), before) << c.what;
    }
}

}  // namespace

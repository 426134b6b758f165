#include "platform/office/database_server.h"

#include "platform/automation/auto_object.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace {

// The mdbtools ODBC driver by its file: it needs no entry in the driver manager's list. The
// wide-character build, as Qt's ODBC module speaks the wide calls.
QString mdbDriver() {
    const QStringList folders = {QStringLiteral("/usr/lib/x86_64-linux-gnu/odbc"), QStringLiteral("/usr/lib/aarch64-linux-gnu/odbc"),
                                 QStringLiteral("/usr/lib/odbc"), QStringLiteral("/usr/local/lib/odbc"), QStringLiteral("/usr/lib64/odbc")};
    for (const QString& folder : folders)
        for (const char* name : {"libmdbodbcW.so", "libmdbodbc.so"})
            if (QFileInfo::exists(folder + u'/' + QLatin1String(name))) return folder + u'/' + QLatin1String(name);
    return QStringLiteral("MDBTools");
}

bool isAccessDriver(QString Name) {
    Name = Name.trimmed();
    if (Name.startsWith(u'{') && Name.endsWith(u'}')) Name = Name.mid(1, Name.size() - 2);
    return Name.startsWith(QLatin1String("Microsoft Access Driver"), Qt::CaseInsensitive);
}

// A database opened through Qt SQL under a name of its own; removed with the last reference.
struct TConnection {
    QString Name;
    ~TConnection() {
        if (Name.isEmpty()) return;
        QSqlDatabase::database(Name, false).close();
        QSqlDatabase::removeDatabase(Name);
    }
    QSqlDatabase Database() const { return QSqlDatabase::database(Name, false); }
};

class TConnectionObject : public TAutoObject {
public:
    TConnectionObject() {
        Method(QStringLiteral("Open"), [this](const TOleArgs& a) {
            NeedArgs(QStringLiteral("Open"), a, 1);
            open(a[0].ToString(), Arg(a, 1).ToString(), Arg(a, 2).ToString());
            return OleVariant();
        });
        Method(QStringLiteral("Close"), [this](const TOleArgs&) {
            if (!connection_) throw EOleError(QStringLiteral("Operation is not allowed when the object is closed."));
            connection_.reset();
            return OleVariant();
        });
        Property(QStringLiteral("State"), [this] { return connection_ ? 1 : 0; });
    }
    std::shared_ptr<TConnection> Connection() const { return connection_; }

private:
    void open(const QString& ConnectionString, const QString& User, const QString& Password) {
        if (connection_) throw EOleError(QStringLiteral("Operation is not allowed when the object is open."));
        // The file is looked for first: the driver's own message for a missing file says little.
        for (const QString& part : ConnectionString.split(u';'))
            if (part.trimmed().startsWith(QLatin1String("DBQ="), Qt::CaseInsensitive)) {
                const QString file = part.trimmed().mid(4);
                if (!QFileInfo(file).isFile()) throw EOleError(QStringLiteral("Could not find file '%1'.").arg(file));
            }
        auto connection = std::make_shared<TConnection>();
        connection->Name = QStringLiteral("lw-ado-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), connection->Name);
        if (!db.isValid()) throw EOleError(QStringLiteral("The ODBC database driver is not installed"));
        db.setDatabaseName(OdbcConnectionString(ConnectionString));
        if (!db.open(User, Password)) throw EOleError(db.lastError().text());
        connection_ = std::move(connection);
    }

    std::shared_ptr<TConnection> connection_;
};

// ADO's type of the field's value: its byte count, 0 for null.
int64_t actualSize(const QVariant& v) {
    if (v.isNull()) return 0;
    switch (v.typeId()) {
    case QMetaType::QString: return v.toString().size() * 2;
    case QMetaType::QByteArray: return v.toByteArray().size();
    case QMetaType::Bool: return 2;
    case QMetaType::Int:
    case QMetaType::UInt: return 4;
    default: return 8;
    }
}

OleVariant fromQVariant(const QVariant& v) {
    if (v.isNull()) return OleVariant::Null();
    switch (v.typeId()) {
    case QMetaType::Bool: return v.toBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: return int64_t(v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: return v.toDouble();
    default: return v.toString();
    }
}

struct TCursor {
    std::shared_ptr<TConnection> Connection;  // kept open while the records are read
    QSqlQuery Query;
    QSqlRecord Record;
    bool Open = false;
};

class TFieldObject : public TAutoObject {
public:
    TFieldObject(std::shared_ptr<TCursor> Cursor, int Index) : cursor_(std::move(Cursor)), index_(Index) {
        Property(QStringLiteral("Name"), [this] { return cursor_->Record.fieldName(index_); });
        Property(QStringLiteral("Value"), [this] { return fromQVariant(current()); });
        Property(QStringLiteral("ActualSize"), [this] { return actualSize(current()); });
    }

private:
    QVariant current() {
        if (!cursor_->Open || !cursor_->Query.isValid())
            throw EOleError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
        return cursor_->Query.value(index_);
    }
    std::shared_ptr<TCursor> cursor_;
    int index_;
};

class TFieldsObject : public TAutoObject {
public:
    explicit TFieldsObject(std::shared_ptr<TCursor> Cursor) : cursor_(std::move(Cursor)) {
        Property(QStringLiteral("Count"), [this] { return cursor_->Record.count(); });
        Method(QStringLiteral("Item"), [this](const TOleArgs& a) {
            NeedArgs(QStringLiteral("Item"), a, 1);
            return item(a[0]);
        });
    }
    OleVariant item(const OleVariant& Key) {
        const int i = Key.Kind() == OleVariant::vkString ? cursor_->Record.indexOf(Key.ToString()) : Key.ToInt();
        if (i < 0 || i >= cursor_->Record.count())
            throw EOleError(QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal."));
        return std::shared_ptr<IAutoDispatch>(std::make_shared<TFieldObject>(cursor_, i));
    }

private:
    std::shared_ptr<TCursor> cursor_;
};

class TRecordSetObject : public TAutoObject {
public:
    TRecordSetObject() : cursor_(std::make_shared<TCursor>()) {
        Property(QStringLiteral("ActiveConnection"), [this] { return connectionObject_; },
                 [this](const OleVariant& v) { connectionObject_ = v; });
        Method(QStringLiteral("Open"), [this](const TOleArgs& a) {
            NeedArgs(QStringLiteral("Open"), a, 1);
            if (a.size() > 1 && a[1].IsObject()) connectionObject_ = a[1];
            open(a[0].ToString());
            return OleVariant();
        });
        Method(QStringLiteral("Fields"), [this](const TOleArgs& a) {
            needOpen();
            auto fields = std::make_shared<TFieldsObject>(cursor_);
            if (!a.empty()) return fields->item(a[0]);
            return OleVariant(std::shared_ptr<IAutoDispatch>(fields));
        });
        Property(QStringLiteral("RecordCount"), [this] {
            needOpen();
            return -1;
        });
        Property(QStringLiteral("Eof"), [this] {
            needOpen();
            return !cursor_->Query.isValid();
        });
        Method(QStringLiteral("MoveNext"), [this](const TOleArgs&) {
            needOpen();
            if (!cursor_->Query.isValid()) throw EOleError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
            if (!cursor_->Query.next() && cursor_->Query.lastError().isValid()) throw EOleError(cursor_->Query.lastError().text());
            return OleVariant();
        });
        Method(QStringLiteral("Close"), [this](const TOleArgs&) {
            needOpen();
            cursor_->Query = QSqlQuery();
            cursor_->Record = QSqlRecord();
            cursor_->Connection.reset();
            cursor_->Open = false;
            return OleVariant();
        });
    }

private:
    void needOpen() const {
        if (!cursor_->Open) throw EOleError(QStringLiteral("Operation is not allowed when the object is closed."));
    }
    void open(const QString& Sql) {
        if (cursor_->Open) throw EOleError(QStringLiteral("Operation is not allowed when the object is open."));
        auto* connection = connectionObject_.IsObject() ? dynamic_cast<TConnectionObject*>(&connectionObject_.Object()) : nullptr;
        if (!connection || !connection->Connection())
            throw EOleError(QStringLiteral("The connection cannot be used to perform this operation."));
        cursor_->Connection = connection->Connection();
        cursor_->Query = QSqlQuery(cursor_->Connection->Database());
        cursor_->Query.setForwardOnly(true);
        if (!cursor_->Query.exec(Sql)) {
            const QString error = cursor_->Query.lastError().text();
            cursor_->Query = QSqlQuery();
            cursor_->Connection.reset();
            throw EOleError(error);
        }
        cursor_->Record = cursor_->Query.record();
        cursor_->Query.next();
        cursor_->Open = true;
    }

    std::shared_ptr<TCursor> cursor_;
    OleVariant connectionObject_;
};

}  // namespace

QString OdbcConnectionString(const QString& ConnectionString) {
    QStringList parts;
    for (const QString& part : ConnectionString.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype eq = part.indexOf(u'=');
        if (eq > 0 && part.left(eq).trimmed().compare(QLatin1String("Driver"), Qt::CaseInsensitive) == 0 &&
            isAccessDriver(part.mid(eq + 1)))
            parts << QStringLiteral("DRIVER={%1}").arg(mdbDriver());
        else parts << part;
    }
    return parts.join(u';');
}

std::shared_ptr<IAutoDispatch> CreateDatabaseConnection() { return std::make_shared<TConnectionObject>(); }
std::shared_ptr<IAutoDispatch> CreateDatabaseRecordSet() { return std::make_shared<TRecordSetObject>(); }

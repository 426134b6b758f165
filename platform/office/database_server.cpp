#include "platform/office/database_server.h"

#include "platform/automation/auto_object.h"
#include "platform/office/odbc_connection.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The mdbtools ODBC driver by its file: it needs no entry in the driver manager's list.
QString mdbDriver() {
    const QStringList folders = {QStringLiteral("/usr/lib/x86_64-linux-gnu/odbc"), QStringLiteral("/usr/lib/aarch64-linux-gnu/odbc"),
                                 QStringLiteral("/usr/lib/odbc"), QStringLiteral("/usr/local/lib/odbc"), QStringLiteral("/usr/lib64/odbc")};
    for (const QString& folder : folders)
        for (const char* name : {"libmdbodbcW.so", "libmdbodbc.so"})
            if (QFileInfo::exists(folder + u'/' + QLatin1String(name))) return folder + u'/' + QLatin1String(name);
    return QStringLiteral("MDBTools");
}

// An Access database opens with its format's name; a file without it (empty, text, cut
// short) is refused here, where the driver would only say that it cannot parse the query.
bool isAccessFile(const QString& FileName) {
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(32);
    return head.size() == 32 && (head.mid(4).startsWith("Standard Jet DB") || head.mid(4).startsWith("Standard ACE DB"));
}

EOleError notAccessFile(const QString& FileName, const QString& Reason = QString()) {
    return EOleError(QStringLiteral("'%1' is not a readable Access database%2.").arg(FileName, Reason.isEmpty() ? QString() : QStringLiteral(": ") + Reason));
}

bool isAccessDriver(QString Name) {
    Name = Name.trimmed();
    if (Name.startsWith(u'{') && Name.endsWith(u'}')) Name = Name.mid(1, Name.size() - 2);
    return Name.startsWith(QLatin1String("Microsoft Access Driver"), Qt::CaseInsensitive);
}

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
    std::shared_ptr<TOdbcConnection> Connection() const { return connection_; }
    // The database file the connection names; empty for a data source.
    const QString& File() const { return file_; }

private:
    void open(const QString& ConnectionString, const QString& User, const QString& Password) {
        if (connection_) throw EOleError(QStringLiteral("Operation is not allowed when the object is open."));
        // The file is looked at first: the driver's own message for a missing or foreign file says little.
        for (const QString& part : ConnectionString.split(u';'))
            if (part.trimmed().startsWith(QLatin1String("DBQ="), Qt::CaseInsensitive)) {
                const QString file = part.trimmed().mid(4);
                if (!QFileInfo(file).isFile()) throw EOleError(QStringLiteral("Could not find file '%1'.").arg(file));
                if (!isAccessFile(file)) throw notAccessFile(file);
                file_ = file;
            }
        auto connection = std::make_shared<TOdbcConnection>(
            OdbcConnectionString(ConnectionString) + (User.isEmpty() ? QString() : QStringLiteral(";UID=") + User) +
            (Password.isEmpty() ? QString() : QStringLiteral(";PWD=") + Password));
        connection_ = std::move(connection);
    }

    std::shared_ptr<TOdbcConnection> connection_;
    QString file_;
};

// The open record set's rows; Eof once the last one is passed.
struct TCursor {
    std::unique_ptr<TOdbcQuery> Query;
    bool Eof = true;
};

class TFieldObject : public TAutoObject {
public:
    TFieldObject(std::shared_ptr<TCursor> Cursor, int Index) : cursor_(std::move(Cursor)), index_(Index) {
        Property(QStringLiteral("Name"), [this] { return query().Columns()[index_]; });
        Property(QStringLiteral("Value"), [this] { return current().Value(index_); });
        Property(QStringLiteral("ActualSize"), [this] { return current().Size(index_); });
    }

private:
    TOdbcQuery& query() {
        if (!cursor_->Query) throw EOleError(QStringLiteral("Operation is not allowed when the object is closed."));
        return *cursor_->Query;
    }
    TOdbcQuery& current() {
        if (query().Columns().isEmpty() || cursor_->Eof)
            throw EOleError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
        return *cursor_->Query;
    }
    std::shared_ptr<TCursor> cursor_;
    int index_;
};

class TFieldsObject : public TAutoObject {
public:
    explicit TFieldsObject(std::shared_ptr<TCursor> Cursor) : cursor_(std::move(Cursor)) {
        Property(QStringLiteral("Count"), [this] { return int(cursor_->Query->Columns().size()); });
        Method(QStringLiteral("Item"), [this](const TOleArgs& a) {
            NeedArgs(QStringLiteral("Item"), a, 1);
            return item(a[0]);
        });
    }
    OleVariant item(const OleVariant& Key) {
        const QStringList& columns = cursor_->Query->Columns();
        const int i = Key.Kind() == OleVariant::vkString ? int(columns.indexOf(Key.ToString())) : Key.ToInt();
        if (i < 0 || i >= columns.size())
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
            return cursor_->Eof;
        });
        Method(QStringLiteral("MoveNext"), [this](const TOleArgs&) {
            needOpen();
            if (cursor_->Eof) throw EOleError(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
            cursor_->Eof = !cursor_->Query->Next();
            return OleVariant();
        });
        Method(QStringLiteral("Close"), [this](const TOleArgs&) {
            needOpen();
            cursor_->Query.reset();
            cursor_->Eof = true;
            return OleVariant();
        });
    }

private:
    void needOpen() const {
        if (!cursor_->Query) throw EOleError(QStringLiteral("Operation is not allowed when the object is closed."));
    }
    void open(const QString& Sql) {
        if (cursor_->Query) throw EOleError(QStringLiteral("Operation is not allowed when the object is open."));
        auto* connection = connectionObject_.IsObject() ? dynamic_cast<TConnectionObject*>(&connectionObject_.Object()) : nullptr;
        if (!connection || !connection->Connection())
            throw EOleError(QStringLiteral("The connection cannot be used to perform this operation."));
        std::unique_ptr<TOdbcQuery> query;
        try {
            query = std::make_unique<TOdbcQuery>(connection->Connection(), Sql);
        } catch (const EOleError& e) {
            // A damaged file opens but shows no tables: every query then fails to parse, which
            // says nothing of the file.
            if (!connection->File().isEmpty() && connection->Connection()->TableCount() == 0) throw notAccessFile(connection->File(), e.Message);
            // The mdbtools driver parses a small part of SQL and says no more than this.
            if (!e.Message.contains(QLatin1String("Couldn't parse SQL"))) throw;
            throw EOleError(QStringLiteral("The query is not supported by the Access driver, or names a table or column the "
                                           "database does not have: %1").arg(Sql));
        }
        cursor_->Eof = query->Columns().isEmpty() || !query->Next();
        cursor_->Query = std::move(query);
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

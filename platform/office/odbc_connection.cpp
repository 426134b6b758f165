#include "platform/office/odbc_connection.h"

#include <sql.h>
#include <sqlext.h>

namespace {

// The first diagnostic record of a handle: "[state] message".
QString diagnostic(SQLSMALLINT Type, SQLHANDLE Handle) {
    SQLCHAR state[6] = {0};
    SQLCHAR message[1024] = {0};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(SQLGetDiagRec(Type, Handle, 1, state, &native, message, sizeof message, &length)))
        return QStringLiteral("The ODBC driver reported an error");
    return QString::fromUtf8(reinterpret_cast<const char*>(message)).trimmed();
}

bool isInteger(int Type) {
    return Type == SQL_INTEGER || Type == SQL_SMALLINT || Type == SQL_TINYINT || Type == SQL_BIGINT || Type == SQL_BIT;
}

bool isReal(int Type) {
    return Type == SQL_DOUBLE || Type == SQL_FLOAT || Type == SQL_REAL || Type == SQL_NUMERIC || Type == SQL_DECIMAL;
}

}  // namespace

TOdbcConnection::TOdbcConnection(const QString& ConnectionString) {
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
        throw EOleError(QStringLiteral("The ODBC driver manager cannot be used"));
    env_ = env;
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc))) {
        SQLFreeHandle(SQL_HANDLE_ENV, env);
        throw EOleError(QStringLiteral("The ODBC driver manager cannot be used"));
    }
    dbc_ = dbc;
    QByteArray text = ConnectionString.toUtf8();
    SQLCHAR out[1024] = {0};
    SQLSMALLINT outLength = 0;
    const SQLRETURN r = SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS, out, sizeof out, &outLength,
                                         SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(r)) {
        const QString error = diagnostic(SQL_HANDLE_DBC, dbc);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        SQLFreeHandle(SQL_HANDLE_ENV, env);
        throw EOleError(error);
    }
}

int TOdbcConnection::TableCount() const {
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &stmt))) return 0;
    int count = 0;
    if (SQL_SUCCEEDED(SQLTables(stmt, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0)))
        while (SQL_SUCCEEDED(SQLFetch(stmt))) ++count;
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    return count;
}

TOdbcConnection::~TOdbcConnection() {
    SQLDisconnect(dbc_);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
    SQLFreeHandle(SQL_HANDLE_ENV, env_);
}

TOdbcQuery::TOdbcQuery(std::shared_ptr<TOdbcConnection> Connection, const QString& Sql) : connection_(std::move(Connection)) {
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection_->Handle(), &stmt)))
        throw EOleError(diagnostic(SQL_HANDLE_DBC, connection_->Handle()));
    stmt_ = stmt;
    QByteArray text = Sql.toUtf8();
    SQLSMALLINT count = 0;
    if (!SQL_SUCCEEDED(SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS)) ||
        !SQL_SUCCEEDED(SQLNumResultCols(stmt, &count))) {
        const QString error = diagnostic(SQL_HANDLE_STMT, stmt);
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        throw EOleError(error);
    }
    for (SQLUSMALLINT i = 1; i <= count; ++i) {
        SQLCHAR name[256] = {0};
        SQLSMALLINT nameLength = 0, type = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        SQLDescribeCol(stmt, i, name, sizeof name, &nameLength, &type, &size, &digits, &nullable);
        columns_ << QString::fromUtf8(reinterpret_cast<const char*>(name));
        types_.push_back(type);
    }
    values_.resize(size_t(count));
    sizes_.resize(size_t(count));
}

TOdbcQuery::~TOdbcQuery() { SQLFreeHandle(SQL_HANDLE_STMT, stmt_); }

bool TOdbcQuery::Next() {
    const SQLRETURN r = SQLFetch(stmt_);
    if (r == SQL_NO_DATA) return false;
    if (!SQL_SUCCEEDED(r)) throw EOleError(diagnostic(SQL_HANDLE_STMT, stmt_));
    for (size_t i = 0; i < values_.size(); ++i) {
        QString text;
        SQLLEN indicator = 0;
        SQLRETURN got;
        // Long texts come in pieces; each piece is ended by a null character.
        SQLWCHAR piece[2048];
        while (true) {
            got = SQLGetData(stmt_, SQLUSMALLINT(i + 1), SQL_C_WCHAR, piece, sizeof piece, &indicator);
            if (!SQL_SUCCEEDED(got) || indicator == SQL_NULL_DATA) break;
            const qsizetype available = indicator == SQL_NO_TOTAL || indicator >= SQLLEN(sizeof piece) ? qsizetype(sizeof piece / 2 - 1)
                                                                                                         : qsizetype(indicator / 2);
            text += QString::fromUtf16(reinterpret_cast<const char16_t*>(piece), available);
            if (got == SQL_SUCCESS) break;
        }
        if (got == SQL_ERROR) throw EOleError(diagnostic(SQL_HANDLE_STMT, stmt_));
        if (indicator == SQL_NULL_DATA || got == SQL_NO_DATA) {
            values_[i] = OleVariant::Null();
            sizes_[i] = 0;
            continue;
        }
        sizes_[i] = text.size() * 2;
        bool ok = false;
        if (isInteger(types_[i])) {
            const qlonglong n = text.toLongLong(&ok);
            values_[i] = ok ? OleVariant(int64_t(n)) : OleVariant(text);
        } else if (isReal(types_[i])) {
            const double d = text.toDouble(&ok);
            values_[i] = ok ? OleVariant(d) : OleVariant(text);
        } else values_[i] = text;
    }
    return true;
}

#pragma once

#include "platform/automation/ole_variant.h"

#include <QStringList>
#include <memory>
#include <vector>

// A connection through the system's ODBC driver manager (unixODBC), with the narrow calls that
// drivers of every age answer; texts are fetched as UTF-16.
class TOdbcConnection {
public:
    // Raises EOleError with the driver's message when the connection fails.
    explicit TOdbcConnection(const QString& ConnectionString);
    ~TOdbcConnection();
    TOdbcConnection(const TOdbcConnection&) = delete;
    TOdbcConnection& operator=(const TOdbcConnection&) = delete;

    void* Handle() const { return dbc_; }
    // The tables the driver lists; 0 also when it cannot list them.
    int TableCount() const;

private:
    void* env_ = nullptr;
    void* dbc_ = nullptr;
};

// The result of one statement, read forwards one row at a time.
class TOdbcQuery {
public:
    // Runs Sql; EOleError with the driver's message when it fails.
    TOdbcQuery(std::shared_ptr<TOdbcConnection> Connection, const QString& Sql);
    ~TOdbcQuery();
    TOdbcQuery(const TOdbcQuery&) = delete;
    TOdbcQuery& operator=(const TOdbcQuery&) = delete;

    const QStringList& Columns() const { return columns_; }
    // Fetches the next row; false after the last one.
    bool Next();
    // The current row's values (Null for null) and their sizes in bytes (0 for null).
    const OleVariant& Value(int Column) const { return values_[size_t(Column)]; }
    int64_t Size(int Column) const { return sizes_[size_t(Column)]; }

private:
    std::shared_ptr<TOdbcConnection> connection_;
    void* stmt_ = nullptr;
    QStringList columns_;
    std::vector<int> types_;
    std::vector<OleVariant> values_;
    std::vector<int64_t> sizes_;
};

#pragma once

#include "platform/core/exception.h"

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <variant>
#include <vector>

class IAutoDispatch;
class TVariantArray;
class OleVariant;

using TOleArgs = std::vector<OleVariant>;

// An error value of an automation server, such as a spreadsheet cell holding a division error;
// Code is the server's error number (2007 for a division by zero).
struct TOleErrorValue {
    int32_t Code = 0;
    bool operator==(const TOleErrorValue&) const = default;
};

// The failure of an automation call: an unknown member, wrong arguments, a server's own error.
class EOleError : public Exception {
public:
    using Exception::Exception;
};

// A late-bound value: nothing (empty), null, a Boolean, a number, a text, an error value, an
// automation object or a two-dimensional array of values. Objects are shared, as interface
// references are.
class OleVariant {
public:
    enum TKind { vkEmpty, vkNull, vkBool, vkInteger, vkDouble, vkString, vkError, vkDispatch, vkArray };

    OleVariant() = default;
    OleVariant(bool v) : value_(v) {}
    OleVariant(int v) : value_(int64_t(v)) {}
    OleVariant(int64_t v) : value_(v) {}
    OleVariant(double v) : value_(v) {}
    OleVariant(const QString& v) : value_(v) {}
    OleVariant(const char* v) : value_(QString::fromUtf8(v)) {}
    OleVariant(TOleErrorValue v) : value_(v) {}
    OleVariant(std::shared_ptr<IAutoDispatch> v) : value_(std::move(v)) {}
    OleVariant(std::shared_ptr<TVariantArray> v) : value_(std::move(v)) {}
    static OleVariant Null() {
        OleVariant v;
        v.value_ = NullValue{};
        return v;
    }

    TKind Kind() const { return static_cast<TKind>(value_.index()); }
    bool IsEmpty() const { return Kind() == vkEmpty; }
    bool IsObject() const { return Kind() == vkDispatch; }
    bool IsError() const { return Kind() == vkError; }

    // The value as text: numbers in the shortest form that reads back ("1.5", "42"), Booleans
    // as "True"/"False", empty and null as "". An object or array raises EOleError.
    QString ToString() const;
    // Numbers and numeric texts; EOleError for what is none.
    double ToDouble() const;
    int ToInt() const;
    bool ToBool() const;
    TOleErrorValue ToError() const { return std::get<TOleErrorValue>(value_); }
    // The object; EOleError when the value holds none.
    IAutoDispatch& Object() const;
    std::shared_ptr<IAutoDispatch> ObjectRef() const;
    // The array; EOleError when the value holds none.
    TVariantArray& Array() const;

    // Late binding on the object the value holds: a method call, a property read (with
    // index arguments, if any) and a property write.
    OleVariant Call(const QString& Member, const TOleArgs& Args = {}) const;
    OleVariant Get(const QString& Member, const TOleArgs& Args = {}) const;
    void Set(const QString& Member, const OleVariant& Value) const;

    // The value as a script would write it: 12, 1.5, "text", True, Empty, Null, Error(2007),
    // Object, Array(rows x cols).
    QString Describe() const;

    bool operator==(const OleVariant& other) const;

private:
    struct NullValue {
        bool operator==(const NullValue&) const = default;
    };
    std::variant<std::monostate, NullValue, bool, int64_t, double, QString, TOleErrorValue,
                 std::shared_ptr<IAutoDispatch>, std::shared_ptr<TVariantArray>>
        value_;
};

// A two-dimensional array of values with the bounds it was made with (rows first), as a
// spreadsheet range's values are handed over.
class TVariantArray {
public:
    TVariantArray(int LowRow, int HighRow, int LowCol, int HighCol);
    static std::shared_ptr<TVariantArray> Create(int LowRow, int HighRow, int LowCol, int HighCol) {
        return std::make_shared<TVariantArray>(LowRow, HighRow, LowCol, HighCol);
    }

    int LowRow() const { return lowRow_; }
    int HighRow() const { return highRow_; }
    int LowCol() const { return lowCol_; }
    int HighCol() const { return highCol_; }
    int Rows() const { return highRow_ - lowRow_ + 1; }
    int Cols() const { return highCol_ - lowCol_ + 1; }

    // EOleError outside the bounds.
    OleVariant& At(int Row, int Col);
    const OleVariant& At(int Row, int Col) const;

    bool operator==(const TVariantArray& other) const = default;

private:
    size_t index(int Row, int Col) const;
    int lowRow_, highRow_, lowCol_, highCol_;
    std::vector<OleVariant> items_;
};

// The dispatch interface of an automation object: every call names its member. Get and Call
// are interchangeable for most members, as for the platform's late binding; Put hands the new
// value as the last argument.
enum TInvokeKind { ikCall, ikGet, ikPut };

class IAutoDispatch {
public:
    virtual ~IAutoDispatch() = default;
    // Raises EOleError for an unknown member or arguments it cannot take.
    virtual OleVariant Invoke(const QString& Member, TInvokeKind Kind, const TOleArgs& Args) = 0;
    // How the object shows in a described call.
    virtual QString Describe() const { return QStringLiteral("Object"); }
};

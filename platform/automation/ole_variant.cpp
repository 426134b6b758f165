#include "platform/automation/ole_variant.h"

#include <cmath>

namespace {
EOleError typeMismatch() { return EOleError(QStringLiteral("Type mismatch")); }
}  // namespace

QString OleVariant::ToString() const {
    switch (Kind()) {
    case vkEmpty:
    case vkNull: return QString();
    case vkBool: return std::get<bool>(value_) ? QStringLiteral("True") : QStringLiteral("False");
    case vkInteger: return QString::number(std::get<int64_t>(value_));
    case vkDouble: return QString::number(std::get<double>(value_), 'g', 15);
    case vkString: return std::get<QString>(value_);
    case vkError: return QStringLiteral("Error %1").arg(std::get<TOleErrorValue>(value_).Code);
    default: throw typeMismatch();
    }
}

double OleVariant::ToDouble() const {
    switch (Kind()) {
    case vkEmpty: return 0;
    case vkBool: return std::get<bool>(value_) ? -1 : 0;
    case vkInteger: return double(std::get<int64_t>(value_));
    case vkDouble: return std::get<double>(value_);
    case vkString: {
        bool ok = false;
        const double d = std::get<QString>(value_).trimmed().toDouble(&ok);
        if (ok) return d;
        break;
    }
    default: break;
    }
    throw typeMismatch();
}

int OleVariant::ToInt() const {
    if (Kind() == vkInteger) return int(std::get<int64_t>(value_));
    return int(std::lround(ToDouble()));
}

bool OleVariant::ToBool() const {
    if (Kind() == vkBool) return std::get<bool>(value_);
    if (Kind() == vkString) {
        const QString t = std::get<QString>(value_).trimmed();
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
        if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
    }
    return ToDouble() != 0;
}

std::shared_ptr<IAutoDispatch> OleVariant::ObjectRef() const {
    if (Kind() != vkDispatch || !std::get<std::shared_ptr<IAutoDispatch>>(value_))
        throw EOleError(QStringLiteral("Variant does not reference an automation object"));
    return std::get<std::shared_ptr<IAutoDispatch>>(value_);
}

IAutoDispatch& OleVariant::Object() const { return *ObjectRef(); }

TVariantArray& OleVariant::Array() const {
    if (Kind() != vkArray || !std::get<std::shared_ptr<TVariantArray>>(value_)) throw typeMismatch();
    return *std::get<std::shared_ptr<TVariantArray>>(value_);
}

OleVariant OleVariant::Call(const QString& Member, const TOleArgs& Args) const {
    return Object().Invoke(Member, ikCall, Args);
}

OleVariant OleVariant::Get(const QString& Member, const TOleArgs& Args) const {
    return Object().Invoke(Member, ikGet, Args);
}

void OleVariant::Set(const QString& Member, const OleVariant& Value) const { Object().Invoke(Member, ikPut, {Value}); }

QString OleVariant::Describe() const {
    switch (Kind()) {
    case vkEmpty: return QStringLiteral("Empty");
    case vkNull: return QStringLiteral("Null");
    case vkString: return u'"' + std::get<QString>(value_) + u'"';
    case vkError: return QStringLiteral("Error(%1)").arg(std::get<TOleErrorValue>(value_).Code);
    case vkDispatch: return Object().Describe();
    case vkArray: return QStringLiteral("Array(%1 x %2)").arg(Array().Rows()).arg(Array().Cols());
    default: return ToString();
    }
}

bool OleVariant::operator==(const OleVariant& other) const {
    if (Kind() == vkArray && other.Kind() == vkArray) return Array() == other.Array();
    return value_ == other.value_;
}

TVariantArray::TVariantArray(int LowRow, int HighRow, int LowCol, int HighCol)
    : lowRow_(LowRow), highRow_(std::max(HighRow, LowRow - 1)), lowCol_(LowCol), highCol_(std::max(HighCol, LowCol - 1)),
      items_(size_t(Rows()) * size_t(Cols())) {}

size_t TVariantArray::index(int Row, int Col) const {
    if (Row < lowRow_ || Row > highRow_ || Col < lowCol_ || Col > highCol_)
        throw EOleError(QStringLiteral("Variant array index out of bounds"));
    return size_t(Row - lowRow_) * size_t(Cols()) + size_t(Col - lowCol_);
}

OleVariant& TVariantArray::At(int Row, int Col) { return items_[index(Row, Col)]; }
const OleVariant& TVariantArray::At(int Row, int Col) const { return items_[index(Row, Col)]; }

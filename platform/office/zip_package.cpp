#include "platform/office/zip_package.h"

#include <zip.h>

#include <QFile>

#include <algorithm>

namespace {

// A part inflates to at most this many bytes, and to at most MaxRatio times what it takes in the
// archive: beyond either it is a bomb, not a document.
constexpr zip_uint64_t MaxPartSize = zip_uint64_t(256) << 20;
constexpr zip_uint64_t MaxRatio = 250;

// The part's bytes as really read, never more than the limits allow whatever the archive says.
bool readPart(zip_t* Archive, zip_uint64_t Index, const zip_stat_t& Stat, QByteArray& Bytes, QString& Error) {
    const zip_uint64_t stored = (Stat.valid & ZIP_STAT_COMP_SIZE) ? Stat.comp_size : 0;
    const zip_uint64_t limit = std::min(MaxPartSize, std::max<zip_uint64_t>(stored, 1024) * MaxRatio);
    zip_file_t* file = zip_fopen_index(Archive, Index, 0);
    if (!file) {
        Error = QString::fromUtf8(zip_strerror(Archive));
        return false;
    }
    Bytes.clear();
    char chunk[64 * 1024];
    bool ok = true;
    for (;;) {
        const zip_int64_t n = zip_fread(file, chunk, sizeof chunk);
        if (n < 0) {
            Error = QString::fromUtf8(zip_file_strerror(file));
            ok = false;
            break;
        }
        if (n == 0) break;
        if (zip_uint64_t(Bytes.size()) + zip_uint64_t(n) > limit) {
            Error = QStringLiteral("The part '%1' inflates to more than %2 bytes").arg(QString::fromUtf8(Stat.name)).arg(limit);
            ok = false;
            break;
        }
        Bytes.append(chunk, qsizetype(n));
    }
    zip_fclose(file);
    return ok;
}

}  // namespace

bool TZipPackage::Load(const QString& FileName, QString* Error) {
    parts_.clear();
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(FileName).constData(), ZIP_RDONLY, &code);
    if (!archive) {
        if (Error) {
            zip_error_t error;
            zip_error_init_with_code(&error, code);
            *Error = QString::fromUtf8(zip_error_strerror(&error));
            zip_error_fini(&error);
        }
        return false;
    }
    bool ok = true;
    QString why;
    zip_uint64_t total = 0;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count && ok; ++i) {
        zip_stat_t stat;
        QByteArray bytes;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &stat) != 0) {
            why = QString::fromUtf8(zip_strerror(archive));
            ok = false;
            break;
        }
        ok = readPart(archive, zip_uint64_t(i), stat, bytes, why);
        total += zip_uint64_t(bytes.size());
        if (ok && total > 2 * MaxPartSize) {
            why = QStringLiteral("The package inflates to more than %1 bytes").arg(2 * MaxPartSize);
            ok = false;
        }
        if (ok) parts_.emplace_back(QString::fromUtf8(stat.name), bytes);
    }
    if (!ok) {
        parts_.clear();
        if (Error) *Error = why;
    }
    zip_discard(archive);
    return ok;
}

bool TZipPackage::Has(const QString& Name) const {
    for (const auto& part : parts_)
        if (part.first == Name) return true;
    return false;
}

QByteArray TZipPackage::Part(const QString& Name) const {
    for (const auto& part : parts_)
        if (part.first == Name) return part.second;
    return {};
}

void TZipPackage::SetPart(const QString& Name, const QByteArray& Bytes) {
    for (auto& part : parts_)
        if (part.first == Name) {
            part.second = Bytes;
            return;
        }
    parts_.emplace_back(Name, Bytes);
}

void TZipPackage::RemovePart(const QString& Name) {
    std::erase_if(parts_, [&](const auto& part) { return part.first == Name; });
}

QByteArray TZipPackage::Save() const {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = target ? zip_open_from_source(target, ZIP_TRUNCATE, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive) {
        if (target) zip_source_free(target);
        return {};
    }
    zip_source_keep(target);
    bool ok = true;
    for (const auto& [name, bytes] : parts_) {
        // libzip reads the bytes when the archive is closed; they live in parts_ until then.
        zip_source_t* source = zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        if (!source || zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
            if (source) zip_source_free(source);
            ok = false;
            break;
        }
    }
    if (!ok || zip_close(archive) != 0) {
        zip_discard(archive);
        zip_source_free(target);
        return {};
    }
    QByteArray out;
    zip_stat_t stat;
    if (zip_source_stat(target, &stat) == 0 && zip_source_open(target) == 0) {
        out.resize(qsizetype(stat.size));
        if (zip_source_read(target, out.data(), stat.size) != zip_int64_t(stat.size)) out.clear();
        zip_source_close(target);
    }
    zip_source_free(target);
    return out;
}

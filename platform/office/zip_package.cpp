#include "platform/office/zip_package.h"

#include <zip.h>

#include <QFile>

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
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count && ok; ++i) {
        zip_stat_t stat;
        zip_file_t* file = nullptr;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &stat) != 0 || !(file = zip_fopen_index(archive, zip_uint64_t(i), 0))) {
            ok = false;
            break;
        }
        QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
        ok = zip_fread(file, bytes.data(), stat.size) == zip_int64_t(stat.size);
        zip_fclose(file);
        parts_.emplace_back(QString::fromUtf8(stat.name), bytes);
    }
    if (!ok && Error) *Error = QString::fromUtf8(zip_strerror(archive));
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

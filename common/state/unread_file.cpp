#include "common/state/unread_file.h"

#include "platform/core/exception.h"
#include "platform/system/files.h"

#include <QFileInfo>

void TUnread_File::Mark(const QString& File) {
    file_ = File;
    kept_ = File + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(kept_); ++n) kept_ = File + QStringLiteral(".damaged%1").arg(n);
}

void TUnread_File::Clear() {
    file_.clear();
    kept_.clear();
}

QString TUnread_File::Report(const QString& Reason) const {
    return Reason + QStringLiteral("\n\nThe file will be kept as %1 before it is saved over.").arg(kept_);
}

void TUnread_File::Keep() {
    if (!Marked()) return;
    if (FileExists(file_)) {
        QString reason;
        if (!CopyFile(file_, kept_, true, &reason))
            throw Exception(QStringLiteral("Cannot keep %1 as %2: %3. Nothing has been saved.").arg(file_, kept_, reason));
    }
    Clear();
}

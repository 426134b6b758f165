#include "platform/controls/system_images.h"

#include "platform/graphics/canvas.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>
#include <QPainter>
#include <QPixmap>
#include <vector>

namespace {

std::vector<QIcon>& icons() {
    static std::vector<QIcon> list = [] {
        const QFileIconProvider provider;
        std::vector<QIcon> l;
        for (const auto kind : {QAbstractFileIconProvider::Computer, QAbstractFileIconProvider::Desktop,
                                QAbstractFileIconProvider::Trashcan, QAbstractFileIconProvider::Network,
                                QAbstractFileIconProvider::Drive, QAbstractFileIconProvider::Folder,
                                QAbstractFileIconProvider::File})
            l.push_back(provider.icon(kind));
        return l;
    }();
    return list;
}

constexpr int PlainFile = 6;

QIcon iconOf(const QString& path) {
    const QFileInfo info(path);
    if (info.exists()) return QFileIconProvider().icon(info);
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    return QIcon::fromTheme(type.iconName(), icons()[PlainFile]);
}

}  // namespace

int SystemImageSize(bool large) { return large ? 32 : 16; }

int SystemImageCount() { return static_cast<int>(icons().size()); }

int SystemImageIndex(const QString& path) {
    // Each path keeps the position it was first given, so asking again adds nothing.
    static QHash<QString, int> byPath;
    const auto known = byPath.constFind(path);
    if (known != byPath.constEnd()) return *known;
    std::vector<QIcon>& list = icons();
    list.push_back(iconOf(path));
    const int index = static_cast<int>(list.size()) - 1;
    byPath.insert(path, index);
    return index;
}

void DrawSystemImage(TCanvas& canvas, const TRect& r, int index, bool large) {
    if (index < 0 || index >= SystemImageCount() || r.IsEmpty()) return;
    const QIcon& icon = icons()[static_cast<size_t>(index)];
    if (icon.isNull()) return;
    const int side = SystemImageSize(large);
    canvas.Painter()->drawPixmap(QRect(r.Left, r.Top, r.Width(), r.Height()), icon.pixmap(side, side));
}

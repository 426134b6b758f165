#include "platform/system/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

// The number after "Name:" in the header of an HTML clipboard text, or -1.
qsizetype headerOffset(const QByteArray& data, const QByteArray& name) {
    const qsizetype at = data.indexOf(name + ':');
    if (at < 0) return -1;
    const qsizetype from = at + name.size() + 1;
    const qsizetype end = data.indexOf('\r', from);
    bool ok = false;
    const qsizetype value = data.mid(from, end < 0 ? -1 : end - from).toLongLong(&ok);
    return ok ? value : -1;
}

class SystemClipboard : public TClipboard {
public:
    void SetContent(const QString& text, const std::vector<TClipboardFormat>& formats) override {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (!clipboard) return;
        auto* data = new QMimeData;
        data->setText(text);
        for (const auto& [name, bytes] : formats) {
            data->setData(RegisteredFormatMimeType(name), bytes);
            if (name == CF_HTML_FORMAT) {
                const qsizetype start = headerOffset(bytes, "StartHTML");
                const qsizetype end = headerOffset(bytes, "EndHTML");
                if (start >= 0 && end >= start && end <= bytes.size())
                    data->setHtml(QString::fromUtf8(bytes.mid(start, end - start)));
            }
        }
        clipboard->setMimeData(data);
    }

    QString AsText() override {
        QClipboard* clipboard = QGuiApplication::clipboard();
        return clipboard ? clipboard->text() : QString();
    }

    QByteArray FormatData(const QString& format) override {
        QClipboard* clipboard = QGuiApplication::clipboard();
        const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
        return data ? data->data(RegisteredFormatMimeType(format)) : QByteArray();
    }
};

SystemClipboard systemClipboard;
TClipboard* installed = &systemClipboard;

}  // namespace

QString RegisteredFormatMimeType(const QString& format) {
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(format);
}

TClipboard& Clipboard() { return *installed; }

QString DesktopClipboardHTML() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    return data ? data->html() : QString();
}

void SetClipboard(TClipboard* clipboard) { installed = clipboard ? clipboard : &systemClipboard; }

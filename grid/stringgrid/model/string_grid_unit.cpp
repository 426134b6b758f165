#include "grid/stringgrid/model/string_grid_unit.h"

#include "platform/controls/control.h"
#include "platform/messages/messages.h"
#include "platform/system/regional.h"

#include <QFile>
#include <QtEndian>

QString GridClipboardFormat() { return QStringLiteral("TExStringGrid Cells"); }

uint32_t GridEditDoneMessage() {
    static const uint32_t id = RegisterWindowMessage(QStringLiteral("GridEditDone"));
    return id;
}

QChar GetTimeSeparator() { return FormatSettings.TimeSeparator; }
QChar GetDateSeparator() { return FormatSettings.DateSeparator; }
QChar GetThousandSeparator() { return FormatSettings.ThousandSeparator; }
QChar GetDecimalSeparator() { return FormatSettings.DecimalSeparator; }
QString GetShortDateFormat() { return FormatSettings.ShortDateFormat; }
QString GetShortTimeFormat() { return FormatSettings.ShortTimeFormat; }
QString GetLongTimeFormat() { return FormatSettings.LongTimeFormat; }

int GetFileVersionMS(const QString& FileName) {
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = file.readAll();
    // The fixed file information: signature, structure version, then the version's high part,
    // each a little-endian 32-bit value.
    static const QByteArray signature("\xBD\x04\xEF\xFE", 4);
    const qsizetype at = bytes.indexOf(signature);
    if (at < 0 || at + 12 > bytes.size()) return -1;
    return static_cast<int>(qFromLittleEndian<quint32>(bytes.constData() + at + 8));
}

bool ComCtl32Is470() { return true; }

void SetWindowTransparent(HWND Handle) {
    if (auto* window = dynamic_cast<TWinControl*>(Handle)) window->SetExStyle(window->ExStyle() | WS_EX_TRANSPARENT);
}

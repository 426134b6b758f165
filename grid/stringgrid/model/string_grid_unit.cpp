#include "grid/stringgrid/model/string_grid_unit.h"

#include "platform/messages/messages.h"
#include "platform/system/regional.h"

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

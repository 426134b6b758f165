#include "common/state/text_helpers.h"

#include "platform/system/conversions.h"
#include "platform/system/regional.h"
#include "platform/system/serial_ports.h"

#include <cfloat>
#include <cmath>

namespace {

int partValue(const QString& part, int notAnInteger) {
    int value = 0;
    return TryStrToInt(part, value) ? value : notAnInteger;
}

// Cuts the text at its first point into a trimmed head and a trimmed rest.
bool splitAtPoint(QString& rest, QString& head) {
    const qsizetype point = rest.indexOf(u'.');
    if (point < 0) return false;
    head = Trim(rest.left(point));
    rest = Trim(rest.mid(point + 1));
    return true;
}

}  // namespace

bool Split_IP_Address(const QString& Text, QString& P1, QString& P2, QString& P3, QString& P4) {
    QString rest = Trim(Text);
    if (!splitAtPoint(rest, P1)) return false;
    if (!splitAtPoint(rest, P2)) return false;
    if (!splitAtPoint(rest, P3)) return false;
    P4 = rest;

    for (const QString* part : {&P1, &P2, &P3, &P4}) {
        const int value = partValue(*part, 1000);
        if (value < 0 || value > 255) return false;
    }
    return true;
}

bool IP_To_Bytes(const QString& Text, uint8_t& B1, uint8_t& B2, uint8_t& B3, uint8_t& B4) {
    if (Text.isEmpty()) return true;

    bool error = false;
    QString rest = Text;
    uint8_t* bytes[] = {&B1, &B2, &B3, &B4};
    for (int index = 0; index < 4; ++index) {
        const qsizetype point = rest.indexOf(u'.');
        // With no point left, parts 1 to 3 are empty and the rest waits for part 4.
        const QString part = index == 3 ? rest : (point < 0 ? QString() : rest.left(point));
        const int value = partValue(part, -1);
        if (value >= 0 && value <= 255) {
            *bytes[index] = uint8_t(value);
        } else {
            *bytes[index] = 0;
            error = true;
        }
        if (point >= 0) rest = rest.mid(point + 1);
    }
    return error;
}

bool Is_True_Text(const QString& Text) {
    return Trim(Text).compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0;
}

QChar Get_Decimal_Separator() {
    const QString value = GetProfileString(QStringLiteral("Intl"), QStringLiteral("sDecimal"), QString());
    if (!value.isEmpty() && (value.at(0) == u',' || value.at(0) == u'.')) return value.at(0);
    return u',';
}

bool Text_To_Float(const QString& Text, QChar Separator, float& Value) {
    QString text = Text;
    if (Separator == u'.')
        text.replace(u',', u'.');
    else
        text.replace(u'.', u',');

    double number = 0.0;
    // Beyond the range of a float is a failure, not an infinity.
    if (!TryStrToFloat(text, number) || std::fabs(number) > double(FLT_MAX)) {
        Value = 1.0f;
        return false;
    }
    Value = float(number);
    return true;
}

QStringList Get_COM_Port_List() {
    QStringList ports;
    for (int number = 1; number <= 256; ++number) {
        const TSerialProbe probe = ProbeSerialPort(number);
        // A port busy with another program still exists.
        if (probe == TSerialProbe::Opened || probe == TSerialProbe::AccessDenied) ports << QString::number(number);
    }
    return ports;
}

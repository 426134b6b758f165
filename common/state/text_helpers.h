#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <cstdint>

// Splits a dotted address into four trimmed part texts. True only when there are four parts
// and each is an integer in 0..255; the fourth part takes the rest, further points included.
// Parts before the point where the split stops are set, the others keep their values.
bool Split_IP_Address(const QString& Text, QString& P1, QString& P2, QString& P3, QString& P4);

// Reads a dotted address into four bytes, no trimming. True on error: an empty text (bytes
// unchanged), or any part that is not an integer in 0..255 (that byte becomes 0).
bool IP_To_Bytes(const QString& Text, uint8_t& B1, uint8_t& B2, uint8_t& B3, uint8_t& B4);

// "TRUE" in any letter case, blanks around it allowed.
bool Is_True_Text(const QString& Text);

// The user's decimal separator, "," or "."; "," when the setting is missing or anything else.
QChar Get_Decimal_Separator();

// Swaps the other separator for Separator, then converts with the regional number settings.
// On failure Value is 1 and the result false.
bool Text_To_Float(const QString& Text, QChar Separator, float& Value);

// Numbers, as texts and ascending, of the serial ports 1..256 that exist, busy ones included.
QStringList Get_COM_Port_List();

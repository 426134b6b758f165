#include "profinet/gsdml/gsdml_reading.h"

#include <iterator>

#include "platform/system/regional.h"
#include "common/state/text_helpers.h"

namespace {

// Numbers and flags are short ASCII texts: widening them on the stack spares a string per
// attribute. convert takes a QString that is valid during the call only.
template <class F>
auto withText(const char* utf8, F&& convert) {
    char16_t wide[32];
    qsizetype n = 0;
    for (; utf8[n] != '\0' && n < qsizetype(std::size(wide)); ++n) {
        if (static_cast<unsigned char>(utf8[n]) >= 0x80) break;
        wide[n] = char16_t(utf8[n]);
    }
    if (utf8[n] != '\0') return convert(QString::fromUtf8(utf8));
    return convert(QString::fromRawData(reinterpret_cast<const QChar*>(wide), n));
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

int toInteger(const char* utf8, int conversionDefault) {
    // Most numbers are a few plain digits: up to nine, which cannot overflow, are read straight
    // away.
    int value = 0;
    int digits = 0;
    for (; digits < 9 && utf8[digits] >= '0' && utf8[digits] <= '9'; ++digits)
        value = value * 10 + (utf8[digits] - '0');
    if (digits > 0 && utf8[digits] == '\0') return value;
    // Identifiers are written "0x" and up to eight hex digits, which give the 32 bits as they
    // stand.
    if (digits == 1 && value == 0 && (utf8[1] == 'x' || utf8[1] == 'X')) {
        uint32_t bits = 0;
        int hex = 0;
        for (int digit; hex < 8 && (digit = hexDigit(utf8[2 + hex])) >= 0; ++hex) bits = bits * 16 + uint32_t(digit);
        if (hex > 0 && utf8[2 + hex] == '\0') return static_cast<int32_t>(bits);
    }
    return withText(utf8,
                    [conversionDefault](const QString& text) { return GSDML_To_Integer(text, conversionDefault); });
}

}  // namespace

int GSDML_To_Integer(const QString& text, int conversionDefault) {
    int value = 0;
    return TryStrToInt(text, value) ? value : conversionDefault;
}

int GSDML_AttributeInteger(const char* value, int conversionDefault) { return toInteger(value, conversionDefault); }

bool GSDML_AttributeFlag(const char* value) { return withText(value, Is_True_Text); }

void Read_StrictAttribute(IXMLNode node, const char* name, uint16_t& field) {
    if (const char* value = node.FindAttribute(name))
        field = static_cast<uint16_t>(StrToInt(QString::fromUtf8(value).trimmed()));
}

void Read_ChildText(IXMLNode node, const char* name, QString& field) {
    if (const IXMLNode child = Child(node, name)) field = child.ReadText();
}

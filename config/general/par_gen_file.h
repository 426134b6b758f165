#pragma once

#include <QString>
#include <array>
#include <cstdint>

class TXMLDocument;

// ParGen.xml: the general parameters of a configuration, read and written by the general
// parameters window and read by the bank builder through the one record below, so that both
// take every element by the same rule.

// The elements, in the order they are written.
enum class TParGen_Item {
    PROFINET_Master_IP1,
    PROFINET_Master_IP2,
    PROFINET_Master_IP3,
    PROFINET_Master_IP4,
    PROFINET_Master_SM1,
    PROFINET_Master_SM2,
    PROFINET_Master_SM3,
    PROFINET_Master_SM4,
    PROFINET_Master_GAT1,
    PROFINET_Master_GAT2,
    PROFINET_Master_GAT3,
    PROFINET_Master_GAT4,
    PROFINET_Master_EN_GAT,
    PROFINET_Master_NAME_STA,
    IEC61850_Server_Port,
    IEC61850_Server_Password,
    TLS_Server_Enable,
    TLS_Server_Key,
    TLS_Server_Key_Password,
    TLS_Server_Server_Certificate,
    TLS_Server_Root_Certificate,
    TLS_Server_Enable_Known_Cert,
};
inline constexpr int ParGen_Item_Count = 22;

// How an element holds its value.
enum TParGen_Value {
    pvText,         // a text, as the window's field holds it
    pvByte,         // the decimal text of one address byte
    pvFlag_Exact,   // "1" or "0"; on only when the text is exactly "1"
    pvFlag_Number,  // "1" or "0"; on when the text converts to the whole number 1
};

struct TParGen_Element {
    const char* Name;
    const char* Default;  // for flags "1" (on) or "0" (off)
    TParGen_Value Value;
};

// The root element; readers take the first element of the document whatever its name.
inline constexpr char ParGen_Root[] = "Par_Gen";
// The comment that follows the root element.
inline constexpr char ParGen_Version_Comment[] = "SW_VERSION = 1.001";

extern const std::array<TParGen_Element, ParGen_Item_Count> ParGen_Elements;

const TParGen_Element& ParGen_Element(TParGen_Item Item);

// A decimal whole number as the address bytes hold it: blanks ahead, an optional sign and
// decimal digits within 32 bits. The hexadecimal forms of the general integer rule are not
// numbers here. On failure Value is kept.
bool ParGen_Decimal(const QString& Text, int& Value);

// The values of the file's elements; an element the file lacks holds its default text.
class TParGen_Values {
public:
    // Every element at its default.
    TParGen_Values();

    // Reads File through XML, which stays loaded with it: the document's first element is the
    // root, each element is found below it by name, a missing one takes its default and one
    // that is present but empty gives an empty text. A missing file gives every default. A
    // file that cannot be read (a folder of that name, a damaged file) raises Exception and
    // leaves the values as they were.
    void Read(TXMLDocument& XML, const QString& File);
    // Replaces File with the root, the version comment after it and the elements in their
    // order, each holding its text unchanged. A file that cannot be written raises Exception.
    void Write(TXMLDocument& XML, const QString& File) const;

    // The element's text as the file holds it.
    const QString& Text(TParGen_Item Item) const;
    // A flag by its own rule; a text that is not a number gives the flag's default.
    bool Flag(TParGen_Item Item) const;
    // An address byte: the low 8 bits of the decimal number; a text that is not one gives
    // the element's default.
    uint8_t Byte(TParGen_Item Item) const;
    // Four address bytes from First on.
    std::array<uint8_t, 4> Address(TParGen_Item First) const;
    // The same for the device: a text that is not a decimal number from 0 to 255 is refused
    // with Exception naming the element, never cut to its low 8 bits or taken as the default.
    std::array<uint8_t, 4> Checked_Address(TParGen_Item First) const;

    void SetText(TParGen_Item Item, const QString& Text);
    // Writes the flag as "1" or "0".
    void SetFlag(TParGen_Item Item, bool On);

private:
    std::array<QString, ParGen_Item_Count> texts_;
};

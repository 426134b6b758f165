#include "config/general/par_gen_file.h"

#include "platform/core/exception.h"
#include "platform/system/files.h"
#include "platform/system/regional.h"
#include "platform/xml/xml_document.h"

#include <QFileInfo>

const std::array<TParGen_Element, ParGen_Item_Count> ParGen_Elements{{
    {"PROFINET_Master_IP1", "192", pvByte},
    {"PROFINET_Master_IP2", "168", pvByte},
    {"PROFINET_Master_IP3", "0", pvByte},
    {"PROFINET_Master_IP4", "10", pvByte},
    {"PROFINET_Master_SM1", "255", pvByte},
    {"PROFINET_Master_SM2", "255", pvByte},
    {"PROFINET_Master_SM3", "255", pvByte},
    {"PROFINET_Master_SM4", "0", pvByte},
    {"PROFINET_Master_GAT1", "192", pvByte},
    {"PROFINET_Master_GAT2", "168", pvByte},
    {"PROFINET_Master_GAT3", "0", pvByte},
    {"PROFINET_Master_GAT4", "1", pvByte},
    {"PROFINET_Master_EN_GAT", "0", pvFlag_Exact},
    {"PROFINET_Master_NAME_STA", "devicename1", pvText},
    {"IEC61850_Server_Port", "102", pvText},
    {"IEC61850_Server_Password", "", pvText},
    {"TLS_Server_Enable", "0", pvFlag_Number},
    {"TLS_Server_Key", "", pvText},
    {"TLS_Server_Key_Password", "", pvText},
    {"TLS_Server_Server_Certificate", "", pvText},
    {"TLS_Server_Root_Certificate", "", pvText},
    {"TLS_Server_Enable_Known_Cert", "0", pvFlag_Number},
}};

namespace {

size_t indexOf(TParGen_Item Item) { return static_cast<size_t>(Item); }

}  // namespace

const TParGen_Element& ParGen_Element(TParGen_Item Item) { return ParGen_Elements[indexOf(Item)]; }

bool ParGen_Decimal(const QString& Text, int& Value) {
    qsizetype i = 0;
    while (i < Text.size() && Text.at(i) == u' ') ++i;
    if (i < Text.size() && (Text.at(i) == u'+' || Text.at(i) == u'-')) ++i;
    if (i == Text.size()) return false;
    for (qsizetype k = i; k < Text.size(); ++k)
        if (Text.at(k) < u'0' || Text.at(k) > u'9') return false;
    return TryStrToInt(Text, Value);
}

TParGen_Values::TParGen_Values() {
    for (size_t i = 0; i < texts_.size(); ++i) texts_[i] = QString::fromLatin1(ParGen_Elements[i].Default);
}

void TParGen_Values::Read(TXMLDocument& XML, const QString& File) {
    // Only a file that is not there at all gives the defaults; anything else in its place (a
    // folder) is read and fails with the reason.
    if (!QFileInfo::exists(File) && !QFileInfo(File).isSymLink()) {
        *this = TParGen_Values();
        return;
    }
    XML.SetActive(true);
    XML.LoadFromFile(File);
    const IXMLNode root = XML.DocumentElement();
    for (size_t i = 0; i < texts_.size(); ++i) {
        const IXMLNode node = root.ChildNodes().FindNode(ParGen_Elements[i].Name);
        texts_[i] = node ? node.Text() : QString::fromLatin1(ParGen_Elements[i].Default);
    }
}

void TParGen_Values::Write(TXMLDocument& XML, const QString& File) const {
    XML.SetActive(true);
    XML.Clear();
    IXMLNode root = XML.AddChild(QString::fromLatin1(ParGen_Root));
    XML.AddComment(QString::fromLatin1(ParGen_Version_Comment));
    for (size_t i = 0; i < texts_.size(); ++i) root.AddChild(QString::fromLatin1(ParGen_Elements[i].Name)).SetText(texts_[i]);
    // The document replaces the file only once it is complete.
    XML.SaveToFile(File);
}

const QString& TParGen_Values::Text(TParGen_Item Item) const { return texts_[indexOf(Item)]; }

bool TParGen_Values::Flag(TParGen_Item Item) const {
    const TParGen_Element& element = ParGen_Element(Item);
    const QString& text = Text(Item);
    if (element.Value == pvFlag_Exact) return text == QLatin1String("1");
    int value = 0;
    if (!TryStrToInt(text, value)) return QLatin1String(element.Default) == QLatin1String("1");
    return value == 1;
}

uint8_t TParGen_Values::Byte(TParGen_Item Item) const {
    int value = 0;
    if (!ParGen_Decimal(Text(Item), value)) value = QString::fromLatin1(ParGen_Element(Item).Default).toInt();
    return uint8_t(value);
}

std::array<uint8_t, 4> TParGen_Values::Address(TParGen_Item First) const {
    std::array<uint8_t, 4> bytes{};
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = Byte(TParGen_Item(indexOf(First) + i));
    return bytes;
}

std::array<uint8_t, 4> TParGen_Values::Checked_Address(TParGen_Item First) const {
    for (size_t i = 0; i < 4; ++i) {
        const auto item = TParGen_Item(indexOf(First) + i);
        // A text that is not a decimal byte (too large for a number, hex, empty) is refused as
        // a byte out of range is: the device must never get a default in its place.
        int value = -1;
        if (ParGen_Decimal(Text(item), value) && value >= 0 && value <= 255) continue;
        const QString holds = Text(item).isEmpty() ? QStringLiteral("is empty") : QStringLiteral("holds ") + Text(item);
        throw Exception(QStringLiteral("Error! %1 of ParGen.xml %2: an address byte must be between 0 and 255.")
                            .arg(QString::fromLatin1(ParGen_Element(item).Name), holds));
    }
    return Address(First);
}

void TParGen_Values::SetText(TParGen_Item Item, const QString& Text) { texts_[indexOf(Item)] = Text; }

void TParGen_Values::SetFlag(TParGen_Item Item, bool On) { SetText(Item, QString::fromLatin1(On ? "1" : "0")); }

#pragma once

#include "platform/xml/xml_document.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class TGSDML;

// What PROFINET_Master_Network.xml holds, read by one reader for the network window and the
// bank builder alike, so that both take each attribute by the same rule and find the same
// description copies. The records keep every attribute as the file has it; what an absent or
// unreadable value means is left to the user of the record.

// One attribute of an element of the file.
class TNetwork_Attribute {
public:
    TNetwork_Attribute() = default;
    // The attribute Name of Node; Element names the element in messages.
    TNetwork_Attribute(IXMLNode Node, const char* Element, const char* Name);

    const char* Name() const { return name_; }
    bool Present() const { return present_; }
    // "" when absent.
    const QString& Text() const { return text_; }
    // True when the text is exactly Value (the file's flags: "1", "Y", "true").
    bool Is(const char* Value) const { return present_ && text_ == QLatin1String(Value); }

    // The file writes numbers in decimal: the trimmed text, with an optional sign, as a 64-bit
    // integer; none when the attribute is absent or its text is not such a number.
    std::optional<int64_t> Number() const;
    int64_t Number(int64_t Default) const { return Number().value_or(Default); }

    // An attribute that the network window always writes: its absence, or a value that is no
    // number (or no 32-bit number for Required_Integer), means the file was not written by
    // the window, and raises Exception naming the attribute.
    const QString& Required_Text() const;
    int64_t Required_Number() const;
    int32_t Required_Integer() const;

private:
    [[noreturn]] void Not_A_Number() const;

    const char* element_ = "";
    const char* name_ = "";
    bool present_ = false;
    QString text_;
};

// A Param element: one parameter of a record.
struct TNetwork_Param_Record {
    TNetwork_Attribute Value, Mnemonic, ByteOffset, BitOffset, BitLength, Name, Length, DataType, DefaultValue;
    static TNetwork_Param_Record Read(IXMLNode Node);
};

// A ParamGroup element: one parameter record of a subslot.
struct TNetwork_Group_Record {
    TNetwork_Attribute GroupName, Index, DataConst, DataByteOffset, Length;
    std::vector<TNetwork_Param_Record> Params;
    static TNetwork_Group_Record Read(IXMLNode Node);
};

// A Subslot element; Groups are the children of its Parameters child.
struct TNetwork_Subslot_Record {
    TNetwork_Attribute SubslotNumber, Submodule_ID, Submodule_IdentNumber, Submodule_LenIN, Submodule_LenOUT, API,
        ParameterizationDisallowed, StartAddIn, QuantityIn, StartAddOut, QuantityOut, Status, Word_Pos, Mnemonic;
    std::vector<TNetwork_Group_Record> Groups;
    static TNetwork_Subslot_Record Read(IXMLNode Node);
};

// A Slot element; Subslots are the children of its Subslots child.
struct TNetwork_Slot_Record {
    TNetwork_Attribute Module_ID, ModuleIdentNumber, SlotNumber;
    std::vector<TNetwork_Subslot_Record> Subslots;
    static TNetwork_Slot_Record Read(IXMLNode Node);
};

// A device, any child element of Network; Slots are the children of its Slots child.
struct TNetwork_Device_Record {
    TNetwork_Attribute GSDML_FileName, NameOfStation, DeviceName, DeviceCategoryRef, IPAddress, NewSessionSPI,
        UpdateTime, SendClock, ReductionRadio, AnswerTime;
    std::vector<TNetwork_Slot_Record> Slots;
    // The element itself, valid while its document holds the file.
    IXMLNode Node;
    static TNetwork_Device_Record Read(IXMLNode Node);
};

// The devices of File, read through XML, which stays loaded with it. A missing file is a
// network without devices. A file that is not well-formed raises the parser's Exception; one
// without the root PROFINET_Master_Network and its Network child raises Exception.
std::vector<TNetwork_Device_Record> Read_Network_File(TXMLDocument& XML, const QString& File);

// The path of the description copy FileName in the project's GSDML folder, found regardless
// of letter case (a name with a folder is looked up one level at a time); "" when none.
QString Find_GSDML_Copy(const QString& FileName);

// The description copy FileName decoded; nullptr when it is missing or does not decode as a
// description. A copy that is not well-formed XML raises the parser's Exception.
std::shared_ptr<TGSDML> Decode_GSDML_Copy(const QString& FileName);

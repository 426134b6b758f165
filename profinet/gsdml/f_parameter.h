#pragma once

#include <memory>

#include "profinet/gsdml/gsdml_reading.h"

// The four attributes every PROFIsafe F-parameter element has. The members of the family
// differ only in the type of their default value and in the defaults of the two flags.
template <class TValue, bool ChangeableDefault, bool VisibleDefault>
class TF_Parameter : public TArenaObject {
public:
    GSDML_PROPERTY(TValue, DefaultValue) = TValue();
    GSDML_PROPERTY(QString, AllowedValues);
    GSDML_PROPERTY(bool, Changeable) = ChangeableDefault;
    GSDML_PROPERTY(bool, Visible) = VisibleDefault;

protected:
    bool Read_F_Parameter(IXMLNode node) {
        return Guarded([&] {
            Read_Attribute(node, "DefaultValue", FDefaultValue);
            Read_Attribute(node, "AllowedValues", FAllowedValues);
            Read_Attribute(node, "Changeable", FChangeable);
            Read_Attribute(node, "Visible", FVisible);
            return true;
        });
    }
};

class TF_Check_iPar : public TF_Parameter<QString, false, false> {
public:
    bool Read_F_Check_iPar(IXMLNode node) { return Read_F_Parameter(node); }
};

class TF_SIL : public TF_Parameter<QString, true, true> {
public:
    bool Read_F_SIL(IXMLNode node) { return Read_F_Parameter(node); }
};

class TF_CRC_Length : public TF_Parameter<QString, false, false> {
public:
    bool Read_F_CRC_Length(IXMLNode node) { return Read_F_Parameter(node); }
};

class TF_CRC_Seed : public TF_Parameter<QString, false, true> {
public:
    bool Read_F_CRC_Seed(IXMLNode node) { return Read_F_Parameter(node); }
};

class TF_Passivation : public TF_Parameter<QString, false, true> {
public:
    bool Read_F_Passivation(IXMLNode node) { return Read_F_Parameter(node); }
};

class TF_Block_ID : public TF_Parameter<int32_t, false, true> {
public:
    bool Read_F_Block_ID(IXMLNode node) { return Read_F_Parameter(node); }
};

class TF_Par_Version : public TF_Parameter<int32_t, false, true> {
public:
    bool Read_F_Par_Version(IXMLNode node) { return Read_F_Parameter(node); }
};

class TF_Source_Add : public TF_Parameter<uint16_t, true, true> {
public:
    bool Read_F_Source_Add(IXMLNode node) { return Read_F_Parameter(node); }
};

class TF_Dest_Add : public TF_Parameter<uint16_t, true, true> {
public:
    bool Read_F_Dest_Add(IXMLNode node) { return Read_F_Parameter(node); }
};

class TF_WD_Time : public TF_Parameter<uint16_t, true, true> {
public:
    bool Read_F_WD_Time(IXMLNode node) { return Read_F_Parameter(node); }
};

class TF_Par_CRC : public TF_Parameter<uint16_t, true, true> {
public:
    bool Read_F_Par_CRC(IXMLNode node) { return Read_F_Parameter(node); }
};

class TF_iPar_CRC : public TF_Parameter<uint32_t, true, true> {
public:
    bool Read_F_iPar_CRC(IXMLNode node) { return Read_F_Parameter(node); }
};

// The PROFIsafe parameter record of a safety submodule. The parameters a safety submodule
// must describe exist from construction; F_CRC_Seed, F_Passivation and F_iPar_CRC only when
// the file has them.
class TF_ParameterRecordDataItem : public TArenaObject {
public:
    bool Read_F_ParameterRecordDataItem(IXMLNode node);

    TF_Check_iPar F_Check_iPar;
    TF_SIL F_SIL;
    TF_CRC_Length F_CRC_Length;
    std::unique_ptr<TF_CRC_Seed> F_CRC_Seed;
    std::unique_ptr<TF_Passivation> F_Passivation;
    TF_Block_ID F_Block_ID;
    TF_Par_Version F_Par_Version;
    TF_Source_Add F_Source_Add;
    TF_Dest_Add F_Dest_Add;
    TF_WD_Time F_WD_Time;
    TF_Par_CRC F_Par_CRC;
    std::unique_ptr<TF_iPar_CRC> F_iPar_CRC;

    GSDML_PROPERTY(uint16_t, F_ParamDescCRC) = 0;
    GSDML_PROPERTY(QString, F_SupportedParameters);
    GSDML_PROPERTY(uint16_t, Index) = 0;
    GSDML_PROPERTY(uint16_t, TransferSequence) = 0;
    GSDML_PROPERTY(bool, ChangeableWithBump) = false;
};

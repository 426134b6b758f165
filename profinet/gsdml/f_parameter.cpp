#include "profinet/gsdml/f_parameter.h"

bool TF_ParameterRecordDataItem::Read_F_ParameterRecordDataItem(IXMLNode node) {
    const bool attributes = Guarded([&] {
        Read_Attribute(node, "F_ParamDescCRC", FF_ParamDescCRC);
        Read_Attribute(node, "F_SupportedParameters", FF_SupportedParameters);
        Read_Attribute(node, "Index", FIndex);
        Read_Attribute(node, "TransferSequence", FTransferSequence);
        Read_Attribute(node, "ChangeableWithBump", FChangeableWithBump);
        return true;
    });
    if (!attributes) return false;
    // The optional parameters fail nothing; a required one stops the reading where it fails.
    if (!(Read_RequiredChild(node, "F_Check_iPar", F_Check_iPar, &TF_Check_iPar::Read_F_Check_iPar) &&
          Read_RequiredChild(node, "F_SIL", F_SIL, &TF_SIL::Read_F_SIL) &&
          Read_RequiredChild(node, "F_CRC_Length", F_CRC_Length, &TF_CRC_Length::Read_F_CRC_Length)))
        return false;
    Read_OptionalChild(node, "F_CRC_Seed", F_CRC_Seed, &TF_CRC_Seed::Read_F_CRC_Seed);
    Read_OptionalChild(node, "F_Passivation", F_Passivation, &TF_Passivation::Read_F_Passivation);
    if (!(Read_RequiredChild(node, "F_Block_ID", F_Block_ID, &TF_Block_ID::Read_F_Block_ID) &&
          Read_RequiredChild(node, "F_Par_Version", F_Par_Version, &TF_Par_Version::Read_F_Par_Version) &&
          Read_RequiredChild(node, "F_Source_Add", F_Source_Add, &TF_Source_Add::Read_F_Source_Add) &&
          Read_RequiredChild(node, "F_Dest_Add", F_Dest_Add, &TF_Dest_Add::Read_F_Dest_Add) &&
          Read_RequiredChild(node, "F_WD_Time", F_WD_Time, &TF_WD_Time::Read_F_WD_Time) &&
          Read_RequiredChild(node, "F_Par_CRC", F_Par_CRC, &TF_Par_CRC::Read_F_Par_CRC)))
        return false;
    Read_OptionalChild(node, "F_iPar_CRC", F_iPar_CRC, &TF_iPar_CRC::Read_F_iPar_CRC);
    return true;
}

#pragma once

#include "config/banks/bank2_format.h"
#include "config/network/network_file_reader.h"

#include <QString>
#include <cstdint>

// A submodule's cyclic data length (Submodule_LenIN or Submodule_LenOUT): absent or not a
// number is 0; a value outside 0..65535 stops the build, so that every table carries the
// same length.
int64_t Bank2_Submodule_Length(const TNetwork_Attribute& Length);

// The device rule of Device in Slot, with its input and output position rules; the two
// running offsets into the gateway's data images move on past the device.
void Build_Device_Rule(const TNetwork_Device_Record& Device, int Slot, int32_t& In_Offset, int32_t& Out_Offset);

// The parameter records of Device in Slot.
void Build_Prm_Records(const TNetwork_Device_Record& Device, int Slot);

// Writers into one record's data; a byte that would fall outside the record is dropped.
void Set_Prm_Ref_Value(const TNetwork_Param_Record& Param, TData_Prm_Description& Record);
void Set_Prm_Octets(const QString& Text, TData_Prm_Description& Record, int64_t Position);
void Set_Prm_String(const QString& Text, TData_Prm_Description& Record, int64_t Position);

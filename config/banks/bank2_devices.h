#pragma once

#include "config/banks/bank2_format.h"
#include "platform/xml/xml_document.h"

#include <QString>
#include <cstdint>
#include <vector>

// Readers of the network file's attributes, shared by the builders of one device's tables.
// The trimmed value read as a decimal integer; Default when absent or not a number.
int64_t Bank2_Decimal(IXMLNode Node, const char* Name, int64_t Default = 0);
// An attribute that the network window always writes: its absence, or a value that is no
// integer, means the file was not written by it, and the build stops with Exception.
int64_t Bank2_Required_Number(IXMLNode Node, const char* Name);
QString Bank2_Required_Text(IXMLNode Node, const char* Name);
// A submodule's cyclic data length (Submodule_LenIN or Submodule_LenOUT): absent or not a
// number is 0; a value outside 0..65535 stops the build, so that every table carries the
// same length.
int64_t Bank2_Submodule_Length(IXMLNode Subslot, const char* Name);
// The element children of Node, comments and text left out.
std::vector<IXMLNode> Bank2_Elements(IXMLNode Node);

// The device rule of the device element Device in Slot, with its input and output position
// rules; the two running offsets into the gateway's data images move on past the device.
void Build_Device_Rule(IXMLNode Device, int Slot, int32_t& In_Offset, int32_t& Out_Offset);

// The parameter records of the device element Device in Slot.
void Build_Prm_Records(IXMLNode Device, int Slot);

// Writers into one record's data; a byte that would fall outside the record is dropped.
void Set_Prm_Ref_Value(IXMLNode Param, TData_Prm_Description& Record);
void Set_Prm_Octets(const QString& Text, TData_Prm_Description& Record, int64_t Position);
void Set_Prm_String(const QString& Text, TData_Prm_Description& Record, int64_t Position);

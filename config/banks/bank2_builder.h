#pragma once

#include "config/banks/bank2_format.h"

#include <cstdint>

// Builds the bank 2 tables from the network file and lays out their addresses from Base;
// returns the number of devices decoded. Until devices are read into them, the tables
// describe a network without devices: ten empty device slots.
int Read_PROFINET_Network_Bin(uint32_t Base);

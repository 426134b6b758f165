#pragma once

#include <QString>
#include <vector>

// The engineering units of BACnet objects: codes 0 .. 236 by category.

struct TBACnet_Unit {
    const char* Name;  // as the picker lists it
    int Code;
};

struct TBACnet_Unit_Category {
    const char* Name;
    std::vector<TBACnet_Unit> Units;  // in list order
};

// The 23 categories in list order; every code occurs once.
const std::vector<TBACnet_Unit_Category>& BACnet_Unit_Categories();

// The name of a unit code; "unknown" for any number outside 0 .. 236. Three codes carry names
// that differ from their picker entries.
QString Desc_Unit(int Num_Unit);

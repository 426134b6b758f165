#include "config/tables/table_check.h"

#include "platform/system/regional.h"

int Cell_Number(const QString& Cell) {
    int value = -1;
    return TryStrToInt(Cell, value) ? value : -1;
}

bool Cell_In_Range(const QString& Cell, int Low, int High) {
    const int value = Cell_Number(Cell);
    return value >= Low && value <= High;
}

#include "grid/stringgrid/editing/editing_fixture.h"

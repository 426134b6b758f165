#include "grid/foundation/grid_types.h"

#include <gtest/gtest.h>

namespace {

// Forms store these by ordinal.
static_assert(edComboList == 3 && edDataCheckBox == 10 && edMaskEditBtn == 42);
static_assert(ssOffice2007 == 3 && ssAlphaNumericNoCase == 19 && acSTDDEV == 9);
static_assert(hcSelected == 2 && cbBottom == 3 && GradientHorizontal == 1);

TEST(GridTypes, SetsHoldValuesByOrdinal) {
    THoverRowCells cells{hcNormal, hcSelected};
    EXPECT_TRUE(cells.Contains(hcNormal));
    EXPECT_FALSE(cells.Contains(hcFixed));
    cells.Exclude(hcNormal);
    cells.Include(hcFixed);
    EXPECT_EQ(cells, (THoverRowCells{hcFixed, hcSelected}));
    EXPECT_TRUE(TCellBorders{}.Empty());
}

// Cell kinds run past 32 ordinals.
enum WideKind { wk0, wk31 = 31, wk32, wk40 = 40 };

TEST(GridTypes, SetsHoldOrdinalsPastThirtyTwo) {
    TSet<WideKind> set{wk32};
    EXPECT_TRUE(set.Contains(wk32));
    EXPECT_FALSE(set.Contains(wk0));
    EXPECT_FALSE(set.Contains(wk40));
    set.Include(wk40);
    set.Exclude(wk32);
    EXPECT_TRUE(set.Contains(wk40));
    EXPECT_FALSE(set.Contains(wk32));
}

}  // namespace

#include "grid/editors/dropdown/strip_appearance.h"
#include "grid/stringgrid/paint/control_look.h"

#include <gtest/gtest.h>

TEST(ControlLookStrips, AssignCopiesTheDropDownHeaderAndFooterIntoTheOwnedOnes) {
    TControlLook source(nullptr), target(nullptr);
    source.DropDownHeader().SetVisible(false);
    source.DropDownFooter().SizeGrip = false;
    THeaderAppearance& header = target.DropDownHeader();
    target.Assign(source);
    EXPECT_EQ(&target.DropDownHeader(), &header);
    EXPECT_FALSE(target.DropDownHeader().Visible());
    EXPECT_FALSE(target.DropDownFooter().SizeGrip);
    THeaderAppearance visible;
    target.SetDropDownHeader(visible);
    EXPECT_TRUE(target.DropDownHeader().Visible());
}

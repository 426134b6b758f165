#include "grid/editors/dropdown/descendant_fixture.h"
#include "grid/editors/dropdown/multi_column_dropdown.h"

namespace {

class MultiColumnDropDown : public DescendantFixture<TExMultiColumnDropDown> {
protected:
    MultiColumnDropDown() {
        for (const char* header : {"Name", "Colour"}) dd->Columns().Add().Header = header;
        dd->Items().Add({"Apple", "red"});
        dd->Items().Add({"Banana", "yellow"});
        dd->Items().Add({"apricot", "orange"});
        dd->EndUpdate();
    }
};

TEST_F(MultiColumnDropDown, Opens) {
    dd->ShowDropDown();
    EXPECT_TRUE(dd->DroppedDown());
}

}  // namespace

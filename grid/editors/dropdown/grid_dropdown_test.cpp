#include "grid/editors/dropdown/descendant_fixture.h"
#include "grid/editors/dropdown/grid_dropdown.h"

namespace {

class GridDropDownTest : public DescendantFixture<TExGridDropDown> {
protected:
    GridDropDownTest() {
        for (const char* header : {"Name", "Colour"}) dd->Columns().Add().Header = header;
        dd->Items().Add({"Apple", "red"});
        dd->Items().Add({"Banana", "yellow"});
        dd->Items().Add({"apricot", "orange"});
        dd->EndUpdate();
        dd->OnSelect = [this](TObject*) { selects.push_back(dd->ItemIndex()); };
    }
    GridDropDown::TExColGrid& list() { return *dd->Grid(); }
    std::vector<int> selects;
};

TEST_F(GridDropDownTest, Opens) {
    dd->ShowDropDown();
    EXPECT_TRUE(dd->DroppedDown());
    EXPECT_EQ(list().RowCount(), 4);
    EXPECT_EQ(list().Cells(0, 2), "Banana");
}

}  // namespace

#include "grid/columngrid/column_grid_fixture.h"
#include "grid/columngrid/grid_column_collection.h"
#include "grid/columngrid/grid_column_item.h"
#include "grid/stringgrid/model/cell_model_records.h"
#include "platform/system/ini_files.h"
#include "platform/testkit/temp_folder.h"

namespace {

class ColumnGridPositions : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr);
        grid = new TTestColumnGrid(form);
        grid->SetParent(form);
        BuildColumns(*grid, {{"A"}, {"B"}, {"C"}});
        grid->ColumnSize().Location = clIniFile;
        grid->ColumnSize().Key = folder.file("cols.ini");
        grid->ColumnSize().Section = "Order";
    }
    void TearDown() override { delete form; }

    QStringList headers() const {
        QStringList out;
        for (int c = 0; c < grid->ColCount(); ++c) out << grid->Columns().Items(c)->Header();
        return out;
    }

    TempFolder folder;
    TForm* form = nullptr;
    TTestColumnGrid* grid = nullptr;
};

TEST_F(ColumnGridPositions, SavedOrderIsTheDesignedPlaceOfEachColumn) {
    grid->MoveColumn(2, 0);
    ASSERT_EQ(headers(), QStringList({"C", "A", "B"}));
    grid->SaveColPositions();
    TMemIniFile ini(folder.file("cols.ini"));
    EXPECT_EQ(ini.ReadInteger("Order", "CP0", -1), 2);
    EXPECT_EQ(ini.ReadInteger("Order", "CP1", -1), 0);
    EXPECT_EQ(ini.ReadInteger("Order", "CP2", -1), 1);
}

TEST_F(ColumnGridPositions, LoadingMovesTheColumnsAndASaveAfterWritesTheSame) {
    folder.write("cols.ini", "[Order]\nCP0=2\nCP1=0\nCP2=1\n");
    grid->LoadColPositions();
    EXPECT_EQ(headers(), QStringList({"C", "A", "B"}));
    grid->ColumnSize().Key = folder.file("again.ini");
    grid->SaveColPositions();
    EXPECT_EQ(TMemIniFile(folder.file("again.ini")).ReadString("Order", "CP0", ""), "2");
    EXPECT_EQ(TMemIniFile(folder.file("again.ini")).ReadString("Order", "CP2", ""), "1");
}

TEST_F(ColumnGridPositions, IncompleteOrRepeatedPositionsChangeNothing) {
    for (const char* stored : {"[Order]\nCP0=2\nCP1=0\n", "[Order]\nCP0=1\nCP1=1\nCP2=0\n", "[Order]\nCP0=5\nCP1=0\nCP2=1\n"}) {
        folder.write("cols.ini", stored);
        grid->LoadColPositions();
        EXPECT_EQ(headers(), QStringList({"A", "B", "C"})) << stored;
    }
}

}  // namespace

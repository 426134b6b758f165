// Every writer of the grid's exchange formats on a full disk and in a read-only folder: the old
// file stays, and the message carries the system's reason.
#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/data/exchange_fixture.h"
#include "grid/stringgrid/model/cell_graphic.h"
#include "platform/graphics/graphic.h"
#include "platform/testkit/full_disk.h"

#include <QDir>

#include <functional>

namespace {

class WriterFailures : public ExchangeFixture {
protected:
    struct TWriter {
        const char* name;
        std::function<void(const QString&)> write;
    };
    std::vector<TWriter> writers() {
        return {
            {"grid text", [this](const QString& f) { grid->SaveToFile(f); }},
            {"binary cells", [this](const QString& f) { grid->SaveToBinFile(f); }},
            {"csv", [this](const QString& f) { grid->SaveToCSV(f); }},
            {"csv append", [this](const QString& f) { grid->AppendToCSV(f); }},
            {"aligned text", [this](const QString& f) { grid->SaveToASCII(f); }},
            {"aligned append", [this](const QString& f) { grid->AppendToASCII(f); }},
            {"fixed width",
             [this](const QString& f) {
                 TIntList positions(0, 0);
                 grid->SaveToFixed(f, positions);
             }},
            {"html", [this](const QString& f) { grid->SaveToHTML(f); }},
            {"xml", [this](const QString& f) { grid->SaveToXML(f, "list", "row", nullptr, true); }},
        };
    }
    void fill() {
        for (int r = 0; r < grid->RowCount(); ++r)
            for (int c = 0; c < grid->ColCount(); ++c) grid->SetCells(c, r, QStringLiteral("cell %1:%2").arg(c).arg(r));
    }
};

TEST_F(WriterFailures, AFullDiskKeepsTheOldFileAndSaysWhy) {
    const QString mount = folder.file("disk");
    QDir().mkpath(mount);
    FullDisk disk(mount);
    SKIP_WITHOUT_FULL_DISK(disk);
    fill();
    const QString name = mount + "/out.txt";
    for (const TWriter& w : writers()) {
        disk.Free();
        folder.write("disk/out.txt", "old\r\n");
        disk.Fill();
        const QString message = messageOf([&] { w.write(name); });
        EXPECT_TRUE(message.contains("No space left on device")) << w.name << ": " << message.toStdString();
        EXPECT_EQ(fileBytes(name), "old\r\n") << w.name;
    }
}

TEST_F(WriterFailures, AReadOnlyFolderSaysWhy) {
    const QString mount = folder.file("readonly");
    QDir().mkpath(mount);
    ReadOnlyDisk disk(mount);
    if (!disk.Mounted()) GTEST_SKIP() << qPrintable(disk.Why_Not());
    fill();
    for (const TWriter& w : writers()) {
        if (QString(w.name).contains("append")) continue;  // an append needs a file that exists
        const QString message = messageOf([&] { w.write(mount + "/out.txt"); });
        EXPECT_TRUE(message.contains("Read-only file system")) << w.name << ": " << message.toStdString();
    }
    // The pictures of an HTML export need a folder of their own.
    TCellGraphic* g = grid->CreateCellGraphic(1, 1);
    g->SetBitmap(new TBitmap(4, 3), false, haLeft, vaTop);
    g->CellCreated = true;
    const QString message = messageOf([&] { grid->SaveToHTML(mount + "/pictures.html"); });
    EXPECT_TRUE(message.contains("Read-only file system")) << message.toStdString();
}

}  // namespace

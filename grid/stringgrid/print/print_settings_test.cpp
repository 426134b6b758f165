#include "grid/stringgrid/model/exchange_settings.h"
#include "platform/core/exception.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintSettings, ANewObjectHasTheDocumentedValues) {
    TPrintSettings ps(nullptr);
    EXPECT_EQ(ps.DateFormat, "dd/mm/yyyy");
    EXPECT_EQ(ps.PageNumSep, "/");
    EXPECT_EQ(ps.Borders, pbSingle);
    EXPECT_TRUE(ps.Centered);
    EXPECT_TRUE(ps.UseDisplayFont);
    EXPECT_EQ(ps.FitToPage, fpNever);
    EXPECT_EQ(ps.Orientation, poPortrait);
    EXPECT_EQ(ps.TitleLines->Count(), 0);
}

TEST(PrintSettings, AssignCopiesFontsAndTitleLinesByContent) {
    TPrintSettings source(nullptr), copy(nullptr);
    source.TitleLines->Assign(QStringList{"One", "Two"});
    source.HeaderFont.SetName("DejaVu Serif");
    source.Borders = pbAround;
    source.JobName = "Job";
    source.FixedCellsAlways = true;
    copy.Assign(static_cast<const TObject&>(source));
    source.TitleLines->Assign(QStringList{"Changed"});
    source.HeaderFont.SetName("Other");
    EXPECT_EQ(copy.TitleLines->Count(), 2);
    EXPECT_EQ(copy.HeaderFont.Name(), "DejaVu Serif");
    EXPECT_EQ(copy.Borders, pbAround);
    EXPECT_EQ(copy.JobName, "Job");
    EXPECT_FALSE(copy.FixedCellsAlways);

    THTMLSettings html;
    try {
        copy.Assign(static_cast<const TObject&>(html));
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Invalid class typecast");
    }
}

TEST(HTMLSettings, AssignLeavesExportImagesAndIgnoresOtherSources) {
    THTMLSettings source, copy;
    source.ExportImages = false;
    source.Width = 80;
    source.XHTML = true;
    source.Summary = "S";
    copy.Assign(static_cast<const TObject&>(source));
    EXPECT_TRUE(copy.ExportImages);
    EXPECT_EQ(copy.Width, 80);
    EXPECT_TRUE(copy.XHTML);
    EXPECT_EQ(copy.Summary, "S");
    TPrintSettings other(nullptr);
    copy.Assign(static_cast<const TObject&>(other));
    EXPECT_EQ(copy.Width, 80);
}

}  // namespace

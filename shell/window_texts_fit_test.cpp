#include "common/buttons/lb_button.h"
#include "common/buttons/lb_button_painter.h"
#include "common/state/program_state.h"
#include "config/network/modules_def_form.h"
#include "config/network/network_access_form.h"
#include "config/server/iec61850_variables_form.h"
#include "config/server/tls_known_cert_form.h"
#include "grid/columngrid/ex_column_grid.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/controls/check_box.h"
#include "platform/controls/label.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/testkit/testkit.h"
#include "profinet/catalog/catalog_form.h"
#include "profinet/gsdml/gsdml.h"
#include "shell/about_form.h"
#include "shell/boot_form.h"
#include "shell/new_project_form.h"
#include "shell/open_conf_form.h"
#include "shell/par_gen_form.h"
#include "shell/program_test_fixture.h"
#include "shell/soft_options_form.h"

#include <QDir>
#include <QImage>
#include <memory>
#include <typeinfo>
#include <gtest/gtest.h>

namespace {

// A text that needs more room than its control gives it.
struct TCut {
    QString control;
    QString text;
    int need = 0;
    int room = 0;
};

int Text_Width(const TFont& Font, const QString& Text) {
    TBitmap bitmap(1, 1);
    bitmap.Canvas().Font.Assign(Font);
    return bitmap.Canvas().TextWidth(Text);
}

// The room of a label that sizes itself: up to the next control to its right on its line, or
// the edge of its parent.
int Label_Room(const TLabel& Label) {
    const TWinControl& parent = *Label.Parent();
    int right = parent.ClientWidth();
    for (int i = 0; i < parent.ControlCount(); ++i) {
        const TControl& other = *parent.Controls(i);
        if (&other == &Label || !other.Visible() || other.Left() <= Label.Left()) continue;
        const bool sameLine = other.Top() < Label.Top() + Label.Height() && Label.Top() < other.Top() + other.Height();
        if (sameLine) right = std::min(right, other.Left());
    }
    return right - Label.Left();
}

// The fixed row of a grid: each header's text fits its column, on one line or wrapped into as
// many lines as the row's height shows.
void Check_Headers(TExStringGrid& Grid, std::vector<TCut>& Cuts) {
    auto* columnGrid = dynamic_cast<TExColumnGrid*>(&Grid);
    for (int c = 0; c < Grid.ColCount(); ++c) {
        const QString text = Grid.Cells(Grid.DisplToRealCol(c), 0);
        const int width = Grid.ColWidths(c);
        if (text.isEmpty() || width <= 0) continue;
        TBitmap bitmap(1, 1);
        TCanvas& canvas = bitmap.Canvas();
        canvas.Font.Assign(columnGrid ? columnGrid->Columns().Items(c)->HeaderFont() : Grid.FixedFont());
        const int room = width - 2 * Grid.XYOffset.X;
        TRect r = Rect(0, 0, room, 0);
        canvas.DrawText(text, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        const bool fits = canvas.TextWidth(text) <= room ||
                          (Grid.WordWrap && r.Width() <= room && r.Height() <= Grid.RowHeights(0) - Grid.XYOffset.Y);
        if (!fits) Cuts.push_back({Grid.Name + " header", text, canvas.TextWidth(text), room});
    }
}

// The data cells of a grid: each text fits its column on one line. A cell of several lines is
// the grid's to wrap.
void Check_Cells(TExStringGrid& Grid, std::vector<TCut>& Cuts) {
    auto* columnGrid = dynamic_cast<TExColumnGrid*>(&Grid);
    for (int c = 0; c < Grid.ColCount(); ++c) {
        const TFont& font = columnGrid ? columnGrid->Columns().Items(c)->Font() : Grid.Font();
        const int real = Grid.DisplToRealCol(c);
        const int room = Grid.ColWidths(c) - 2 * Grid.XYOffset.X;
        for (int r = Grid.FixedRows(); r < Grid.RowCount(); ++r) {
            const QString text = Grid.Cells(real, r);
            if (text.isEmpty() || text.contains('\n') || Grid.IsXMergedCell(real, r)) continue;
            const int need = Text_Width(font, text);
            if (need > room) Cuts.push_back({Grid.Name + QString(" cell %1,%2").arg(real).arg(r), text, need, room});
        }
    }
}

void Check_Button(const TLbButton& Button, std::vector<TCut>& Cuts) {
    if (Button.Caption().isEmpty() || Button.WordWrap()) return;
    TLbButtonFace face;
    face.Width = Button.Width();
    face.Height = Button.Height();
    face.Alignment = Button.Alignment();
    face.Caption = Button.Caption();
    face.Layout = Button.Layout();
    face.Font.Assign(Button.Font());
    face.Style = Button.Style();
    face.Glyph = &Button.Glyph();
    face.NumGlyphs = Button.NumGlyphs();
    TBitmap bitmap(1, 1);
    const TLbButtonFaceLayout layout = LayoutLbButtonFace(bitmap.Canvas(), face);
    if (layout.Caption != face.Caption)
        Cuts.push_back({Button.Name, face.Caption, Text_Width(Button.Font(), face.Caption), Button.Width()});
}

// Every visible caption, column header and fixed label in Parent and below it.
void Collect_Cuts(TWinControl& Parent, std::vector<TCut>& Cuts) {
    for (int i = 0; i < Parent.ControlCount(); ++i) {
        TControl* control = Parent.Controls(i);
        if (!control->Visible()) continue;
        if (auto* label = dynamic_cast<TLabel*>(control)) {
            const QString text = label->Caption();
            const int need = Text_Width(label->Font(), text);
            const int room = label->AutoSize() ? Label_Room(*label) : label->Width();
            if (!text.isEmpty() && !label->WordWrap && need > room) Cuts.push_back({label->Name, text, need, room});
        } else if (auto* button = dynamic_cast<TLbButton*>(control)) {
            Check_Button(*button, Cuts);
        } else if (auto* box = dynamic_cast<TCheckBox*>(control)) {
            // The box and the gap before the caption take 20 pixels.
            const int need = Text_Width(box->Font(), box->Caption()) + 20;
            if (need > box->Width()) Cuts.push_back({box->Name, box->Caption(), need, box->Width()});
        } else if (auto* grid = dynamic_cast<TExStringGrid*>(control)) {
            Check_Headers(*grid, Cuts);
            Check_Cells(*grid, Cuts);
        }
        if (auto* child = dynamic_cast<TWinControl*>(control)) Collect_Cuts(*child, Cuts);
    }
}

class WindowTextsFitTest : public TProgramTest {
protected:
    static void Report(const std::vector<TCut>& Cuts) {
        for (const TCut& cut : Cuts)
            ADD_FAILURE() << cut.control.toStdString() << ": \"" << cut.text.toStdString() << "\" needs " << cut.need
                          << " pixels, has " << cut.room;
    }
};

// Each window of the main road at its own size, as it is shown: with the fonts that stand in
// for the windows' own, no caption, header or label is cut.
TEST_F(WindowTextsFitTest, EveryCaptionHeaderAndLabelFitsItsRoom) {
    ForceDirectories(folder.file("PROJECTS/P/bin"));
    folder.write("Loomwright.xml", "<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>");
    start();
    TForm* const windows[] = {FLoomwrighteFirmWare,    FNew_Project,         FOpenConf,
                              FAbout,                  FSoftOptions,         FBoot,
                              FParGen,                 FPROFINETCatalog,     FPROFINET_Network_Access,
                              FPROFINET_Modules_Def,   FIEC61850_Variables,  FTLS_Server_Known_Cert};
    const QString dump = qEnvironmentVariable("LW_WINDOW_PICTURES");
    for (TForm* form : windows) {
        const QString name = QString::fromLatin1(typeid(*form).name());
        SCOPED_TRACE(name.toStdString());
        std::vector<TCut> cuts;
        const auto check = [&] {
            Collect_Cuts(*form, cuts);
            if (!dump.isEmpty()) renderToImage(*form).save(dump + "/" + name + ".png");
        };
        if (form == FLoomwrighteFirmWare) {
            form->Show();
            check();
        } else {
            driver().onNextModal([&](TForm& shown) {
                check();
                shown.SetModalResult(mrCancel);
            });
            form->ShowModal();
        }
        Report(cuts);
    }
}

// The network and module grids hold the vendors', files' and subslots' own names: each fits its
// cell, for devices of several makers.
TEST_F(WindowTextsFitTest, TheNetworkAndModuleGridsFitTheirDevicesTexts) {
    ForceDirectories(folder.file("PROJECTS/P/bin"));
    folder.write("Loomwright.xml", "<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>");
    start();
    const QString vendors = QStringLiteral(LW_VENDOR_TESTDATA "/gsdml/");
    const struct {
        const char* file;
        const char* device;
    } devices[] = {{"GSDML-V2.25-ABB-FENA-20130603.xml", "FENA All Telegrams"},
                   {"GSDML-V2.41-LEUZE-BCL248i-20211213.xml", "BCL248i"}};
    std::vector<std::unique_ptr<TGSDML>> catalog;
    std::vector<TCut> network, modules;
    driver().onNextModal([&](TForm&) {
        TFPROFINET_Network_Access& n = *FPROFINET_Network_Access;
        for (const auto& d : devices) {
            TGSDML* entry = catalog.emplace_back(std::make_unique<TGSDML>()).get();
            ASSERT_TRUE(entry->Decode_GSDML(vendors, d.file));
            driver().onNextModal([&](TForm&) {
                FPROFINETCatalog->Selected_GSDML = entry;
                FPROFINETCatalog->Selected_Device = d.device;
                click(*FPROFINETCatalog->Btn_OK, 5, 5);
            });
            click(*n.Btn_Add_Catalog, 5, 5);
        }
        ASSERT_EQ(n.List_PROFINET_Device.size(), 2u);
        Collect_Cuts(n, network);
        for (int row = 1; row <= 2; ++row) {
            n.ACG_ListDevice->OnClickCell(n.ACG_ListDevice, row, 0);
            driver().onNextModal([&](TForm& shown) {
                Collect_Cuts(shown, modules);
                shown.SetModalResult(mrCancel);
            });
            n.ACG_ListDevice->OnDblClickCell(n.ACG_ListDevice, row, 1);
        }
        n.SetModalResult(mrCancel);
    });
    FPROFINET_Network_Access->ShowModal();
    Report(network);
    Report(modules);
}

}  // namespace

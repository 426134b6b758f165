#include "grid/stringgrid/model/string_grid_test_fixture.h"
#include "grid/foundation/color_routines.h"
#include "grid/stringgrid/paint/selection_color_mix.h"

namespace {

// The visuals of a cell as the painter asks for them.
struct TVisuals {
    TGridDrawState State = 0;
    TBrush Brush;
    TFont Font;
    TColor ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = false;
    TCellGradientDirection GD = GradientHorizontal;
};

class VisualProperties : public StringGridFixture {
protected:
    TVisuals visuals(int c, int r, TGridDrawState state = 0, bool select = false) {
        TVisuals v;
        v.State = state;
        grid->GetVisualProperties(c, r, v.State, false, select, true, v.Brush, v.ColorTo, v.MirrorColor,
                                  v.MirrorColorTo, v.Font, v.HA, v.VA, v.WW, v.GD);
        return v;
    }
};

TEST_F(VisualProperties, BandsColourDataRowsFromTheFirstNormalRowOnly) {
    grid->SetFixedFooters(1);
    TBands& bands = grid->Bands();
    bands.SetPrimaryColor(0x0000AA);
    bands.SetSecondaryColor(0x00AA00);
    bands.SetPrimaryLength(2);
    bands.SetSecondaryLength(1);
    bands.SetActive(true);
    const TColor P = 0x0000AA, S = 0x00AA00;
    const std::vector<TColor> expected{P, P, S, P, P, S, P, P, S, P};
    for (int r = 1; r <= 10; ++r) EXPECT_EQ(visuals(3, r).Brush.Color, expected[size_t(r - 1)]) << "row " << r;
    grid->Look = glClassic;
    EXPECT_EQ(visuals(3, 0).Brush.Color, grid->FixedColor());
    EXPECT_EQ(visuals(3, 11).Brush.Color, grid->FixedColor()) << "footer row";
}

TEST_F(VisualProperties, FixedCellsTakeTheLookGradientUnlessTheyHaveTheirOwnColour) {
    grid->SetDUDGradientFrom(0x112233);
    grid->SetDUDGradientTo(0x445566);
    grid->Look = glXP;
    TVisuals v = visuals(2, 0);
    EXPECT_EQ(v.Brush.Color, 0x112233);
    EXPECT_EQ(v.ColorTo, 0x445566);
    EXPECT_TRUE(v.State & gdFixed);
    grid->SetColors(2, 0, 0x00FF00);
    for (TGridLook look : {glClassic, glXP, glOffice2007}) {
        grid->Look = look;
        EXPECT_EQ(visuals(2, 0).Brush.Color, 0x00FF00) << look;
    }
    grid->Look = glClassic;
    EXPECT_EQ(visuals(3, 0).Brush.Color, grid->FixedColor());
}

TEST_F(VisualProperties, SelectedCellsTakeTheSelectionColoursWithAVerticalGradient) {
    grid->SetSelection(TGridRect{2, 2, 3, 3});
    grid->SetSelectionColorTo(0x0000FF);
    grid->SetGradients(3, 3, GradientHorizontal);
    TVisuals v = visuals(3, 3, gdSelected, true);
    EXPECT_EQ(v.Brush.Color, grid->SelectionColor());
    EXPECT_EQ(v.ColorTo, 0x0000FF);
    EXPECT_EQ(v.GD, GradientVertical);
    EXPECT_TRUE(v.State & gdSelected);
    EXPECT_EQ(v.Font.Color(), grid->SelectionTextColor());
    EXPECT_FALSE(visuals(3, 3, 0, false).State & gdSelected) << "only the background pass selects";
    EXPECT_FALSE(visuals(5, 5, 0, true).State & gdSelected);
}

TEST_F(VisualProperties, SelectionColourMixerBlendsWithTheCellsOwnColour) {
    grid->SetSelection(TGridRect{2, 2, 2, 2});
    grid->SetSelectionColor(0xFF0000);
    grid->SetSelectionColorMixer(true);
    grid->SetColors(2, 2, 0x0000FF);
    struct Case { int factor; TColor expected; };
    for (const Case& c : {Case{0, 0x0000FF}, Case{50, 0x800080}, Case{100, 0xFF0000}}) {
        grid->SetSelectionColorMixerFactor(c.factor);
        EXPECT_EQ(visuals(2, 2, gdSelected, true).Brush.Color, c.expected) << c.factor;
    }
    EXPECT_EQ(MixSelectionColor(clNone, 0x123456, 50), 0x123456);
    EXPECT_EQ(MixSelectionColor(0x123456, clNone, 50), 0x123456);
}

TEST_F(VisualProperties, DisjunctRowSelectionLightensRowsOtherThanTheCurrent) {
    grid->MouseActions().SetDisjunctRowSelect(true);
    grid->SetCol(1);
    grid->SetRow(1);
    grid->Private().FRowSelect.assign(12, false);
    grid->Private().FRowSelect[4] = true;
    EXPECT_EQ(visuals(2, 4, 0, true).Brush.Color, BrightenColor(grid->SelectionColor(), 7));
    EXPECT_FALSE(visuals(2, 5, 0, true).State & gdSelected);
}

TEST_F(VisualProperties, AlignmentFromNumbersRecordsAndHooks) {
    grid->AutoNumAlign = true;
    struct Case { const char* text; TAlignment expected; };
    for (const Case& c : {Case{"12.5", taRightJustify}, Case{"1E3", taRightJustify}, Case{"12a", taLeftJustify},
                          Case{"42", taRightJustify}}) {
        grid->SetCells(4, 4, QString::fromLatin1(c.text));
        TAlignment ha;
        TVAlignment va;
        grid->GetCellAlignment(4, 4, ha, va);
        EXPECT_EQ(ha, c.expected) << c.text;
    }
    grid->SetAlignments(4, 4, taCenter);
    grid->SetCells(4, 4, QStringLiteral("12.5"));
    TAlignment ha;
    TVAlignment va;
    grid->GetCellAlignment(4, 4, ha, va);
    EXPECT_EQ(ha, taCenter) << "a record's alignment wins over the number";
    grid->OnGetAlignment = [](TObject*, int, int, TAlignment& h, TVAlignment& v) {
        h = taRightJustify;
        v = vtaBottom;
    };
    grid->GetCellAlignment(4, 4, ha, va);
    EXPECT_EQ(va, vtaBottom);
}

TEST_F(VisualProperties, TextMarginsFollowTheOffsets) {
    EXPECT_EQ(grid->GetTotalYOffset(), 4);
    grid->XYOffsetTopLeftOnly = true;
    EXPECT_EQ(grid->GetTotalYOffset(), 2);
}

}  // namespace

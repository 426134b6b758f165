#include "grid/foundation/grid_options.h"

#include "platform/controls/string_grid.h"

#include <gtest/gtest.h>
#include <functional>

namespace {

// Counts how often an event fires while an action runs.
int firings(TNotifyEvent& event, const std::function<void()>& action) {
    int count = 0;
    event = [&count](TObject*) { ++count; };
    action();
    event = nullptr;
    return count;
}

TEST(SearchFooter, CaptionsComeOnlyFromTheDesigner) {
    TSearchFooter design(nullptr, true);
    EXPECT_EQ(design.FindNextCaption(), "Find &next");
    EXPECT_EQ(design.FindPrevCaption(), "Find &previous");
    EXPECT_EQ(design.MatchCaseCaption(), "Match case");
    EXPECT_EQ(design.HighLightCaption(), "Highlight");
    EXPECT_EQ(design.HintClose(), "Close");
    EXPECT_EQ(design.HintFindPrev(), "Find previous occurrence");
    EXPECT_EQ(design.HintFindNext(), "Find next occurrence");
    EXPECT_EQ(design.HintHighlight(), "Highlight occurrences");

    TSearchFooter run(nullptr, false);
    EXPECT_EQ(run.FindNextCaption(), "");
    EXPECT_EQ(run.HintHighlight(), "");
    EXPECT_TRUE(run.ShowFindNext() && run.ShowFindPrev() && run.ShowClose() && run.ShowHighLight() &&
                run.ShowMatchCase() && run.AutoSearch);
    EXPECT_FALSE(run.Visible() || run.AutoThemeAdapt() || run.AlwaysHighLight);
    EXPECT_EQ(run.Color(), 0xFFFFFFu);
    EXPECT_EQ(run.ColorTo(), clBtnFace);
    EXPECT_EQ(run.SearchColumn, -1);
    EXPECT_EQ(run.SearchDirection, sdTopBottom);
}

TEST(SearchFooter, SettersFireAlwaysOrOnChange) {
    TSearchFooter footer(nullptr, false);
    struct Case {
        const char* name;
        std::function<void()> write;
        int expected;
    };
    TFont font;
    font.SetSize(14);
    const Case cases[] = {
        {"same colour", [&] { footer.SetColor(footer.Color()); }, 1},
        {"same caption", [&] { footer.SetFindNextCaption(footer.FindNextCaption()); }, 1},
        {"same show close", [&] { footer.SetShowClose(true); }, 1},
        {"same theme adapt", [&] { footer.SetAutoThemeAdapt(false); }, 1},
        {"font", [&] { footer.SetFont(font); }, 1},
        {"same show find next", [&] { footer.SetShowFindNext(true); }, 0},
        {"same visible", [&] { footer.SetVisible(false); }, 0},
        {"visible", [&] { footer.SetVisible(true); }, 1},
        {"show match case", [&] { footer.SetShowMatchCase(false); }, 1},
        {"search column", [&] { footer.SearchColumn = 3; }, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(firings(footer.OnChange, c.write), c.expected) << c.name;
    EXPECT_EQ(footer.Font(), font);
}

TEST(SearchFooter, AssignCopiesTheStoredOptionsOnly) {
    TSearchFooter source(nullptr, true);
    source.SetVisible(true);
    source.SetColor(0x123456);
    source.SetShowClose(false);
    source.SetAutoThemeAdapt(true);
    source.AutoSearch = false;
    source.SearchFixedCells = true;
    source.LastSearch = "abc";
    source.SearchColumn = 4;
    source.SearchDirection = sdLeftRight;
    TFont font;
    font.SetName("Verdana");
    source.SetFont(font);

    TSearchFooter target(nullptr, false);
    EXPECT_EQ(firings(target.OnChange, [&] { target.Assign(source); }), 0);
    EXPECT_TRUE(target.Visible());
    EXPECT_EQ(target.Color(), 0x123456u);
    EXPECT_FALSE(target.ShowClose());
    EXPECT_EQ(target.HintFindNext(), "Find next occurrence");
    EXPECT_EQ(target.SearchColumn, 4);
    EXPECT_EQ(target.SearchDirection, sdLeftRight);
    EXPECT_EQ(target.Font().Name(), "Verdana");
    EXPECT_FALSE(target.AutoThemeAdapt());
    EXPECT_TRUE(target.AutoSearch);
    EXPECT_FALSE(target.SearchFixedCells);
    EXPECT_EQ(target.LastSearch, "");
}

TEST(Navigation, DefaultsAndSetters) {
    TNavigation nav;
    EXPECT_TRUE(nav.CopyHTMLTagsToClipboard && nav.AllowClipboardRowGrow && nav.AllowClipboardColGrow &&
                nav.EditSelectAll && nav.SkipFixedCells && nav.AllowCtrlEnter && nav.CursorWalkAlwaysEdit &&
                nav.AdvanceAutoEdit && nav.LeftRightRowSelect && nav.ComboGetUpDown && nav.SkipDisabledRows &&
                nav.AdvanceOnEnterLoop && nav.AdvanceSkipReadOnlyCells);
    EXPECT_FALSE(nav.AllowInsertRow || nav.AdvanceOnEnter || nav.AdvanceAuto() || nav.AdvanceInsert() ||
                 nav.KeepScrollOnSort || nav.AlwaysEdit);
    EXPECT_EQ(nav.ClipboardPasteAction, paReplace);
    EXPECT_EQ(nav.CursorAdvance, caDefault);
    EXPECT_EQ(nav.AdvanceDirection(), adLeftRight);
    EXPECT_EQ(nav.HomeEndKey, heFirstLastColumn);

    EXPECT_EQ(firings(nav.OnChange, [&] { nav.SetAdvanceDirection(adLeftRight); }), 0);
    EXPECT_EQ(firings(nav.OnChange, [&] { nav.SetAdvanceDirection(adTopBottom); }), 1);
    EXPECT_EQ(firings(nav.OnChange, [&] { nav.SetAdvanceInsert(true); }), 1);
    EXPECT_EQ(firings(nav.OnChange, [&] { nav.SetAdvanceInsert(true); }), 0);
    EXPECT_EQ(firings(nav.OnChange, [&] { nav.SetAdvanceAuto(true); }), 0);
    EXPECT_TRUE(nav.AdvanceOnEnter);
    nav.AdvanceOnEnter = false;
    nav.SetAdvanceAuto(false);
    EXPECT_FALSE(nav.AdvanceOnEnter);
}

TEST(Navigation, AssignCopiesAllButKeepScrollOnSort) {
    TNavigation source;
    source.SetAdvanceDirection(adTopBottomInCol);
    source.TabAdvanceDirection = adTopBottom;
    source.SetAdvanceAuto(true);
    source.KeepScrollOnSort = true;
    source.CursorAdvance = caLoop;
    source.SkipFixedCells = false;

    TNavigation target;
    EXPECT_EQ(firings(target.OnChange, [&] { target.Assign(source); }), 0);
    EXPECT_EQ(target.AdvanceDirection(), adTopBottomInCol);
    EXPECT_EQ(target.TabAdvanceDirection, adTopBottom);
    EXPECT_TRUE(target.AdvanceAuto() && target.AdvanceOnEnter);
    EXPECT_EQ(target.CursorAdvance, caLoop);
    EXPECT_FALSE(target.SkipFixedCells);
    EXPECT_FALSE(target.KeepScrollOnSort);
}

TEST(MouseActions, DefaultsAndSideEffects) {
    TMouseActions mouse(nullptr);
    EXPECT_TRUE(mouse.AutoSizeColOnDblClick && mouse.PreciseNodeClick);
    EXPECT_EQ(mouse.FixedRowsEdit, fceNone);
    EXPECT_EQ(mouse.FixedColsEditor, fceEdit);
    EXPECT_EQ(mouse.WheelAction(), waMoveSelection);
    EXPECT_EQ(mouse.WheelIncrement, 0);

    EXPECT_EQ(firings(mouse.OnInvalidate, [&] { mouse.SetHotmailRowSelect(true); }), 1);
    EXPECT_TRUE(mouse.DisjunctRowSelect() && mouse.CheckAllCheck);
    EXPECT_EQ(firings(mouse.OnInvalidate, [&] { mouse.SetHotmailRowSelect(false); }), 1);
    EXPECT_TRUE(mouse.DisjunctRowSelect() && mouse.CheckAllCheck);

    EXPECT_EQ(firings(mouse.OnDisableEdit, [&] { mouse.SetEditOnDblClickOnly(true); }), 1);
    EXPECT_EQ(firings(mouse.OnDisableEdit, [&] { mouse.SetEditOnDblClickOnly(false); }), 0);
    EXPECT_EQ(firings(mouse.OnChange, [&] { mouse.SetWheelAction(waScroll); }), 1);
    EXPECT_EQ(firings(mouse.OnChange, [&] { mouse.SetWheelAction(waScroll); }), 0);

    mouse.SetFixedComboValues({"a", "b"});
    EXPECT_EQ(mouse.FixedComboValues(), (QStringList{"a", "b"}));
}

TEST(MouseActions, DisjunctSelectionsExcludeEachOtherOnlyInTheDesigner) {
    for (bool designing : {false, true}) {
        TMouseActions mouse(nullptr);
        mouse.OnIsDesigning = [designing](TObject*, bool& d) { d = designing; };
        mouse.SetDisjunctRowSelect(true);
        mouse.SetDisjunctCellSelect(true);
        mouse.SetDisjunctColSelect(true);
        EXPECT_TRUE(mouse.DisjunctColSelect());
        EXPECT_EQ(mouse.DisjunctRowSelect(), !designing);
        EXPECT_EQ(mouse.DisjunctCellSelect(), !designing);
        // Switching off touches nothing else.
        mouse.SetDisjunctRowSelectDirect(true);
        mouse.SetDisjunctColSelect(false);
        EXPECT_TRUE(mouse.DisjunctRowSelect());
    }
}

TEST(MouseActions, AssignLeavesTheRunTimeOptions) {
    TMouseActions source(nullptr);
    source.SetHotmailRowSelect(true);
    source.SetEditOnDblClickOnly(true);
    source.SetWheelAction(waScroll);
    source.SizeFixedRow = true;
    source.SizeFixedCol = true;
    source.FixedColsEdit = fceRightClick;
    source.SetFixedComboValues({"x"});
    source.SetDisjunctCellSelect(true);

    TMouseActions target(nullptr);
    int events = 0;
    const auto count = [&events](TObject*) { ++events; };
    target.OnChange = count;
    target.OnInvalidate = count;
    target.OnDisableEdit = count;
    target.Assign(source);
    EXPECT_EQ(events, 0);
    EXPECT_TRUE(target.DisjunctRowSelect() && target.DisjunctCellSelect() && target.CheckAllCheck);
    EXPECT_EQ(target.WheelAction(), waScroll);
    EXPECT_TRUE(target.SizeFixedCol);
    EXPECT_EQ(target.FixedColsEdit, fceRightClick);
    EXPECT_FALSE(target.SizeFixedRow || target.HotmailRowSelect() || target.EditOnDblClickOnly());
    EXPECT_TRUE(target.FixedComboValues().isEmpty());
}

TEST(SyncGrid, IgnoresItsOwnGrid) {
    TStringGrid owner(nullptr);
    TStringGrid other(nullptr);
    TSyncGrid sync(&owner);
    sync.SetGrid(&other);
    sync.SetGrid(&owner);
    EXPECT_EQ(sync.Grid(), &other);

    // A record of the other grid cannot hand the owner its own grid either.
    TSyncGrid source(&other);
    source.SetGrid(&owner);
    source.MoveColumn = true;
    sync.Assign(source);
    EXPECT_EQ(sync.Grid(), &other);
    EXPECT_TRUE(sync.MoveColumn);
    sync.SetGrid(nullptr);
    EXPECT_EQ(sync.Grid(), nullptr);
}

TEST(Bands, OnlyActiveBandsReportLooks) {
    TBands bands;
    EXPECT_EQ(bands.TotalLength(), 2);
    EXPECT_EQ(bands.PrimaryColor(), clInfoBk);
    EXPECT_EQ(bands.SecondaryColor(), clWindow);

    EXPECT_EQ(firings(bands.OnChange, [&] { bands.SetPrimaryLength(3); }), 0);
    EXPECT_EQ(bands.TotalLength(), 4);
    EXPECT_EQ(firings(bands.OnChange, [&] { bands.SetPrimaryColor(clWhite); }), 0);
    EXPECT_EQ(bands.PrimaryColor(), clWhite);
    EXPECT_EQ(firings(bands.OnChange, [&] { bands.SetActive(true); }), 1);
    EXPECT_EQ(firings(bands.OnChange, [&] { bands.SetActive(true); }), 0);
    EXPECT_EQ(firings(bands.OnChange, [&] { bands.SetSecondaryLength(2); }), 1);
    EXPECT_EQ(firings(bands.OnChange, [&] { bands.SetSecondaryLength(2); }), 0);
    EXPECT_EQ(firings(bands.OnChange, [&] { bands.SetSecondaryColor(clRed); }), 1);

    TBands source;
    source.SetPrimaryLength(2);
    source.SetSecondaryLength(5);
    source.Print = true;
    TBands target;
    EXPECT_EQ(firings(target.OnChange, [&] { target.Assign(source); }), 0);
    EXPECT_EQ(target.TotalLength(), 7);
    EXPECT_TRUE(target.Print);
}

TEST(FocusHelper, AssignCopiesEnabled) {
    TFocusHelper source(nullptr);
    TFocusHelper target(nullptr);
    source.Enabled = true;
    target.Assign(source);
    EXPECT_TRUE(target.Enabled);
}

}  // namespace

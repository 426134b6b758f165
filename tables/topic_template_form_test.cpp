#include "tables/topic_template_form.h"

#include "config/tables/table_window_fixture.h"
#include "platform/controls/label.h"
#include "platform/controls/rich_edit.h"
#include "platform/controls/panel.h"
#include "platform/controls/splitter.h"

namespace {

using TopicTemplateEditor = TableWindowFixture<TFTopicTemplate>;

TEST_F(TopicTemplateEditor, TheCaptionsSayWhatIsEditedAndTheLegendHasOneEmptyRow) {
    EXPECT_EQ(window->ClientWidth(), 635);
    EXPECT_EQ(window->ClientHeight(), 396);
    EXPECT_EQ(window->L_List_Keywords->Caption(), "List of keywords");
    EXPECT_EQ(window->ASG_Keywords->GetCellEx(1, 0), "Description of Keyword");
    window->TopicTemplate = 1;
    show([&](TFTopicTemplate& w) {
        EXPECT_EQ(w.Caption(), "Set Template");
        EXPECT_EQ(w.L_SW_Desc->Caption(), "Set Template");
        EXPECT_EQ(w.ASG_Keywords->RowCount(), 2);
        EXPECT_EQ(w.ASG_Keywords->GetCellEx(0, 1), "");
        EXPECT_FALSE(w.ASG_Keywords->ReadOnly(0, 1));
        EXPECT_TRUE(w.ASG_Keywords->ReadOnly(1, 1));
    });
    window->TopicTemplate = 0;
    show([&](TFTopicTemplate& w) { EXPECT_EQ(w.Caption(), "Set Topic"); });
}

// The caller's protocol: the text in, OK, the whole text out; keywords typed stay as typed.
TEST_F(TopicTemplateEditor, OkGivesBackTheWholeTextWithItsKeywordsAndLineBreaks) {
    window->RE_TopicTemplate->SetText("$VALUE$");
    const TModalResult result = show([&](TFTopicTemplate& w) {
        w.RE_TopicTemplate->SetText(w.RE_TopicTemplate->Text() + "\n{\"t\": $TIME$}");
        press(w.Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(window->RE_TopicTemplate->Text(), "$VALUE$\n{\"t\": $TIME$}");
    EXPECT_EQ(show([&](TFTopicTemplate& w) { press(w.Btn_Cancel); }), mrCancel);
}

// The splitter above the legend moves the border between the text and the legend.
TEST_F(TopicTemplateEditor, TheSplitterMovesTheBorderBetweenTextAndLegend) {
    show([&](TFTopicTemplate& w) {
        const int bottom = w.P_Legend->Top() + w.P_Legend->Height();
        EXPECT_EQ(w.Splitter1->Top() + w.Splitter1->Height(), w.P_Legend->Top());
        EXPECT_EQ(w.P_Legend->Height(), 108);
        const int text_height = w.RE_TopicTemplate->Height();
        mouseMessage(*w.Splitter1, WM_LBUTTONDOWN, 10, 1, MK_LBUTTON);
        mouseMessage(*w.Splitter1, WM_MOUSEMOVE, 10, -49, MK_LBUTTON);
        mouseMessage(*w.Splitter1, WM_LBUTTONUP, 10, 1);
        EXPECT_EQ(w.P_Legend->Height(), 158);
        EXPECT_EQ(w.P_Legend->Top() + w.P_Legend->Height(), bottom);
        EXPECT_EQ(w.RE_TopicTemplate->Height(), text_height - 50);
    });
}

}  // namespace

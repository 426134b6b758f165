#include "tables/mqtt_set_topic_form.h"

#include "tables/mqtt_set_topic_check.h"
#include "tables/topic_template_form.h"
#include "config/tables/table_window_fixture.h"
#include "grid/columngrid/ex_column_grid.h"
#include "platform/controls/page_control.h"
#include "platform/controls/rich_edit.h"

namespace {

const char File[] = "MQTT_Set_Topic.xml";

// The stored attributes, in file order.
const QStringList Publish_Stored{"plant/t1", "Y", "1", "Int", "2", "7", "10.0.0.5", "$IN$", "{\"v\":$VALUE$}", "N", "Y", "250", "Boiler"};
const QStringList Subscribe_Stored{"plant/sp", "N", "2", "Float", "4", "9", "10.0.0.6", "502", "UDP", "", "$VALUE$", "Set point"};

class MQTTTopicsWindow : public TableWindowFixture<TFMQTT_Set_Topic> {
protected:
    void SetUp() override {
        TableWindowFixture::SetUp();
        editor = std::make_unique<TFTopicTemplate>(nullptr);
        editor->Create();
        FTopicTemplate = editor.get();
    }
    void TearDown() override {
        FTopicTemplate = nullptr;
        editor.reset();
        TableWindowFixture::TearDown();
    }
    TExColumnGrid& pub() { return *window->ACG_Pub; }
    TExColumnGrid& sub() { return *window->ACG_Sub; }
    static QByteArray document(const TTable_Rows& publish, const TTable_Rows& subscribe) {
        return Table_Groups_Xml(MQTT_Set_Topic_File, {publish, subscribe});
    }
    std::unique_ptr<TFTopicTemplate> editor;
};

TEST_F(MQTTTopicsWindow, WorkingModeOneShowsItsColumnsOf1024RowsInBothTables) {
    EXPECT_EQ(window->ClientWidth(), 1100);
    EXPECT_EQ(window->TS_MQTT_Subscribe->Caption(), "MQTT Subscribe");
    show([&](TFMQTT_Set_Topic& w) {
        EXPECT_EQ(w.Working_Mode, 1);
        EXPECT_EQ(w.PageControl1->ActivePage(), w.TS_MQTT_Publish);
        EXPECT_EQ(pub().RowCount(), 1025);
        EXPECT_EQ(sub().RowCount(), 1025);
        QList<int> hidden;
        for (int c = 0; c < 18; ++c)
            if (pub().IsHiddenColumn(c)) hidden << c;
        EXPECT_EQ(hidden, QList<int>({mpIPAddress, mpInputTemplate, mpOnCMD, mpChannel, mpSwap, mpSwapWord}));
        hidden.clear();
        for (int c = 0; c < 15; ++c)
            if (sub().IsHiddenColumn(c)) hidden << c;
        EXPECT_EQ(hidden, QList<int>({msRetained, msIPAddress, msPort, msEthType, msInputTemplate, msSwap, msSwapWord}));
        EXPECT_EQ(pub().ColCount(), 12);
        EXPECT_EQ(pub().Columns().Items(mpTemplate)->Header(), "Template");
        EXPECT_EQ(pub().Columns().Items(mpTemplate)->ComboItems().Strings(0), "$VALUE$");
        EXPECT_EQ(sub().Columns().Items(msEthType)->ComboItems().Strings(1), "UDP");
        QString hint;
        w.GridHint(&pub(), 0, pub().RealToDisplCol(mpTime), hint);
        EXPECT_EQ(hint, "Insert then Timer in milliseconds between two Publish");
    });
}

// Every stored cell, hidden ones too, comes back as written; the columns not stored come back
// with their fixed texts.
TEST_F(MQTTTopicsWindow, AFileWrittenByTheWindowReadsBackUnchanged) {
    const QByteArray original = document({Publish_Stored}, {Subscribe_Stored});
    folder.write(File, original);
    show([&](TFMQTT_Set_Topic& w) {
        EXPECT_EQ(rowCells(pub(), 1, mpTopic, mpMnemonic),
                  QStringList({"plant/t1", "Y", "1", "Int", "2", "7", "10.0.0.5", "$IN$", "{\"v\":$VALUE$}", "N", "", "Y",
                               "250", "", "N", "N", "Boiler"}));
        EXPECT_EQ(rowCells(sub(), 1, msTopic, msMnemonic),
                  QStringList({"plant/sp", "N", "2", "Float", "4", "9", "10.0.0.6", "502", "UDP", "", "$VALUE$", "N",
                               "N", "Set point"}));
        EXPECT_EQ(pub().GetCellEx(0, 2), "2");
        fillRow(pub(), 2, {" ", "Y", "", "", "x"});  // no topic: the table ends here, neither checked nor saved
        press(w.Btn_OK);
    });
    EXPECT_TRUE(driver().boxes().empty()) << boxTexts().join('\n').toStdString();
    EXPECT_EQ(fileBytes(File), original);
}

// A row lacking a required attribute ends the loading there; the rows before it stay.
TEST_F(MQTTTopicsWindow, ARowWithoutARequiredAttributeEndsTheLoadingWithTheError) {
    QByteArray text = document({Publish_Stored, Publish_Stored}, {Subscribe_Stored});
    text.replace(text.lastIndexOf(" Mnemonic=\"Boiler\""), 18, "");
    folder.write(File, text);
    show([&](TFMQTT_Set_Topic&) {
        EXPECT_EQ(pub().GetCellEx(mpTopic, 1), "plant/t1");
        EXPECT_EQ(pub().GetCellEx(mpTopic, 2), "");
        EXPECT_EQ(sub().GetCellEx(msTopic, 1), "");
    });
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_TRUE(driver().boxes()[0].text.startsWith("Attribute \"Mnemonic\" is missing in row 2 of " + folder.file(File)))
        << driver().boxes()[0].text.toStdString();
}

// A group under another name opens as an empty table, but not without a word: the window says
// which group is missing, and OK keeps the file byte for byte before it saves over it.
TEST_F(MQTTTopicsWindow, AMisnamedGroupIsReportedAndTheFileIsKeptBeforeTheSave) {
    QByteArray text = document({Publish_Stored}, {Subscribe_Stored});
    text.replace("<MQTT_Publish>", "<MQTT_Publis>").replace("</MQTT_Publish>", "</MQTT_Publis>");
    folder.write(File, text);
    show([&](TFMQTT_Set_Topic& w) {
        EXPECT_EQ(pub().GetCellEx(mpTopic, 1), "");
        EXPECT_EQ(sub().GetCellEx(msTopic, 1), "plant/sp");
        press(w.Btn_OK);
    });
    ASSERT_EQ(driver().boxes().size(), 1u);
    EXPECT_EQ(driver().boxes()[0].text, "Group \"MQTT_Publish\" is missing in " + folder.file(File) +
                                            ".\n\nThe file will be kept as " + folder.file(File) +
                                            ".damaged before it is saved over.");
    EXPECT_EQ(fileBytes(QString(File) + ".damaged"), text);
}

TEST_F(MQTTTopicsWindow, AFaultIsShownWithItsRowAndNothingIsWritten) {
    show([&](TFMQTT_Set_Topic& w) {
        fillRow(pub(), 1, {"a", "N", "0", "Int", "4", "0"});
        fillRow(pub(), 2, {"b", "N", "0", "Int", "4", "1440"});
        press(w.Btn_OK);
        EXPECT_EQ(w.ModalResult(), mrNone);
    });
    EXPECT_EQ(boxTexts(), QStringList({"Error row 2!! [MQTT Publish] Position must be beetween 0 and 1439"}));
    EXPECT_EQ(fileBytes(File), "<missing>");
}

TEST_F(MQTTTopicsWindow, InsertRowActsOnTheActivePageAndLeavesAnEmptyRow) {
    show([&](TFMQTT_Set_Topic& w) {
        fillRow(pub(), 1, {"a", "Y"});
        fillRow(sub(), 1, {"s"});
        pub().SetRow(1);
        press(w.Btn_InsRow);
        EXPECT_EQ(rowCells(pub(), 1, mpTopic, mpRetained), QStringList({"", ""}));
        EXPECT_EQ(rowCells(pub(), 2, mpTopic, mpRetained), QStringList({"a", "Y"}));
        EXPECT_EQ(sub().GetCellEx(msTopic, 1), "s");
    });
}

// A double click on a Template cell edits it as a template; OK takes the text back, Cancel
// leaves the cell as it was.
TEST_F(MQTTTopicsWindow, ADoubleClickOnATemplateCellEditsItInTheTemplateEditor) {
    show([&](TFMQTT_Set_Topic& w) {
        w.PageControl1->SetActivePage(w.TS_MQTT_Subscribe);
        sub().SetCellEx(msTemplate, 3, "$VALUE$");
        sub().FocusCell(sub().RealToDisplCol(msTemplate), 3);
        driver().onNextModal([&](TForm&) {
            EXPECT_EQ(editor->Caption(), "Set Template");
            EXPECT_EQ(editor->Pub_Sub, 1);
            EXPECT_EQ(editor->RE_TopicTemplate->Text(), "$VALUE$");
            editor->RE_TopicTemplate->SetText("{\n \"v\": $VALUE$\n}");
            press(editor->Btn_OK);
        });
        w.DblClickCell(&sub(), 3, sub().RealToDisplCol(msTemplate));
        EXPECT_EQ(sub().GetCellEx(msTemplate, 3), "{\n \"v\": $VALUE$\n}");

        driver().onNextModal([&](TForm&) {
            editor->RE_TopicTemplate->SetText("lost");
            press(editor->Btn_Cancel);
        });
        w.DblClickCell(&sub(), 3, sub().RealToDisplCol(msTemplate));
        EXPECT_EQ(sub().GetCellEx(msTemplate, 3), "{\n \"v\": $VALUE$\n}");
    });
}

}  // namespace

#include "tables/mqtt_set_topic_form.h"

#include "tables/mqtt_set_topic_check.h"
#include "tables/topic_template_form.h"
#include "grid/columngrid/ex_column_grid.h"
#include "platform/controls/page_control.h"
#include "platform/controls/rich_edit.h"
#include "common/state/program_state.h"

TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;

const TTable_Groups_File MQTT_Set_Topic_File{
    "MQTT_Set_Topic",
    "SW_VERSION = 1.000",
    {{"MQTT_Publish",
      {{"Topic", Required}, {"Retained", Required}, {"QoS", Required}, {"DataType", ""}, {"Dimension", ""},
       {"Position", ""}, {"IPAddress", ""}, {"InputTemplate", ""}, {"Template", ""}, {"OnChange", "N"},
       {"OnTimer", "N"}, {"Time", ""}, {"Mnemonic", Required}}},
     {"MQTT_Subscribe",
      {{"Topic", Required}, {"Retained", Required}, {"QoS", Required}, {"DataType", ""}, {"Dimension", ""},
       {"Position", ""}, {"IPAddress", ""}, {"Port", ""}, {"EthType", ""}, {"InputTemplate", ""}, {"Template", ""},
       {"Mnemonic", Required}}}}};

namespace {

constexpr int Rows = 1024;
constexpr int Working_Mode_1 = 1;

const QStringList QoS{"0", "1", "2"};
const QStringList Data_Types{"Int", "Float", "String", "Base64"};
const QStringList Template_Presets{"$VALUE$"};

QStringList channels() {
    QStringList items;
    for (int i = 0; i < 64; ++i) items << QString::number(i);
    return items << QStringLiteral("All");
}

const TColumn_Def Check_40{40, edDataCheckBox, {}};
const TColumn_Def Number{40, edNormal, {}};
const TColumn_Def Topic{300, edNormal, {}};

TTable_Page publishPage() {
    return {"TS_MQTT_Publish",
            "ACG_Pub",
            1533,
            {Number, Topic, {60, edDataCheckBox, {}}, {80, edComboList, QoS}, {80, edComboList, Data_Types},
             {80, edNormal, {}}, {80, edNormal, {}}, {100, edNormal, {}}, {120, edNormal, {}},
             {130, edComboEdit, Template_Presets}, {75, edDataCheckBox, {}}, {55, edDataCheckBox, {}},
             {64, edDataCheckBox, {}}, {70, edNormal, {}}, {60, edComboList, channels()}, Check_40,
             {80, edDataCheckBox, {}}, {170, edNormal, {}}},
            {mpTopic, mpRetained, mpQoS, mpDataType, mpDimension, mpPosition, mpIPAddress, mpInputTemplate, mpTemplate,
             mpOnChange, mpOnTimer, mpTime, mpMnemonic},
            {{mpChannel, ""}, {mpSwap, "N"}, {mpSwapWord, "N"}},
            mpTopic,
            Rows,
            {1514, 1515, 1516, 1517, 1537, 1538, 1539, 1562, 1563, 1535, 1581, 1583, 1584, 1585, 1590, 1593, 1594, 1518},
            {1519, 1520, 1521, 1540, 1541, 1542, 1564, 1565, 1536, 1582, 1586, 1587, 1588, 1591, 1595, 1596, 1522}};
}

TTable_Page subscribePage() {
    return {"TS_MQTT_Subscribe",
            "ACG_Sub",
            1534,
            {Number, Topic, {60, edDataCheckBox, {}}, {80, edComboList, QoS}, {80, edComboList, Data_Types},
             {80, edNormal, {}}, {80, edNormal, {}}, {100, edNormal, {}}, {50, edNormal, {}},
             {64, edComboList, {"TCP", "UDP"}}, {130, edNormal, {}}, {130, edComboEdit, Template_Presets}, Check_40,
             {80, edDataCheckBox, {}}, {220, edNormal, {}}},
            {msTopic, msRetained, msQoS, msDataType, msDimension, msPosition, msIPAddress, msPort, msEthType,
             msInputTemplate, msTemplate, msMnemonic},
            {{msSwap, "N"}, {msSwapWord, "N"}},
            msTopic,
            Rows,
            {1524, 1525, 1526, 1527, 1543, 1544, 1545, 1566, 1567, 1568, 1569, 1546, 1593, 1594, 1528},
            {1529, 1530, 1531, 1547, 1548, 1549, 1570, 1571, 1572, 1573, 1550, 1597, 1598, 1532}};
}

// The columns working mode 1 hides (real indexes).
const int Publish_Hidden[] = {mpIPAddress, mpInputTemplate, mpOnCMD, mpChannel, mpSwap, mpSwapWord};
const int Subscribe_Hidden[] = {msRetained, msIPAddress, msPort, msEthType, msInputTemplate, msSwap, msSwapWord};

TShown_Column shownIn(TExColumnGrid& Grid) {
    return [&Grid](int Column) { return !Grid.IsHiddenColumn(Column); };
}

}  // namespace

TFMQTT_Set_Topic::TFMQTT_Set_Topic(TComponent* AOwner)
    : TPagedTableForm(AOwner, {1500, 1508, 1551, 1523}, MQTT_Set_Topic_File, {publishPage(), subscribePage()}, 1100,
                      337, false) {}

void TFMQTT_Set_Topic::Loaded() {
    TPagedTableForm::Loaded();
    TS_MQTT_Publish = Sheet(0);
    TS_MQTT_Subscribe = Sheet(1);
    ACG_Pub = &Grid(0);
    ACG_Sub = &Grid(1);
}

QString TFMQTT_Set_Topic::File_Name() const { return File_MQTT_Set_Topic; }

void TFMQTT_Set_Topic::Prepare_Show() {
    Working_Mode = Working_Mode_1;
    Byte_IN = MQTT_Image_Size;
    Byte_OUT = MQTT_Image_Size;
    ACG_Pub->UnHideColumnsAll();
    ACG_Sub->UnHideColumnsAll();
    for (int column : Publish_Hidden) ACG_Pub->HideColumn(column);
    for (int column : Subscribe_Hidden) ACG_Sub->HideColumn(column);
}

bool TFMQTT_Set_Topic::Controllo_dati() {
    return Report(Check_MQTT_Publish(Used_Rows(0), Byte_IN, shownIn(*ACG_Pub))) &&
           Report(Check_MQTT_Subscribe(Used_Rows(1), Byte_OUT, shownIn(*ACG_Sub)));
}

void TFMQTT_Set_Topic::DblClickCell(TObject* Sender, int ARow, int ACol) {
    TPagedTableForm::DblClickCell(Sender, ARow, ACol);
    const int page = Page_Of(Sender);
    if (page < 0) return;
    TExColumnGrid& grid = Grid(page);
    if (grid.RealCol() == (page == 0 ? int(mpTemplate) : int(msTemplate))) Show_Form_Topic(grid, grid.Row(), grid.RealCol());
}

void TFMQTT_Set_Topic::Show_Form_Topic(TExColumnGrid& Grid, int Row, int Col) {
    // The double click has opened the cell's own editor as well. It ends here, keeping what was
    // typed in it, so that it has nothing left to write back over the edited template.
    if (Grid.EditMode()) Grid.HideCellEdit();
    Grid.SetEditorMode(false);
    const bool publish = &Grid == ACG_Pub;
    FTopicTemplate->TopicTemplate = Col == (publish ? int(mpTemplate) : int(msTemplate)) ? 1 : 0;
    FTopicTemplate->Working_Mode = Working_Mode;
    FTopicTemplate->Pub_Sub = publish ? 0 : 1;
    FTopicTemplate->RE_TopicTemplate->SetText(Grid.GetCellEx(Col, Row));
    if (FTopicTemplate->ShowModal() == mrOk) Grid.SetCellEx(Col, Row, FTopicTemplate->RE_TopicTemplate->Text());
}

#include "tables/topic_template_form.h"

#include "grid/stringgrid/model/ex_string_grid.h"
#include "platform/controls/label.h"
#include "platform/controls/panel.h"
#include "platform/controls/rich_edit.h"
#include "platform/controls/splitter.h"
#include "common/buttons/lb_button.h"
#include "common/state/program_state.h"

TFTopicTemplate* FTopicTemplate = nullptr;

namespace {

constexpr int Client_Width = 635;
constexpr int Client_Height = 396;
constexpr int Legend_Height = 108;
constexpr int Splitter_Height = 3;

}  // namespace

void TFTopicTemplate::Loaded() {
    static_cast<TDialogFrame&>(*this) = Build_Dialog_Frame(*this, Client_Width, Client_Height, "Tahoma");
    Btn_OK->ModalResult = mrOk;
    const int top = P_Title->Height();
    const int legend_top = P_Button->Top() - Legend_Height;
    const int splitter_top = legend_top - Splitter_Height;

    Panel1 = Place_Control<TPanel>(*this, this, "Panel1", 0, top, Client_Width, splitter_top - top);
    Panel1->BevelOuter = bvNone;
    Panel1->Anchors = akLeft | akTop | akRight | akBottom;
    RE_TopicTemplate = Place_Control<TRichEdit>(*this, Panel1, "RE_TopicTemplate", 8, 8, Client_Width - 16,
                                                splitter_top - top - 16);
    RE_TopicTemplate->Font().SetName("Tahoma");
    RE_TopicTemplate->Font().SetSize(8);
    RE_TopicTemplate->Anchors = akLeft | akTop | akRight | akBottom;

    P_Legend = Place_Control<TPanel>(*this, this, "P_Legend", 0, legend_top, Client_Width, Legend_Height);
    P_Legend->BevelOuter = bvNone;
    P_Legend->Anchors = akLeft | akRight | akBottom;
    // The user moves the border between the text and the legend.
    Splitter1 = Place_Control<TSplitter>(*this, this, "Splitter1", 0, splitter_top, Client_Width, Splitter_Height);
    Splitter1->Anchors = akLeft | akRight | akBottom;
    Splitter1->Above = Panel1;
    Splitter1->Below = P_Legend;
    L_List_Keywords = Place_Control<TLabel>(*this, P_Legend, "L_List_Keywords", 8, 2, 0, 0);
    ASG_Keywords = Place_Control<TExStringGrid>(*this, P_Legend, "ASG_Keywords", 8, 18, Client_Width - 16,
                                                Legend_Height - 22);
    ASG_Keywords->SetColCount(2);
    ASG_Keywords->SetFixedCols(0);
    ASG_Keywords->SetColWidths(0, 200);
    ASG_Keywords->SetColWidths(1, 380);
    ASG_Keywords->SetOptions(ASG_Keywords->Options() | goEditing);

    Buttons_Last_In_Tab_Order();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
}

void TFTopicTemplate::FormCreate(TObject*) {
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    Set_Lang();
}

void TFTopicTemplate::FormShow(TObject*) {
    const bool is_template = TopicTemplate == 1;
    SetCaption(Lang(is_template ? 1601 : 1600));
    L_SW_Desc->SetCaption(Lang(is_template ? 1603 : 1602));
    Laod_Keywords();
    if (RE_TopicTemplate->CanFocus()) RE_TopicTemplate->SetFocus();
}

// The keywords and what they stand for; the user types them into the text.
void TFTopicTemplate::Laod_Keywords() {
    const QStringList keywords, descriptions;
    const int rows = std::max(1, int(keywords.size()));
    ASG_Keywords->SetRowCount(rows + 1);
    for (int r = 1; r <= rows; ++r) {
        ASG_Keywords->SetCellEx(0, r, keywords.value(r - 1));
        ASG_Keywords->SetCellEx(1, r, descriptions.value(r - 1));
        ASG_Keywords->SetReadOnly(0, r, false);
        ASG_Keywords->SetReadOnly(1, r, true);
    }
}

void TFTopicTemplate::Set_Lang() {
    SetCaption(Lang(1600));
    L_SW_Desc->SetCaption(Lang(1602));
    L_List_Keywords->SetCaption(Lang(1604));
    ASG_Keywords->SetCellEx(0, 0, Lang(1605));
    ASG_Keywords->SetCellEx(1, 0, Lang(1606));
    Btn_OK->SetCaption(Lang(1607));
    Btn_Cancel->SetCaption(Lang(1608));
}

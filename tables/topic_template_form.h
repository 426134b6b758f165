#pragma once

#include "common/state/dialog_frame.h"
#include "platform/controls/form.h"

class TExStringGrid;
class TLabel;
class TPanel;
class TRichEdit;
class TSplitter;

// The editor of one MQTT topic or template text, with a legend of keywords below it. The
// caller sets the fields and the text, shows it modally and on OK takes the whole text back.
class TFTopicTemplate : public TForm, public TDialogFrame {
public:
    explicit TFTopicTemplate(TComponent* AOwner) : TForm(AOwner) {}

    // 1 when a template is edited, 0 for a topic: chooses the captions.
    int TopicTemplate = 0;
    // The working mode of the calling tables.
    int Working_Mode = 1;
    // 0 for a cell of the publish table, 1 for the subscribe table.
    int Pub_Sub = 0;

    TPanel* Panel1 = nullptr;
    TRichEdit* RE_TopicTemplate = nullptr;
    TSplitter* Splitter1 = nullptr;
    TPanel* P_Legend = nullptr;
    TLabel* L_List_Keywords = nullptr;
    TExStringGrid* ASG_Keywords = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Laod_Keywords();
    void Set_Lang();

protected:
    void Loaded() override;
};

extern TFTopicTemplate* FTopicTemplate;

#pragma once

#include "config/tables/paged_table_form.h"

// The MQTT topics (MQTT_Set_Topic.xml): the values of the data image the device publishes on a
// topic (publish table) and the topics whose messages it stores into the data image (subscribe
// table). Topics and templates may hold keywords between "$" signs; a double click on a
// Template cell edits it in the topic template editor. Some columns are hidden in working
// mode 1; they keep their texts and are stored like the others.
class TFMQTT_Set_Topic : public TPagedTableForm {
public:
    explicit TFMQTT_Set_Topic(TComponent* AOwner);

    TTabSheet* TS_MQTT_Publish = nullptr;
    TTabSheet* TS_MQTT_Subscribe = nullptr;
    TExColumnGrid* ACG_Pub = nullptr;
    TExColumnGrid* ACG_Sub = nullptr;
    // The sizes of the data image publish and subscribe positions point into.
    int Byte_IN = 0;
    int Byte_OUT = 0;
    // The working mode of the tables, handed to the template editor.
    int Working_Mode = 0;

    bool Controllo_dati() override;
    void DblClickCell(TObject* Sender, int ARow, int ACol) override;
    // Edits the Template cell (Row, Col: real indexes) of Grid in the template editor.
    void Show_Form_Topic(TExColumnGrid& Grid, int Row, int Col);

protected:
    void Loaded() override;
    QString File_Name() const override;
    void Prepare_Show() override;
};

// The size of the data image either table points into.
constexpr int MQTT_Image_Size = 1440;

extern const TTable_Groups_File MQTT_Set_Topic_File;

extern TFMQTT_Set_Topic* FMQTT_Set_Topic;

// On a real display, with the program's own windows: a Template cell of the MQTT topics edited
// the way a user does it. A double click on the cell opens the template editor; a new text typed
// there and OK, then OK of the topics window: the file holds the new template.
#include "config/tables/table_window_fixture.h"
#include "grid/columngrid/ex_column_grid.h"
#include "platform/controls/application.h"
#include "platform/controls/rich_edit.h"
#include "platform/testkit/input_robot.h"
#include "platform/testkit/step_runner.h"
#include "platform/testkit/temp_folder.h"
#include "tables/mqtt_set_topic_check.h"
#include "tables/mqtt_set_topic_form.h"
#include "tables/topic_template_form.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr unsigned Walk_Timeout_Ms = 20000;
const QString New_Template = QStringLiteral("{\"v\":$VALUE$}");

bool modal(const TForm* form) { return robot::activeModalForm() == form; }

TExColumnGrid& pub() { return *FMQTT_Set_Topic->ACG_Pub; }

void plan(StepRunner& steps) {
    steps.add("the topics window", [] { return modal(FMQTT_Set_Topic); }, [] {
        const TRect r = pub().CellRect(pub().RealToDisplCol(mpTemplate), 1);
        robot::doubleClick(pub(), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    });
    steps.add("the template editor", [] { return modal(FTopicTemplate); }, [] {
        robot::clickCenter(*FTopicTemplate->RE_TopicTemplate);
        robot::pressKey(Qt::Key_A, Qt::ControlModifier);
        robot::typeText(New_Template);
    });
    steps.add("the new template typed",
              [] { return modal(FTopicTemplate) && FTopicTemplate->RE_TopicTemplate->Text() == New_Template; },
              [] { robot::clickCenter(*FTopicTemplate->Btn_OK); });
    steps.add("back in the topics window", [] { return modal(FMQTT_Set_Topic); },
              [] { robot::clickCenter(*FMQTT_Set_Topic->Btn_OK); });
}

}  // namespace

int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    TempFolder folder;
    Reset_Program_State();
    Load_Default_Texts();
    Project_Path = folder.path();
    Set_Project_Files();
    const QStringList row{"plant/t1", "N", "0", "Int", "2", "0", "", "", "$VALUE$", "Y", "N", "0", "Boiler"};
    folder.write("MQTT_Set_Topic.xml", Table_Groups_Xml(MQTT_Set_Topic_File, {{row}, {}}));
    Application->CreateForm(FMQTT_Set_Topic);
    Application->CreateForm(FTopicTemplate);

    StepRunner steps;
    plan(steps);
    steps.onStep = [](const QString& what) {
        std::printf("%s\n", qPrintable(what));
        std::fflush(stdout);
    };
    steps.start(
        Walk_Timeout_Ms, [] {},
        [](const QString& step) {
            std::fprintf(stderr, "FAILED: never ready: %s (%s)\n", qPrintable(step), qPrintable(robot::describeScreen()));
            std::fflush(stderr);
            std::_Exit(1);
        });
    const TModalResult result = FMQTT_Set_Topic->ShowModal();

    QStringList faults;
    if (!steps.done()) faults << QStringLiteral("the topics window closed before the walk ended");
    if (result != mrOk) faults << QStringLiteral("the topics window was not closed with OK");
    const QByteArray written = readFileBytes(File_MQTT_Set_Topic);
    if (!written.contains("Template=\"" + Xml_Attribute_Text(New_Template) + "\""))
        faults << QStringLiteral("the file does not hold the new template: ") + QString::fromUtf8(written);
    // The windows and the toolkit go now, as at the end of the program's own run.
    Application->MainForm = nullptr;
    Application->Run();
    for (const QString& fault : faults) std::fprintf(stderr, "FAILED: %s\n", qPrintable(fault));
    std::printf("%s\n", faults.isEmpty() ? "the template edited by a double click was saved" : "the walk failed");
    std::fflush(stdout);
    return faults.isEmpty() ? 0 : 1;
}

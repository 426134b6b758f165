// Opens a window holding one of each editor control, to look at them by eye on a display
// (xvfb-run -a editors_preview 3000). Argument: the milliseconds after which it closes (none:
// stays open). When it closes it checks that every control stood shown on the display with
// the value it was given, and says which did not (exit code 1).
#include "grid/editors/asg_combo.h"
#include "grid/editors/asg_edit_btn.h"
#include "grid/editors/asg_spin_edit.h"
#include "grid/editors/asg_unit_edit_btn.h"
#include "grid/editors/dropdown/memo_dropdown.h"
#include "grid/editors/dropdown/trackbar_dropdown.h"
#include "grid/editors/ex_date_time_picker.h"
#include "grid/editors/own_border_date_picker.h"
#include "platform/controls/application.h"
#include "platform/controls/form.h"
#include "platform/controls/label.h"
#include "platform/controls/timer.h"
#include "platform/system/conversions.h"

#include <QString>
#include <cstdio>

namespace {

constexpr int Left = 140, Width = 200, Height = 22, Step = 34;

// A control in row Row, with a caption left of it where the control has no label of its own.
template <typename T>
T* place(TForm* Form, int Row, const char* Caption = nullptr) {
    if (Caption) {
        auto* label = new TLabel(Form);
        label->SetParent(Form);
        label->SetCaption(QString::fromLatin1(Caption));
        label->SetBounds(12, 20 + Row * Step, Left - 20, Height);
    }
    auto* control = new T(Form);
    control->SetParent(Form);
    control->SetBounds(Left, 16 + Row * Step, Width, Height);
    return control;
}

}  // namespace

int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    auto* form = new TForm(Application);
    form->SetCaption(QStringLiteral("Editor controls"));
    form->SetBounds(0, 0, 380, 16 + 10 * Step + 16);
    Application->MainForm = form;

    auto* combo = place<TAsgComboBox>(form, 0);
    combo->SetItems({"Input", "Output", "Memory"});
    combo->SetItemIndex(1);
    combo->SetLabelCaption(QStringLiteral("Combo box"));

    auto* spin = place<TAsgSpinEdit>(form, 1, "Spin edit");
    spin->SetValue(42);

    auto* floatSpin = place<TAsgSpinEdit>(form, 2, "Float spin edit");
    floatSpin->SetSpinType(sptFloat);
    floatSpin->SetPrecision(2);
    floatSpin->SetFloatValue(3.25);

    auto* edit = place<TAsgEditBtn>(form, 3, "Edit with button");
    edit->SetText(QStringLiteral("some text"));
    edit->SetButtonCaption(QStringLiteral("..."));

    auto* unit = place<TAsgUnitEditBtn>(form, 4, "Unit edit");
    unit->SetUnits({"ms", "s", "min"});
    unit->SetTextAndUnit(QStringLiteral("250ms"));

    auto* date = place<TAsgDateTimePicker>(form, 5, "Date picker");
    date->SetBorderColor(0x808080);
    date->SetDateTime(EncodeDate(2026, 12, 10));

    auto* dateTime = place<TExDateTimePicker>(form, 6);
    dateTime->SetKind(dkDateTime);
    dateTime->SetDateTime(EncodeDate(2026, 12, 10) + 0.5);
    dateTime->SetLabelCaption(QStringLiteral("Date and time"));

    auto* track = place<TExTrackBarDropDown>(form, 7, "Track bar drop-down");
    track->SetPosition(4);
    track->SetTextDirect(QStringLiteral("4"));

    auto* memo = place<TExMemoDropDown>(form, 8, "Memo drop-down");
    memo->MemoText().SetText(QStringLiteral("first line\nsecond line"));

    // What the user saw, taken while the window still stands.
    QStringList faults;
    const auto check = [&faults](bool ok, const char* what) {
        if (!ok) faults << QString::fromLatin1(what);
    };
    const auto look = [&] {
        for (int i = 0; i < form->ControlCount(); ++i) {
            auto* control = dynamic_cast<TWinControl*>(form->Controls(i));
            if (control && (!control->Showing() || !control->HandleAllocated()))
                faults << QStringLiteral("a control was not shown: ") + control->ClassName();
        }
        check(combo->Text() == "Output", "the combo box lost its item");
        check(spin->Text() == "42", "the spin edit lost its value");
        check(floatSpin->Text() == "3.25" || floatSpin->Text() == "3,25", "the float spin edit lost its value");
        check(unit->UnitID() == "ms" && unit->Text() == "250", "the unit edit lost its value or unit");
        check(dateTime->TimePart() && dateTime->TimePart()->Showing(), "the time part was not shown");
        check(dateTime->PickerLabel() && dateTime->PickerLabel()->Showing(), "the date-time label was not shown");
        check(track->EditText() == "4", "the track bar drop-down lost its value");
        check(memo->EditText().startsWith("first line"), "the memo drop-down does not show its first line");
    };
    if (argc > 1) {
        auto* timer = new TTimer(form);
        timer->SetInterval(QString::fromLocal8Bit(argv[1]).toUInt());
        timer->OnTimer = [form, look](TObject*) {
            look();
            form->Close();
        };
    }
    form->Show();
    Application->Run();
    for (const QString& fault : faults) std::fprintf(stderr, "%s\n", qPrintable(fault));
    return faults.isEmpty() ? 0 : 1;
}

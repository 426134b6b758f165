#pragma once

#include "grid/editors/dropdown/descendant_fixture.h"
#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "grid/foundation/format_settings_fixture.h"
#include "platform/controls/form.h"
#include "platform/testkit/scripted_screen.h"
#include "platform/testkit/testkit.h"

#include <QStringList>
#include <gtest/gtest.h>

// A drop-down on a form at (100, 100) of one 1024 by 768 screen whose task bar takes the
// bottom 40 pixels; the edit stands at (10, 20), so its top-left is (110, 120) on the screen.
// Its events are written to log, with whether the pop-up counted as open at that moment.
class DropDownFixture : public DescendantFixture<TExCustomDropDown> {
protected:
    DropDownFixture() {
        dd->OnBeforeDropDown = [this](TObject*) { note("before drop down"); };
        dd->OnDropDown = [this](TObject*, bool& accept) {
            note("drop down");
            accept = acceptDrop;
        };
        dd->OnBeforeDropUp = [this](TObject*) { note("before drop up"); };
        dd->OnDropUp = [this](TObject*, bool cancelled) { note(cancelled ? "drop up cancelled" : "drop up"); };
    }
    void note(const QString& event) { log << event + (dd->DroppedDown() ? " (open)" : ""); }
    TPoint popupAt() { return {popup().Left(), popup().Top()}; }

    QStringList log;
    bool acceptDrop = true;
};

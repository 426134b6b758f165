#pragma once

#include "grid/editors/dropdown/dropdown_form.h"
#include "grid/foundation/format_settings_fixture.h"
#include "platform/controls/form.h"
#include "platform/testkit/scripted_screen.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

// A drop-down of kind T on a form at (100, 100) of one 1024 by 768 screen whose task bar takes
// the bottom 40 pixels; the edit, 200 x 21, stands at (10, 20) and has the focus.
template <typename T>
class DescendantFixture : public FormatSettingsFixture {
protected:
    DescendantFixture() {
        Use(u'.', u',');
        screen.Monitors.push_back({Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 728)});
        owner.SetBounds(100, 100, 400, 300);
        dd = new T(&owner);
        dd->SetParent(&owner);
        dd->SetBounds(10, 20, 200, 21);
        owner.Show();
        dd->SetFocus();
    }
    TDropDownForm& popup() { return *dd->DropDownForm(); }

    TScriptedScreen screen;
    TForm owner{nullptr};
    T* dd = nullptr;
};

#pragma once

#include "grid/editors/dropdown/dropdown_form.h"
#include "grid/foundation/format_settings_fixture.h"
#include "platform/controls/form.h"
#include "platform/testkit/scripted_screen.h"
#include "platform/testkit/testkit.h"

#include <gtest/gtest.h>

// A drop-down of kind T, 200 x 21 at (10, 20) on a shown form, focused, on one 1024 x 768
// screen.
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

#include "common/buttons/lb_button_look.h"

#include "platform/graphics/graphic.h"
#include "platform/system/resources.h"
#include "common/buttons/lb_button.h"

void Set_Window_Button_Look(TLbButton& Button) {
    Button.SetStyle(bsEncarta);
    Button.SetColor(RGB(248, 247, 237));
    Button.SetLightColor(RGB(128, 128, 128));
    Button.SetColorWhenDown(RGB(255, 128, 0));
    Button.SetHotTrackColor(RGB(255, 255, 0));
    Button.UseHotTrackFont = false;
}

void Set_Button_Glyph(TLbButton& Button, const QString& Name) {
    TBitmap glyph;
    if (glyph.LoadFromData(LoadResourceData(Name))) Button.SetGlyph(&glyph);
}

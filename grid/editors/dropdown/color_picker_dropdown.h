#pragma once

#include "grid/editors/dropdown/ex_custom_dropdown.h"
#include "grid/editors/dropdown/item_selector.h"
#include "grid/editors/dropdown/selector_list_keys.h"

#include <vector>

class TCustomColorSelector;
class TExColorCubePanel;
class TExColorSpectrumPanel;

enum TColorSelectionStyle { csList, csDiscrete, csColorCube, csSpectrum };
enum TColorValueText { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };

// A named colour of the colour picker's list.
struct TColorItem {
    QString Caption;
    TColor Color = clNone;
    bool Enabled = true;
    QString Hint;
};


// A drop-down that picks a colour: the edit area shows a box of SelectedColor and its text,
// and the pop-up offers a list of named colours, a palette, a colour cube or a spectrum
// (ColorSelectionStyle). It takes no typing; keys, the wheel and typed names move through
// the colours.
class TExColorPickerDropDown : public TExCustomDropDown {
public:
    explicit TExColorPickerDropDown(TComponent* AOwner);
    ~TExColorPickerDropDown() override;

    std::vector<TColorItem>& Colors() { return colors_; }
    // The 16 basic colours, after those already there.
    void AddDefaultColors();
    int ItemIndex() const { return itemIndex_; }
    // An index at or beyond the colours is ignored; OnSelect fires also for the same index.
    void SetItemIndex(int Value);
    TColor SelectedColor() const { return selectedColor_; }
    void SetSelectedColor(TColor Value);
    QString SelectedColorText() const { return GetSelectedColorText(); }
    TColorSelectionStyle ColorSelectionStyle() const { return style_; }
    void SetColorSelectionStyle(TColorSelectionStyle Value);

    int Columns = 1;
    int ColorBoxHeight = 14;
    int ColorBoxWidth = 14;
    TItemLayout Layout = ilCaptionRight;
    TItemAppearance& ItemAppearance() { return appearance_; }
    TColorValueText ColorValueText = cvtNone;
    bool ShowText() const { return showText_; }
    void SetShowText(bool Value);

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();

    // The panels, once made.
    TExCustomItemSelector* ItemSelector() const { return list_; }
    TCustomColorSelector* ColorSelector() const { return palette_; }
    TExColorCubePanel* ColorCubePanel() const { return cube_; }
    TExColorSpectrumPanel* SpectrumPanel() const { return spectrum_; }

    TNotifyEvent OnSelect;
    TOnDrawSelectedItem OnDrawSelectedColor;
    TDrawItemEvent OnDrawColor;

    void SetSelectionColorStyle(TSelectionColorStyle AStyle) override;
    void SetComponentStyle(TExStyle AStyle) override;
    void WndProc(TMessage& Message) override;

protected:
    virtual QString GetSelectedColorText() const;
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void PlaceDropDownControl() override;
    void SetDropDownSize() override;
    void DoHideDropDown(bool Cancel) override;
    void DropDownFormDestroy() override;
    void HandleWheelDown() override;
    void HandleWheelUp() override;
    void PaintEditArea(TCanvas& Canvas) override;

private:
    void createStylePanel();
    void createListPanel();
    void createPalettePanel();
    void createCubePanel();
    void createSpectrumPanel();
    void preparePanel(bool Switching);
    void hideOthers(TControl* Keep);
    void fillColorList();
    void sizeToPanel();
    void selectorItemSelect();
    void panelSelect(TColor Color, bool AlwaysClose);
    void keyDownMessage(TMessage& Message);
    void wheel(bool Down);
    void PaintSelectedColor(TCanvas& Canvas);

    std::vector<TColorItem> colors_;
    int itemIndex_ = -1;
    TColor selectedColor_ = clNone;
    TColorSelectionStyle style_ = csList;
    bool showText_ = true;
    TItemAppearance appearance_;
    TExCustomItemSelector* list_ = nullptr;
    TExColorCubePanel* cube_ = nullptr;
    TExColorSpectrumPanel* spectrum_ = nullptr;
    TCustomColorSelector* palette_ = nullptr;
    TSelectorListKeys keys_;
    int oldItemIndex_ = -1;
    TColor oldSelectedColor_ = clNone;
};

#pragma once

#include "platform/controls/hint_window.h"

struct THTMLDrawOptions;
class TImageList;
class TPictureContainer;

// The font encoded wide hints are drawn in: the grid sets it to its own font's name whenever it
// prepares a cell hint.
QString HTMLHintFontName();
void SetHTMLHintFontName(const QString& AName);

// A hint window whose text may use the grids' HTML mini-language or be encoded wide text. It
// sizes itself to the measured text whatever rectangle it is given. Shown with a grid as its
// data it takes the grid's images and pictures for the text's IMG tags.
class THTMLHintWindow : public THintWindow {
public:
    explicit THTMLHintWindow(TComponent* AOwner);
    // For SetHintWindowClass.
    static THintWindow* New(TComponent* AOwner);

    TImageList* Images() const { return images_; }
    void SetImages(TImageList* Value);
    TPictureContainer* PictureContainer() const { return pictures_; }
    void SetPictureContainer(TPictureContainer* Value);
    // The measured size of the last hint's text.
    int TextWidth() const { return textWidth_; }
    int TextHeight() const { return textHeight_; }
    // The decoded text of the last hint when it was encoded wide text.
    QString WideCaption() const { return wideCaption_; }

    TRect CalcHintRect(int MaxWidth, const QString& AHint, TObject* AData = nullptr) override;
    void ActivateHint(TRect ARect, const QString& AHint) override;
    void ActivateHintData(TRect ARect, const QString& AHint, TObject* AData) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Measures AHint laid out in R into textWidth_ and textHeight_; returns the room the kind of
    // text takes beside it.
    int measure(const QString& AHint, const TRect& R);
    THTMLDrawOptions drawOptions() const;

    TImageList* images_ = nullptr;
    TPictureContainer* pictures_ = nullptr;
    int textWidth_ = 0;
    int textHeight_ = 0;
    QString wideCaption_;
};

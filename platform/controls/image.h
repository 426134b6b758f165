#pragma once

#include "platform/controls/control.h"

#include <memory>

class TGraphic;

// Holds one picture of any kind.
class TPicture {
public:
    TGraphic* Graphic() const { return graphic_.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    bool LoadFromFile(const QString& path);
    bool LoadFromData(const QByteArray& bytes);
    TNotifyEvent OnChange;

private:
    std::unique_ptr<TGraphic> graphic_;
};

// Shows a picture; an animated GIF whose Animate is on steps through its frames.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TPicture& Picture() { return picture_; }
    bool Stretch = false;
    bool Center = false;
    // Leaves out the pixels of a bitmap that have the colour of its bottom-left pixel.
    bool Transparent = false;

    void WndProc(TMessage& Message) override;

protected:
    void Paint(TCanvas& canvas) override;

private:
    void pictureChanged();
    void scheduleFrame();

    TPicture picture_;
    bool animating_ = false;
};

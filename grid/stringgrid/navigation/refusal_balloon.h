#pragma once

#include "platform/controls/hint_window.h"

#include <QString>

// The balloon a refused value shows under its editor: the icon and the title in bold on
// the first line, the text below. It goes as soon as the user types, the editor loses the focus
// or is hidden, or the editor itself goes away.
class TRefusalBalloon : public THintWindow {
public:
    explicit TRefusalBalloon(TComponent* AOwner);
    ~TRefusalBalloon() override;

    // Icon as the grid's InvalidEntryIcon: 0 none, 1 info, 2 warning, 3 error.
    void ShowUnder(TWinControl& Editor, const QString& Title, const QString& Text, int Icon);
    void Withdraw();

    QString Title() const { return title_; }
    QString Text() const { return text_; }
    int Icon() const { return icon_; }
    TWinControl* Editor() const { return editor_; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    struct EditorWatch;
    void watch(TWinControl& Editor);
    void unwatch();
    void paintContent(TCanvas& Canvas, const TRect& Area);
    TRect contentSize();

    TWinControl* editor_ = nullptr;
    QString title_, text_;
    int icon_ = 0;
};

// The balloon Owner keeps for its refused values: nullptr before the first, made on first use.
TRefusalBalloon* FindRefusalBalloon(const TComponent& Owner);
TRefusalBalloon& RefusalBalloonOf(TComponent& Owner);

#pragma once

#include "grid/editors/label_position.h"
#include "platform/core/component.h"
#include "platform/graphics/graphics_objects.h"

#include <QString>

class TControl;
class TLabel;
class TWinControl;

// The caption label an editor carries beside it: made by the first caption, owned by the
// editor, standing on the editor's parent (as it was when the label was made) and focusing the
// editor when clicked.
class TAttachedLabel {
public:
    explicit TAttachedLabel(TWinControl& Control);
    ~TAttachedLabel();
    TAttachedLabel(const TAttachedLabel&) = delete;
    TAttachedLabel& operator=(const TAttachedLabel&) = delete;

    TLabel* Label() const { return label_; }
    // The label's text; empty, and no label made, before the first caption.
    QString Caption() const;
    // Makes the label when there is none, then sets its text.
    void SetCaption(const QString& Value);

    TFont Font;
    TLabelPosition Position = lpLeftTop;
    int Margin = 4;
    bool Transparent = false;
    bool AlwaysEnabled = false;

    // Puts the label in place, first giving it LabelFont when given (nullptr keeps its font).
    void Place(const TFont* LabelFont);
    // Bold while the editor holds the focus.
    void SetBold(bool Value);
    // The label was destroyed elsewhere (its parent went first).
    void Forget(const TComponent* Component);

private:
    TWinControl& control_;
    TLabel* label_ = nullptr;
};

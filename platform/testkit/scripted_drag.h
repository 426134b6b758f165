#pragma once

#include "platform/controls/ole_drag_drop.h"

#include <QString>
#include <QStringList>
#include <QtCore/qnamespace.h>
#include <memory>
#include <vector>

class QMimeData;
class TWinControl;

// A drag loop the test walks in place of the desktop's: each step is what the user does while
// the button is held (a move over a window, the release, Escape), and the loop asks the source
// and the registered drop targets as the platform would. Installed while it lives.
class ScriptedDrag : public TDragDriver {
public:
    enum TAction { Move, Drop, Escape };
    struct Step {
        TAction Action = Move;
        // The window under the pointer and the point in its client coordinates; nullptr: over
        // no window that takes drops.
        TWinControl* Over = nullptr;
        TPoint Pos;
        // MK_CONTROL, MK_SHIFT; the left button is added while it is held.
        uint32_t Keys = 0;
    };

    ScriptedDrag();
    ~ScriptedDrag() override;
    ScriptedDrag(const ScriptedDrag&) = delete;
    ScriptedDrag& operator=(const ScriptedDrag&) = delete;

    ScriptedDrag& moveTo(TWinControl& window, TPoint pos, uint32_t keys = 0);
    ScriptedDrag& dropAt(TWinControl& window, TPoint pos, uint32_t keys = 0);
    ScriptedDrag& escape();

    HRESULT DoDragDrop(const std::shared_ptr<IDataObject>& DataObj, const std::shared_ptr<IDropSource>& DropSource,
                       uint32_t OkEffects, uint32_t& Effect) override;

    // What the last drag offered: the format names in the order of its enumerator ("CF_TEXT",
    // "CF_UNICODETEXT" for the standard ones), the effects it allowed, the feedback the source
    // got at each step, and the number of drags run.
    QStringList offered;
    uint32_t okEffects = 0;
    std::vector<uint32_t> feedback;
    int drags = 0;
    std::vector<Step> script;

private:
    TDragDriver* previous_ = nullptr;
};

// Another program's data dropped on a window: the target registered for it (or its nearest
// parent) is entered, moved over at pos and dropped on. The effect the target answered; a
// window without a target answers DROPEFFECT_NONE.
uint32_t dropOn(TWinControl& window, IDataObject& data, TPoint pos, uint32_t keys = 0,
                uint32_t okEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE);
// The name of a format for assertions: "CF_TEXT", "CF_UNICODETEXT", "CF_HDROP" or its
// registered name.
QString formatName(TClipFormat format);

// Another program's drag through the toolkit's own events on the window's native widget: it
// enters at pos (client coordinates), moves there and drops. The action the drop took,
// Qt::IgnoreAction when refused. Needs the Qt window backend.
Qt::DropAction dropThroughToolkit(TWinControl& window, QMimeData& data, TPoint pos);
// The window's native widget takes drops.
bool nativeAcceptsDrops(const TWinControl& window);

#include "platform/testkit/scripted_drag.h"

#include "platform/controls/control.h"
#include "platform/messages/message_ids.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace {

TDragDriver* installed = nullptr;

}  // namespace

QString formatName(TClipFormat format) {
    switch (format) {
    case CF_TEXT: return QStringLiteral("CF_TEXT");
    case CF_UNICODETEXT: return QStringLiteral("CF_UNICODETEXT");
    case CF_HDROP: return QStringLiteral("CF_HDROP");
    default: return ClipboardFormatName(format);
    }
}

ScriptedDrag::ScriptedDrag() : previous_(installed) {
    installed = this;
    SetDragDriver(this);
}

ScriptedDrag::~ScriptedDrag() {
    installed = previous_;
    SetDragDriver(previous_);
}

ScriptedDrag& ScriptedDrag::moveTo(TWinControl& window, TPoint pos, uint32_t keys) {
    script.push_back({Move, &window, pos, keys});
    return *this;
}

ScriptedDrag& ScriptedDrag::dropAt(TWinControl& window, TPoint pos, uint32_t keys) {
    script.push_back({Drop, &window, pos, keys});
    return *this;
}

ScriptedDrag& ScriptedDrag::escape() {
    script.push_back({Escape, nullptr, {}, 0});
    return *this;
}

HRESULT ScriptedDrag::DoDragDrop(const std::shared_ptr<IDataObject>& DataObj,
                                 const std::shared_ptr<IDropSource>& DropSource, uint32_t OkEffects, uint32_t& Effect) {
    ++drags;
    okEffects = OkEffects;
    feedback.clear();
    offered.clear();
    std::shared_ptr<IEnumFORMATETC> formats;
    if (DataObj->EnumFormatEtc(DATADIR_GET, formats) == S_OK && formats) {
        TFormatEtc entry;
        uint32_t fetched = 0;
        while (formats->Next(1, &entry, &fetched) == S_OK && fetched == 1) offered.append(formatName(entry.cfFormat));
    }
    Effect = DROPEFFECT_NONE;
    IDropTarget* current = nullptr;
    uint32_t lastEffect = DROPEFFECT_NONE;
    const std::vector<Step> steps = script;
    for (const Step& step : steps) {
        const uint32_t held = step.Keys | MK_LBUTTON;
        if (step.Action == Escape) {
            DropSource->QueryContinueDrag(true, held);
            if (current) current->DragLeave();
            return DRAGDROP_S_CANCEL;
        }
        const TPoint pt = step.Over ? step.Over->ClientToScreen(step.Pos) : step.Pos;
        // Every step of the pointer first reaches the target under it.
        if (DropSource->QueryContinueDrag(false, held) != S_OK) break;
        IDropTarget* target = DropTargetAt(step.Over);
        uint32_t effect = OkEffects;
        if (target != current) {
            if (current) current->DragLeave();
            current = target;
            if (current) current->DragEnter(*DataObj, held, pt, effect);
        }
        if (current) {
            effect = OkEffects;
            current->DragOver(held, pt, effect);
            lastEffect = effect & OkEffects;
        } else {
            lastEffect = DROPEFFECT_NONE;
        }
        feedback.push_back(lastEffect);
        DropSource->GiveFeedback(lastEffect);
        if (step.Action != Drop) continue;
        if (DropSource->QueryContinueDrag(false, step.Keys) != DRAGDROP_S_DROP) break;
        if (!current || lastEffect == DROPEFFECT_NONE) {
            if (current) current->DragLeave();
            return DRAGDROP_S_CANCEL;
        }
        effect = OkEffects;
        current->Drop(*DataObj, step.Keys, pt, effect);
        Effect = effect & OkEffects;
        return DRAGDROP_S_DROP;
    }
    if (current) current->DragLeave();
    return DRAGDROP_S_CANCEL;
}

uint32_t dropOn(TWinControl& window, IDataObject& data, TPoint pos, uint32_t keys, uint32_t okEffects) {
    IDropTarget* target = DropTargetAt(&window);
    if (!target) return DROPEFFECT_NONE;
    const TPoint pt = window.ClientToScreen(pos);
    uint32_t effect = okEffects;
    target->DragEnter(data, keys | MK_LBUTTON, pt, effect);
    effect = okEffects;
    target->DragOver(keys | MK_LBUTTON, pt, effect);
    if (effect == DROPEFFECT_NONE) {
        target->DragLeave();
        return DROPEFFECT_NONE;
    }
    effect = okEffects;
    target->Drop(data, keys, pt, effect);
    return effect;
}

Qt::DropAction dropThroughToolkit(TWinControl& window, QMimeData& data, TPoint pos) {
    auto* widget = static_cast<QWidget*>(window.BackendData);
    if (!widget) return Qt::IgnoreAction;
    const QPoint at(pos.X, pos.Y);
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
    QDragMoveEvent move(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    QDropEvent drop(QPointF(at), offered, &data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

bool nativeAcceptsDrops(const TWinControl& window) {
    const auto* widget = static_cast<const QWidget*>(window.BackendData);
    return widget && widget->acceptDrops();
}

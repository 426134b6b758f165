#include "platform/controls/ole_drag_drop_qt.h"

#include "platform/controls/control.h"
#include "platform/controls/drag_drop_objects.h"
#include "platform/controls/key_state.h"
#include "platform/messages/message_ids.h"
#include "platform/system/clipboard.h"

#include <QApplication>
#include <QCursor>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QPixmap>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

const QString richTextMime = QStringLiteral("text/rtf");

// The registered format name inside the toolkit's name for it; empty for other types.
QString registeredFormatOf(const QString& mimeType) {
    static const QRegularExpression pattern(QStringLiteral("^application/x-qt-windows-mime;value=\"(.*)\"$"));
    const QRegularExpressionMatch m = pattern.match(mimeType);
    return m.hasMatch() ? m.captured(1) : QString();
}

uint32_t effectsOf(Qt::DropActions actions) {
    uint32_t e = DROPEFFECT_NONE;
    if (actions & Qt::CopyAction) e |= DROPEFFECT_COPY;
    if (actions & Qt::MoveAction) e |= DROPEFFECT_MOVE;
    if (actions & Qt::LinkAction) e |= DROPEFFECT_LINK;
    return e;
}

Qt::DropActions actionsOf(uint32_t effects) {
    Qt::DropActions a;
    if (effects & DROPEFFECT_COPY) a |= Qt::CopyAction;
    if (effects & DROPEFFECT_MOVE) a |= Qt::MoveAction;
    if (effects & DROPEFFECT_LINK) a |= Qt::LinkAction;
    return a;
}

// One action for one effect, the strongest the effect names.
Qt::DropAction actionOf(uint32_t effect) {
    if (effect & DROPEFFECT_MOVE) return Qt::MoveAction;
    if (effect & DROPEFFECT_COPY) return Qt::CopyAction;
    if (effect & DROPEFFECT_LINK) return Qt::LinkAction;
    return Qt::IgnoreAction;
}

// Answers the toolkit's event with the effect the target chose.
void answer(QDropEvent& e, uint32_t effect) {
    const Qt::DropAction action = actionOf(effect & effectsOf(e.possibleActions()));
    if (action == Qt::IgnoreAction) {
        e.ignore();
        return;
    }
    e.setDropAction(action);
    e.accept();
}

class QtDragDriver : public TDragDriver {
public:
    HRESULT DoDragDrop(const std::shared_ptr<IDataObject>& DataObj, const std::shared_ptr<IDropSource>& DropSource,
                       uint32_t OkEffects, uint32_t& Effect) override {
        Effect = DROPEFFECT_NONE;
        QObject* owner = QApplication::widgetAt(QCursor::pos());
        if (!owner) owner = QApplication::activeWindow();
        if (!owner) owner = qApp;
        QPointer<QDrag> drag = new QDrag(owner);
        drag->setMimeData(MimeDataFromDataObject(*DataObj));
        // The grid shows its own picture of what is dragged.
        QPixmap nothing(1, 1);
        nothing.fill(Qt::transparent);
        drag->setPixmap(nothing);
        QObject::connect(drag, &QDrag::actionChanged,
                         [&](Qt::DropAction action) { DropSource->GiveFeedback(effectsOf(action) & OkEffects); });
        // The toolkit ends the drag itself; the source still hears of every step, and may stop it.
        QTimer steps;
        QObject::connect(&steps, &QTimer::timeout, [&] {
            const uint32_t keys = MK_LBUTTON | MouseKeyState({}, QGuiApplication::queryKeyboardModifiers());
            if (DropSource->QueryContinueDrag(false, keys) == DRAGDROP_S_CANCEL) QDrag::cancel();
        });
        steps.start(15);
        const Qt::DropAction preferred = (OkEffects & DROPEFFECT_MOVE) ? Qt::MoveAction : Qt::CopyAction;
        const Qt::DropAction result = drag->exec(actionsOf(OkEffects), preferred);
        steps.stop();
        if (drag) drag->deleteLater();
        // The drag took the release of the button.
        SetAsyncKeyState(VK_LBUTTON, false);
        Effect = effectsOf(result) & OkEffects;
        DropSource->GiveFeedback(Effect);
        DropSource->QueryContinueDrag(false, 0);
        return Effect == DROPEFFECT_NONE ? HRESULT(DRAGDROP_S_CANCEL) : HRESULT(DRAGDROP_S_DROP);
    }
};

}  // namespace

uint32_t MouseKeyState(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Modifiers) {
    uint32_t k = 0;
    if (Buttons & Qt::LeftButton) k |= MK_LBUTTON;
    if (Buttons & Qt::RightButton) k |= MK_RBUTTON;
    if (Buttons & Qt::MiddleButton) k |= MK_MBUTTON;
    if (Modifiers & Qt::ShiftModifier) k |= MK_SHIFT;
    if (Modifiers & Qt::ControlModifier) k |= MK_CONTROL;
    return k;
}

TDragDriver& ToolkitDragDriver() {
    static QtDragDriver driver;
    return driver;
}

std::shared_ptr<TMemoryDataObject> DataObjectFromMimeData(const QMimeData& Data) {
    auto object = std::make_shared<TMemoryDataObject>();
    QStringList files, links;
    for (const QUrl& url : Data.urls()) (url.isLocalFile() ? files : links).append(url.isLocalFile() ? url.toLocalFile() : url.toString());
    // A file manager names the files it drags also as text; they come as files only.
    const bool onlyFiles = !files.isEmpty() && links.isEmpty();
    QString text = Data.hasText() && !onlyFiles ? Data.text() : QString();
    if (text.isEmpty() && !links.isEmpty()) text = links.first();
    if (!text.isEmpty()) {
        object->Add(CF_TEXT, AnsiTextBlock(text));
        object->Add(CF_UNICODETEXT, UnicodeTextBlock(text));
    }
    if (!files.isEmpty()) object->Add(CF_HDROP, DropFilesBlock(files));
    if (!links.isEmpty()) object->Add(RegisterClipboardFormat(URLDragFormat), AnsiTextBlock(links.first()));
    const TClipFormat rtf = RegisterClipboardFormat(RichTextDragFormat);
    for (const QString& type : Data.formats()) {
        const QString name = registeredFormatOf(type);
        if (!name.isEmpty()) object->Add(RegisterClipboardFormat(name), Data.data(type));
    }
    if (!object->Has(rtf) && Data.hasFormat(richTextMime))
        object->Add(rtf, Data.data(richTextMime) + QByteArray(1, '\0'));
    return object;
}

QMimeData* MimeDataFromDataObject(IDataObject& Data) {
    auto* mime = new QMimeData;
    std::shared_ptr<IEnumFORMATETC> formats;
    if (Data.EnumFormatEtc(DATADIR_GET, formats) != S_OK || !formats) return mime;
    TFormatEtc entry;
    uint32_t fetched = 0;
    while (formats->Next(1, &entry, &fetched) == S_OK && fetched == 1) {
        TStgMedium medium;
        if (Data.GetData(entry, medium) != S_OK) continue;
        const QByteArray& block = medium.hGlobal;
        switch (entry.cfFormat) {
        case CF_TEXT:
            if (!mime->hasText()) mime->setText(TextFromAnsiBlock(block));
            break;
        case CF_UNICODETEXT: mime->setText(TextFromUnicodeBlock(block)); break;
        case CF_HDROP: {
            QList<QUrl> urls;
            for (const QString& file : FilesFromDropFilesBlock(block)) urls.append(QUrl::fromLocalFile(file));
            mime->setUrls(urls);
            break;
        }
        default: {
            const QString name = ClipboardFormatName(entry.cfFormat);
            if (name.isEmpty()) break;
            mime->setData(RegisteredFormatMimeType(name), block);
            if (name == RichTextDragFormat) mime->setData(richTextMime, TextFromAnsiBlock(block).toLocal8Bit());
        }
        }
    }
    return mime;
}

bool DeliverDragEvent(TWinControl& Control, QEvent* Event) {
    IDropTarget* target = RegisteredDropTarget(Control);
    if (!target) return false;
    if (Event->type() == QEvent::DragLeave) {
        target->DragLeave();
        return true;
    }
    auto* e = static_cast<QDropEvent*>(Event);
    const QPoint at = e->position().toPoint();
    const TPoint pt = Control.ClientToScreen({at.x(), at.y()});
    const uint32_t keys = MouseKeyState(e->buttons(), e->modifiers());
    uint32_t effect = effectsOf(e->possibleActions());
    switch (Event->type()) {
    case QEvent::DragEnter: {
        std::shared_ptr<TMemoryDataObject> data = DataObjectFromMimeData(*e->mimeData());
        target->DragEnter(*data, keys, pt, effect);
        break;
    }
    case QEvent::DragMove: target->DragOver(keys, pt, effect); break;
    case QEvent::Drop: {
        std::shared_ptr<TMemoryDataObject> data = DataObjectFromMimeData(*e->mimeData());
        target->Drop(*data, keys, pt, effect);
        break;
    }
    default: return false;
    }
    answer(*e, effect);
    return true;
}

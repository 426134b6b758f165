#include "platform/controls/qt_backend.h"

#include "platform/controls/activation.h"

#include "platform/controls/check_box.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/control_hint.h"
#include "platform/controls/cursors.h"
#include "platform/controls/edit.h"
#include "platform/controls/form.h"
#include "platform/controls/image_list.h"
#include "platform/controls/key_state.h"
#include "platform/controls/keyboard.h"
#include "platform/controls/list_box.h"
#include "platform/controls/memo.h"
#include "platform/controls/ole_drag_drop_qt.h"
#include "platform/controls/rich_edit.h"
#include "platform/controls/rtf_codec.h"
#include "platform/controls/tree_view.h"
#include "platform/graphics/canvas.h"
#include "platform/messages/clock.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QEventLoop>
#include <QFileDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QPolygon>
#include <QRegion>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>
#include <QAbstractTextDocumentLayout>
#include <QTextEdit>
#include <QTextCursor>
#include <QTimer>
#include <QTreeWidget>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

QWidget* widgetOf(const TWinControl& c) { return static_cast<QWidget*>(c.BackendData); }

uintptr_t mouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) { return MouseKeyState(buttons, mods); }

TShiftState keyShift(Qt::KeyboardModifiers mods) {
    TShiftState s = 0;
    if (mods & Qt::ShiftModifier) s |= ssShift;
    if (mods & Qt::ControlModifier) s |= ssCtrl;
    if (mods & Qt::AltModifier) s |= ssAlt;
    return s;
}

uint16_t virtualKey(int key) {
    switch (key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab: case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return: case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Period: return VK_OEM_PERIOD;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    default: break;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<uint16_t>(VK_F1 + (key - Qt::Key_F1));
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) return static_cast<uint16_t>(key);
    return 0;
}

bool deliverKeyDown(TWinControl& control, QKeyEvent* e) {
    uint16_t key = virtualKey(e->key());
    if (e->key() == Qt::Key_Period && (e->modifiers() & Qt::KeypadModifier)) key = VK_DECIMAL;
    return DeliverKeyDown(control, key, keyShift(e->modifiers()), e->text(), e->isAutoRepeat());
}

bool deliverKeyUp(TWinControl& control, QKeyEvent* e) {
    if (e->isAutoRepeat()) return true;  // the repeat's press carries it
    return DeliverKeyUp(control, virtualKey(e->key()), keyShift(e->modifiers()));
}

// Tab and Shift+Tab move the focus through the window's own tab order, not Qt's focus chain.
bool isTabPress(QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(e)->key();
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

Qt::CursorShape cursorShape(TCursor c) {
    switch (c) {
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    default: return Qt::ArrowCursor;
    }
}

// A window made active again (a message box closing, say) gives the keyboard back to the
// control that the program focused last in it, not to the widget the toolkit remembered: the
// program may have moved the focus meanwhile, and that widget taking it would end an edit the
// program has just sent the user back to.
bool focusGivenBackToControl(QWidget& self, const QFocusEvent& e) {
    if (e.reason() != Qt::ActiveWindowFocusReason) return false;
    TWinControl* focused = FocusedControl();
    QWidget* w = focused ? widgetOf(*focused) : nullptr;
    if (!w || w == &self || w->window() != self.window() || !w->isVisible() || !w->isEnabled()) return false;
    w->setFocus(Qt::ActiveWindowFocusReason);
    return true;
}

// The native window of one windowed control: every event becomes a message to the control.
class NativeWindow : public QWidget {
public:
    NativeWindow(TWinControl& control, QWidget* parent) : QWidget(parent), control_(control) {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
        if (control.TabStop) setFocusPolicy(Qt::StrongFocus);
    }
    bool syncing = false;

protected:
    void paintEvent(QPaintEvent* e) override {
        QPainter painter(this);
        // Controls read the area to repaint from the canvas's clip.
        painter.setClipRegion(e->region());
        TCanvas canvas(&painter);
        DeliverMessage(control_, WM_PAINT, 0, reinterpret_cast<intptr_t>(&canvas));
    }
    void mousePressEvent(QMouseEvent* e) override { mouse(e, e->button() == Qt::RightButton ? WM_RBUTTONDOWN : WM_LBUTTONDOWN); }
    void mouseReleaseEvent(QMouseEvent* e) override { mouse(e, e->button() == Qt::RightButton ? WM_RBUTTONUP : WM_LBUTTONUP); }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        mouse(e, e->button() == Qt::RightButton ? WM_RBUTTONDBLCLK : WM_LBUTTONDBLCLK);
    }
    void mouseMoveEvent(QMouseEvent* e) override { mouse(e, WM_MOUSEMOVE); }
    void wheelEvent(QWheelEvent* e) override {
        // The message climbs the controls' parents itself, so Qt must not pass it on too.
        e->accept();
        const int delta = std::clamp(e->angleDelta().y(), -0x8000, 0x7FFF);
        if (delta == 0) return;
        const QPoint g = e->globalPosition().toPoint();
        const uintptr_t w = (static_cast<uintptr_t>(static_cast<uint16_t>(delta)) << 16) | mouseKeys(e->buttons(), e->modifiers());
        DeliverMessage(control_, WM_MOUSEWHEEL, w, MakeLParam(g.x(), g.y()));
    }
    void resizeEvent(QResizeEvent* e) override {
        QWidget::resizeEvent(e);
        // A window the user resized; its control may answer by changing the size again.
        const QSize size = e->size();
        if (isWindow() && (size.width() != control_.Width() || size.height() != control_.Height()))
            control_.SetBounds(control_.Left(), control_.Top(), size.width(), size.height());
    }
    void dragEnterEvent(QDragEnterEvent* e) override { DeliverDragEvent(control_, e); }
    void dragMoveEvent(QDragMoveEvent* e) override { DeliverDragEvent(control_, e); }
    void dragLeaveEvent(QDragLeaveEvent* e) override { DeliverDragEvent(control_, e); }
    void dropEvent(QDropEvent* e) override { DeliverDragEvent(control_, e); }
    void enterEvent(QEnterEvent*) override { DeliverMessage(control_, CM_MOUSEENTER); }
    void leaveEvent(QEvent*) override { DeliverMessage(control_, CM_MOUSELEAVE); }
    void keyPressEvent(QKeyEvent* e) override { deliverKeyDown(control_, e); }
    void keyReleaseEvent(QKeyEvent* e) override { deliverKeyUp(control_, e); }
    void focusInEvent(QFocusEvent* e) override {
        if (focusGivenBackToControl(*this, *e)) return;
        if (!control_.Focused()) control_.SetFocus();
    }
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        // A pop-up that had activated itself closes because the user clicked elsewhere: the
        // activation goes back to the window the toolkit keeps active.
        if (windowType() == Qt::Popup && ActiveWindow() == &control_) {
            auto* other = dynamic_cast<NativeWindow*>(QApplication::activeWindow());
            ActivateWindow(other && other != this ? &other->control_ : nullptr);
        }
        DeliverMessage(control_, WM_CLOSE);
    }
    bool event(QEvent* e) override {
        if (e->type() == QEvent::WindowActivate && isWindow()) ActivateWindow(&control_);
        if (isTabPress(e)) {
            deliverKeyDown(control_, static_cast<QKeyEvent*>(e));
            return true;
        }
        if (e->type() == QEvent::ToolTip) {
            auto* help = static_cast<QHelpEvent*>(e);
            TControl* c = control_.ControlAtPos({help->pos().x(), help->pos().y()});
            if (!c) c = &control_;
            const QPoint at = help->globalPos();
            const TPoint client = c->ScreenToClient({at.x(), at.y()});
            ActivateControlHint(*c, client);
            return true;
        }
        return QWidget::event(e);
    }

private:
    void mouse(QMouseEvent* e, uint32_t msg) {
        SetAsyncKeyState(VK_LBUTTON, e->buttons() & Qt::LeftButton);
        SetAsyncKeyState(VK_RBUTTON, e->buttons() & Qt::RightButton);
        const QPoint p = e->position().toPoint();
        DeliverMessage(control_, msg, mouseKeys(e->buttons() | e->button(), e->modifiers()), MakeLParam(p.x(), p.y()));
    }
    TWinControl& control_;
};

// Keys reach the control's window procedure first; what it leaves reaches the native editor.
bool keyTakenByControl(TWinControl& control, QKeyEvent* e) { return deliverKeyDown(control, e); }

// A native widget that takes the user's input itself: keys reach the control first, and the
// control follows the widget's focus.
template <typename Widget, typename Control>
class NativeInput : public Widget {
public:
    NativeInput(Control& control, QWidget* parent) : Widget(parent), control_(control) {}

protected:
    bool event(QEvent* e) override {
        // Tab is the window's, never the native widget's.
        if (isTabPress(e)) {
            deliverKeyDown(control_, static_cast<QKeyEvent*>(e));
            return true;
        }
        return Widget::event(e);
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (!keyTakenByControl(control_, e)) Widget::keyPressEvent(e);
    }
    void keyReleaseEvent(QKeyEvent* e) override {
        if (!deliverKeyUp(control_, e)) Widget::keyReleaseEvent(e);
    }
    void focusInEvent(QFocusEvent* e) override {
        if (focusGivenBackToControl(*this, *e)) return;
        if (!control_.Focused()) control_.SetFocus();
        // The window moves the focus itself, Tab included: the style then marks the focused
        // field as it does after Tab among its own widgets.
        if (QWidget* top = this->window()) top->setAttribute(Qt::WA_KeyboardFocusChange);
        Widget::focusInEvent(e);
    }
    Control& control_;
};

class NativeEdit : public NativeInput<QLineEdit, TCustomEdit> {
public:
    NativeEdit(TCustomEdit& control, QWidget* parent) : NativeInput(control, parent) {
        setFrame(true);
        QObject::connect(this, &QLineEdit::textEdited, [this](const QString& text) { control_.TextEditedNatively(text); });
    }
};

class NativeRichEdit : public NativeInput<QPlainTextEdit, TCustomEdit> {
public:
    NativeRichEdit(TCustomEdit& control, QWidget* parent) : NativeInput(control, parent) {
        setTabChangesFocus(true);
        // Like the platform's rich edit without scroll bars: the text scrolls with the caret,
        // and a field one line high shows its whole line.
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        document()->setDocumentMargin(1);
        // A memo shows the bars it asks for, and no frame when it has no border.
        if (const auto* memo = dynamic_cast<const TMemo*>(&control)) {
            const TScrollStyle bars = memo->ScrollBars();
            if (bars == ssVertical || bars == ssBoth) setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            if (bars == ssHorizontal || bars == ssBoth) {
                setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
                setLineWrapMode(QPlainTextEdit::NoWrap);
            }
            if (memo->BorderStyle == TMemo::bsNone) setFrameShape(QFrame::NoFrame);
        }
        QObject::connect(this, &QPlainTextEdit::textChanged,
                         [this] { control_.TextEditedNatively(toPlainText()); });
    }
};

// The rich edit's field shows and edits the control's own document; the control follows the
// text and the selection.
class NativeRichText : public NativeInput<QTextEdit, TCustomEdit> {
public:
    NativeRichText(TRichEdit& control, QWidget* parent) : NativeInput(control, parent), rich_(control) {
        setTabChangesFocus(true);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // A field with a frame, like every other field of the window.
        setFrameShape(QFrame::StyledPanel);
        setDocument(control.Document());
        QObject::connect(this, &QTextEdit::textChanged, [this] {
            if (!rich_.DocumentChanging()) control_.TextEditedNatively(DocumentPlainText(*document()));
        });
        QObject::connect(this, &QTextEdit::cursorPositionChanged, [this] { selectionToControl(); });
        QObject::connect(this, &QTextEdit::selectionChanged, [this] { selectionToControl(); });
    }
    ~NativeRichText() override {
        // The document outlives this field: it must not keep the field as its paint device.
        blockSignals(true);
        if (QAbstractTextDocumentLayout* layout = document()->documentLayout()) layout->setPaintDevice(nullptr);
    }

private:
    void selectionToControl() {
        if (rich_.DocumentChanging()) return;
        const QTextCursor c = textCursor();
        rich_.SelectionChangedNatively(c.selectionStart(), c.selectionEnd() - c.selectionStart());
    }
    TRichEdit& rich_;
};

class NativeCheck : public NativeInput<QCheckBox, TCheckBox> {
public:
    NativeCheck(TCheckBox& control, QWidget* parent) : NativeInput(control, parent) {
        QObject::connect(this, &QCheckBox::clicked, [this](bool checked) { control_.CheckedNatively(checked); });
    }
};

class NativeCombo : public NativeInput<QComboBox, TComboBox> {
public:
    NativeCombo(TComboBox& control, QWidget* parent) : NativeInput(control, parent) {
        QObject::connect(this, &QComboBox::activated, [this](int index) { control_.ItemSelectedNatively(index); });
    }
};

class NativeList : public QListWidget {
public:
    NativeList(TListBox& control, QWidget* parent) : QListWidget(parent), control_(control) {
        // The user picks with the mouse or the keys; the code's own changes come with signals blocked.
        QObject::connect(this, &QListWidget::currentRowChanged, [this](int row) { control_.ItemSelectedNatively(row); });
        // A double click on an item is the control's, as on the platform's own list.
        QObject::connect(this, &QListWidget::itemDoubleClicked, [this](QListWidgetItem*) {
            if (control_.OnDblClick) control_.OnDblClick(&control_);
        });
    }

private:
    TListBox& control_;
};

// A native tree mirroring the control's nodes. A change of the nodes' set rebuilds it; other
// changes update the items in place. Changes made for the control run with signals blocked.
class NativeTree : public NativeInput<QTreeWidget, TTreeView> {
public:
    NativeTree(TTreeView& control, QWidget* parent) : NativeInput(control, parent) {
        setHeaderHidden(true);
        setColumnCount(1);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setSortingEnabled(false);
        QObject::connect(this, &QTreeWidget::currentItemChanged, [this](QTreeWidgetItem* item, QTreeWidgetItem*) {
            control_.NodeSelectedNatively(nodeOf(item));
        });
        QObject::connect(this, &QTreeWidget::itemClicked,
                         [this](QTreeWidgetItem* item, int) { control_.NodeClickedNatively(nodeOf(item)); });
        QObject::connect(this, &QTreeWidget::itemDoubleClicked, [this](QTreeWidgetItem*, int) {
            if (control_.OnDblClick) control_.OnDblClick(&control_);
        });
        QObject::connect(this, &QTreeWidget::itemExpanded,
                         [this](QTreeWidgetItem* item) { control_.NodeExpandedNatively(nodeOf(item), true); });
        QObject::connect(this, &QTreeWidget::itemCollapsed,
                         [this](QTreeWidgetItem* item) { control_.NodeExpandedNatively(nodeOf(item), false); });
    }
    ~NativeTree() override { blockSignals(true); }

    void sync() {
        const QSignalBlocker quiet(this);
        setRootIsDecorated(control_.ShowRoot);
        setIndentation(control_.Indent);
        if (control_.Images) setIconSize(QSize(control_.Images->Width, control_.Images->Height));
        if (!built_ || version_ != control_.StructureVersion()) {
            clear();
            items_.clear();
            add(invisibleRootItem(), control_.Items().Root());
            version_ = control_.StructureVersion();
            built_ = true;
        }
        for (const auto& [node, item] : items_) {
            item->setText(0, node->Text());
            item->setIcon(0, iconOf(*node));
            item->setExpanded(node->Expanded());
        }
        const auto selected = items_.find(control_.Selected());
        setCurrentItem(selected == items_.end() ? nullptr : selected->second);
    }

private:
    static TTreeNode* nodeOf(QTreeWidgetItem* item) {
        return item ? reinterpret_cast<TTreeNode*>(item->data(0, Qt::UserRole).value<quintptr>()) : nullptr;
    }
    void add(QTreeWidgetItem* parent, const TTreeNode& node) {
        for (int i = 0; i < node.Count(); ++i) {
            TTreeNode* child = node.Item(i);
            auto* item = new QTreeWidgetItem(parent);
            item->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(child)));
            items_[child] = item;
            add(item, *child);
        }
    }
    QIcon iconOf(const TTreeNode& node) const {
        const TImageList* images = control_.Images;
        if (!images) return {};
        QIcon icon;
        if (const QImage& normal = images->Image(node.ImageIndex()); !normal.isNull())
            icon.addPixmap(QPixmap::fromImage(normal), QIcon::Normal);
        if (const QImage& selected = images->Image(node.SelectedIndex()); !selected.isNull())
            icon.addPixmap(QPixmap::fromImage(selected), QIcon::Selected);
        return icon;
    }

    std::map<const TTreeNode*, QTreeWidgetItem*> items_;
    unsigned version_ = 0;
    bool built_ = false;
};

// The window that was active before a modal window or box opened gets the keyboard back when
// it closes, as the owner of a modal window does on other platforms, also with no window
// manager to hand it on.
void ReactivateWindow(const QPointer<QWidget>& window) {
    if (window && window->isVisible() && !window->isActiveWindow()) window->activateWindow();
}

// Gives the keyboard back to the window active at its making when it goes.
class KeyboardGivenBack {
public:
    KeyboardGivenBack() : owner_(QApplication::activeWindow()) {}
    ~KeyboardGivenBack() { ReactivateWindow(owner_); }

private:
    QPointer<QWidget> owner_;
};

// Controls whose native widget takes the user's input itself.
bool hasNativeWidget(const TWinControl& control) {
    return control.NativeKind() != nkCustom;
}

QStringList itemsOf(const QListWidget& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i) items << list.item(i)->text();
    return items;
}

QStringList itemsOf(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
    return items;
}

// Shows the items in a native list or combo box unless it already holds them.
template <typename Widget>
void showItems(Widget& widget, const QStringList& items) {
    if (itemsOf(widget) == items) return;
    widget.clear();
    widget.addItems(items);
}

QString dialogCaption(TMsgDlgType type) {
    switch (type) {
    case mtWarning: return "Warning";
    case mtError: return "Error";
    case mtInformation: return "Information";
    case mtConfirmation: return "Confirm";
    default: return QCoreApplication::applicationName();
    }
}

// "Text (*.a)|*.a|All|*.*" becomes Qt's "Text (*.a);;All (*.*)".
QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString text = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(';', ' ');
        text.remove(QRegularExpression("\\s*\\([^()]*\\)\\s*$"));
        out << QString("%1 (%2)").arg(text, patterns);
    }
    return out.join(";;");
}

}  // namespace

QtBackend::QtBackend() = default;
QtBackend::~QtBackend() {
    // Nothing may reach the services that go with the backend.
    if (ThemeService() == &themes_) SetThemeService(nullptr);
    if (LayeredWindows() == &layeredWindows_) SetLayeredWindows(nullptr);
}

void QtBackend::Install() {
    timer_ = std::make_unique<QTimer>();
    timer_->setSingleShot(true);
    QObject::connect(timer_.get(), &QTimer::timeout, [this] {
        TMessageLoop::Instance().RunDueTimers(Clock().NowMs());
        drain();
        TimersChanged();
    });
    SetWindowBackend(this);
    SetModalDriver(this);
    SetThemeService(&themes_);
    SetLayeredWindows(&layeredWindows_);
    TMessageLoop::Instance().SetPump(this);
}

void QtBackend::Uninstall() {
    TMessageLoop::Instance().SetPump(nullptr);
    SetLayeredWindows(nullptr);
    SetThemeService(nullptr);
    SetModalDriver(nullptr);
    SetWindowBackend(nullptr);
    timer_.reset();
}

void QtBackend::CreateHandle(TWinControl& control) {
    QWidget* parent = control.Parent() ? widgetOf(*control.Parent()) : nullptr;
    QWidget* w = nullptr;
    switch (control.NativeKind()) {
    case nkEdit: w = new NativeEdit(static_cast<TCustomEdit&>(control), parent); break;
    case nkRichEdit:
        if (auto* rich = dynamic_cast<TRichEdit*>(&control)) w = new NativeRichText(*rich, parent);
        else w = new NativeRichEdit(static_cast<TCustomEdit&>(control), parent);
        break;
    case nkListBox: w = new NativeList(static_cast<TListBox&>(control), parent); break;
    case nkCheckBox: w = new NativeCheck(static_cast<TCheckBox&>(control), parent); break;
    case nkComboBox: w = new NativeCombo(static_cast<TComboBox&>(control), parent); break;
    case nkTreeView: w = new NativeTree(static_cast<TTreeView&>(control), parent); break;
    default: w = new NativeWindow(control, parent); break;
    }
    control.BackendData = w;
    if (hasNativeWidget(control)) w->setFont(ToQFont(control.Font()));
    ItemsChanged(control);
    CheckedChanged(control);
    HintChanged(control);
    if (auto* form = dynamic_cast<TForm*>(&control)) {
        Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        if (form->BorderIcons & biMinimize) flags |= Qt::WindowMinimizeButtonHint;
        if (form->BorderIcons & biMaximize) flags |= Qt::WindowMaximizeButtonHint;
        if (form->BorderStyle == bsDialog) flags |= Qt::Dialog;
        w->setWindowFlags(flags);
        if (form->BorderStyle != bsSizeable && form->BorderStyle != bsSizeToolWin)
            w->setFixedSize(form->Width(), form->Height());
    }
    const TCreateParams params = control.WindowParams();
    if (params.Style & WS_POPUP) {
        Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
        if (params.ExStyle & WS_EX_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
        // A tool tip: the mouse goes through it, so the window beneath keeps its hover and leave
        // and gets the click. The window system must be told: the attribute below only keeps
        // the toolkit from handling what still lands in the tip.
        if (params.ExStyle & WS_EX_TRANSPARENT)
            flags = Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput;
        w->setWindowFlags(flags);
        w->setAttribute(Qt::WA_ShowWithoutActivating);
        w->setAttribute(Qt::WA_TransparentForMouseEvents, (params.ExStyle & WS_EX_TRANSPARENT) != 0);
    }
    if (!(params.Style & WS_POPUP)) StyleChanged(control);
    EnabledChanged(control);
    DropTargetChanged(control);
    RegionChanged(control);
    TextChanged(control);
    BoundsChanged(control);
    CursorChanged(control);
    if (control.Parent()) w->setVisible(control.Visible());
}

void QtBackend::DestroyHandle(TWinControl& control) {
    if (auto* form = dynamic_cast<TForm*>(&control)) owners_.erase(form);
    delete widgetOf(control);
    control.BackendData = nullptr;
}

void QtBackend::BoundsChanged(TWinControl& control) {
    QWidget* w = widgetOf(control);
    if (!w) return;
    if (dynamic_cast<TForm*>(&control)) {
        auto* form = static_cast<TForm*>(&control);
        if (form->BorderStyle != bsSizeable && form->BorderStyle != bsSizeToolWin)
            w->setFixedSize(control.Width(), control.Height());
        else
            w->resize(control.Width(), control.Height());
        if (form->Position == poScreenCenter || form->Position == poMainFormCenter) {
            // Centred when it opens; afterwards the user's place stays.
            if (QScreen* screen = QGuiApplication::primaryScreen(); screen && !w->isVisible()) {
                const QRect area = screen->availableGeometry();
                w->move(area.center() - QPoint(control.Width() / 2, control.Height() / 2));
            }
        } else {
            w->move(control.Left(), control.Top());
        }
        return;
    }
    w->setGeometry(control.Left(), control.Top(), control.Width(), control.Height());
}

// A window that lets the mouse through: the window system is told so once the window shows.
// Given only with the flags before the native window exists, the X server still delivered the
// clicks to it, so a tool tip over a grid swallowed the click meant for the cell beneath.
static void passInputThrough(QWidget* w) {
    if (!w->isWindow() || !(w->windowFlags() & Qt::WindowTransparentForInput)) return;
    QWindow* handle = w->windowHandle();
    if (!handle) return;
    handle->setFlag(Qt::WindowTransparentForInput, false);
    handle->setFlag(Qt::WindowTransparentForInput, true);
}

void QtBackend::VisibleChanged(TWinControl& control) {
    QWidget* w = widgetOf(control);
    if (!w) return;
    auto* form = dynamic_cast<TForm*>(&control);
    if (!form || !w->isWindow()) {
        w->setVisible(control.Visible());
        if (control.Visible()) passInputThrough(w);
        return;
    }
    if (control.Visible()) {
        // Qt takes a window's modality only when it is shown: set later, it blocks nothing.
        if (form->InModal() && !w->isVisible()) {
            owners_[form] = QApplication::activeWindow();
            w->setWindowModality(Qt::ApplicationModal);
        }
        w->setVisible(true);
        passInputThrough(w);
        return;
    }
    // Hidden under the mouse, a window hears no leave: its controls lose the mouse with it, or
    // a button would show itself lit when the window opens again.
    QList<QWidget*> underMouse = w->findChildren<QWidget*>();
    underMouse.prepend(w);
    for (QWidget* widget : underMouse) {
        if (!widget->underMouse()) continue;
        widget->setAttribute(Qt::WA_UnderMouse, false);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(widget, &leave);
    }
    w->setVisible(false);
    if (w->windowModality() != Qt::NonModal) w->setWindowModality(Qt::NonModal);
    if (auto owner = owners_.find(form); owner != owners_.end()) {
        ReactivateWindow(owner->second);
        owners_.erase(owner);
    }
}

void QtBackend::TextChanged(TWinControl& control) {
    QWidget* w = widgetOf(control);
    if (!w) return;
    if (w->isWindow()) w->setWindowTitle(control.Caption());
    const auto* field = dynamic_cast<const TCustomEdit*>(&control);
    if (auto* edit = dynamic_cast<QLineEdit*>(w); edit && edit->text() != control.Caption()) {
        const QSignalBlocker quiet(edit);
        edit->setText(control.Caption());
        if (field) edit->setCursorPosition(field->SelStart());
    }
    if (auto* text = dynamic_cast<QPlainTextEdit*>(w); text && text->toPlainText() != control.Caption()) {
        const QSignalBlocker quiet(text);
        text->setPlainText(control.Caption());
        QTextCursor cursor = text->textCursor();
        cursor.setPosition(std::min(field ? field->SelStart() : 0, static_cast<int>(text->toPlainText().size())));
        text->setTextCursor(cursor);
    }
    if (auto* button = dynamic_cast<QAbstractButton*>(w)) button->setText(control.Caption());
}

void QtBackend::HintChanged(TWinControl& control) {
    // Custom windows look the hint up when Qt asks for a tool tip.
    QWidget* w = widgetOf(control);
    if (w && hasNativeWidget(control)) w->setToolTip(control.HintShown() ? control.Hint() : QString());
}

void QtBackend::ItemsChanged(TWinControl& control) {
    if (auto* tree = dynamic_cast<NativeTree*>(widgetOf(control))) {
        tree->sync();
        return;
    }
    auto* items = dynamic_cast<TCustomListControl*>(&control);
    if (!items) return;
    QWidget* w = widgetOf(control);
    if (auto* list = dynamic_cast<QListWidget*>(w)) {
        const QSignalBlocker quiet(list);
        showItems(*list, items->Items());
        list->setCurrentRow(items->ItemIndex());
    } else if (auto* combo = dynamic_cast<QComboBox*>(w)) {
        const QSignalBlocker quiet(combo);
        showItems(*combo, items->Items());
        combo->setCurrentIndex(items->ItemIndex());
    }
}

void QtBackend::CheckedChanged(TWinControl& control) {
    auto* check = dynamic_cast<QCheckBox*>(widgetOf(control));
    auto* box = dynamic_cast<TCheckBox*>(&control);
    if (!check || !box || check->isChecked() == box->Checked()) return;
    const QSignalBlocker quiet(check);
    check->setChecked(box->Checked());
}

void QtBackend::SelectionChanged(TWinControl& control) {
    const auto* field = dynamic_cast<const TCustomEdit*>(&control);
    auto* edit = dynamic_cast<QLineEdit*>(widgetOf(control));
    if (field && edit) edit->setSelection(field->SelStart(), field->SelLength());
    auto* rich = dynamic_cast<QTextEdit*>(widgetOf(control));
    if (field && rich) {
        const QSignalBlocker quiet(rich);
        QTextCursor c = rich->textCursor();
        c.setPosition(field->SelStart());
        c.setPosition(field->SelStart() + field->SelLength(), QTextCursor::KeepAnchor);
        rich->setTextCursor(c);
    }
}

void QtBackend::ReplaceSelection(TWinControl& control, const QString& text) {
    QWidget* w = widgetOf(control);
    if (auto* edit = dynamic_cast<QLineEdit*>(w)) edit->insert(text);
    if (auto* plain = dynamic_cast<QPlainTextEdit*>(w)) plain->insertPlainText(text);
    if (auto* rich = dynamic_cast<QTextEdit*>(w)) rich->insertPlainText(text);
}

bool QtBackend::ScreenOrigin(const TWinControl& control, TPoint& origin) {
    const QWidget* w = widgetOf(control);
    if (!w || !w->isWindow()) return false;
    const QPoint g = w->mapToGlobal(QPoint(0, 0));
    origin = {g.x(), g.y()};
    return true;
}

int QtBackend::SystemMetric(int Index) {
    switch (Index) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL: return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    default: return TWindowBackend::SystemMetric(Index);
    }
}

bool QtBackend::NativeTextInput(const TWinControl& control) { return hasNativeWidget(control); }

void QtBackend::Beep() { QApplication::beep(); }

void QtBackend::PopupChanged(TWinControl& control, bool shown) {
    QWidget* w = widgetOf(control);
    if (!w || !w->isWindow()) return;
    if (shown) {
        // The shadow is asked for again at every showing: the pop-up may have changed its mind.
        const bool shadow = control.WindowParams().ClassStyle & CS_DROPSHADOW;
        w->setWindowFlags(shadow ? Qt::Popup : Qt::Popup | Qt::NoDropShadowWindowHint);
        w->setGeometry(control.Left(), control.Top(), control.Width(), control.Height());
        w->show();
    } else {
        w->hide();
    }
}

void QtBackend::DropTargetChanged(TWinControl& control) {
    if (QWidget* w = widgetOf(control)) w->setAcceptDrops(RegisteredDropTarget(control) != nullptr);
}

void QtBackend::BeginUserSizing(TWinControl& control) {
    QWidget* w = widgetOf(control);
    if (w && w->isWindow() && w->windowHandle()) w->windowHandle()->startSystemResize(Qt::BottomEdge | Qt::RightEdge);
}

int QtBackend::PopupMenu(const TPopupMenuRequest& request) {
    QMenu menu;
    for (const QString& item : request.Items) menu.addAction(item);
    const QAction* chosen = menu.exec(QPoint(request.X, request.Y));
    return chosen ? static_cast<int>(menu.actions().indexOf(const_cast<QAction*>(chosen))) + 1 : 0;
}

void QtBackend::EnabledChanged(TWinControl& control) {
    if (QWidget* w = widgetOf(control)) w->setEnabled(control.Enabled() && !(control.WindowParams().Style & WS_DISABLED));
}

void QtBackend::RegionChanged(TWinControl& control) {
    QWidget* w = widgetOf(control);
    if (!w) return;
    const std::vector<TPoint>& region = control.WindowRegion();
    if (region.empty()) {
        w->clearMask();
        return;
    }
    QPolygon polygon;
    for (const TPoint& p : region) polygon << QPoint(p.X, p.Y);
    w->setMask(QRegion(polygon, Qt::WindingFill));
}

void QtBackend::StyleChanged(TWinControl& control) {
    QWidget* w = widgetOf(control);
    if (!w) return;
    w->setAttribute(Qt::WA_TransparentForMouseEvents, (control.ExStyle() & WS_EX_TRANSPARENT) != 0);
}

void QtBackend::CursorChanged(TWinControl& control) {
    QWidget* w = widgetOf(control);
    if (!w) return;
    if (const TRegisteredCursor* own = FindRegisteredCursor(control.Cursor())) {
        const TBitmap& picture = own->Picture;
        QPixmap pixmap = QPixmap::fromImage(picture.Image());
        if (picture.TransparentColor != clNone) {
            const TColor key = ColorToRGB(picture.TransparentColor);
            const QColor see(GetRValue(key), GetGValue(key), GetBValue(key));
            pixmap.setMask(pixmap.createMaskFromColor(see, Qt::MaskInColor));
        }
        w->setCursor(QCursor(pixmap, own->HotSpot.X, own->HotSpot.Y));
        return;
    }
    w->setCursor(cursorShape(control.Cursor()));
}

void QtBackend::Invalidate(TWinControl& control, const TRect& r) {
    if (QWidget* w = widgetOf(control)) w->update(QRect(r.Left, r.Top, r.Width(), r.Height()));
}

void QtBackend::SetFocus(TWinControl& control) {
    if (QWidget* w = widgetOf(control)) w->setFocus();
}

void QtBackend::RunModal(TForm& form) {
    QWidget* w = widgetOf(form);
    if (!w) {
        form.SetModalResult(mrCancel);
        return;
    }
    // The form was made modal when it was shown; it stays so until it is hidden.
    w->show();
    w->raise();
    w->activateWindow();
    QEventLoop loop;
    modalLoops_[&form] = &loop;
    if (form.ModalResult() == mrNone) loop.exec();
    modalLoops_.erase(&form);
}

void QtBackend::EndModal(TForm& form) {
    auto it = modalLoops_.find(&form);
    if (it != modalLoops_.end()) it->second->quit();
}

TModalResult QtBackend::MessageBox(const TMessageBoxRequest& request) {
    const KeyboardGivenBack giveBack;
    QMessageBox box;
    box.setWindowTitle(request.Caption.isEmpty() ? dialogCaption(request.Type) : request.Caption);
    box.setText(request.Text);
    switch (request.Type) {
    case mtWarning: box.setIcon(QMessageBox::Warning); break;
    case mtError: box.setIcon(QMessageBox::Critical); break;
    case mtInformation: box.setIcon(QMessageBox::Information); break;
    case mtConfirmation: box.setIcon(QMessageBox::Question); break;
    default: break;
    }
    const std::pair<TMsgDlgBtn, std::pair<QMessageBox::StandardButton, TModalResult>> map[] = {
        {mbYes, {QMessageBox::Yes, mrYes}},       {mbNo, {QMessageBox::No, mrNo}},
        {mbOK, {QMessageBox::Ok, mrOk}},          {mbCancel, {QMessageBox::Cancel, mrCancel}},
        {mbAbort, {QMessageBox::Abort, mrAbort}}, {mbRetry, {QMessageBox::Retry, mrRetry}},
        {mbIgnore, {QMessageBox::Ignore, mrIgnore}},
    };
    QMessageBox::StandardButtons buttons;
    for (const auto& [flag, pair] : map)
        if (request.Buttons & flag) buttons |= pair.first;
    box.setStandardButtons(buttons ? buttons : QMessageBox::Ok);
    const auto chosen = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const auto& [flag, pair] : map)
        if (pair.first == chosen) return pair.second;
    return mrCancel;
}

bool QtBackend::FileDialog(TFileDialogRequest& request) {
    const KeyboardGivenBack giveBack;
    QString start = request.InitialDir;
    if (!request.FileName.isEmpty()) start += "/" + request.FileName;
    const QString filter = qtFilter(request.Filter);
    const QString chosen = request.Save ? QFileDialog::getSaveFileName(nullptr, request.Title, start, filter)
                                        : QFileDialog::getOpenFileName(nullptr, request.Title, start, filter);
    if (chosen.isEmpty()) return false;
    request.FileName = chosen;
    return true;
}

void QtBackend::Wake() {
    if (wakePending_.exchange(true)) return;
    QMetaObject::invokeMethod(qApp, [this] { drain(); }, Qt::QueuedConnection);
}

void QtBackend::drain() {
    wakePending_ = false;
    while (TMessageLoop::Instance().ProcessPosted() > 0) {
    }
}

void QtBackend::TimersChanged() {
    if (!timer_) return;
    const auto next = TMessageLoop::Instance().NextTimerDue();
    if (!next) {
        timer_->stop();
        return;
    }
    const uint64_t now = Clock().NowMs();
    const int wait = *next > now ? static_cast<int>(std::min<uint64_t>(*next - now, 1u << 30)) : 0;
    // Called from the GUI thread only: SetTimer, KillTimer and the timer's own tick.
    timer_->start(wait);
}

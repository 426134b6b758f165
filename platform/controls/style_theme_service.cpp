#include "platform/controls/style_theme_service.h"

#include "platform/controls/control.h"
#include "platform/graphics/canvas.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

namespace {

enum class ThemeClass { Button, ComboBox, Spin, Header, Progress };

class StyleThemeData : public TThemeData {
public:
    StyleThemeData(ThemeClass kind, QWidget* widget) : kind(kind), widget(widget) {}
    ThemeClass kind;
    QPointer<QWidget> widget;
};

QStyle* currentStyle() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::style() : nullptr;
}

bool classNamed(const QString& name, ThemeClass& kind) {
    const QString n = name.trimmed().toLower();
    if (n == "button") kind = ThemeClass::Button;
    else if (n == "combobox") kind = ThemeClass::ComboBox;
    else if (n == "spin") kind = ThemeClass::Spin;
    else if (n == "header") kind = ThemeClass::Header;
    else if (n == "progress") kind = ThemeClass::Progress;
    else return false;
    return true;
}

// States come in groups of four: normal, hot, pressed, disabled.
QStyle::State interaction(int state) {
    switch ((state - 1) % 4) {
    case 1: return QStyle::State_Enabled | QStyle::State_MouseOver;
    case 2: return QStyle::State_Enabled | QStyle::State_Sunken;
    case 3: return QStyle::State_None;
    default: return QStyle::State_Enabled | QStyle::State_Raised;
    }
}

void prepare(QStyleOption& option, const QWidget* widget, const TRect& r, QStyle::State state) {
    if (widget) option.initFrom(widget);
    else option.palette = QApplication::palette();
    option.rect = QRect(r.Left, r.Top, r.Width(), r.Height());
    option.state = state;
}

// A button face with an arrow on it, as combo-box and spin buttons are.
void arrowButton(QStyle& style, QPainter& painter, const QWidget* widget, const TRect& r, QStyle::State state,
                 QStyle::PrimitiveElement glyph) {
    QStyleOptionButton face;
    prepare(face, widget, r, state);
    style.drawPrimitive(QStyle::PE_PanelButtonCommand, &face, &painter, widget);
    QStyleOption mark;
    prepare(mark, widget, r, state);
    style.drawPrimitive(glyph, &mark, &painter, widget);
}

bool drawButtonPart(QStyle& style, QPainter& painter, const QWidget* widget, int part, int state, const TRect& r) {
    if (part == BP_PUSHBUTTON && state >= PBS_NORMAL && state <= PBS_DEFAULTED) {
        QStyleOptionButton option;
        prepare(option, widget, r, interaction(state == PBS_DEFAULTED ? PBS_NORMAL : state));
        if (state == PBS_DEFAULTED) option.features |= QStyleOptionButton::DefaultButton;
        style.drawControl(QStyle::CE_PushButtonBevel, &option, &painter, widget);
        return true;
    }
    const int groups = part == BP_CHECKBOX ? 3 : part == BP_RADIOBUTTON ? 2 : 0;
    if (groups == 0 || state < 1 || state > 4 * groups) return false;
    const int group = (state - 1) / 4;
    QStyleOptionButton option;
    prepare(option, widget, r,
            interaction(state) | (group == 0 ? QStyle::State_Off : group == 1 ? QStyle::State_On : QStyle::State_NoChange));
    style.drawPrimitive(part == BP_CHECKBOX ? QStyle::PE_IndicatorCheckBox : QStyle::PE_IndicatorRadioButton, &option,
                        &painter, widget);
    return true;
}

bool drawHeaderPart(QStyle& style, QPainter& painter, const QWidget* widget, int part, int state, const TRect& r) {
    if (part < HP_HEADERITEM || part > HP_HEADERITEMRIGHT || state < HIS_NORMAL || state > HIS_PRESSED) return false;
    QStyleOptionHeader option;
    prepare(option, widget, r, interaction(state) | QStyle::State_Horizontal);
    option.orientation = Qt::Horizontal;
    option.position = part == HP_HEADERITEMLEFT ? QStyleOptionHeader::Beginning
                      : part == HP_HEADERITEMRIGHT ? QStyleOptionHeader::End
                                                   : QStyleOptionHeader::Middle;
    style.drawControl(QStyle::CE_HeaderSection, &option, &painter, widget);
    return true;
}

bool drawProgressPart(QStyle& style, QPainter& painter, const QWidget* widget, int part, const TRect& r) {
    if (part < PP_BAR || part > PP_CHUNKVERT) return false;
    const bool vertical = part == PP_BARVERT || part == PP_CHUNKVERT;
    QStyleOptionProgressBar option;
    prepare(option, widget, r, QStyle::State_Enabled | (vertical ? QStyle::State_None : QStyle::State_Horizontal));
    option.minimum = 0;
    option.maximum = 100;
    option.progress = 100;
    const bool chunk = part == PP_CHUNK || part == PP_CHUNKVERT;
    style.drawControl(chunk ? QStyle::CE_ProgressBarContents : QStyle::CE_ProgressBarGroove, &option, &painter, widget);
    return true;
}

}  // namespace

bool TStyleThemeService::IsThemeActive() { return currentStyle() != nullptr; }

HTHEME TStyleThemeService::OpenThemeData(HWND window, const QString& classList) {
    if (!currentStyle()) return nullptr;
    auto* control = dynamic_cast<TWinControl*>(window);
    QWidget* widget = control ? static_cast<QWidget*>(control->BackendData) : nullptr;
    for (const QString& name : classList.split(';')) {
        ThemeClass kind;
        if (classNamed(name, kind)) return new StyleThemeData(kind, widget);
    }
    return nullptr;
}

bool TStyleThemeService::DrawThemeBackground(HTHEME theme, TCanvas& canvas, int part, int state, const TRect& r,
                                             const TRect* clip) {
    auto* data = dynamic_cast<StyleThemeData*>(theme);
    QStyle* style = currentStyle();
    if (!data || !style || r.IsEmpty()) return false;
    QPainter& painter = *canvas.Painter();
    const QWidget* widget = data->widget.data();
    painter.save();
    // The style may draw shadows or focus marks beyond the rectangle; the part stays inside it.
    painter.setClipRect(QRect(r.Left, r.Top, r.Width(), r.Height()), Qt::IntersectClip);
    if (clip) painter.setClipRect(QRect(clip->Left, clip->Top, clip->Width(), clip->Height()), Qt::IntersectClip);
    bool drawn = false;
    switch (data->kind) {
    case ThemeClass::Button: drawn = drawButtonPart(*style, painter, widget, part, state, r); break;
    case ThemeClass::Header: drawn = drawHeaderPart(*style, painter, widget, part, state, r); break;
    case ThemeClass::Progress: drawn = drawProgressPart(*style, painter, widget, part, r); break;
    case ThemeClass::ComboBox:
        if (part == CP_DROPDOWNBUTTON && state >= CBXS_NORMAL && state <= CBXS_DISABLED) {
            arrowButton(*style, painter, widget, r, interaction(state), QStyle::PE_IndicatorArrowDown);
            drawn = true;
        }
        break;
    case ThemeClass::Spin:
        if ((part == SPNP_UP || part == SPNP_DOWN) && state >= UPS_NORMAL && state <= UPS_DISABLED) {
            arrowButton(*style, painter, widget, r, interaction(state),
                        part == SPNP_UP ? QStyle::PE_IndicatorSpinUp : QStyle::PE_IndicatorSpinDown);
            drawn = true;
        }
        break;
    }
    painter.restore();
    return drawn;
}

bool TStyleThemeService::GetCurrentThemeName(QString& fileName, QString& colorName, QString& sizeName) {
    QStyle* style = currentStyle();
    if (!style) return false;
    fileName = style->name();
    colorName.clear();
    sizeName.clear();
    return true;
}

#include "platform/controls/tool_tip_icons.h"

#include "platform/graphics/canvas.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QStyle>

void DrawToolTipIcon(TCanvas& Canvas, const TRect& r, int Icon) {
    QStyle::StandardPixmap which;
    switch (Icon) {
    case 1: which = QStyle::SP_MessageBoxInformation; break;
    case 2: which = QStyle::SP_MessageBoxWarning; break;
    case 3: which = QStyle::SP_MessageBoxCritical; break;
    default: return;
    }
    if (r.IsEmpty() || !Canvas.Painter()) return;
    const QIcon icon = QApplication::style()->standardIcon(which);
    if (icon.isNull()) return;
    Canvas.Painter()->drawPixmap(QRect(r.Left, r.Top, r.Width(), r.Height()), icon.pixmap(r.Width(), r.Height()));
}

#include "platform/controls/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <limits>

namespace {

TRect toRect(const QRect& r) { return Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); }

// The toolkit's screens; without a GUI application (or a screen) a 1024 by 768 desktop.
class ToolkitScreens : public TScreenGeometry {
public:
    TSize ScreenSize() override {
        const QScreen* screen = primary();
        return screen ? TSize{screen->geometry().width(), screen->geometry().height()} : TSize{1024, 768};
    }
    bool MonitorAt(TPoint P, TRect& Bounds, TRect& WorkArea) override {
        if (!qGuiApp) return false;
        const QPoint p(P.X, P.Y);
        const QScreen* nearest = QGuiApplication::screenAt(p);
        if (!nearest) {
            long best = std::numeric_limits<long>::max();
            for (const QScreen* screen : QGuiApplication::screens()) {
                const QRect g = screen->geometry();
                const long dx = p.x() < g.left() ? g.left() - p.x() : p.x() > g.right() ? p.x() - g.right() : 0;
                const long dy = p.y() < g.top() ? g.top() - p.y() : p.y() > g.bottom() ? p.y() - g.bottom() : 0;
                if (dx * dx + dy * dy < best) {
                    best = dx * dx + dy * dy;
                    nearest = screen;
                }
            }
        }
        if (!nearest) return false;
        Bounds = toRect(nearest->geometry());
        WorkArea = toRect(nearest->availableGeometry());
        return true;
    }
    TRect SystemWorkArea() override {
        const QScreen* screen = primary();
        return screen ? toRect(screen->availableGeometry()) : Rect(0, 0, 1024, 768);
    }

private:
    static const QScreen* primary() { return qGuiApp ? QGuiApplication::primaryScreen() : nullptr; }
};

ToolkitScreens toolkitScreens;
TScreenGeometry* installed = nullptr;

}  // namespace

TScreenGeometry& ScreenGeometry() { return installed ? *installed : toolkitScreens; }

void SetScreenGeometry(TScreenGeometry* geometry) { installed = geometry; }

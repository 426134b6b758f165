#include "platform/controls/page_control.h"

#include "platform/graphics/canvas.h"

#include <algorithm>

TTabSheet::TTabSheet(TComponent* AOwner) : TCustomControl(AOwner) {
    SetParentColor(true);
    ControlStyle |= csAcceptsControls;
}

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::SetPageControl(TPageControl* pageControl) {
    if (pageControl_ == pageControl) return;
    if (pageControl_) pageControl_->removePage(this);
    pageControl_ = pageControl;
    if (pageControl_) pageControl_->insertPage(this);
    else SetParent(nullptr);
}

void TTabSheet::SetTabVisible(bool v) {
    if (tabVisible_ == v) return;
    tabVisible_ = v;
    if (pageControl_) pageControl_->Invalidate();
}

int TTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::WndProc(TMessage& m) {
    TCustomControl::WndProc(m);
    // The caption is the tab's text.
    if (m.Msg == CM_TEXTCHANGED && pageControl_) pageControl_->Invalidate();
}

void TTabSheet::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
}

TPageControl::TPageControl(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 289, 193);
    SetParentColor(true);
    TabStop = true;
}

TPageControl::~TPageControl() {
    for (TTabSheet* sheet : pages_) sheet->pageControl_ = nullptr;
}

void TPageControl::insertPage(TTabSheet* sheet) {
    pages_.push_back(sheet);
    sheet->SetParent(this);
    placeSheet(*sheet);
    if (!active_) SetActivePage(sheet);
    else sheet->SetVisible(false);
    Invalidate();
}

void TPageControl::removePage(TTabSheet* sheet) {
    pages_.erase(std::remove(pages_.begin(), pages_.end(), sheet), pages_.end());
    if (active_ == sheet) {
        active_ = nullptr;
        if (!pages_.empty()) SetActivePage(pages_.front());
    }
    Invalidate();
}

void TPageControl::placeSheet(TTabSheet& sheet) {
    const int top = Tab_Height + Sheet_Margin;
    sheet.SetBounds(Sheet_Margin, top, std::max(0, Width() - 2 * Sheet_Margin),
                    std::max(0, Height() - top - Sheet_Margin));
}

void TPageControl::Resize() {
    for (TTabSheet* sheet : pages_) placeSheet(*sheet);
    TCustomControl::Resize();
}

void TPageControl::SetActivePage(TTabSheet* sheet) {
    if (sheet && sheet->pageControl_ != this) return;
    if (active_ == sheet) return;
    active_ = sheet;
    for (TTabSheet* page : pages_) page->SetVisible(page == active_);
    Invalidate();
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? Pages(index) : nullptr);
}

TRect TPageControl::TabRect(int index) {
    if (index < 0 || index >= PageCount() || !Pages(index)->TabVisible()) return TRect{};
    Canvas().Font.Assign(Font());
    int left = 2;
    for (int i = 0;; ++i) {
        const TTabSheet* page = Pages(i);
        if (!page->TabVisible()) continue;
        const int width = Canvas().TextWidth(page->Caption()) + 2 * Tab_Padding;
        if (i == index) return TRect{left, 0, left + width, Tab_Height};
        left += width;
    }
}

TTabSheet* TPageControl::PageAtTab(TPoint p) {
    for (int i = 0; i < PageCount(); ++i) {
        if (TabRect(i).Contains(p)) return Pages(i);
    }
    return nullptr;
}

void TPageControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    TTabSheet* page = PageAtTab(TPoint{X, Y});
    if (!page || page == active_) return;
    SetActivePage(page);
    OnChange(this);
}

void TPageControl::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
    // The frame around the pages, open under the active tab.
    const TRect frame{0, Tab_Height, Width(), Height()};
    canvas.Pen.Color = clBtnShadow;
    canvas.Brush.Style = bsClear;
    canvas.Rectangle(frame);
    canvas.Font.Assign(Font());
    for (int i = 0; i < PageCount(); ++i) {
        const TRect tab = TabRect(i);
        if (tab.Right <= tab.Left) continue;
        const bool active = Pages(i) == active_;
        const TRect face{tab.Left, tab.Top + (active ? 0 : 2), tab.Right, tab.Bottom + (active ? 1 : 0)};
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = active ? Pages(i)->Color() : clBtnFace;
        canvas.FillRect(face);
        canvas.Pen.Color = clBtnShadow;
        canvas.MoveTo(face.Left, face.Bottom - 1);
        canvas.LineTo(face.Left, face.Top);
        canvas.LineTo(face.Right - 1, face.Top);
        canvas.LineTo(face.Right - 1, face.Bottom);
        canvas.Brush.Style = bsClear;
        TRect text = face;
        canvas.DrawText(Pages(i)->Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
}

#pragma once

#include "platform/controls/control.h"

#include <vector>

class TPageControl;

// One page of a page control: a container whose caption is its tab's text.
class TTabSheet : public TCustomControl {
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return pageControl_; }
    // Adds the sheet as the last page of pageControl (nullptr takes it out of its control).
    void SetPageControl(TPageControl* pageControl);
    // A page whose tab is hidden stays a page: code may still make it the active one.
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);
    int PageIndex() const;

    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

// Pages behind a row of tabs along the top. Only the active page is shown; a click on a tab
// makes its page the active one and fires OnChange. The first page added becomes the active
// one while none is. The tabs are painted by the control itself, Tab_Height pixels high, each
// as wide as its caption plus Tab_Padding on both sides, from the left in page order.
class TPageControl : public TCustomControl {
public:
    static constexpr int Tab_Height = 20;
    static constexpr int Tab_Padding = 8;
    static constexpr int Sheet_Margin = 4;

    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
    TTabSheet* ActivePage() const { return active_; }
    // Shows sheet and hides the others; a sheet of another control is ignored. OnChange fires
    // only for a click on a tab.
    void SetActivePage(TTabSheet* sheet);
    int ActivePageIndex() const { return active_ ? active_->PageIndex() : -1; }
    void SetActivePageIndex(int index);
    // Where the tab of page index lies; an empty rectangle when its tab is hidden.
    TRect TabRect(int index);
    // The page whose tab holds the client point, or nullptr.
    TTabSheet* PageAtTab(TPoint p);

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Resize() override;

private:
    friend class TTabSheet;
    void insertPage(TTabSheet* sheet);
    void removePage(TTabSheet* sheet);
    void placeSheet(TTabSheet& sheet);

    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
};

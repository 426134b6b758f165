#pragma once

#include "platform/controls/label.h"

enum TSysLinkType { sltURL, sltID };
using TSysLinkEvent = TEvent<void(TObject*, const QString&, TSysLinkType)>;

// A label whose caption may hold <a href="...">text</a> links; a click on the label follows
// its first link.
class TLinkLabel : public TLabel {
public:
    explicit TLinkLabel(TComponent* AOwner);

    TSysLinkEvent OnLinkClick;

    // The href of the first link, or the link text when it has none.
    QString FirstLink() const;

protected:
    QString DisplayText() const override;
    void Click() override;
};

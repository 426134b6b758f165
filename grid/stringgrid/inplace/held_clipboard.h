#pragma once

#include "platform/system/clipboard.h"

// A clipboard for tests that holds the text given to it.
class HeldClipboard : public TClipboard {
public:
    void SetContent(const QString& t, const std::vector<TClipboardFormat>&) override { text = t; }
    QString AsText() override { return text; }
    QByteArray FormatData(const QString&) override { return {}; }
    QString text;
};

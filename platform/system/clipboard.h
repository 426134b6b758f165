#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

// The registered format of HTML fragments: a header of byte offsets, then the document (see the
// grid's MakeHTMLClipboardText), in UTF-8.
inline const QString CF_HTML_FORMAT = QStringLiteral("HTML Format");

// The toolkit's name for data under a registered format name, the same for the clipboard and for
// drag and drop, so that programs of this platform read each other's formats.
QString RegisteredFormatMimeType(const QString& format);

// Data under a registered format name.
using TClipboardFormat = std::pair<QString, QByteArray>;

// The desktop clipboard.
class TClipboard {
public:
    virtual ~TClipboard() = default;
    // Replaces what the clipboard holds with a plain text and data under registered formats.
    virtual void SetContent(const QString& text, const std::vector<TClipboardFormat>& formats) = 0;
    virtual QString AsText() = 0;
    // The data under a registered format, empty when there is none.
    virtual QByteArray FormatData(const QString& format) = 0;
};

// The system clipboard. Registered formats are kept under their names for programs of the same
// platform; "HTML Format" is also offered as the desktop's own HTML (the document between its
// StartHTML and EndHTML offsets), so that other programs paste it as HTML.
TClipboard& Clipboard();
// The HTML the desktop's clipboard offers other programs, whichever clipboard is installed.
QString DesktopClipboardHTML();
// Installs a clipboard (not owned); nullptr returns to the system clipboard.
void SetClipboard(TClipboard* clipboard);

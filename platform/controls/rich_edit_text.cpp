// Reading rich text as its plain text, and writing plain text as rich text.
#include "platform/controls/rich_edit.h"

#include <QStringList>
#include <vector>

namespace {

// Groups whose content is not text.
bool skippedDestination(const QString& word) {
    static const QStringList names{"fonttbl", "colortbl", "stylesheet", "info", "pict", "object",
                                   "header", "footer", "listtable", "listoverridetable", "generator"};
    return names.contains(word);
}

} // namespace

QString TRichEdit::RTFToPlainText(const QString& Rtf) {
    QString out;
    std::vector<bool> skipStack{false};
    int skipFallback = 0;  // characters of an ANSI fallback after \uN still to drop
    auto put = [&](QChar c) {
        if (skipStack.back()) return;
        if (skipFallback > 0) { --skipFallback; return; }
        out += c;
    };
    const int n = int(Rtf.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = Rtf[i];
        if (c == '{') {
            skipStack.push_back(skipStack.back());
        } else if (c == '}') {
            if (skipStack.size() > 1) skipStack.pop_back();
        } else if (c == '\\' && i + 1 < n) {
            const QChar next = Rtf[i + 1];
            if (next == '\\' || next == '{' || next == '}') {
                put(next);
                ++i;
            } else if (next == '*') {
                skipStack.back() = true;
                ++i;
            } else if (next == '\'' && i + 3 < n) {
                bool ok = false;
                const int code = Rtf.mid(i + 2, 2).toInt(&ok, 16);
                if (ok) put(QChar(code));
                i += 3;
            } else if (next.isLetter()) {
                int j = i + 1;
                while (j < n && Rtf[j].isLetter()) ++j;
                const QString word = Rtf.mid(i + 1, j - i - 1);
                int k = j;
                if (k < n && (Rtf[k] == '-' || Rtf[k].isDigit())) ++k;
                while (k < n && Rtf[k].isDigit()) ++k;
                const QString number = Rtf.mid(j, k - j);
                if (k < n && Rtf[k] == ' ') ++k;  // the delimiter belongs to the word
                i = k - 1;
                if (skippedDestination(word)) skipStack.back() = true;
                else if (word == "par" || word == "line") put('\n');
                else if (word == "tab") put('\t');
                else if (word == "u") {
                    put(QChar(char16_t(number.toInt())));
                    skipFallback = 1;
                }
            } else {
                ++i;  // other control symbols (\~ \- \_) carry no text here
            }
        } else if (c != '\r' && c != '\n') {
            put(c);
        }
    }
    while (out.endsWith('\n')) out.chop(1);
    return out;
}

QString TRichEdit::PlainTextToRTF(const QString& Text) {
    QString out = QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs16 ");
    for (const QChar c : Text) {
        const char16_t u = c.unicode();
        if (c == '\\' || c == '{' || c == '}') out += QString(QChar('\\')) + c;
        else if (c == '\n') out += QStringLiteral("\\par ");
        else if (c == '\t') out += QStringLiteral("\\tab ");
        else if (c == '\r') continue;
        else if (u < 0x80) out += c;
        else out += QStringLiteral("\\u%1?").arg(int(int16_t(u)));
    }
    return out + QChar('}');
}

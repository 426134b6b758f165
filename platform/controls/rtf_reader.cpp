// Reading rich text into the toolkit's text document.
#include "platform/controls/rtf_codec.h"

#include <QColor>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFormat>
#include <algorithm>
#include <map>
#include <vector>

namespace {

enum TDestination { dText, dSkip, dFontTable, dColorTable };

struct TGroupState {
    QTextCharFormat Format;
    TDestination Destination = dText;
    int FallbackLength = 1;  // \ucN: characters standing in for a \uN
};

// Groups whose content is not text.
bool skippedDestination(const QString& word) {
    static const QStringList names{"stylesheet", "info", "pict", "object", "header", "footer", "headerl", "headerr",
                                   "footerl", "footerr", "listtable", "listoverridetable", "generator", "themedata",
                                   "colorschememapping", "latentstyles", "rsidtbl", "xmlnstbl", "mmathPr"};
    return names.contains(word);
}

class TRtfReader {
public:
    TRtfReader(const QString& rtf, QTextDocument& doc) : rtf_(rtf), cursor_(&doc) {}

    void Run() {
        stack_.push_back({});
        const int n = int(rtf_.size());
        for (i_ = 0; i_ < n; ++i_) {
            const QChar c = rtf_[i_];
            if (c == '{') {
                flush();
                stack_.push_back(stack_.back());
            } else if (c == '}') {
                flush();
                if (stack_.size() > 1) stack_.pop_back();
            } else if (c == '\\' && i_ + 1 < n) {
                controlSymbol();
            } else if (c != '\r' && c != '\n') {
                put(c);
            }
        }
        flush();
        applyAlignment();
    }

private:
    TGroupState& state() { return stack_.back(); }

    void controlSymbol() {
        const int n = int(rtf_.size());
        const QChar next = rtf_[i_ + 1];
        if (next == '\\' || next == '{' || next == '}') {
            put(next);
            ++i_;
        } else if (next == '*') {
            state().Destination = dSkip;
            ++i_;
        } else if (next == '\'' && i_ + 3 < n) {
            bool ok = false;
            const int code = rtf_.mid(i_ + 2, 2).toInt(&ok, 16);
            if (ok) put(QChar(code));
            i_ += 3;
        } else if (next == '~') {
            put(QChar(QChar::Nbsp));
            ++i_;
        } else if (next.isLetter()) {
            int j = i_ + 1;
            while (j < n && rtf_[j].isLetter()) ++j;
            const QString word = rtf_.mid(i_ + 1, j - i_ - 1);
            int k = j;
            if (k < n && (rtf_[k] == '-' || rtf_[k].isDigit())) ++k;
            while (k < n && rtf_[k].isDigit()) ++k;
            const QString number = rtf_.mid(j, k - j);
            if (k < n && rtf_[k] == ' ') ++k;  // the delimiter belongs to the word
            i_ = k - 1;
            controlWord(word, !number.isEmpty(), number.toInt());
        } else {
            ++i_;  // other control symbols (\- \_) carry no text here
        }
    }

    void controlWord(const QString& word, bool hasNumber, int number) {
        TGroupState& s = state();
        if (s.Destination == dSkip) return;
        if (word == "fonttbl") {
            s.Destination = dFontTable;
            return;
        }
        if (word == "colortbl") {
            s.Destination = dColorTable;
            return;
        }
        if (skippedDestination(word)) {
            s.Destination = dSkip;
            return;
        }
        if (s.Destination == dFontTable) {
            if (word == "f") fontNumber_ = number;
            return;
        }
        if (s.Destination == dColorTable) {
            if (word == "red") red_ = number;
            else if (word == "green") green_ = number;
            else if (word == "blue") blue_ = number;
            return;
        }
        const bool on = !hasNumber || number != 0;
        QTextCharFormat& f = s.Format;
        // A change of format ends the run typed so far.
        if (word != "u" && word != "uc" && word != "par" && word != "line" && word != "tab") flush();
        if (word == "par") newParagraph();
        else if (word == "line") put(QChar(QChar::LineSeparator));
        else if (word == "tab") put('\t');
        else if (word == "u") {
            put(QChar(char16_t(number < 0 ? number + 65536 : number)));
            skipFallback_ = s.FallbackLength;
        } else if (word == "uc") s.FallbackLength = std::max(0, number);
        else if (word == "b") f.setFontWeight(on ? QFont::Bold : QFont::Normal);
        else if (word == "i") f.setFontItalic(on);
        else if (word == "ul") f.setFontUnderline(on);
        else if (word == "ulnone") f.setFontUnderline(false);
        else if (word == "strike") f.setFontStrikeOut(on);
        else if (word == "f") {
            if (const auto font = fonts_.find(number); font != fonts_.end()) f.setFontFamilies(QStringList{font->second});
        } else if (word == "fs" && number > 0) f.setFontPointSize(number / 2.0);
        else if (word == "cf") {
            if (number > 0 && number < int(colors_.size()) && colors_[size_t(number)].isValid())
                f.setForeground(colors_[size_t(number)]);
            else f.clearForeground();
        } else if (word == "up") setOffset(f, (hasNumber ? number : 6) * 10);
        else if (word == "dn") setOffset(f, -(hasNumber ? number : 6) * 10);
        else if (word == "super") setOffset(f, 40);
        else if (word == "sub") setOffset(f, -40);
        else if (word == "nosupersub") setOffset(f, 0);
        else if (word == "plain") f = QTextCharFormat();
        else if (word == "pard") alignment_ = Qt::AlignLeft;
        else if (word == "ql") alignment_ = Qt::AlignLeft;
        else if (word == "qc") alignment_ = Qt::AlignHCenter;
        else if (word == "qr") alignment_ = Qt::AlignRight;
        else if (word == "qj") alignment_ = Qt::AlignJustify;
    }

    static void setOffset(QTextCharFormat& f, int twips) {
        if (twips == 0) {
            f.clearProperty(RichTextOffsetProperty);
            f.setVerticalAlignment(QTextCharFormat::AlignNormal);
            return;
        }
        f.setProperty(RichTextOffsetProperty, twips);
        f.setVerticalAlignment(twips > 0 ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignSubScript);
    }

    void put(QChar c) {
        TGroupState& s = state();
        if (skipFallback_ > 0) {
            --skipFallback_;
            return;
        }
        switch (s.Destination) {
        case dSkip: return;
        case dFontTable:
            if (c == ';') {
                fonts_[fontNumber_] = fontName_.trimmed();
                fontName_.clear();
            } else {
                fontName_ += c;
            }
            return;
        case dColorTable:
            if (c == ';') {
                // The first entry, empty, is the automatic colour.
                colors_.push_back(red_ < 0 ? QColor() : QColor(red_, green_, blue_));
                red_ = green_ = blue_ = -1;
            }
            return;
        case dText: break;
        }
        pending_ += c;
        pendingFormat_ = s.Format;
    }

    void flush() {
        if (pending_.isEmpty()) return;
        cursor_.insertText(pending_, pendingFormat_);
        pending_.clear();
    }

    void applyAlignment() {
        QTextBlockFormat block = cursor_.blockFormat();
        block.setAlignment(alignment_);
        cursor_.setBlockFormat(block);
    }

    void newParagraph() {
        flush();
        applyAlignment();
        cursor_.insertBlock(QTextBlockFormat(), state().Format);
    }

    const QString& rtf_;
    QTextCursor cursor_;
    std::vector<TGroupState> stack_;
    int i_ = 0;
    int skipFallback_ = 0;
    QString pending_;
    QTextCharFormat pendingFormat_;
    std::map<int, QString> fonts_;
    int fontNumber_ = 0;
    QString fontName_;
    std::vector<QColor> colors_;
    int red_ = -1, green_ = -1, blue_ = -1;
    Qt::Alignment alignment_ = Qt::AlignLeft;
};

bool isBreak(QChar c) { return c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == '\n'; }

}  // namespace

void ReadRTF(const QString& Rtf, QTextDocument& Document) {
    Document.clear();
    if (!Rtf.startsWith(QLatin1String("{\\rtf"))) {
        QTextCursor(&Document).insertText(Rtf);
        return;
    }
    TRtfReader(Rtf, Document).Run();
    // A break after the last line ends it; it starts no line of its own.
    QTextCursor end(&Document);
    end.movePosition(QTextCursor::End);
    while (end.position() > 0 && isBreak(Document.characterAt(end.position() - 1))) end.deletePreviousChar();
}

QString DocumentPlainText(const QTextDocument& Document) {
    QString text = Document.toRawText();
    for (QChar& c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) c = '\n';
    return text;
}

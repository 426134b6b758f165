// Writing the toolkit's text document as rich text.
#include "platform/controls/rtf_codec.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <cmath>

namespace {

// What a run of text looks like, as far as the rich text keeps it.
struct TRunLook {
    int Font = 0;
    int HalfPoints = 0;
    bool Bold = false, Italic = false, Underline = false, Strike = false;
    int Color = 0;
    int Offset = 0;
};

class TRtfWriter {
public:
    TRtfWriter(const QTextDocument& doc, const QString& family, int halfPoints)
        : doc_(doc), defaultFamily_(family), defaultHalfPoints_(halfPoints) {
        fonts_ << family;
    }

    QString Run() {
        QString body;
        TRunLook current;
        current.HalfPoints = defaultHalfPoints_;
        body += QStringLiteral("\\f0\\fs%1").arg(defaultHalfPoints_);
        pendingWord_ = true;
        Qt::Alignment alignment = Qt::AlignLeft;
        for (QTextBlock block = doc_.begin(); block.isValid(); block = block.next()) {
            if (block != doc_.begin()) word(body, QStringLiteral("\\par"));
            const Qt::Alignment a = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
            const Qt::Alignment shown = a == Qt::AlignLeading || a == 0 ? Qt::AlignLeft : a;
            if (shown != alignment) {
                word(body, alignmentWord(shown));
                alignment = shown;
            }
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (!fragment.isValid()) continue;
                const TRunLook look = lookOf(fragment.charFormat());
                changes(body, current, look);
                current = look;
                text(body, fragment.text());
            }
        }
        QString head = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl");
        for (int i = 0; i < fonts_.size(); ++i) head += QStringLiteral("{\\f%1\\fnil %2;}").arg(i).arg(fonts_[i]);
        head += QLatin1Char('}');
        if (!colors_.isEmpty()) {
            head += QStringLiteral("{\\colortbl ;");
            for (const QColor& c : colors_)
                head += QStringLiteral("\\red%1\\green%2\\blue%3;").arg(c.red()).arg(c.green()).arg(c.blue());
            head += QLatin1Char('}');
        }
        return head + body + QLatin1Char('}');
    }

private:
    static QString alignmentWord(Qt::Alignment a) {
        if (a & Qt::AlignHCenter) return QStringLiteral("\\qc");
        if (a & Qt::AlignRight) return QStringLiteral("\\qr");
        if (a & Qt::AlignJustify) return QStringLiteral("\\qj");
        return QStringLiteral("\\ql");
    }

    TRunLook lookOf(const QTextCharFormat& f) {
        TRunLook look;
        const QStringList families = f.fontFamilies().toStringList();
        const QString family = families.isEmpty() ? defaultFamily_ : families.first();
        look.Font = int(fonts_.indexOf(family));
        if (look.Font < 0) {
            look.Font = int(fonts_.size());
            fonts_ << family;
        }
        look.HalfPoints = f.hasProperty(QTextFormat::FontPointSize) ? int(std::lround(f.fontPointSize() * 2))
                                                                     : defaultHalfPoints_;
        look.Bold = f.fontWeight() >= QFont::Bold;
        look.Italic = f.fontItalic();
        look.Underline = f.fontUnderline();
        look.Strike = f.fontStrikeOut();
        if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush) {
            const QColor c = f.foreground().color();
            qsizetype index = colors_.indexOf(c);
            if (index < 0) {
                index = colors_.size();
                colors_ << c;
            }
            look.Color = int(index) + 1;
        }
        look.Offset = f.intProperty(RichTextOffsetProperty);
        return look;
    }

    void changes(QString& out, const TRunLook& was, const TRunLook& is) {
        auto flag = [&](bool before, bool now, const char* on, const char* off) {
            if (before != now) word(out, QLatin1String(now ? on : off));
        };
        if (was.Font != is.Font) word(out, QStringLiteral("\\f%1").arg(is.Font));
        if (was.HalfPoints != is.HalfPoints) word(out, QStringLiteral("\\fs%1").arg(is.HalfPoints));
        flag(was.Bold, is.Bold, "\\b", "\\b0");
        flag(was.Italic, is.Italic, "\\i", "\\i0");
        flag(was.Underline, is.Underline, "\\ul", "\\ulnone");
        flag(was.Strike, is.Strike, "\\strike", "\\strike0");
        if (was.Color != is.Color) word(out, QStringLiteral("\\cf%1").arg(is.Color));
        if (was.Offset != is.Offset) {
            // Half-points, the unit of \up and \dn.
            const int half = std::abs(is.Offset) / 10;
            if (is.Offset == 0) word(out, QStringLiteral("\\up0"));
            else word(out, QStringLiteral("%1%2").arg(is.Offset > 0 ? "\\up" : "\\dn").arg(half));
        }
    }

    // A control word; the text after it needs a space to end it.
    void word(QString& out, const QString& w) {
        out += w;
        pendingWord_ = true;
    }

    void text(QString& out, const QString& t) {
        for (const QChar c : t) {
            const char16_t u = c.unicode();
            if (c == '\t') {
                word(out, QStringLiteral("\\tab"));
                continue;
            }
            if (c == QChar::LineSeparator) {
                word(out, QStringLiteral("\\line"));
                continue;
            }
            if (c == QChar::Nbsp) {
                out += QStringLiteral("\\~");
                pendingWord_ = false;
                continue;
            }
            if (pendingWord_) {
                out += QLatin1Char(' ');
                pendingWord_ = false;
            }
            if (c == '\\' || c == '{' || c == '}') out += QString(QChar('\\')) + c;
            else if (u < 0x80) out += c;
            else out += QStringLiteral("\\u%1?").arg(int(int16_t(u)));
        }
    }

    const QTextDocument& doc_;
    QString defaultFamily_;
    int defaultHalfPoints_;
    QStringList fonts_;
    QList<QColor> colors_;
    bool pendingWord_ = false;
};

}  // namespace

QString WriteRTF(const QTextDocument& Document, const QString& DefaultFamily, int DefaultHalfPoints) {
    return TRtfWriter(Document, DefaultFamily, DefaultHalfPoints).Run();
}

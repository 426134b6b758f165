#include "platform/xml/xml_document.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <pugixml.hpp>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/exception.h"
#include "platform/xml/shared_text.h"
#include "platform/system/files.h"

// Handles carry pugixml's node pointer under an opaque type so the header stays free of it.
struct XmlAccess {
    static pugi::xml_node_struct* record(const IXMLNode& n) { return reinterpret_cast<pugi::xml_node_struct*>(n.node_); }
    static IXMLNode handle(pugi::xml_node_struct* n) { return IXMLNode(reinterpret_cast<TXMLNodeData*>(n)); }
    static pugi::xml_node node(const IXMLNode& n) { return pugi::xml_node(record(n)); }
    static IXMLNode handle(pugi::xml_node n) { return handle(n.internal_object()); }
    static pugi::xml_node parent(const TXMLNodeList& list) { return node(list.parent_); }
};

namespace {

pugi::xml_node toPugi(const IXMLNode& n) { return XmlAccess::node(n); }
IXMLNode toHandle(pugi::xml_node n) { return XmlAccess::handle(n); }

QString fromUtf8(const char* s) { return QString::fromUtf8(s); }

// Bumped whenever nodes are freed (children replaced, document cleared, reloaded or destroyed),
// so a remembered list position is never followed into freed memory. Appending frees nothing.
std::atomic<uint64_t> treeEpoch{1};
void nodesFreed() { treeEpoch.fetch_add(1); }

// What a list remembers of one parent between calls.
struct ChildCursor {
    pugi::xml_node_struct* parent = nullptr;
    uint64_t epoch = 0;
    pugi::xml_node_struct* last = nullptr;  // the last child when counted
    int count = 0;
    pugi::xml_node_struct* at = nullptr;  // the node last returned by Nodes()
    int index = 0;
};

// A few slots kept in order of use, so a loop over one parent that also walks each child's
// children keeps the outer parent cached.
constexpr int cursorSlots = 8;
thread_local ChildCursor cursors[cursorSlots];

ChildCursor& cursorFor(pugi::xml_node parent) {
    const uint64_t epoch = treeEpoch.load();
    pugi::xml_node_struct* key = parent.internal_object();
    pugi::xml_node_struct* last = parent.last_child().internal_object();
    int slot = 0;
    while (slot < cursorSlots && !(cursors[slot].parent == key && cursors[slot].epoch == epoch)) ++slot;
    if (slot == cursorSlots) {
        --slot;  // evict the least recently used
        cursors[slot] = ChildCursor{key, epoch, last, 0, nullptr, 0};
        for (pugi::xml_node n = parent.first_child(); n; n = n.next_sibling()) ++cursors[slot].count;
    }
    std::rotate(cursors, cursors + slot, cursors + slot + 1);
    ChildCursor& c = cursors[0];
    if (c.last != last) {  // children were appended since
        for (pugi::xml_node n = c.last ? pugi::xml_node(c.last).next_sibling() : parent.first_child(); n;
             n = n.next_sibling())
            ++c.count;
        c.last = last;
    }
    return c;
}

// Bytes 0x80..0x9F of Windows-1252; the rest of the upper half is ISO-8859-1.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t singleByteChar(unsigned char b) { return (b >= 0x80 && b < 0xA0) ? cp1252High[b - 0x80] : char16_t(b); }

// The top bit of each byte of a word read from a text.
constexpr uint64_t highBits = 0x8080808080808080ull;

// Whether any of the 32 bytes at p is beyond ASCII.
bool anyHigh32(const char* p) {
    uint64_t a, b, c, d;
    std::memcpy(&a, p, 8);
    std::memcpy(&b, p + 8, 8);
    std::memcpy(&c, p + 16, 8);
    std::memcpy(&d, p + 24, 8);
    return ((a | b) | (c | d)) & highBits;
}

// Bytes below 0x80 are the same in UTF-8; texts are mostly such runs, which are skipped many
// bytes at a time.
qsizetype asciiRun(const char* p, qsizetype n) {
    qsizetype i = 0;
    while (i + 32 <= n && !anyHigh32(p + i)) i += 32;
    for (uint64_t word; i + 8 <= n; i += 8) {
        std::memcpy(&word, p + i, 8);
        if (word & highBits) break;
    }
    while (i < n && static_cast<unsigned char>(p[i]) < 0x80) ++i;
    return i;
}

int utf8Length(char16_t c) { return c < 0x80 ? 1 : c < 0x800 ? 2 : 3; }

// ISO-8859-1 read as Windows-1252, as browsers do: vendors' files labelled ISO-8859-1 often
// hold "€" or "™" from Windows tools, and 0x80..0x9F are unused control codes otherwise.
// Converted in place, in the room the file was read with where there is enough.
QByteArray singleByteToUtf8(QByteArray text) {
    const qsizetype n = text.size();
    const qsizetype first = asciiRun(text.constData(), n);
    if (first == n) return text;
    // Bytes 0xA0..0xFF take two bytes in UTF-8; 0x80..0x9F, which are rare, are looked up.
    qsizetype size = n;
    qsizetype i = first;
    const auto countWord = [&size, &text](qsizetype at) {
        uint64_t word;
        std::memcpy(&word, text.constData() + at, 8);
        const uint64_t high = word & highBits;
        if (!(high & ~(word << 1) & ~(word << 2))) {
            size += static_cast<qsizetype>(((high >> 7) * 0x0101010101010101ull) >> 56);  // high bytes
            return;
        }
        for (int k = 0; k < 8; ++k)
            size += utf8Length(singleByteChar(static_cast<unsigned char>(text[at + k]))) - 1;
    };
    for (; i + 32 <= n; i += 32)  // high bytes are rare: skipped 32 at a time
        if (anyHigh32(text.constData() + i))
            for (int k = 0; k < 4; ++k) countWord(i + 8 * k);
    for (; i + 8 <= n; i += 8) countWord(i);
    for (; i < n; ++i) size += utf8Length(singleByteChar(static_cast<unsigned char>(text[i]))) - 1;
    text.resize(size);
    // From the end backwards, so that nothing is overwritten before it is read: ASCII runs
    // move as a whole, each high byte becomes its two or three bytes.
    char* d = text.data();
    qsizetype in = n, out = size;
    while (in > first) {
        qsizetype run = in;
        while (run - 32 >= first && !anyHigh32(d + run - 32)) run -= 32;
        for (uint64_t word; run - 8 >= first; run -= 8) {
            std::memcpy(&word, d + run - 8, 8);
            if (word & highBits) break;
        }
        while (static_cast<unsigned char>(d[run - 1]) < 0x80) --run;  // d[first] is high
        out -= in - run;
        std::memmove(d + out, d + run, static_cast<size_t>(in - run));
        in = run - 1;
        const char16_t c = singleByteChar(static_cast<unsigned char>(d[in]));
        if (c < 0x800) {
            d[--out] = static_cast<char>(0x80 | (c & 0x3F));
            d[--out] = static_cast<char>(0xC0 | (c >> 6));
        } else {
            d[--out] = static_cast<char>(0x80 | (c & 0x3F));
            d[--out] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            d[--out] = static_cast<char>(0xE0 | (c >> 12));
        }
    }
    return text;
}

// The encoding named by a leading "<?xml ... encoding='...'?>" as written; empty when none.
// A view into raw: every file is asked, and most name no encoding or UTF-8.
QByteArrayView declaredEncoding(QByteArrayView raw) {
    if (!raw.startsWith("<?xml")) return {};
    const qsizetype end = raw.first(std::min<qsizetype>(raw.size(), 514)).indexOf("?>");
    if (end < 0) return {};
    const QByteArrayView decl = raw.first(end);
    qsizetype i = decl.indexOf("encoding");
    if (i < 0) return {};
    i += 8;
    while (i < decl.size() && (decl[i] == ' ' || decl[i] == '=' || decl[i] == '\t' || decl[i] == '\r' || decl[i] == '\n'))
        ++i;
    if (i >= decl.size() || (decl[i] != '"' && decl[i] != '\'')) return {};
    const qsizetype close = decl.indexOf(decl[i], i + 1);
    return close < 0 ? QByteArrayView() : decl.sliced(i + 1, close - i - 1);
}

QByteArray decodeWith(const QByteArray& raw, QStringConverter::Encoding encoding) {
    QStringDecoder decoder(encoding);  // drops a leading byte-order mark
    return QString(decoder(raw)).toUtf8();
}

// The file's bytes as UTF-8 without a byte-order mark.
QByteArray toUtf8(QByteArray raw) {
    const auto starts = [&raw](const char* sig, qsizetype n) {
        return raw.size() >= n && std::memcmp(raw.constData(), sig, static_cast<size_t>(n)) == 0;
    };
    if (starts("\xEF\xBB\xBF", 3)) return raw.remove(0, 3);
    if (starts("\xFF\xFE\0\0", 4)) return decodeWith(raw, QStringConverter::Utf32LE);
    if (starts("\0\0\xFE\xFF", 4)) return decodeWith(raw, QStringConverter::Utf32BE);
    if (starts("\xFF\xFE", 2)) return decodeWith(raw, QStringConverter::Utf16LE);
    if (starts("\xFE\xFF", 2)) return decodeWith(raw, QStringConverter::Utf16BE);
    // Without a mark, the zero bytes around the first character ("<" or a blank, never zero in
    // an 8-bit text) give the width and the byte order away.
    const auto zero = [&raw](qsizetype i) { return raw.size() > i && raw[i] == '\0'; };
    const auto nonZero = [&raw](qsizetype i) { return raw.size() > i && raw[i] != '\0'; };
    if (nonZero(0) && zero(1) && zero(2) && zero(3)) return decodeWith(raw, QStringConverter::Utf32LE);
    if (zero(0) && zero(1) && zero(2) && nonZero(3)) return decodeWith(raw, QStringConverter::Utf32BE);
    if (nonZero(0) && zero(1)) return decodeWith(raw, QStringConverter::Utf16LE);
    if (zero(0) && nonZero(1)) return decodeWith(raw, QStringConverter::Utf16BE);
    static const QByteArray singleByte[] = {"iso-8859-1", "iso8859-1", "iso_8859-1", "latin1", "latin-1",
                                            "l1",         "windows-1252", "cp1252", "us-ascii", "ascii"};
    const QByteArrayView declared = declaredEncoding(raw);
    for (const QByteArray& name : singleByte)
        if (declared.size() == name.size() && declared.compare(name, Qt::CaseInsensitive) == 0)
            return singleByteToUtf8(std::move(raw));
    // A file that names no encoding and is not UTF-8 came from a single-byte editor: read as
    // such, its accented letters stay letters instead of becoming replacement characters.
    if (declared.isEmpty() && !raw.isValidUtf8()) return singleByteToUtf8(std::move(raw));
    return raw;
}

// Line and column (1-based, counted in characters) of a byte offset into UTF-8 text.
QString positionText(const QByteArray& utf8, ptrdiff_t offset) {
    const qsizetype end = std::clamp<qsizetype>(offset, 0, utf8.size());
    int line = 1, column = 1;
    for (qsizetype i = 0; i < end; ++i) {
        const char ch = utf8[i];
        if (ch == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

class ByteWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override {
        out.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }
    QByteArray out;
};

}  // namespace

// ---- IXMLNode

QString IXMLNode::NodeName() const {
    const pugi::xml_node n = toPugi(*this);
    switch (n.type()) {
        case pugi::node_pcdata: return QStringLiteral("#text");
        case pugi::node_cdata: return QStringLiteral("#cdata-section");
        case pugi::node_comment: return QStringLiteral("#comment");
        case pugi::node_document: return QStringLiteral("#document");
        default: return fromUtf8(n.name());
    }
}

TNodeType IXMLNode::NodeType() const {
    switch (toPugi(*this).type()) {
        case pugi::node_null: return ntReserved;
        case pugi::node_document: return ntDocument;
        case pugi::node_element: return ntElement;
        case pugi::node_pcdata: return ntText;
        case pugi::node_cdata: return ntCData;
        case pugi::node_comment: return ntComment;
        case pugi::node_pi:
        case pugi::node_declaration: return ntProcessingInstr;
        case pugi::node_doctype: return ntDocType;
    }
    return ntReserved;
}

QString IXMLNode::Text() const {
    const pugi::xml_node n = toPugi(*this);
    switch (n.type()) {
        case pugi::node_element: {
            QString text;
            for (pugi::xml_node c = n.first_child(); c; c = c.next_sibling())
                if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) text += fromUtf8(c.value());
            return text;
        }
        case pugi::node_declaration: {
            QString text;
            for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
                if (!text.isEmpty()) text += QLatin1Char(' ');
                text += fromUtf8(a.name()) + QLatin1String("=\"") + fromUtf8(a.value()) + QLatin1Char('"');
            }
            return text;
        }
        default: return fromUtf8(n.value());
    }
}

QString IXMLNode::ReadText() const {
    // The common case, an element holding one text and nothing else.
    const pugi::xml_node n = toPugi(*this);
    const pugi::xml_node only = n.first_child();
    if (n.type() == pugi::node_element && only && !only.next_sibling() &&
        (only.type() == pugi::node_pcdata || only.type() == pugi::node_cdata) && *only.value())
        return SharedText(only.value());
    return Text();
}

void IXMLNode::SetText(const QString& text) {
    pugi::xml_node n = toPugi(*this);
    const QByteArray utf8 = text.toUtf8();
    if (n.type() == pugi::node_element) {
        if (n.first_child()) {
            n.remove_children();
            nodesFreed();
        }
        if (!text.isEmpty()) n.append_child(pugi::node_pcdata).set_value(utf8.constData());
    } else {
        n.set_value(utf8.constData());
    }
}

bool IXMLNode::HasAttribute(const QString& name) const { return FindAttribute(name.toUtf8().constData()) != nullptr; }

QString IXMLNode::Attribute(const QString& name) const {
    return fromUtf8(toPugi(*this).attribute(name.toUtf8().constData()).value());
}

std::vector<std::pair<QString, QString>> IXMLNode::Attributes() const {
    std::vector<std::pair<QString, QString>> out;
    for (const pugi::xml_attribute& a : toPugi(*this).attributes()) out.emplace_back(fromUtf8(a.name()), fromUtf8(a.value()));
    return out;
}

void IXMLNode::SetAttribute(const QString& name, const QString& value) {
    pugi::xml_node n = toPugi(*this);
    const QByteArray key = name.toUtf8();
    pugi::xml_attribute a = n.attribute(key.constData());
    if (!a) a = n.append_attribute(key.constData());
    a.set_value(value.toUtf8().constData());
}

bool IXMLNode::nameIsThroughLibrary(const char* name) const {
    const pugi::xml_node node = toPugi(*this);
    return (node.type() == pugi::node_element || node.type() == pugi::node_pi) && node_records::SameName(node.name(), name);
}

const char* IXMLNode::findAttributeThroughLibrary(const char* name) const {
    const pugi::xml_attribute a = toPugi(*this).attribute(name);
    return a ? a.value() : nullptr;
}

QString IXMLNode::ReadValue(const char* value) { return SharedText(value); }

IXMLNode IXMLNode::AddChild(const QString& name) {
    pugi::xml_node child = toPugi(*this).append_child(pugi::node_element);
    child.set_name(name.toUtf8().constData());
    return toHandle(child);
}

IXMLNode IXMLNode::AddComment(const QString& text) {
    pugi::xml_node child = toPugi(*this).append_child(pugi::node_comment);
    child.set_value(text.toUtf8().constData());
    return toHandle(child);
}

IXMLNode IXMLNode::AppendCopy(const IXMLNode& source) {
    if (source.IsNull()) return IXMLNode();
    return toHandle(toPugi(*this).append_copy(toPugi(source)));
}

IXMLNode IXMLNode::ParentNode() const { return toHandle(toPugi(*this).parent()); }

IXMLNode IXMLNode::nextSiblingThroughLibrary() const { return toHandle(toPugi(*this).next_sibling()); }

IXMLNode IXMLNode::firstChildThroughLibrary() const { return toHandle(toPugi(*this).first_child()); }

IXMLNode IXMLNode::findChildThroughLibrary(const char* name) const {
    for (pugi::xml_node n = toPugi(*this).first_child(); n; n = n.next_sibling())
        if (n.type() == pugi::node_element && node_records::SameName(n.name(), name)) return toHandle(n);
    return IXMLNode();
}

// ---- TXMLNodeList

TXMLNodeList::Iterator& TXMLNodeList::Iterator::operator++() {
    node_ = node_.NextSibling();
    return *this;
}

int TXMLNodeList::Count() const {
    const pugi::xml_node parent = XmlAccess::parent(*this);
    return parent ? cursorFor(parent).count : 0;
}

IXMLNode TXMLNodeList::Nodes(int index) const {
    const pugi::xml_node parent = XmlAccess::parent(*this);
    if (!parent || index < 0) return IXMLNode();
    ChildCursor& c = cursorFor(parent);
    if (index >= c.count) return IXMLNode();
    // Walk from whichever known node is nearest: the first, the last or the one returned last.
    const int fromFirst = index, fromLast = c.count - 1 - index, fromAt = c.at ? std::abs(index - c.index) : INT_MAX;
    pugi::xml_node n;
    int pos;
    if (fromAt <= fromFirst && fromAt <= fromLast) {
        n = pugi::xml_node(c.at);
        pos = c.index;
    } else if (fromFirst <= fromLast) {
        n = parent.first_child();
        pos = 0;
    } else {
        n = pugi::xml_node(c.last);
        pos = c.count - 1;
    }
    for (; pos < index; ++pos) n = n.next_sibling();
    for (; pos > index; --pos) n = n.previous_sibling();
    c.at = n.internal_object();
    c.index = index;
    return toHandle(n);
}

IXMLNode TXMLNodeList::FindNode(const QString& name) const { return FindNode(name.toUtf8().constData()); }

TXMLNodeList::Iterator TXMLNodeList::begin() const { return Iterator(First()); }

// ---- TXMLDocument

struct TXMLDocument::Impl {
    pugi::xml_document doc;
    QByteArray buffer;  // the loaded text, which the nodes point into

    void reset() {
        nodesFreed();
        doc.reset();
        buffer = QByteArray();
    }

    QByteArray serialise() {
        // The text is always UTF-8, so a loaded declaration must not name another encoding.
        pugi::xml_attribute encoding;
        std::string declared;
        for (pugi::xml_node n = doc.first_child(); n; n = n.next_sibling()) {
            if (n.type() != pugi::node_declaration) continue;
            encoding = n.attribute("encoding");
            break;
        }
        const bool patch = encoding && QByteArray(encoding.value()).toLower() != "utf-8";
        if (patch) {
            declared = encoding.value();
            encoding.set_value("UTF-8");
        }
        ByteWriter writer;
        // Written as the original DOM wrote it: no indentation, no added declaration.
        doc.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
        if (patch) encoding.set_value(declared.c_str());
        return writer.out;
    }
};

TXMLDocument::TXMLDocument(TComponent* AOwner) : TComponent(AOwner), impl_(std::make_unique<Impl>()) {}

TXMLDocument::~TXMLDocument() { nodesFreed(); }

void TXMLDocument::SetActive(bool value) {
    if (!value) impl_->reset();
    active_ = value;
}

namespace {

// The whole file, with room behind it to convert single-byte text to UTF-8 in place; false
// with the reason when it cannot be read. Read with the system's calls, which take a
// fraction of the time of QFile's for the many small files of a catalog; anything unusual is
// left to QFile, which also words the reason.
bool readFile(const QString& path, QByteArray& bytes, QString& error) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    const bool known = fd >= 0 && ::fstat(fd, &status) == 0;
    if (known && S_ISDIR(status.st_mode)) {
        // Said in the system's words, as the writers say it.
        ::close(fd);
        error = SystemErrorText(EISDIR);
        return false;
    }
    bool read = known && S_ISREG(status.st_mode);
    if (read) {
        const auto size = static_cast<qsizetype>(status.st_size);
        bytes.resize(size + size / 16 + 64);
        qsizetype done = 0;
        for (;;) {
            if (done == bytes.size()) bytes.resize(done + done / 2);  // the file grew
            const ssize_t got = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) read = false;
            if (got <= 0) break;
            done += got;
            // Asked for more than the file held when it was opened, a regular file answers
            // short only at its end: that spares a further read to find the end. Files that
            // give no size (those the system makes up as they are read) are read until empty.
            if (size > 0 && done >= size && done < bytes.size()) break;
        }
        bytes.resize(done);
    }
    if (fd >= 0) ::close(fd);
    if (read) return true;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
    if (file.isOpen() && file.error() == QFileDevice::NoError) return true;
    error = file.errorString();
    return false;
}

}  // namespace

void TXMLDocument::LoadFromFile(const QString& path) {
    QByteArray bytes;
    QString error;
    if (!readFile(path, bytes, error)) {
        SetActive(false);
        throw Exception(QStringLiteral("Cannot read %1: %2").arg(path, error));
    }
    const auto original = [&path] {
        QByteArray again;
        QString ignored;
        readFile(path, again, ignored);
        return toUtf8(std::move(again));
    };
    load(toUtf8(std::move(bytes)), original, path);
}

void TXMLDocument::LoadFromXML(const QString& text) {
    const auto utf8 = [&text] {
        QByteArray bytes = text.toUtf8();
        return bytes.startsWith("\xEF\xBB\xBF") ? bytes.remove(0, 3) : bytes;
    };
    load(utf8(), utf8, QString());
}

void TXMLDocument::load(QByteArray utf8, const std::function<QByteArray()>& original, const QString& source) {
    impl_->reset();
    // A text of blanks only is a value (a password, say), not layout between elements.
    const unsigned options = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi |
                             pugi::parse_ws_pcdata_single;
    // A zero byte is never text: the file was damaged (a write cut short, a disk fault). The
    // parser would stop there and blame the tags instead.
    if (const qsizetype zero = utf8.indexOf('\0'); zero >= 0) {
        SetActive(false);
        QString message = QStringLiteral("The file is damaged: a zero byte at %1").arg(positionText(utf8, zero));
        if (!source.isEmpty()) message = source + QStringLiteral(": ") + message;
        throw Exception(message);
    }
    // Parsed in place: the document keeps the buffer, and its nodes point into it.
    impl_->buffer = std::move(utf8);
    const pugi::xml_parse_result result = impl_->doc.load_buffer_inplace(
        impl_->buffer.data(), static_cast<size_t>(impl_->buffer.size()), options, pugi::encoding_utf8);
    if (!result) {
        SetActive(false);
        // The parse changed the buffer; the offset counts in the text as it was.
        QString message =
            QStringLiteral("%1 at %2").arg(fromUtf8(result.description()), positionText(original(), result.offset));
        if (!source.isEmpty()) message = source + QStringLiteral(": ") + message;
        throw Exception(message);
    }
    active_ = true;
}

void TXMLDocument::Clear() { impl_->reset(); }

IXMLNode TXMLDocument::documentNode() const { return toHandle(impl_->doc); }

TXMLNodeList TXMLDocument::ChildNodes() const { return documentNode().ChildNodes(); }

IXMLNode TXMLDocument::DocumentElement() const { return toHandle(impl_->doc.document_element()); }

IXMLNode TXMLDocument::AddChild(const QString& name) {
    active_ = true;
    return documentNode().AddChild(name);
}

IXMLNode TXMLDocument::AddComment(const QString& text) {
    active_ = true;
    return documentNode().AddComment(text);
}

void TXMLDocument::SaveToFile(const QString& path) const {
    const QByteArray bytes = impl_->serialise();
    QString reason;
    if (!WriteFileAtomic(path, bytes, &reason)) throw Exception(QStringLiteral("Cannot write %1: %2").arg(path, reason));
}

QString TXMLDocument::XML() const { return QString::fromUtf8(impl_->serialise()); }

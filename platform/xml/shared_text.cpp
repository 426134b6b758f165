#include "platform/xml/shared_text.h"

#include <QArrayData>
#include <cstring>

namespace {

using TextData = QTypedArrayData<char16_t>;

// Texts longer than this, and texts that are not ASCII, get memory of their own: they are
// rare, and a long one would keep a block alive for little gain.
constexpr qsizetype longestShared = 255;
constexpr qsizetype blockChars = 4096;
// Every text takes at least two characters with its terminating zero.
constexpr int mostTexts = blockChars / 2;

// The block texts are being copied into. Each text holds a reference to it, and the block
// holds the references not yet handed out, taken all at once so that making a text needs no
// atomic step. One of them is never handed out: it keeps the block until it is full or the
// thread ends.
class TextBlock {
public:
    ~TextBlock() { release(); }

    QString take(const char* utf8) {
        const auto n = static_cast<qsizetype>(std::strlen(utf8));
        if (n == 0 || n > longestShared) return QString::fromUtf8(utf8, n);
        if (room_ <= n) renew();
        // Widened before checking, so that the loop runs on whole words; a text that is not
        // ASCII is made apart, and what was written of it is overwritten by the next.
        char16_t* text = next_;
        unsigned char high = 0;
        for (qsizetype i = 0; i < n; ++i) {
            const auto c = static_cast<unsigned char>(utf8[i]);
            high |= c;
            text[i] = c;
        }
        if (high >= 0x80) return QString::fromUtf8(utf8, n);
        text[n] = u'\0';  // as QString keeps it
        next_ += n + 1;
        room_ -= n + 1;
        --unclaimed_;
        return QString(QString::DataPointer(block_, text, n));
    }

private:
    void release() {
        if (block_ && block_->ref_.fetchAndSubOrdered(unclaimed_) == unclaimed_) TextData::deallocate(block_);
        block_ = nullptr;
    }
    void renew() {
        release();
        const auto [header, data] = TextData::allocate(blockChars);
        Q_CHECK_PTR(header);
        block_ = header;
        next_ = data;
        room_ = blockChars;
        unclaimed_ = mostTexts + 1;
        block_->ref_.fetchAndAddRelaxed(unclaimed_ - 1);  // it came with one
    }

    TextData* block_ = nullptr;
    char16_t* next_ = nullptr;
    qsizetype room_ = 0;
    int unclaimed_ = 0;
};

thread_local TextBlock currentBlock;

}  // namespace

QString SharedText(const char* utf8) { return currentBlock.take(utf8); }

#include "platform/xml/shared_text.h"

#include <QArrayData>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

using TextData = QTypedArrayData<char16_t>;

// Texts longer than this get memory of their own: a long one would keep a block alive for
// little gain.
constexpr qsizetype longestShared = 1024;
constexpr qsizetype blockChars = 8192;
// Every text takes at least two characters with its terminating zero.
constexpr int mostTexts = blockChars / 2;

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Decodes n bytes of well-formed UTF-8 into out, as many characters as the bytes or fewer,
// where out already holds the bytes widened one by one, which is right up to the first byte
// beyond ASCII. -1 for anything else (bad or overlong sequences, surrogates) and for a leading
// byte-order mark, which Qt drops: both are left to Qt.
qsizetype decodeUtf8(const unsigned char* in, qsizetype n, char16_t* out) {
    qsizetype i = 0;
    while (in[i] < 0x80) ++i;  // there is a byte beyond ASCII
    qsizetype o = i;
    while (i < n) {
        const unsigned char b = in[i];
        if (b < 0x80) {
            out[o++] = b;
            i += 1;
        } else if (b >= 0xC2 && b < 0xE0 && i + 1 < n && isContinuation(in[i + 1])) {
            out[o++] = char16_t(((b & 0x1F) << 6) | (in[i + 1] & 0x3F));
            i += 2;
        } else if (b >= 0xE0 && b < 0xF0 && i + 2 < n && isContinuation(in[i + 1]) && isContinuation(in[i + 2])) {
            const char32_t c = ((b & 0x0F) << 12) | ((in[i + 1] & 0x3F) << 6) | (in[i + 2] & 0x3F);
            if (c < 0x800 || (c >= 0xD800 && c < 0xE000) || (c == 0xFEFF && i == 0)) return -1;
            out[o++] = char16_t(c);
            i += 3;
        } else if (b >= 0xF0 && b < 0xF5 && i + 3 < n && isContinuation(in[i + 1]) && isContinuation(in[i + 2]) &&
                   isContinuation(in[i + 3])) {
            const char32_t c =
                ((b & 0x07) << 18) | ((in[i + 1] & 0x3F) << 12) | ((in[i + 2] & 0x3F) << 6) | (in[i + 3] & 0x3F);
            if (c < 0x10000 || c > 0x10FFFF) return -1;
            out[o++] = char16_t(0xD800 + ((c - 0x10000) >> 10));
            out[o++] = char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
            i += 4;
        } else {
            return -1;
        }
    }
    return o;
}

// Widens n bytes into out one by one; false when one of them is beyond ASCII. Texts are short
// and too many for the compiler's own vector loops to start up: whole words at a time, the
// last one overlapping the one before rather than finishing byte by byte.
bool widen(const unsigned char* in, qsizetype n, char16_t* out) {
#if defined(__SSE2__)
    if (n >= 8) {
        const __m128i zero = _mm_setzero_si128();
        __m128i high = zero;
        const auto eight = [&](qsizetype at) {
            const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(in + at));
            high = _mm_or_si128(high, bytes);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at), _mm_unpacklo_epi8(bytes, zero));
        };
        qsizetype i = 0;
        for (; i + 16 <= n; i += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
            high = _mm_or_si128(high, bytes);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(bytes, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), _mm_unpackhi_epi8(bytes, zero));
        }
        if (i + 8 <= n) {
            eight(i);
            i += 8;
        }
        if (i < n) eight(n - 8);
        return _mm_movemask_epi8(high) == 0;
    }
#endif
    unsigned high = 0;
    for (qsizetype i = 0; i < n; ++i) {
        high |= in[i];
        out[i] = in[i];
    }
    return high < 0x80;
}

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
        // Most texts are ASCII: widened first, and decoded again only when a byte turns out not
        // to be. What was written of a text made apart is overwritten by the next.
        char16_t* text = next_;
        const auto* in = reinterpret_cast<const unsigned char*>(utf8);
        qsizetype size = n;
        if (!widen(in, n, text) && (size = decodeUtf8(in, n, text)) < 0) return QString::fromUtf8(utf8, n);
        text[size] = u'\0';  // as QString keeps it
        next_ += size + 1;
        room_ -= size + 1;
        --unclaimed_;
        return QString(QString::DataPointer(block_, text, size));
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

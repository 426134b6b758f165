// Timing shared by the benchmarks that compare their work with a plain XML parse of the same
// files, the practical limit of any reader of those files.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <chrono>
#include <limits>
#include <pugixml.hpp>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

// The fastest of repeated runs of f, in seconds: f runs at least three times and for at least
// minSeconds. Other work on the machine only ever slows a run down, so the best run is the
// one that compares fairly.
template <class F>
double bestSeconds(F&& f, double minSeconds = 0.25) {
    double best = std::numeric_limits<double>::max();
    std::chrono::duration<double> total{};
    for (int runs = 0; runs < 3 || total.count() < minSeconds; ++runs) {
        const Clock::time_point start = Clock::now();
        f();
        const std::chrono::duration<double> elapsed = Clock::now() - start;
        best = std::min(best, elapsed.count());
        total += elapsed;
    }
    return best;
}

inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One plain parse of all the texts, already in memory, with the options the DOM uses.
inline void parseAll(const std::vector<QByteArray>& texts) {
    const unsigned options = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi;
    for (const QByteArray& text : texts) {
        pugi::xml_document doc;
        const pugi::xml_parse_result result = doc.load_buffer(text.constData(), size_t(text.size()), options);
        if (!result) std::abort();
    }
}

// The time of one such parse, in seconds.
inline double parseSeconds(const std::vector<QByteArray>& texts) {
    const Clock::time_point start = Clock::now();
    parseAll(texts);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The time of one plain parse of each file as pugixml reads it itself, with the DOM's options:
// the opening and reading of a file that any decoder of that file pays, then the parse.
inline double parseFilesSeconds(const std::vector<QString>& paths) {
    const unsigned options = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi |
                             pugi::parse_ws_pcdata_single;
    const Clock::time_point start = Clock::now();
    for (const QString& path : paths) {
        pugi::xml_document doc;
        if (!doc.load_file(QFile::encodeName(path).constData(), options)) std::abort();
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The fastest of repeated plain parses of all the texts.
inline double bestParseSeconds(const std::vector<QByteArray>& texts) {
    return bestSeconds([&] { parseAll(texts); });
}

}  // namespace bench

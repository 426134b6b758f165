#pragma once

// An XML file read as a plain tree of records, for the grid's XML import: the grid walks the
// tree and never sees the DOM.

#include <QString>
#include <utility>
#include <vector>

struct TXMLRecord {
    // False for a text or CDATA node.
    bool Element = true;
    QString Name;
    std::vector<std::pair<QString, QString>> Attributes;
    // A text node's text; for an element the text of everything under it.
    QString Text;
    // Elements, texts and CDATA sections; comments and instructions are left out.
    std::vector<TXMLRecord> Children;
};

// The document element of the file. A file that is not well-formed raises Exception with
// "<reason> at line N, column M" (and the file name before it); one whose elements nest more
// than 256 levels deep raises Exception too.
TXMLRecord ReadXMLRecords(const QString& FileName);

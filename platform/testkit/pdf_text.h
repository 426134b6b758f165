#pragma once

#include <QString>
#include <QStringList>

// The text of each page of a PDF file as poppler's pdftotext reads it (layout kept); empty
// when the file cannot be read.
QStringList PdfPageTexts(const QString& fileName);

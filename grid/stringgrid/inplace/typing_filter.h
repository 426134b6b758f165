#pragma once

#include "grid/foundation/char_set.h"
#include "grid/foundation/grid_types.h"

#include <QString>

// What the text editor's kinds take: the characters typed into a cell and the texts pasted.

// The text kinds the grid edits in its text editor.
bool IsTextEditorKind(TEditorType Kind);

// The edit as a typed character meets it.
struct TTypedEdit {
    QString Text;
    int SelStart = 0;
    int SelLength = 0;
    // Ctrl is held.
    bool Ctrl = false;
};

// The grid's settings the filter reads.
struct TTypingRules {
    QString ValidChars;
    TCharSet ValidCharSet;
    QChar DecimalSeparator = QChar('.');
    QChar ThousandSeparator = QChar(',');
};

enum TTypedAnswer {
    // The edit types the character (the kind may have changed its case).
    tyType,
    // Dropped without a sound.
    tyDrop,
    // Dropped with the message beep.
    tyBeep,
};

// Filters a character typed into a cell of the kind; Ch comes back in the case the kind types.
TTypedAnswer FilterTypedChar(TEditorType Kind, QChar& Ch, const TTypedEdit& Edit, const TTypingRules& Rules);

// Whether the kind takes the text that a paste would leave in the editor; Text comes back in the
// form the kind stores (its case).
bool PasteAccepted(TEditorType Kind, QString& Text, const QString& ValidChars);

// Removes a CR LF that ends the text when it is the text's first line break.
QString StripFinalLineBreak(const QString& Text);

// The first item that begins with Prefix (case-blind unless CaseSensitive) and the text that
// completes Prefix to it, at most 255 characters more; -1 when none.
int FindCompletion(const QStringList& Items, const QString& Prefix, bool CaseSensitive, QString& Completed);

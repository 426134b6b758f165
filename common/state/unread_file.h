#pragma once

#include <QString>

// A configuration file that a window could not read whole (it does not parse, or holds more
// than the window can show). The window opens with its defaults; before its first save over
// the file, the file is kept beside it under a name that says so, so that no save loses it.
class TUnread_File {
public:
    // Remembers File as unread and picks the name it will be kept under: File + ".damaged",
    // numbered when that name is taken.
    void Mark(const QString& File);
    void Clear();
    bool Marked() const { return !file_.isEmpty(); }
    const QString& Kept_Name() const { return kept_; }

    // Reason with a line that tells where the file will be kept.
    QString Report(const QString& Reason) const;

    // Copies the unread file to its kept name, once, and forgets it; nothing when none is
    // marked or the file has gone. A copy that fails raises Exception, so that the save
    // that follows does not run.
    void Keep();

private:
    QString file_;
    QString kept_;
};

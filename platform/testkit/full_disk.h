#pragma once

#include <QString>

// A small file system of its own mounted over a folder for the object's life. Mounting needs
// root; where it fails, Mounted() is false and Why_Not() says why, for GTEST_SKIP.
class SmallDisk {
public:
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    const QString& Why_Not() const { return whyNot_; }

protected:
    SmallDisk(const QString& Folder, bool ReadOnly);
    ~SmallDisk();

    QString folder_;
    bool mounted_ = false;
    QString whyNot_;
};

// A small, empty file system for tests of writers on a full disk.
class FullDisk : public SmallDisk {
public:
    explicit FullDisk(const QString& Folder) : SmallDisk(Folder, false) {}

    // Takes all the space left, so that the next byte written fails.
    void Fill();
    // Gives the space back.
    void Free();
};

// An empty file system mounted read-only: nothing can be made in it, by root either.
class ReadOnlyDisk : public SmallDisk {
public:
    explicit ReadOnlyDisk(const QString& Folder) : SmallDisk(Folder, true) {}
};

// Skips the test, with the reason printed, where no full disk can be made.
#define SKIP_WITHOUT_FULL_DISK(disk) \
    if (!(disk).Mounted()) GTEST_SKIP() << "no full disk for this test: " << qPrintable((disk).Why_Not())

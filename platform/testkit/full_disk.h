#pragma once

#include <QString>

// A small file system of its own mounted over a folder, for tests of writers on a full disk.
// Mounting needs root; where it fails, Mounted() is false and Why_Not() says why, for
// GTEST_SKIP. The folder shows the new, empty file system until the object goes.
class FullDisk {
public:
    explicit FullDisk(const QString& Folder);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool Mounted() const { return mounted_; }
    const QString& Why_Not() const { return whyNot_; }

    // Takes all the space left, so that the next byte written fails.
    void Fill();
    // Gives the space back.
    void Free();

private:
    QString folder_;
    bool mounted_ = false;
    QString whyNot_;
};

// An empty file system mounted read-only over a folder: nothing can be made in it, by root
// either. Mounted() and Why_Not() as for FullDisk.
class ReadOnlyDisk {
public:
    explicit ReadOnlyDisk(const QString& Folder);
    ~ReadOnlyDisk();
    ReadOnlyDisk(const ReadOnlyDisk&) = delete;
    ReadOnlyDisk& operator=(const ReadOnlyDisk&) = delete;

    bool Mounted() const { return mounted_; }
    const QString& Why_Not() const { return whyNot_; }

private:
    QString folder_;
    bool mounted_ = false;
    QString whyNot_;
};

// Skips the test, with the reason printed, where no full disk can be made.
#define SKIP_WITHOUT_FULL_DISK(disk) \
    if (!(disk).Mounted()) GTEST_SKIP() << "no full disk for this test: " << qPrintable((disk).Why_Not())

#include "platform/core/stream.h"

#include "platform/core/exception.h"
#include "platform/testkit/temp_folder.h"

#include <gtest/gtest.h>

TEST(MemoryStream, ReadsAndWritesAtThePosition) {
    TMemoryStream s;
    EXPECT_EQ(s.Write("abcdef", 6), 6);
    s.SetPosition(2);
    EXPECT_EQ(s.Write("XY", 2), 2);
    s.SetPosition(4);
    EXPECT_EQ(s.Write("123", 3), 3) << "writing past the end grows the stream";
    EXPECT_EQ(s.Memory(), "abXY123");

    char buffer[8] = {};
    s.SetPosition(5);
    EXPECT_EQ(s.Read(buffer, 8), 2) << "a read stops at the end";
    EXPECT_EQ(QByteArray(buffer, 2), "23");
    EXPECT_EQ(s.Read(buffer, 8), 0);
    s.SetPosition(-3);
    EXPECT_EQ(s.Position(), 0);
    s.SetPosition(99);
    EXPECT_EQ(s.Position(), 7);
}

TEST(MemoryStream, LoadsAWholeStreamFromItsStartAndSavesAtThePosition) {
    TMemoryStream source(QByteArray("hello"));
    source.SetPosition(3);
    TMemoryStream copy;
    copy.LoadFromStream(source);
    EXPECT_EQ(copy.Memory(), "hello");
    EXPECT_EQ(copy.Position(), 0);

    TMemoryStream target(QByteArray(">>"));
    target.SetPosition(2);
    copy.SaveToStream(target);
    EXPECT_EQ(target.Memory(), ">>hello");
}

TEST(MemoryStream, LoadFromFileRaisesForAFileThatCannotBeRead) {
    TempFolder folder;
    TMemoryStream s(QByteArray("kept"));
    EXPECT_THROW(s.LoadFromFile(folder.file("missing.bin")), Exception);
    EXPECT_THROW(s.LoadFromFile(folder.path()), Exception) << "a folder";
    EXPECT_EQ(s.Memory(), "kept");
}

#include "files/Paths.h"
#include "files/WholeFile.h"
#include "tests/support/FileContents.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <exception>
#include <unistd.h>

using namespace files;

// Whether two names lead to one file decides that kinloom-chart refuses to
// write the workbook and the picture into it, and that the preview never
// saves over the workbook it shows: every way of naming a file counts, and
// two files are never taken for one.
TEST(Paths, TwoNamesAreOneFileWhenAndOnlyWhenTheyLeadToOne) {
    QTemporaryDir dir;
    const auto at = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    writeFile(at("a.xls"), "a");
    writeFile(at("b.xls"), "b");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    ASSERT_EQ(::link(QFile::encodeName(at("a.xls")).constData(), QFile::encodeName(at("hard.xls")).constData()), 0);
    ASSERT_TRUE(QFile::link(at("a.xls"), at("soft.xls")));
    ASSERT_TRUE(QFile::link(dir.path(), at("via")));
    const struct {
        const char* first;
        const char* second;
        bool same;
    } cases[] = {
        {"a.xls", "a.xls", true},
        {"a.xls", "sub/../a.xls", true},
        {"a.xls", "hard.xls", true},      // one file under two names
        {"a.xls", "soft.xls", true},      // a link and the file it leads to
        {"a.xls", "via/a.xls", true},     // through a linked folder
        {"new.xls", "via/new.xls", true}, // a file yet to be made, named two ways
        {"new.xls", "sub/../new.xls", true},
        {"a.xls", "b.xls", false},
        {"a.xls", "new.xls", false},
        {"new.xls", "other.xls", false}, // two files yet to be made
        {"a.xls", "sub/a.xls", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isSameFile(at(c.first), at(c.second)), c.same) << c.first << " and " << c.second;
        EXPECT_EQ(isSameFile(at(c.second), at(c.first)), c.same) << c.second << " and " << c.first;
    }
    EXPECT_FALSE(isSameFile(QString(), QString()));
    EXPECT_FALSE(isSameFile(at("a.xls"), QString()));
}

namespace {

// The text of the error reading the file fails with; the content when it is read.
QString readingBounded(const QString& path, qint64 maxBytes) {
    try {
        return QString::fromLatin1(readWholeFile(path, maxBytes));
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
}

} // namespace

// A bound on what is read (the sheet's picture file has one) lets a file of
// exactly that size through and refuses one byte more, saying both sizes.
TEST(WholeFile, AFileUpToTheBoundIsReadAndOneByteMoreIsRefused) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.bmp"));
    const struct {
        qsizetype size;
        qint64 bound;
        const char* expected; // %1: the path
    } cases[] = {
        {5, 5, "xxxxx"},
        {6, 5, "'%1' is too large: 6 bytes, where at most 5 are read."},
        {0, 0, ""},
        {1, 0, "'%1' is too large: 1 bytes, where at most 0 are read."},
        {7, kNoSizeLimit, "xxxxxxx"},
    };
    for (const auto& c : cases) {
        writeFile(path, QByteArray(c.size, 'x'));
        EXPECT_EQ(readingBounded(path, c.bound), QString::fromLatin1(c.expected).replace(QStringLiteral("%1"), path))
            << c.size << " bytes, at most " << c.bound;
    }
}

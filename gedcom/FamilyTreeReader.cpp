#include "FamilyTreeReader.h"

#include "CharacterSet.h"
#include "GedcomError.h"
#include "GedcomLine.h"
#include "LineSource.h"
#include "PersonName.h"
#include "RecordReader.h"
#include "Warnings.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

namespace gedcom {

namespace {

// Bytes looked at for a byte-order mark and the header's CHAR line.
constexpr qint64 kHeaderBytes = 64 * 1024;

// "@@" stands for one "@" in text: everywhere in GEDCOM 5, only at the
// start in GEDCOM 7.
QString unescapeAt(QStringView value, bool gedcom7) {
    QString text = value.toString();
    if (gedcom7) {
        if (text.startsWith(u"@@")) text.remove(0, 1);
    } else {
        text.replace(QStringLiteral("@@"), QStringLiteral("@"));
    }
    return text;
}

Link linkOf(const Record& record, const RecordLine& line) {
    return {pointerTarget(record.value(line)).toString(), line.lineNumber};
}

class TreeCollector {
public:
    TreeCollector(const QString& fileName, qint64 maxRecords, Warnings& warnings)
        : m_fileName(fileName), m_maxRecords(maxRecords), m_warnings(warnings) {}

    void take(const Record& record) {
        const QStringView tag = record.tag();
        if (tag == u"HEAD") {
            readHeader(record);
        } else if (tag == u"INDI" || tag == u"FAM") {
            if (tree.personCount() + tree.familyCount() >= m_maxRecords)
                fail(m_fileName, record.lines.front().lineNumber,
                     core::Phrase(
                         QT_TRANSLATE_NOOP(
                             "core::Error",
                             "the file holds more than %1 records of people and families; no larger file is read"),
                         {m_maxRecords}));
            if (tag == u"INDI")
                readPerson(record);
            else
                readFamily(record);
        }
    }

    FamilyTree tree;

private:
    void readHeader(const Record& record) {
        for (const RecordLine& line : record.lines)
            if (record.tag(line) == u"VERS" && line.parent >= 0 && record.tag(record.lines[line.parent]) == u"GEDC")
                m_gedcom7 = record.value(line).trimmed().startsWith(QLatin1Char('7'));
    }

    void readPerson(const Record& record) {
        Person person;
        person.id = record.xref;
        person.nameLine = record.lines.front().lineNumber;
        bool named = false;
        int birth = -1, death = -1;
        for (int i = 1; i < static_cast<int>(record.lines.size()); ++i) {
            const RecordLine& line = record.lines[i];
            const QStringView tag = record.tag(line);
            if (line.parent == 0) {
                if (tag == u"NAME" && !named) {
                    person.name = readableName(unescapeAt(record.value(line), m_gedcom7));
                    person.nameLine = line.lineNumber;
                    named = true;
                } else if (tag == u"BIRT" && birth < 0) {
                    birth = i;
                } else if (tag == u"DEAT" && death < 0) {
                    death = i;
                } else if (tag == u"FAMC") {
                    person.childOf.push_back({linkOf(record, line), false});
                }
            } else if (tag == u"DATE" && (line.parent == birth || line.parent == death)) {
                QString& date = line.parent == birth ? person.birthDate : person.deathDate;
                if (date.isEmpty()) date = record.value(line).trimmed().toString();
            } else if (tag == u"PEDI" && record.tag(record.lines[line.parent]) == u"FAMC"
                       && record.lines[line.parent].parent == 0 && !person.childOf.empty()) {
                person.childOf.back().birth = record.value(line).trimmed().compare(u"birth", Qt::CaseInsensitive) == 0;
            }
        }
        if (!tree.addPerson(person))
            m_warnings.add(WarningKind::SecondPerson, record.lines.front().lineNumber,
                           core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a second person @%1@; the first one is used"),
                                        {shown(record.xref)}));
    }

    void readFamily(const Record& record) {
        Family family;
        for (const RecordLine& line : record.lines) {
            if (line.parent != 0) continue;
            const QStringView tag = record.tag(line);
            if (tag == u"HUSB" && family.husband.lineNumber == 0)
                family.husband = linkOf(record, line);
            else if (tag == u"WIFE" && family.wife.lineNumber == 0)
                family.wife = linkOf(record, line);
        }
        if (!tree.addFamily(record.xref, family))
            m_warnings.add(WarningKind::SecondFamily, record.lines.front().lineNumber,
                           core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a second family @%1@; the first one is used"),
                                        {shown(record.xref)}));
    }

    const QString& m_fileName;
    const qint64 m_maxRecords;
    Warnings& m_warnings;
    bool m_gedcom7 = false;
};

// The file as the reader sees it: every read counted, and none once a stop
// is asked for, so that the reader ends at once as at the file's end.
class WatchedDevice : public QIODevice {
public:
    WatchedDevice(QIODevice& file, ReadingProgress& progress) : m_file(file), m_progress(progress) {}
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (m_progress.stopRequested) return -1;
        const qint64 read = m_file.read(data, maxSize);
        if (read > 0) m_progress.bytesRead += read;
        if (read < 0) setErrorString(m_file.errorString());
        return read;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QIODevice& m_file;
    ReadingProgress& m_progress;
};

// Opens the file once, without waiting for a writer, and judges it by what
// was opened: a path swapped for a FIFO after a look at it can never block
// the read. Answers the descriptor.
int openRegularFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        fail(path, 0,
             error == ENOENT
                 ? core::Phrase(QT_TRANSLATE_NOOP("core::Error", "no such file"))
                 : core::Phrase(QT_TRANSLATE_NOOP("core::Error", "cannot be read: %1"), {core::systemReason(error)}));
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        // A FIFO or a device would never end, or block.
        fail(path, 0, core::Phrase(QT_TRANSLATE_NOOP("core::Error", "not a regular file")));
    }
    return fd;
}

} // namespace

FamilyTree readFamilyTree(QIODevice& device, const QString& fileName, qint64 maxRecords) {
    const Encoding encoding = detectEncoding(device.peek(kHeaderBytes));
    LineSource lines(device, encoding, fileName);
    try {
        Warnings warnings(fileName);
        if (!encoding.unknownCharName.isEmpty())
            warnings.add(WarningKind::UnknownCharacterSet, 0,
                         core::Phrase(QT_TRANSLATE_NOOP("core::Error", "unknown character set %1; read as UTF-8"),
                                      {shown(encoding.unknownCharName)}));
        TreeCollector collector(fileName, maxRecords, warnings);
        collector.tree.fileName = fileName;
        RecordReader records(lines, fileName);
        Record record;
        while (records.next(record)) collector.take(record);
        collector.tree.warnings = warnings.lines();
        return std::move(collector.tree);
    } catch (const std::bad_alloc&) {
        // What was read is given back by now.
        fail(fileName, lines.lineNumber(),
             core::Phrase(
                 QT_TRANSLATE_NOOP("core::Error", "there is not enough memory to read the file beyond this line")));
    }
}

FamilyTree readFamilyTree(const QString& path) {
    ReadingProgress unwatched;
    return readFamilyTree(path, unwatched);
}

FamilyTree readFamilyTree(const QString& path, ReadingProgress& progress) {
    QFile file;
    if (!file.open(openRegularFile(path), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        fail(path, 0, core::Phrase(QT_TRANSLATE_NOOP("core::Error", "cannot be read: %1"), {file.errorString()}));
    progress.fileSize = file.size();
    WatchedDevice watched(file, progress);
    watched.open(QIODevice::ReadOnly);
    std::optional<FamilyTree> tree;
    try {
        tree = readFamilyTree(watched, path);
    } catch (const core::Error&) {
        // A file cut short by the stop may look broken: it is not.
        if (progress.stopRequested) throw ReadingStopped();
        throw;
    }
    if (progress.stopRequested) throw ReadingStopped();
    if (file.error() != QFileDevice::NoError)
        fail(path, 0, core::Phrase(QT_TRANSLATE_NOOP("core::Error", "cannot be read: %1"), {file.errorString()}));
    return std::move(*tree);
}

} // namespace gedcom

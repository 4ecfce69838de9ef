#include "FamilyTreeReader.h"

#include "CharacterSet.h"
#include "GedcomError.h"
#include "GedcomLine.h"
#include "LineSource.h"
#include "PersonName.h"
#include "RecordReader.h"

#include <QFile>
#include <QFileInfo>

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
    explicit TreeCollector(QString fileName) : m_fileName(std::move(fileName)) {}

    void take(const Record& record) {
        const QStringView tag = record.tag();
        if (tag == u"HEAD")
            readHeader(record);
        else if (tag == u"INDI")
            readPerson(record);
        else if (tag == u"FAM")
            readFamily(record);
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
        bool named = false;
        int birth = -1, death = -1;
        for (int i = 1; i < static_cast<int>(record.lines.size()); ++i) {
            const RecordLine& line = record.lines[i];
            const QStringView tag = record.tag(line);
            if (line.parent == 0) {
                if (tag == u"NAME" && !named) {
                    person.name = readableName(unescapeAt(record.value(line), m_gedcom7));
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
        const qint64 at = record.lines.front().lineNumber;
        if (!tree.addPerson(std::move(person)))
            warn(at, QStringLiteral("a second person @%1@; the first one is used").arg(record.xref));
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
            warn(record.lines.front().lineNumber,
                 QStringLiteral("a second family @%1@; the first one is used").arg(record.xref));
    }

    void warn(qint64 line, const QString& text) {
        tree.warnings.append(located(m_fileName, line, QStringLiteral("warning: ") + text));
    }

    QString m_fileName;
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
        return read;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QIODevice& m_file;
    ReadingProgress& m_progress;
};

} // namespace

FamilyTree readFamilyTree(QIODevice& device, const QString& fileName) {
    const Encoding encoding = detectEncoding(device.peek(kHeaderBytes));
    TreeCollector collector(fileName);
    collector.tree.fileName = fileName;
    if (!encoding.unknownCharName.isEmpty())
        collector.tree.warnings.append(
            located(fileName, 0,
                    QStringLiteral("warning: unknown character set %1; read as UTF-8").arg(encoding.unknownCharName)));
    LineSource lines(device, encoding, fileName);
    RecordReader records(lines, fileName);
    Record record;
    while (records.next(record)) collector.take(record);
    return std::move(collector.tree);
}

FamilyTree readFamilyTree(const QString& path) {
    ReadingProgress unwatched;
    return readFamilyTree(path, unwatched);
}

FamilyTree readFamilyTree(const QString& path, ReadingProgress& progress) {
    const QFileInfo info(path);
    if (!info.exists()) fail(path, 0, QStringLiteral("no such file"));
    // A FIFO or a device would never end, or block.
    if (!info.isFile()) fail(path, 0, QStringLiteral("not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) fail(path, 0, QStringLiteral("cannot be read: ") + file.errorString());
    progress.fileSize = file.size();
    WatchedDevice watched(file, progress);
    watched.open(QIODevice::ReadOnly);
    std::optional<FamilyTree> tree;
    try {
        tree = readFamilyTree(watched, path);
    } catch (const GedcomError&) {
        // A file cut short by the stop may look broken: it is not.
        if (progress.stopRequested) throw ReadingStopped();
        throw;
    }
    if (progress.stopRequested) throw ReadingStopped();
    if (file.error() != QFileDevice::NoError) fail(path, 0, QStringLiteral("cannot be read: ") + file.errorString());
    return std::move(*tree);
}

} // namespace gedcom

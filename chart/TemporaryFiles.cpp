#include "TemporaryFiles.h"

#include "spreadsheet/RunningObjects.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace chart {

namespace {

// Holds are entries of the table of running objects under this class name,
// each answering with the held file's path.
const QString kHoldClass = QStringLiteral("Kinloom.TemporaryFile");

const QRegularExpression kKinloomNames(QStringLiteral("^(halvar[1-9]{8}\\.xls|kinloom-picture-[a-z]{8}\\.bmp)$"));

std::function<int()>& digitDraw() {
    static std::function<int()> draw;
    return draw;
}

std::mt19937& generator() {
    static std::mt19937 seeded{std::random_device{}()};
    return seeded;
}

int drawDigit() {
    if (digitDraw()) return digitDraw()();
    return std::uniform_int_distribution<int>(1, 9)(generator());
}

// One spelling for a file whatever the "temp" variable of the process that
// names it: its folder's canonical path.
QString heldName(const QString& path) {
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

// Creates the file only when no file or link of that name exists. Answers
// false when the name is taken; throws on any other failure.
bool createExclusively(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    if (errno == EEXIST) return false;
    throw std::runtime_error(QStringLiteral("Cannot create '%1': %2")
                                 .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(errno)))
                                 .toStdString());
}

// Claims a new file under names drawn until one is free. The hold comes
// first, so no clean-up of another Kinloom takes the file meanwhile.
TemporaryFile claimNewFile(const QString& folder, const std::function<QString()>& drawName) {
    for (;;) {
        const QString path = QDir(folder).filePath(drawName());
        TemporaryFile claim(path);
        bool created = false;
        try {
            created = createExclusively(path);
        } catch (...) {
            claim.handOver(); // nothing of ours to delete
            throw;
        }
        if (created) return claim;
        claim.handOver(); // the file of that name is someone else's
    }
}

bool isOwnRegularFile(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode)
        && status.st_uid == ::getuid();
}

} // namespace

TemporaryFile::TemporaryFile() = default;

TemporaryFile::TemporaryFile(const QString& path)
    : m_path(path), m_hold(std::make_unique<spreadsheet::RunningObjectEntry>(kHoldClass, heldName(path))) {}

bool TemporaryFile::isHeld() const { return m_hold && m_hold->isRegistered(); }

TemporaryFile::~TemporaryFile() {
    if (m_deleteWithObject && !m_path.isEmpty()) QFile::remove(m_path);
}

TemporaryFile::TemporaryFile(TemporaryFile&& other) noexcept
    : m_path(std::exchange(other.m_path, QString())), m_hold(std::move(other.m_hold)),
      m_deleteWithObject(other.m_deleteWithObject) {}

TemporaryFile& TemporaryFile::operator=(TemporaryFile&& other) noexcept {
    if (this != &other) {
        TemporaryFile old(std::move(*this));
        m_path = std::exchange(other.m_path, QString());
        m_hold = std::move(other.m_hold);
        m_deleteWithObject = other.m_deleteWithObject;
    }
    return *this;
}

void setWorkbookDigitDraw(std::function<int()> draw) { digitDraw() = std::move(draw); }

TemporaryFile claimTemporaryWorkbook(const QString& folder) {
    // Nine digits to the eighth power of names: a free one turns up at once
    // unless the folder is full of them, so the tries need no other bound.
    return claimNewFile(folder, [] {
        QString name = QStringLiteral("halvar");
        for (int i = 0; i < 8; ++i) name += QChar(u'0' + drawDigit());
        return name + QStringLiteral(".xls");
    });
}

TemporaryFile claimPictureFile(const QString& applicationFolder, const QString& temporaryFolder) {
    const QString fixed = QDir(applicationFolder).filePath(QStringLiteral("temp.bmp"));
    TemporaryFile claim(fixed);
    // One that a run which died left behind, held by no live Kinloom, is
    // taken over; without holds to tell, only a free name is taken.
    const bool takeOver = claim.isHeld()
        && spreadsheet::runningObjectDefaultMembers(kHoldClass).count(heldName(fixed)) == 1;
    bool claimed = false;
    try {
        claimed = createExclusively(fixed) || (takeOver && isOwnRegularFile(fixed));
    } catch (const std::exception&) {
        // The program's folder is not writable: an installed program.
    }
    if (claimed) return claim;
    claim.handOver(); // the file there is not ours to delete
    return claimNewFile(temporaryFolder, [] {
        QString name = QStringLiteral("kinloom-picture-");
        for (int i = 0; i < 8; ++i) name += QChar(u'a' + std::uniform_int_distribution<int>(0, 25)(generator()));
        return name + QStringLiteral(".bmp");
    });
}

void removeAbandonedTemporaryFiles(const QString& temporaryFolder) {
    if (!spreadsheet::runningObjectTableIsUsable()) return;
    // Listed before the holds are read: a file claimed meanwhile is held already.
    const QStringList names = QDir(temporaryFolder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    const QStringList held = spreadsheet::runningObjectDefaultMembers(kHoldClass);
    const QSet<QString> live(held.begin(), held.end());
    for (const QString& name : names) {
        if (!kKinloomNames.match(name).hasMatch()) continue;
        const QString path = QDir(temporaryFolder).filePath(name);
        if (!live.contains(heldName(path)) && isOwnRegularFile(path)) QFile::remove(path);
    }
}

} // namespace chart

#include "TemporaryFiles.h"

#include "core/Error.h"
#include "files/HiddenNames.h"
#include "files/RunningObjects.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace chart {

namespace {

// What Kinloom names its own files in the temporary folder, and the
// picture in the application folder.
const QString kTemporaryNames = QStringLiteral("halvar[1-9]{8}\\.xls|kinloom-picture-[a-z]{8}\\.bmp");
const QString kApplicationFolderNames = QStringLiteral("temp\\.bmp");

std::function<double()>& fractionDraw() {
    static std::function<double()> draw;
    return draw;
}

bool isOwnRegularFile(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode)
        && status.st_uid == ::getuid();
}

} // namespace

TemporaryFile::TemporaryFile() = default;

TemporaryFile::TemporaryFile(const QString& path) : m_path(path), m_hold(std::in_place, path) {}

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

double drawWorkbookFraction() {
    if (fractionDraw()) return fractionDraw()();
    static std::mt19937 generator{std::random_device{}()};
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
}

int workbookDigit(double fraction) { return std::clamp(static_cast<int>(fraction * 9) + 1, 1, 9); }

bool claimExclusively(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    if (errno == EEXIST) return false;
    throw core::Error(core::ErrorKind::FileFailed, QT_TRANSLATE_NOOP("core::Error", "Cannot create '%1': %2"),
                      {QDir::toNativeSeparators(path), core::systemReason(errno)});
}

std::optional<TemporaryFile> claimTemporaryFile(const QString& path) {
    TemporaryFile claim(path);
    bool created = false;
    try {
        created = claimExclusively(path);
    } catch (...) {
        claim.handOver(); // nothing of ours to delete
        throw;
    }
    if (created) return claim;
    claim.handOver(); // the file of that name is someone else's
    return std::nullopt;
}

void setWorkbookFractionDraw(std::function<double()> draw) { fractionDraw() = std::move(draw); }

QString temporaryWorkbookPath(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name + QStringLiteral(".xls"));
}

TemporaryFile claimPictureFile(const QString& applicationFolder, const QString& temporaryFolder) {
    const QString fixed = QDir(applicationFolder).filePath(QStringLiteral("temp.bmp"));
    TemporaryFile claim(fixed);
    // One that a run which died left behind, held by no live Kinloom, is
    // taken over; without holds to tell, only a free name is taken.
    const bool takeOver = claim.isHeld() && files::heldFiles().count(files::heldName(fixed)) == 1;
    bool claimed = false;
    try {
        claimed = claimExclusively(fixed) || (takeOver && isOwnRegularFile(fixed));
    } catch (const core::Error&) {
        // The program's folder is not writable: an installed program.
    }
    if (claimed) return claim;
    claim.handOver(); // the file there is not ours to delete
    for (;;) {
        QString name = QStringLiteral("kinloom-picture-");
        for (int i = 0; i < 8; ++i) name += QChar(u'a' + QRandomGenerator::global()->bounded(26));
        if (auto own = claimTemporaryFile(QDir(temporaryFolder).filePath(name + QStringLiteral(".bmp"))))
            return std::move(*own);
    }
}

void removeAbandonedTemporaryFiles(const QString& temporaryFolder, const QString& applicationFolder) {
    if (!files::runningObjectTableIsUsable()) return;
    const QRegularExpression temporary(
        QStringLiteral("^(?:%1)$|%2").arg(kTemporaryNames, files::besideNamePattern(kTemporaryNames)));
    const QRegularExpression besideProgram(files::besideNamePattern(kApplicationFolderNames));
    // Listed before the holds are read: a file claimed meanwhile is held already.
    const auto listed = [](const QString& folder) {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    };
    const QStringList inTemporary = listed(temporaryFolder);
    const QStringList inProgram = listed(applicationFolder);
    const QStringList held = files::heldFiles();
    const QSet<QString> live(held.begin(), held.end());
    const auto removeAbandoned = [&](const QString& folder, const QStringList& names, const QRegularExpression& ours) {
        for (const QString& name : names) {
            if (!ours.match(name).hasMatch()) continue;
            const QString path = QDir(folder).filePath(name);
            if (!live.contains(files::heldName(path)) && isOwnRegularFile(path)) QFile::remove(path);
        }
    };
    removeAbandoned(temporaryFolder, inTemporary, temporary);
    removeAbandoned(applicationFolder, inProgram, besideProgram);
}

} // namespace chart

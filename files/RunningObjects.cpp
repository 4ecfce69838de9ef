#include "RunningObjects.h"

#include "FolderOverride.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>

namespace files {

namespace {

FolderOverride& folderOverride() {
    static FolderOverride folder;
    return folder;
}

QString entryPrefix(const QString& className) { return className + QLatin1Char('.'); }

// Entries are trusted only in a folder of the user's own: in a shared
// temporary folder another user could have made one first.
bool isOwnFolder(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && !info.isSymLink() && info.ownerId() == ::getuid();
}

// The session's runtime folder belongs to the user alone; without one, a
// folder named for the user id, made readable by its owner only.
QString standardFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) return runtime + QStringLiteral("/kinloom-running-objects");
    return QDir::tempPath() + QStringLiteral("/kinloom-running-objects-%1").arg(::getuid());
}

} // namespace

QString runningObjectFolder() { return folderOverride().folderOr(standardFolder()); }

void setRunningObjectFolder(const QString& folder) { folderOverride().set(folder); }

RunningObjectEntry::RunningObjectEntry(const QString& className, const QString& defaultMember) {
    static std::atomic<int> counter{0};
    if (!runningObjectTableIsUsable()) return; // no table: the object cannot be found
    const QString folder = runningObjectFolder();
    const QString name = QStringLiteral("%1%2.%3").arg(entryPrefix(className)).arg(::getpid()).arg(counter++);
    // Written and locked under a name no reader looks at, then renamed into
    // place, so a reader never takes a half-made entry for a stale one.
    const QString draft = folder + QStringLiteral("/.draft-") + name;
    m_fd = ::open(QFile::encodeName(draft).constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (m_fd < 0) return;
    const QByteArray text = defaultMember.toUtf8();
    m_path = folder + QLatin1Char('/') + name;
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0
        || ::write(m_fd, text.constData(), static_cast<size_t>(text.size())) != text.size()
        || ::rename(QFile::encodeName(draft).constData(), QFile::encodeName(m_path).constData()) != 0) {
        ::close(m_fd);
        m_fd = -1;
        QFile::remove(draft);
    }
}

RunningObjectEntry::~RunningObjectEntry() {
    if (m_fd < 0) return;
    QFile::remove(m_path);
    ::close(m_fd);
}

QStringList runningObjectDefaultMembers(const QString& className) {
    QStringList members;
    if (!isOwnFolder(runningObjectFolder())) return members;
    const QDir folder(runningObjectFolder());
    const QStringList entries = folder.entryList({entryPrefix(className) + QLatin1Char('*')}, QDir::Files, QDir::Name);
    for (const QString& name : entries) {
        const QString path = folder.filePath(name);
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) continue;
        if (::flock(fd, LOCK_SH | LOCK_NB) == 0) { // nobody holds it: its owner is gone
            ::close(fd);
            QFile::remove(path);
            continue;
        }
        char buffer[8192]; // a default member, or a file's path
        const ssize_t length = ::read(fd, buffer, sizeof buffer);
        ::close(fd);
        if (length >= 0) members << QString::fromUtf8(buffer, static_cast<qsizetype>(length));
    }
    return members;
}

std::optional<QString> runningObjectDefaultMember(const QString& className) {
    const QStringList members = runningObjectDefaultMembers(className);
    if (members.isEmpty()) return std::nullopt;
    return members.first();
}

bool runningObjectTableIsUsable() {
    const QString folder = runningObjectFolder();
    if (!QDir().mkpath(folder) || !isOwnFolder(folder)) return false;
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

} // namespace files

#include "RunningObjects.h"

#include "FolderOverride.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>
#include <vector>

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

// Found by the user alone, whatever the environment says (a desktop session,
// su, sudo and ssh set XDG_RUNTIME_DIR, TMPDIR and HOME differently), so that
// every Kinloom of the user sees every hold: in the home folder the system
// knows for the user, where no other user can make it first; for a user
// without one, in the login session's folder, else in /tmp.
QString standardFolder() {
    const uid_t user = ::getuid();
    QString home;
    const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
        home = QFile::decodeName(found->pw_dir);
    if (!home.isEmpty() && isOwnFolder(home)) return home + QStringLiteral("/.cache/kinloom-running-objects");
    const QString session = QStringLiteral("/run/user/%1").arg(user);
    if (isOwnFolder(session)) return session + QStringLiteral("/kinloom-running-objects");
    return QStringLiteral("/tmp/kinloom-running-objects-%1").arg(user);
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

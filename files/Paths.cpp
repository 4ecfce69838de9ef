#include "Paths.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <deque>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

// As many links as the kernel follows in one path.
constexpr int kMostLinks = 40;

// The rule the kernel applies where fs.protected_symlinks is set: in a folder
// that is sticky and writable by everyone, only links of the follower or of
// the folder's owner are followed, so that no other user's link can send a
// write elsewhere.
bool mayFollow(const struct stat& link, const struct stat& folder) {
    const bool shared = (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}

std::deque<QByteArray> partsOf(const QByteArray& path) {
    std::deque<QByteArray> parts;
    for (const QByteArray& part : path.split('/'))
        if (!part.isEmpty() && part != ".") parts.push_back(part);
    return parts;
}

QByteArray readLink(const QByteArray& path) {
    QByteArray target(PATH_MAX, Qt::Uninitialized);
    const ssize_t length = ::readlink(path.constData(), target.data(), static_cast<size_t>(target.size()));
    if (length < 0 || length >= target.size()) return {};
    target.truncate(length);
    return target;
}

} // namespace

QString resolvedPath(const QString& path) {
    const QFileInfo info(path);
    if (const QString canonical = info.canonicalFilePath(); !canonical.isEmpty()) return canonical;
    return inCanonicalFolder(path);
}

QString inCanonicalFolder(const QString& path) {
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

bool isSameFile(const QString& first, const QString& second) {
    if (first.isEmpty() || second.isEmpty()) return false;
    if (resolvedPath(first) == resolvedPath(second)) return true;
    struct stat a {
    }, b{};
    return ::stat(QFile::encodeName(first).constData(), &a) == 0
        && ::stat(QFile::encodeName(second).constData(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

ProgramArguments programArguments(int argc, const char* const* argv) {
    ProgramArguments arguments;
    for (int i = 0; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        const QString text = QFile::decodeName(bytes);
        arguments.texts << text;
        if (QFile::encodeName(text) != bytes) arguments.lossy << text;
    }
    return arguments;
}

bool cameFromLostBytes(const QString& name, const QStringList& lossy) {
    if (name.isEmpty() || !name.contains(QChar::ReplacementCharacter)) return false;
    for (const QString& argument : lossy)
        if (argument.contains(name) || name.contains(argument)) return true; // --output=NAME, or made absolute
    return false;
}

FollowedPath followLinksProtected(const QByteArray& path) {
    FollowedPath followed;
    QByteArray start = path;
    if (!start.startsWith('/')) {
        char* folder = ::getcwd(nullptr, 0); // as bytes: the folder's name need not be text
        start = QByteArray(folder ? folder : ".") + '/' + start;
        std::free(folder);
    }
    std::deque<QByteArray> parts = partsOf(start);
    QByteArray reached; // empty for the root
    int links = 0;
    const auto stop = [&](int error) {
        followed.error = error;
        followed.path = reached;
        for (const QByteArray& part : parts) followed.path += '/' + part;
        return followed;
    };
    while (!parts.empty()) {
        const QByteArray part = parts.front();
        parts.pop_front();
        if (part == "..") {
            reached.truncate(std::max<qsizetype>(0, reached.lastIndexOf('/')));
            continue;
        }
        const QByteArray candidate = reached + '/' + part;
        struct stat status {};
        if (::lstat(candidate.constData(), &status) != 0) {
            if (errno == ENOENT && parts.empty()) { // a file yet to be made
                reached = candidate;
                break;
            }
            parts.push_front(part);
            return stop(errno);
        }
        if (S_ISLNK(status.st_mode)) {
            followed.lastWasLink = parts.empty();
            struct stat folder {};
            if (::stat(reached.isEmpty() ? "/" : reached.constData(), &folder) != 0) return stop(errno);
            if (!mayFollow(status, folder)) {
                followed.refused = candidate;
                return stop(EACCES);
            }
            const QByteArray target = readLink(candidate);
            if (++links > kMostLinks || target.isEmpty()) return stop(target.isEmpty() ? EINVAL : ELOOP);
            if (target.startsWith('/')) reached.clear();
            std::deque<QByteArray> inner = partsOf(target);
            parts.insert(parts.begin(), inner.begin(), inner.end());
            continue;
        }
        if (!S_ISDIR(status.st_mode) && !parts.empty()) return stop(ENOTDIR);
        reached = candidate;
    }
    return stop(0);
}

} // namespace files

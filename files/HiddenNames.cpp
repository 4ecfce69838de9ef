#include "HiddenNames.h"

#include "RunningObjects.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSet>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

constexpr qsizetype kHiddenNameStem = 200;
constexpr int kHiddenNameLetters = 6;

} // namespace

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return QByteArray(".");
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray& path) { return path.mid(path.lastIndexOf('/') + 1); }

void syncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

QByteArray hiddenStem(const QByteArray& targetName) {
    if (targetName.size() <= kHiddenNameStem) return targetName;
    qsizetype cut = kHiddenNameStem;
    while (cut > 0 && (static_cast<unsigned char>(targetName[cut]) & 0xC0) == 0x80) --cut; // a character's inner byte
    return targetName.left(cut);
}

QByteArray hiddenNameBeside(const QByteArray& target, std::optional<FileHold>& hold) {
    QByteArray suffix;
    for (int i = 0; i < kHiddenNameLetters; ++i) suffix += char('a' + QRandomGenerator::global()->bounded(26));
    const QByteArray name = folderOf(target) + "/." + hiddenStem(nameOf(target)) + '.' + suffix;
    hold.emplace(QFile::decodeName(name));
    return name;
}

bool isHiddenNameOf(const QByteArray& name, const QByteArray& target) {
    const QByteArray start = '.' + hiddenStem(nameOf(target)) + '.';
    if (name.size() != start.size() + kHiddenNameLetters || !name.startsWith(start)) return false;
    for (qsizetype i = start.size(); i < name.size(); ++i)
        if (name[i] < 'a' || name[i] > 'z') return false;
    return true;
}

QString besideNamePattern(const QString& targetNamePattern) {
    return QStringLiteral("^\\.(?:%1)\\.[a-z]{%2}$").arg(targetNamePattern).arg(kHiddenNameLetters);
}

void removeLeftoverHiddenFiles(const QByteArray& target) {
    if (!runningObjectTableIsUsable()) return;
    const QByteArray folder = folderOf(target);
    DIR* listing = ::opendir(folder.constData());
    if (!listing) return;
    QList<QByteArray> leftovers;
    while (const dirent* entry = ::readdir(listing))
        if (isHiddenNameOf(QByteArray(entry->d_name), target)) leftovers << folder + '/' + entry->d_name;
    ::closedir(listing);
    if (leftovers.isEmpty()) return;
    // Read after the listing: a hidden file made meanwhile is held already.
    const QStringList held = heldFiles();
    const QSet<QString> live(held.begin(), held.end());
    for (const QByteArray& path : leftovers) {
        struct stat status {};
        if (live.contains(heldName(QFile::decodeName(path)))) continue;
        if (::lstat(path.constData(), &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid())
            ::unlink(path.constData());
    }
}

} // namespace files

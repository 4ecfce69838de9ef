#include "TemporaryFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <stdexcept>
#include <unistd.h>

namespace chart {

namespace {

std::function<int()>& digitDraw() {
    static std::function<int()> draw;
    return draw;
}

int drawDigit() {
    if (digitDraw()) return digitDraw()();
    static std::mt19937 generator{std::random_device{}()};
    return std::uniform_int_distribution<int>(1, 9)(generator);
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

} // namespace

void setWorkbookDigitDraw(std::function<int()> draw) { digitDraw() = std::move(draw); }

QString claimTemporaryWorkbook(const QString& folder) {
    // Nine digits to the eighth power of names: a free one turns up at once
    // unless the folder is full of them, so the tries need no other bound.
    for (;;) {
        QString name = QStringLiteral("halvar");
        for (int i = 0; i < 8; ++i) name += QChar(u'0' + drawDigit());
        const QString path = QDir(folder).filePath(name + QStringLiteral(".xls"));
        if (createExclusively(path)) return path;
    }
}

QString claimPictureFile(const QString& applicationFolder, const QString& temporaryFolder) {
    const QString fixed = QDir(applicationFolder).filePath(QStringLiteral("temp.bmp"));
    try {
        if (createExclusively(fixed)) return fixed;
    } catch (const std::exception&) {
        // The program's folder is not writable: an installed program.
    }
    QTemporaryFile own(QDir(temporaryFolder).filePath(QStringLiteral("kinloom-picture-XXXXXX.bmp")));
    own.setAutoRemove(false);
    if (!own.open())
        throw std::runtime_error(QStringLiteral("Cannot create a picture file in '%1': %2")
                                     .arg(QDir::toNativeSeparators(temporaryFolder), own.errorString())
                                     .toStdString());
    return own.fileName();
}

} // namespace chart

#include "TemporaryFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <stdexcept>
#include <unistd.h>

namespace chart {

namespace {

std::function<double()>& fractionDraw() {
    static std::function<double()> draw;
    return draw;
}

} // namespace

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
    throw std::runtime_error(QStringLiteral("Cannot create '%1': %2")
                                 .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(errno)))
                                 .toStdString());
}

void setWorkbookFractionDraw(std::function<double()> draw) { fractionDraw() = std::move(draw); }

QString temporaryWorkbookPath(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name + QStringLiteral(".xls"));
}

QString claimPictureFile(const QString& applicationFolder, const QString& temporaryFolder) {
    const QString fixed = QDir(applicationFolder).filePath(QStringLiteral("temp.bmp"));
    try {
        if (claimExclusively(fixed)) return fixed;
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

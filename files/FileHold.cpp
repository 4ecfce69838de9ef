#include "FileHold.h"

#include "RunningObjects.h"

#include <QFileInfo>

namespace files {

namespace {

// Holds are entries of the table under this class name, each answering with
// the held file's name.
const QString kHoldClass = QStringLiteral("Kinloom.TemporaryFile");

} // namespace

FileHold::FileHold(const QString& path) : m_entry(std::make_unique<RunningObjectEntry>(kHoldClass, heldName(path))) {}
FileHold::~FileHold() = default;
FileHold::FileHold(FileHold&&) noexcept = default;
FileHold& FileHold::operator=(FileHold&&) noexcept = default;

bool FileHold::isRegistered() const { return m_entry && m_entry->isRegistered(); }

QString heldName(const QString& path) {
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

QStringList heldFiles() { return runningObjectDefaultMembers(kHoldClass); }

} // namespace files

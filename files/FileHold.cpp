#include "FileHold.h"

#include "Paths.h"
#include "RunningObjects.h"

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

QString heldName(const QString& path) { return inCanonicalFolder(path); }

QStringList heldFiles() { return runningObjectDefaultMembers(kHoldClass); }

} // namespace files

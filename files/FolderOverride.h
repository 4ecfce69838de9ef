#pragma once

#include <QString>

namespace files {

// A folder the program works out for itself (the program's own folder, the
// settings folder, the table of running objects) and that tests point at a
// folder of their own.
class FolderOverride {
public:
    // The folder set, or the standard one when none is.
    QString folderOr(const QString& standard) const { return m_folder.isEmpty() ? standard : m_folder; }
    // An empty text goes back to the standard folder.
    void set(const QString& folder) { m_folder = folder; }

private:
    QString m_folder;
};

} // namespace files

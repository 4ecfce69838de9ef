#pragma once

#include <QIODevice>
#include <QString>

#include <memory>

namespace gedcom {

// Whether a file's first bytes are those of a zip archive, as a GEDZIP
// file (.gdz) is.
bool isZipArchive(QByteArrayView head);

// The dataset of a GEDZIP file: a zip archive that holds the GEDCOM data as
// its entry gedcom.ged, beside the media the data names. Read front to back,
// as it is inflated.
class GedzipDataset : public QIODevice {
public:
    // Takes the descriptor of the opened archive, and closes it. Throws a
    // core::Error (DataDamaged) naming the file for a damaged archive and for one
    // without gedcom.ged.
    GedzipDataset(int descriptor, const QString& fileName);
    ~GedzipDataset() override;

    bool isSequential() const override { return true; }
    // The size of gedcom.ged, as the archive states it.
    qint64 datasetSize() const { return m_size; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    struct Archive;
    std::unique_ptr<Archive> m_archive;
    qint64 m_size = 0;
};

} // namespace gedcom

#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace spreadsheet {
class RunningObjectEntry;
}

namespace chart {

// A temporary file of this process. While the object lives the file is
// marked as held in the per-user table of running objects, so that no other
// Kinloom takes it over or clears it away as left behind; the file is
// deleted with the object unless it was handed over to another holder.
class TemporaryFile {
public:
    TemporaryFile();
    // Holds a file made elsewhere (the workbook a preview is handed).
    explicit TemporaryFile(const QString& path);
    ~TemporaryFile();
    TemporaryFile(TemporaryFile&& other) noexcept;
    TemporaryFile& operator=(TemporaryFile&& other) noexcept;

    // Empty when nothing is held.
    const QString& path() const { return m_path; }
    // Whether other processes can see the hold (the table can be kept).
    bool isHeld() const;
    // Someone else deletes the file from now on.
    void handOver() { m_deleteWithObject = false; }

private:
    QString m_path;
    std::unique_ptr<spreadsheet::RunningObjectEntry> m_hold;
    bool m_deleteWithObject = true;
};

// Claims a new temporary workbook in the folder: "halvar", eight digits from
// 1 to 9 and ".xls", created exclusively and readable by the owner only, so
// no other file or link of that name is ever written through. A name that is
// taken is drawn again. Throws with the reason when the folder cannot take
// the file.
TemporaryFile claimTemporaryWorkbook(const QString& folder);

// Claims the file for the chart's picture: "temp.bmp" in the application
// folder when no live Kinloom holds it (one left by a run that died is taken
// over), else a file of its own in the temporary folder. Throws when neither
// can be made.
TemporaryFile claimPictureFile(const QString& applicationFolder, const QString& temporaryFolder);

// Removes the temporary workbooks and pictures that runs of this user which
// died (killed, or the machine lost power) left in the folder: only files
// named as Kinloom names them, owned by the user, held by no live Kinloom.
// Does nothing when the table of running objects cannot be trusted.
void removeAbandonedTemporaryFiles(const QString& temporaryFolder);

// Tests: replaces the draw of one digit (1 to 9); an empty function goes
// back to the generator, which is seeded once.
void setWorkbookDigitDraw(std::function<int()> draw);

} // namespace chart

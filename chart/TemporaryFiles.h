#pragma once

#include "files/FileHold.h"

#include <QString>

#include <functional>
#include <optional>

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
    std::optional<files::FileHold> m_hold;
    bool m_deleteWithObject = true;
};

// The temporary workbook's name is "halvar", eight digits from 1 to 9 and
// ".xls"; the build run draws it step by step.
inline constexpr int kWorkbookNameDigits = 8;

// A number r with 0 <= r < 1 from a generator seeded once; the name's digit
// is int(r × 9) + 1.
double drawWorkbookFraction();
int workbookDigit(double fraction);

// The workbook's path in the folder: the name and ".xls".
QString temporaryWorkbookPath(const QString& folder, const QString& name);

// Creates the file exclusively, readable by the owner only, so no other file
// or link of that name is ever written through. False when the name is
// taken; throws with the reason when the folder cannot take the file.
bool claimExclusively(const QString& path);

// The same for a file the run then holds: the hold comes first, so that no
// clean-up of another Kinloom takes the new file meanwhile. Nothing when the
// name is taken.
std::optional<TemporaryFile> claimTemporaryFile(const QString& path);

// Claims the file for the chart's picture: "temp.bmp" in the application
// folder when no live Kinloom holds it (one left by a run that died is taken
// over), else a file of its own in the temporary folder. Throws when neither
// can be made.
TemporaryFile claimPictureFile(const QString& applicationFolder, const QString& temporaryFolder);

// Removes what runs of this user which died (killed, or the machine lost
// power) left behind: temporary workbooks and pictures in the temporary
// folder, and the hidden files of saves cut short there and in the
// application folder. Only files named as Kinloom names them, owned by the
// user and held by no live Kinloom go. Does nothing when the table of
// running objects cannot be trusted.
void removeAbandonedTemporaryFiles(const QString& temporaryFolder, const QString& applicationFolder);

// Tests: replaces the draw of r; an empty function goes back to the
// generator.
void setWorkbookFractionDraw(std::function<double()> draw);

} // namespace chart

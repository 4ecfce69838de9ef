#pragma once

#include <QString>

#include <functional>

namespace chart {

// Claims a new temporary workbook in the folder: "halvar", eight digits from
// 1 to 9 and ".xls", created exclusively and readable by the owner only, so
// no other file or link of that name is ever written through. A name that is
// taken is drawn again. Throws with the reason when the folder cannot take
// the file.
QString claimTemporaryWorkbook(const QString& folder);

// Claims the file for the chart's picture: "temp.bmp" in the application
// folder when it can be created there and no other run holds it, else a
// file of its own in the temporary folder. Throws when neither can be made.
QString claimPictureFile(const QString& applicationFolder, const QString& temporaryFolder);

// Tests: replaces the draw of one digit (1 to 9); an empty function goes
// back to the generator, which is seeded once.
void setWorkbookDigitDraw(std::function<int()> draw);

} // namespace chart

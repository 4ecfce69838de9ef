#pragma once

#include <QString>

#include <functional>

namespace chart {

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

// Claims the file for the chart's picture: "temp.bmp" in the application
// folder when it can be created there and no other run holds it, else a
// file of its own in the temporary folder. Throws when neither can be made.
QString claimPictureFile(const QString& applicationFolder, const QString& temporaryFolder);

// Tests: replaces the draw of r; an empty function goes back to the
// generator.
void setWorkbookFractionDraw(std::function<double()> draw);

} // namespace chart

#pragma once

#include "BoxTexts.h"

#include "spreadsheet/VectorPicture.h"

#include <QRect>
#include <QString>

namespace chart {

// What the build run needs of the preview window.
class PreviewWindow {
public:
    virtual ~PreviewWindow() = default;
    virtual void setPicture(const spreadsheet::VectorPicture& picture) = 0; // Picture1.Picture
    // The picture last handed over opens with these cells (indexes within
    // the picture) in view rather than at its top left corner.
    virtual void openOn(const QRect& cells) { (void)cells; }
    virtual void setExcelFile(const QString& path) = 0; // mExcelFile
    virtual void Show() = 0;                            // modeless
};

// What the build run needs of the windows, implemented by the main window.
class BuildRunWindows {
public:
    virtual ~BuildRunWindows() = default;
    virtual QString rootName() const = 0;            // Text1
    virtual QString generationCountText() const = 0; // Text2
    virtual void setMousePointer(int shape) = 0;     // 0 default, 11 hourglass
    virtual void focusGenerationCount() = 0;         // Text2, its text selected
    virtual PreviewWindow& previewWindow() = 0;      // loaded on first reference
    virtual void Hide() = 0;
    // What the boxes show beside their fill and edges; nothing for the
    // blank chart.
    virtual BoxLabels boxLabels() const { return {}; }
};

// "Start Creating Template": checks the count, draws the chart in a new
// hidden instance, saves it as the temporary workbook, takes its picture in a
// second instance and hands both to the preview window, which it shows while
// the main window hides. Box labels, where the windows give them, are
// written after the boxes, within the box loop's last step. Every failure is
// reported under its step number and the run goes on.
void runChartBuild(BuildRunWindows& windows);

} // namespace chart

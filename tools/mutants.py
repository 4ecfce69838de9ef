"""The faults tools/mutation-run.py plants, one at a time: each a piece of a
file's text (standing there exactly once) and what takes its place."""
from dataclasses import dataclass


@dataclass(frozen=True)
class Mutant:
    id: str
    area: str
    file: str
    find: str
    replace: str
    fault: str


MUTANTS = [
    # Saves: the checked, all-or-nothing replacement of files.
    Mutant("save-no-flush", "saves", "files/FileReplacement.cpp",
           "if (!error && !(writeAll(fd, m_bytes) && syncFile(fd))) error = errno;",
           "if (!error && !writeAll(fd, m_bytes)) error = errno;",
           "the new file is renamed over the old one without being flushed"),

    # The sheet picture: sharp lines at every size.
    Mutant("line-faded", "picture", "spreadsheet/VectorPicture.cpp",
           "if (r.width() < 1) r = QRect(ax.middleOf(x0, x1), r.top(), 1, r.height());",
           "if (r.width() < 1) r = QRect(ax.middleOf(x0, x1), r.top(), 1, r.height()), colour = qRgb(0x74, 0x76, 0x79);",
           "a line thinner than a pixel is drawn grey"),
    Mutant("line-off-its-pixel", "picture", "spreadsheet/VectorPicture.cpp",
           "if (r.width() < 1) r = QRect(ax.middleOf(x0, x1), r.top(), 1, r.height());",
           "if (r.width() < 1) r.setWidth(1);",
           "a line thinner than a pixel takes the pixel after it, off the picture at its closing edge"),
    Mutant("logical-pixels", "picture", "spreadsheet/VectorPicture.cpp",
           "toDevice.type() <= QTransform::TxScale && toDevice.m11() > 0",
           "false && toDevice.m11() > 0",
           "a dense screen gets lines of two device pixels, drawn in logical pixels"),
    Mutant("runs-join-a-gap", "picture", "spreadsheet/PixelRuns.cpp",
           "if (top <= run.bottom && bottom >= run.top) {",
           "if (top <= run.bottom + 1 && bottom >= run.top) {",
           "runs of pixels join across a one-pixel gap"),

    # The preview: whole chart, wheel.
    Mutant("whole-zoom-out-leaves", "viewer", "preview/Form2.cpp",
           "        if (zoomOut) return;\n",
           "",
           "Zoom Out leaves the whole-chart view"),
    Mutant("whole-zoom-in-smallest", "viewer", "preview/ViewerArithmetic.cpp",
           "if (zoom > wholeFactor && zoomShows(zoom, baseWidth, baseHeight)) return zoom;",
           "if (zoomShows(zoom, baseWidth, baseHeight)) return zoom;",
           "Zoom In from the whole chart may go to a smaller factor"),
    Mutant("whole-enlarges", "viewer", "preview/ViewerArithmetic.cpp",
           "std::min({1.0, viewportWidth / double(baseWidth), viewportHeight / double(baseHeight)})",
           "std::min(viewportWidth / double(baseWidth), viewportHeight / double(baseHeight))",
           "the whole-chart view enlarges a small chart"),
    Mutant("whole-sliver", "viewer", "preview/ViewerArithmetic.cpp",
           "if (width < viewportWidth / 4) width",
           "if (false) width",
           "the whole view of a tall chart is a sliver two pixels wide"),
    Mutant("wheel-reversed", "viewer", "preview/Form2.cpp",
           "bar.setValue(bar.value() - notches",
           "bar.setValue(bar.value() + notches",
           "the wheel scrolls the wrong way"),
    Mutant("wheel-keeps-rest", "viewer", "preview/ViewerArithmetic.cpp",
           "if ((angleDelta > 0 && m_rest < 0) || (angleDelta < 0 && m_rest > 0)) m_rest = 0;",
           "",
           "a wheel turned back keeps the part-notch of the other way"),
    Mutant("menu-only-on-canvas", "viewer", "preview/Form2.cpp",
           "if (watched == m_ui->Picture1 || watched == m_ui->Picture2) {",
           "if (watched == m_ui->Picture1) {",
           "the picture's menu and the wheel do nothing beside a small canvas"),

    # The windows' small things.
    Mutant("enter-ignored", "windows", "shell/shared/FormBase.cpp",
           "            button->click();\n",
           "",
           "Enter on a focused button does nothing"),
    Mutant("box-caption-cut", "windows", "shell/shared/MessageBox.cpp",
           "    buttons->setMinimumWidth(",
           "    if (false) buttons->setMinimumWidth(",
           "a message box narrower than its caption"),
    Mutant("box-breaks-address", "windows", "shell/shared/MessageBox.cpp",
           "if (addressLine > 0 && addressLine <= widest) label->setMinimumWidth(addressLine);",
           "",
           "a message box breaks a web address"),
    Mutant("delete-read-only", "files", "shell/shared/FileRoutines.cpp",
           "if (::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) != 0) return;",
           "",
           "the quiet deletion removes a read-only file"),
]

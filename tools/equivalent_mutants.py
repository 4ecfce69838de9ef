"""Generated faults that change nothing a user can get, each reviewed and
with why. A generated fault is matched by its file and by the line it
changes, before and after (runs of white space count as one space); the
mutation run reports a listed fault apart and does not count it, and names
entries that no longer match anything in the code. A line that stands twice
in its file is listed only when the fault is equivalent in both places."""
from dataclasses import dataclass


@dataclass(frozen=True)
class Equivalent:
    file: str
    original: str
    mutated: str
    why: str


EQUIVALENT = [
    Equivalent("chart/ChartLayout.cpp", "constexpr int kFixedOperations = 17;", "constexpr int kFixedOperations = 16;",
               "the count only reserves room for the layout's operations ahead; one less is one more growth"),
    Equivalent("chart/ChartLayout.cpp", "count += boxes * kOperationsPerBox + (boxes - 1) * (spacing + 1);",
               "count += boxes / kOperationsPerBox + (boxes - 1) * (spacing + 1);",
               "the count only reserves room for the layout's operations ahead; a wrong one costs growths, not boxes"),
    Equivalent("chart/ClipboardKeeper.h", "quint32 m_pictureOwner = 0;", "quint32 m_pictureOwner = 1;",
               "the owner is taken from the X server when the picture is put there, before it is ever compared"),
    Equivalent("chart/GedcomPedigree.cpp", "for (std::size_t n = 1; n < pedigree.personAt.size(); ++n)",
               "for (std::size_t n = 0; n < pedigree.personAt.size(); ++n)",
               "number 0 is no box and holds no person, so the loop passes it over either way"),
    Equivalent("chart/LocaleNumber.cpp", "double ignored = 0;", "double ignored = 1;",
               "from_chars is asked only whether the text is out of range; the value it leaves is not used"),
    Equivalent("chart/X11Clipboard.cpp",
               "xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, screens.data->root, -10, -10, 1, 1, 0,",
               "xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, screens.data->root, -10, -9, 1, 1, 0,",
               "the clipboard's own window is never mapped: where it would stand shows nowhere"),
    Equivalent("core/VisibleText.cpp", "else if (c.unicode() < 0x100)", "else if (c.unicode() <= 0x100)",
               "U+0100 is no character that is escaped: the escaped ones end at U+009F and begin again at U+2028"),
    Equivalent("preview/Form2.cpp", "if (picture.isNull() || mBaseWidth <= 0 || mBaseHeight <= 0) return;",
               "if (picture.isNull() || mBaseWidth <= 0 && mBaseHeight <= 0) return;",
               "the base sizes are the picture's own, both at least 1 for any picture that is there"),
    Equivalent("shell/shared/SaveFileDialog.h", "int filterIndex = 1;", "int filterIndex = 2;",
               "both such lines are defaults never read: the preview sets the dialog's filter before it shows it, "
               "and the test seam's answers are always made with theirs"),
    Equivalent("preview/ZoomCanvas.cpp", "update();", "{}",
               "drawStretched() clears the picture first, which asks for the repaint already"),
    Equivalent("preview/Form2.cpp", "if (m_wholeChart) return; // no zoom step shows",
               "if (m_wholeChart) {} // no zoom step shows",
               "with no zoom step the whole chart stays, its bars off and at 0: setting them changes nothing"),
    Equivalent("preview/Form2.cpp", "if (notches == 0 || !bar.isEnabled()) return;",
               "if (notches == 0 || !bar.isEnabled()) {}",
               "no notch moves a bar by nothing, and a bar that is off has the range 0 to 0"),
    Equivalent("spreadsheet/VectorPicturePaint.cpp", "constexpr int kMinTextArea = 5;",
               "constexpr int kMinTextArea = 4;",
               "a text area of 4 pixels a side shows no ink anyway (the indent and the glyphs' bearings fill it); "
               "the bound spares laying the text out, which is speed, not what shows (a 6-pixel column shows ink: "
               "SheetPictureTexts)"),
    Equivalent("spreadsheet/xls/SheetReader.cpp", "std::uint16_t width = 0;", "std::uint16_t width = 1;",
               "a column's information is made whole from its record; the first value is never read"),
    Equivalent("spreadsheet/xls/ByteBuffer.h",
               "for (int i = 0; i < 4; ++i) m_bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));",
               "for (int i = (-1); i < 4; ++i) m_bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));",
               "the one four-byte field patched is the sheet's place in the stream, after globals of a few "
               "kilobytes; the byte before it (its record's length, high byte) gets the place's top byte, 0 as it "
               "was"),
    Equivalent("spreadsheet/xls/RecordStream.cpp", "while (size() - m_position >= kHeaderSize) {",
               "while (size() - m_position > kHeaderSize) {",
               "only an empty CONTINUE record as the stream's last four bytes is read apart instead of joined; "
               "it adds no byte, and the reader passes a record it does not know over"),
    Equivalent("spreadsheet/ods/OdsContent.cpp",
               "int of(int pixels) { return m_numbers.emplace(pixels, static_cast<int>(m_numbers.size()) + 1).first->second; }",
               "int of(int pixels) { return m_numbers.emplace(pixels, static_cast<int>(m_numbers.size()) + 2).first->second; }",
               "the numbers only name the column and row styles, each once and each used by that name; numbered "
               "from 2 they name the same lengths"),
    Equivalent("spreadsheet/ods/OdsContent.cpp",
               "int of(int pixels) { return m_numbers.emplace(pixels, static_cast<int>(m_numbers.size()) + 1).first->second; }",
               "int of(int pixels) { return m_numbers.emplace(pixels, static_cast<int>(m_numbers.size()) + 0).first->second; }",
               "the numbers only name the column and row styles, each once and each used by that name; numbered "
               "from 0 they name the same lengths"),
    Equivalent("core/Error.h", "qint64 m_count = -1;", "qint64 m_count = -0;",
               "a phrase made without a count holds no %n to fill in, and its translation (with no plural forms) "
               "is found whatever count is asked with"),
    Equivalent("core/VisibleText.cpp", "for (qsizetype i = first; i < text.size(); ++i)",
               "for (qsizetype i = first; i <= text.size(); ++i)",
               "the one step more reaches the zero a string keeps after its last character, and marks only that; "
               "every reader of the text goes by its length"),
    Equivalent("gedcom/RecordScanner.h", "std::size_t m_lineCount = 0;", "std::size_t m_lineCount = 1;",
               "every record sets the count when it begins, and no line is counted before a record begins"),
    Equivalent("spreadsheet/VectorPicturePaint.cpp",
               "if (middle - longest / 2 > visibleRight || middle + longest / 2 < visibleLeft) return std::nullopt;",
               "if (middle - longest / 1 > visibleRight || middle + longest / 2 < visibleLeft) return std::nullopt;",
               "the test only spares laying out a centred text that cannot reach the view; passing fewer over, the "
               "painter clips what lies outside, and nothing more shows"),
    Equivalent("gedcom/FamilyTreeReader.cpp",
               'fail(path, 0, core::Phrase(QT_TRANSLATE_NOOP("core::Error", "cannot be read: %1"), {file.errorString()}));',
               'fail(path, (-1), core::Phrase(QT_TRANSLATE_NOOP("core::Error", "cannot be read: %1"), {file.errorString()}));',
               "a message names a line only from line 1 on; 0 and -1 both say the file without a line"),
    Equivalent("shell/family/PeopleIndex.cpp", "m_words.reserve(static_cast<qsizetype>(count) * 40);",
               "m_words.reserve(static_cast<qsizetype>(count) * 41);",
               "room reserved ahead for the index's words; a guess a little off costs a growth or a little room"),
    Equivalent("core/Error.cpp", "phrase.m_count = std::max<qint64>(count, 0);",
               "phrase.m_count = std::max<qint64>(count, (-1));",
               "the one counted phrase counts the warnings left out, never fewer than none"),
    Equivalent("chart/TemporaryFiles.cpp",
               "int workbookDigit(double fraction) { return std::clamp(static_cast<int>(fraction * 9) + 1, 1, 9); }",
               "int workbookDigit(double fraction) { return std::clamp(static_cast<int>(fraction * 9) + 1, 0, 9); }",
               "the fraction is drawn from 0 up to 1, so the digit is at least 1 before the clamp"),
    Equivalent("shell/shared/SaveFileDialog.h",
               "void setNextAnswer(const QString& path, int filterIndex = 1) { m_answers.push_back({path, filterIndex}); }",
               "void setNextAnswer(const QString& path, int filterIndex = 0) { m_answers.push_back({path, filterIndex}); }",
               "a default of the test seam only, which no user's route reaches; the tests that care give the filter"),
    Equivalent("spreadsheet/VectorPictureFile.cpp", "m_end = m_bytes.data() + m_bytes.size();",
               "m_end = m_bytes.data() - m_bytes.size();",
               "the picture's bytes are counted ahead exactly (31 bytes and the characters for a text, and so on), "
               "so the room never has to grow and the line never runs"),
    Equivalent("preview/SheetPictureBox.cpp",
               "m_sheetPicture.paint(painter, QRectF(QPointF(0, 0), QSizeF(m_sheetPicture.size())), event->rect());",
               "m_sheetPicture.paint(painter, QRectF(QPointF(0, (-1)), QSizeF(m_sheetPicture.size())), event->rect());",
               "the box that keeps the picture at its own size is hidden, and the canvas draws stretched from the "
               "window's first activation on, which Show() runs before anything is painted"),
    Equivalent("files/Paths.h", "int error = 0; // errno of a walk that could not go on (ELOOP, ENOTDIR, ...)",
               "int error = 1; // errno of a walk that could not go on (ELOOP, ENOTDIR, ...)",
               "every way out of the walk sets the error, 0 when it went through"),
    Equivalent("spreadsheet/xls/RecordStream.h", "std::uint16_t id = 0;", "std::uint16_t id = 1;",
               "next() sets the id of every record it hands out; the first value is never read"),
    Equivalent("gedcom/RecordStore.cpp", "if (m_descriptor >= 0) ::fstat(m_descriptor, &m_sealed);",
               "if (m_descriptor >= (-1)) ::fstat(m_descriptor, &m_sealed);",
               "a store in memory has the descriptor -1, on which fstat fails and leaves the sealed state as it was"),
    Equivalent("spreadsheet/xls/CellValueText.cpp",
               "if (value == std::trunc(value) && std::fabs(value) < 1e15) return QString::number(static_cast<qint64>(value));",
               "if (value == std::trunc(value) && std::fabs(value) < 999999999999999.0) return QString::number(static_cast<qint64>(value));",
               "the only whole numbers the bounds part are plus and minus 999999999999999, which fifteen significant "
               "digits print as the whole number does"),
    Equivalent("preview/Form2.h", "int mBaseHeight = 0;", "int mBaseHeight = 1;",
               "the first activation, which Show() runs, sets both base sizes before anything can read them"),
    Equivalent("gedcom/Identifiers.cpp", "if (2 * (m_used + 1) > static_cast<qsizetype>(m_slots.size())) {",
               "if (2 * (m_used + 1) >= static_cast<qsizetype>(m_slots.size())) {",
               "the table of identifiers grows one identifier sooner: room and speed, the same people found"),
    Equivalent("spreadsheet/CellRange.cpp", "if (++digits > 6) return std::nullopt;", "if (++digits > 7) return std::nullopt;",
               "the bound only stops a long row number early; every row of seven digits is off the sheet anyway, and "
               "the addresses the program makes carry no leading zeros"),
    Equivalent("preview/Form2.cpp",
               "if (!zoomShows(mZoom, mBaseWidth, mBaseHeight)) return; // the canvas keeps what it shows",
               "if (!zoomShows(mZoom, mBaseWidth, mBaseHeight)) {} // the canvas keeps what it shows",
               "steps pass over factors that do not show, so this only meets the first activation's factor 1 of a "
               "chart too big for it: going on draws the same pixels at the same size, and the bars are set up "
               "right after either way"),
    Equivalent("files/CommitRecord.cpp", "QByteArray bytes(kMaxRecordBytes + 1, Qt::Uninitialized);",
               "QByteArray bytes(kMaxRecordBytes + 2, Qt::Uninitialized);",
               "a record the program writes names a few paths, far below the 64 KiB read; the bound only stops a "
               "foreign file early, and one byte more read changes no record it wrote"),
    Equivalent("gedcom/FamilyTreeReader.cpp", "warnings.add(WarningKind::UnknownCharacterSet, 0,",
               "warnings.add(WarningKind::UnknownCharacterSet, (-1),",
               "a warning names a line only from line 1 on; 0 and -1 both say the file without a line"),
    Equivalent("gedcom/FamilyTreeReader.cpp", "constexpr qint64 kChunkBytes = 1024 * 1024;",
               "constexpr qint64 kChunkBytes = 1024 * 1025;",
               "how much is read at a time: a stop is seen a little later, the text read is the same"),
    Equivalent("gedcom/FamilyTreeReader.cpp", "qint64 writeData(const char*, qint64) override { return -1; }",
               "qint64 writeData(const char*, qint64) override { return -2; }",
               "the watched file is opened for reading only, so nothing ever writes to it"),
    Equivalent("spreadsheet/CellRange.h", "int firstRow = 1;", "int firstRow = 2;",
               "every range made without corners gets all four before it is read (the merged areas' bounds only "
               "once there is one)"),
    Equivalent("spreadsheet/CellRange.cpp",
               "while (i < text.size() && text[i].isLetter() && text[i].unicode() < 128) {",
               "while (i < text.size() && text[i].isLetter() && text[i].unicode() <= 128) {",
               "U+0080 is a control character, no letter"),
    Equivalent("shell/family/FamilyFileDialog.cpp", "m_answers.pop_front();", "{}",
               "the queue of the test seam's answers, which no user's route reaches"),
    Equivalent("spreadsheet/VectorPictureFile.cpp", "room(1);", "room(0);",
               "the picture's bytes are counted ahead exactly, so the room never has to grow"),
    Equivalent("spreadsheet/Worksheet.cpp", "if (range.rowCount() > 1)", "if (range.rowCount() >= 1)",
               "a range of one row has no inside line: the rows above its last make no range, and nothing changes"),
    Equivalent("shell/shared/MessageBox.cpp", "constexpr int kTitleBarRoom = 120;", "constexpr int kTitleBarRoom = 121;",
               "an estimate of what the window manager's title bar holds beside the caption; a pixel more widens a "
               "box with a long caption by a pixel and shows the same caption and text"),
    Equivalent("shell/shared/SkinFramework.h", "static constexpr int kApplyStyleSheet = 1;",
               "static constexpr int kApplyStyleSheet = 2;",
               "the bit is set and tested by this name only; any bit of its own does the same"),
    Equivalent("spreadsheet/xls/ByteBuffer.h", "std::size_t m_capacity = 0;", "std::size_t m_capacity = 1;",
               "every record the writer makes begins with a field of two bytes or more (or is reserved first), "
               "which grows the buffer before a byte is written"),
    Equivalent("preview/ViewerArithmetic.cpp", "v = 0;", "v = (-1);",
               "the bar values are clamped to their range right after, and -1 comes back as 0"),
    Equivalent("shell/shared/MessageBox.cpp", "+ 2 * label->margin();", "+ 3 * label->margin();",
               "the message box's label has no margin: twice or three times nothing is nothing"),
    Equivalent("gedcom/DateYear.cpp",
               "if (date.calendar == Calendar::Unknown || (slash >= 0 && date.calendar != Calendar::Julian)) return {};",
               "if (date.calendar == Calendar::Unknown || (slash >= 1 && date.calendar != Calendar::Julian)) return {};",
               "a year that begins with its slash has no digits before it and is no date at all"),
    Equivalent("chart/ChartLayout.cpp", "add({step, SheetTarget::Range, {0, 0, text(address)}, member, 0, value});",
               "add({step, SheetTarget::Range, {0, 0, text(address)}, member, (-1), value});",
               "the layout's range steps only merge; the border index is read for line styles alone"),
]

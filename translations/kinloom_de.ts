<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Form1</name>
    <message>
        <source>Form1</source>
        <translation>Form1</translation>
    </message>
    <message>
        <source>Start Creating Template</source>
        <translation>Vorlage erstellen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation>Beispieldaten laden</translation>
    </message>
    <message>
        <source>Family Tree For</source>
        <translation>Stammbaum für</translation>
    </message>
    <message>
        <source>Number Of Generations (Including Youself)</source>
        <translation>Anzahl der Generationen (Sie selbst eingeschlossen)</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation>Als Excel-Datei speichern</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>OpenDocument Spreadsheet (*.ods)</source>
        <translation>OpenDocument-Tabelle (*.ods)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>SVG Picture (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>PNG Picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Excel Files (*.xls)</source>
        <translation>Excel-Dateien (*.xls)</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Stammbaum</translation>
    </message>
    <message>
        <source>Chart picture</source>
        <translation>Bild des Stammbaums</translation>
    </message>
    <message>
        <source>Scroll the chart up and down</source>
        <translation>Stammbaum nach oben und unten verschieben</translation>
    </message>
    <message>
        <source>Scroll the chart sideways</source>
        <translation>Stammbaum seitwärts verschieben</translation>
    </message>
    <message>
        <source>Chart at its own size</source>
        <translation>Stammbaum in eigener Größe</translation>
    </message>
</context>
<context>
    <name>InformationOptions</name>
    <message>
        <source>Makes blank family-tree chart templates in a window. Type the name of the
person at the root of the tree and the number of generations, the root
person included (up to 15); Kinloom draws one empty box for each ancestor,
shows the chart in a preview window where it can be zoomed, scrolled and
dragged, saves it as an Excel 97-2003 workbook (.xls), an Excel workbook
(.xlsx), an OpenDocument spreadsheet (.ods) or a PDF, SVG or PNG picture,
and prints it (Ctrl+P).

Given a family file (GEDCOM), Kinloom reads it and asks for the person
whose ancestors fill the boxes; the main window&apos;s context menu (Fill from
a Family File..., Ctrl+O) and a .ged file dropped on it do the same.</source>
        <translation>Erstellt leere Stammbaumvorlagen in einem Fenster. Geben Sie den Namen der
Person ein, von der der Stammbaum ausgeht, und die Anzahl der Generationen,
diese Person eingeschlossen (bis zu 15); Kinloom zeichnet ein leeres Kästchen
für jeden Vorfahren, zeigt den Stammbaum in einem Vorschaufenster, in dem er
vergrößert, verkleinert, gescrollt und gezogen werden kann, speichert ihn als
Excel-97-2003-Arbeitsmappe (.xls), Excel-Arbeitsmappe (.xlsx),
OpenDocument-Tabelle (.ods) oder als PDF-, SVG- oder PNG-Bild und druckt ihn
(Strg+P).

Mit einer Familiendatei (GEDCOM) liest Kinloom diese und fragt nach der
Person, deren Vorfahren die Kästchen füllen; das Kontextmenü des
Hauptfensters (Aus einer Familiendatei füllen …, Strg+O) und eine auf das
Fenster gezogene .ged-Datei tun dasselbe.</translation>
    </message>
    <message>
        <source>
Other arguments go to Qt, which takes its standard options such as
-platform NAME and -style NAME; the rest are ignored.

Exit status:
  0  the windows were closed, or the help or the version was shown.

Failures while a chart is built or saved are shown in a message box and
do not end the program. Without a display, Kinloom cannot start.
</source>
        <translation>
Weitere Argumente gehen an Qt, das seine Standardoptionen wie
-platform NAME und -style NAME übernimmt; der Rest wird ignoriert.

Rückgabewert:
  0  die Fenster wurden geschlossen, oder Hilfe oder Version wurden angezeigt.

Fehler beim Erstellen oder Speichern eines Stammbaums werden in einem
Meldungsfenster angezeigt und beenden das Programm nicht. Ohne Bildschirm
kann Kinloom nicht starten.
</translation>
    </message>
    <message>
        <source>FILE.ged</source>
        <translation>DATEI.ged</translation>
    </message>
    <message>
        <source>A family file to fill the chart from (GEDCOM 5.5, 5.5.1 or 7.0).</source>
        <translation>Eine Familiendatei, aus der der Stammbaum gefüllt wird (GEDCOM 5.5, 5.5.1 oder 7.0).</translation>
    </message>
    <message>
        <source>[FILE.ged]</source>
        <translation>[DATEI.ged]</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Zeigt diese Hilfe und beendet.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Zeigt die Version und beendet.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Fehlender Wert nach &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>chart::BuildRun</name>
    <message>
        <source>Numerical Value</source>
        <translation>Zahlenwert</translation>
    </message>
</context>
<context>
    <name>chart::ChartLayout</name>
    <message>
        <source>Family Tree for %1</source>
        <extracomment>The chart&apos;s title; at most 16 characters go before the name.</extracomment>
        <translation>Stammbaum für %1</translation>
    </message>
    <message>
        <source>%1 Generations</source>
        <translation>%1 Generationen</translation>
    </message>
</context>
<context>
    <name>chart::Excel1</name>
    <message>
        <source>Excel may be open. It is recommended that you close Excel first.</source>
        <translation>Excel ist möglicherweise geöffnet. Es wird empfohlen, Excel zuerst zu schließen.</translation>
    </message>
    <message>
        <source>Use Ctrl+Alt+Del &gt; Task Manager &gt; EXCEL.EXE if necessary.</source>
        <translation>Verwenden Sie bei Bedarf Strg+Alt+Entf &gt; Task-Manager &gt; EXCEL.EXE.</translation>
    </message>
    <message>
        <source>Would you like to proceed anyway?</source>
        <translation>Möchten Sie trotzdem fortfahren?</translation>
    </message>
</context>
<context>
    <name>chart::PictureExport</name>
    <message>
        <source>Family tree chart</source>
        <translation>Stammbaum</translation>
    </message>
</context>
<context>
    <name>command::ChartCommand</name>
    <message>
        <source>Draws a blank pedigree chart (one empty box for each ancestor, the oldest
generation on the left) and saves it as a workbook in the format FILE&apos;s
extension names: .xls (Excel 97-2003), .xlsx (Excel) or .ods (OpenDocument,
LibreOffice&apos;s own). Any other extension is refused before anything is
written.

COUNT is the number of generations, the root person included, written as
numbers are written in your locale (a point is accepted too); charts of up
to 15 generations can be drawn. The count appears in the chart as typed.

With --picture, the used cells are also drawn as a spreadsheet shows them,
in the format the file&apos;s extension names: a bitmap (.bmp, .png, ...), or a
vector picture, sharp at any size: .svg for the web, .pdf for printing (A4
landscape pages, one page wide, as the workbook prints). Bitmaps of charts
over 10 generations are scaled down to stay within 32,767 pixels a side.
Any other extension is refused before anything is written.

With --gedcom, the boxes are filled from a GEDCOM file (5.5, 5.5.1 or 7.0)
with the ancestors of --person: &quot;Given Surname (1820-1891)&quot;. Without
--generations the chart is as deep as the known pedigree (at most 15);
without --root the title names the person. Links that point nowhere and
people who would be their own ancestor are left out, with a warning.

With --numbers, each box holds its ancestor number: the root person is 1,
the father of n is 2n, the mother 2n + 1.</source>
        <translation>Zeichnet einen leeren Stammbaum (ein leeres Kästchen für jeden Vorfahren,
die älteste Generation links) und speichert ihn als Arbeitsmappe im Format,
das die Endung von DATEI nennt: .xls (Excel 97-2003), .xlsx (Excel) oder
.ods (OpenDocument, das eigene Format von LibreOffice). Jede andere Endung
wird abgelehnt, bevor etwas geschrieben wird.

ANZAHL ist die Anzahl der Generationen einschließlich der Ausgangsperson,
geschrieben, wie Zahlen in Ihrem Gebietsschema geschrieben werden (ein Punkt
wird ebenfalls akzeptiert); Stammbäume mit bis zu 15 Generationen können
gezeichnet werden. Die Anzahl erscheint im Stammbaum so, wie sie eingegeben
wurde.

Mit --picture werden die benutzten Zellen zusätzlich so gezeichnet, wie eine
Tabellenkalkulation sie zeigt, im Format, das die Endung der Datei nennt:
als Rastergrafik (.bmp, .png, …) oder als Vektorgrafik, die in jeder Größe
scharf bleibt: .svg für das Web, .pdf zum Drucken (A4-Seiten im Querformat,
eine Seite breit, wie die Arbeitsmappe gedruckt wird). Rastergrafiken von
Stammbäumen mit über 10 Generationen werden verkleinert, damit keine Seite
32.767 Pixel überschreitet. Jede andere Endung wird abgelehnt, bevor etwas
geschrieben wird.

Mit --gedcom werden die Kästchen aus einer GEDCOM-Datei (5.5, 5.5.1 oder 7.0)
mit den Vorfahren von --person gefüllt: „Vorname Nachname (1820–1891)“. Ohne
--generations ist der Stammbaum so tief wie die bekannte Ahnenreihe
(höchstens 15); ohne --root nennt der Titel die Person. Verweise, die ins
Leere zeigen, und Personen, die ihr eigener Vorfahr wären, werden mit einer
Warnung ausgelassen.

Mit --numbers enthält jedes Kästchen seine Ahnennummer: Die Ausgangsperson
ist 1, der Vater von n ist 2n, die Mutter 2n + 1.</translation>
    </message>
    <message>
        <source>
Exit status:
  0  the workbook was saved.
  1  any other failure, with its reason on standard error.
  2  COUNT, the kind of file FILE names or another argument was refused,
     or --person matches several people (they are listed).

A failed run leaves no file behind and never changes an existing FILE.
</source>
        <translation>
Rückgabewert:
  0  die Arbeitsmappe wurde gespeichert.
  1  jeder andere Fehler, mit seinem Grund auf der Standardfehlerausgabe.
  2  ANZAHL, die Dateiart, die DATEI nennt, oder ein anderes Argument wurde
     abgelehnt, oder --person passt auf mehrere Personen (sie werden
     aufgeführt).

Ein fehlgeschlagener Lauf hinterlässt keine Datei und ändert nie eine
vorhandene DATEI.
</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>Name of the person at the root (default: Halvarsen).</source>
        <translation>Name der Ausgangsperson (Standard: Halvarsen).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Number of generations (default: 5).</source>
        <translation>Anzahl der Generationen (Standard: 5).</translation>
    </message>
    <message>
        <source>COUNT</source>
        <translation>ANZAHL</translation>
    </message>
    <message>
        <source>Workbook to write (.xls, .xlsx or .ods).</source>
        <translation>Zu schreibende Arbeitsmappe (.xls, .xlsx oder .ods).</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Also write a picture of the chart.</source>
        <translation>Zusätzlich ein Bild des Stammbaums schreiben.</translation>
    </message>
    <message>
        <source>Put each box&apos;s ancestor number in it.</source>
        <translation>Jedes Kästchen mit seiner Ahnennummer versehen.</translation>
    </message>
    <message>
        <source>Fill the boxes from a GEDCOM file.</source>
        <translation>Die Kästchen aus einer GEDCOM-Datei füllen.</translation>
    </message>
    <message>
        <source>The root person of --gedcom: an identifier (@I1@) or a name (default: the file&apos;s first).</source>
        <translation>Die Ausgangsperson aus --gedcom: eine Kennung (@I1@) oder ein Name (Standard: die erste der Datei).</translation>
    </message>
    <message>
        <source>ID-OR-NAME</source>
        <translation>KENNUNG-ODER-NAME</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>--person names someone in the file --gedcom reads; give that file too.</source>
        <translation>--person nennt jemanden in der Datei, die --gedcom liest; geben Sie auch diese Datei an.</translation>
    </message>
    <message>
        <source>Name the workbook to write with --output FILE.xls.</source>
        <translation>Nennen Sie die zu schreibende Arbeitsmappe mit --output DATEI.xls.</translation>
    </message>
    <message>
        <source>Cannot write pictures of the kind &apos;%1&apos; names; use .bmp, .png, .svg or .pdf.</source>
        <translation>Bilder der Art, die „%1“ nennt, können nicht geschrieben werden; verwenden Sie .bmp, .png, .svg oder .pdf.</translation>
    </message>
    <message>
        <source>The workbook and the picture cannot be the same file: %1</source>
        <translation>Arbeitsmappe und Bild können nicht dieselbe Datei sein: %1</translation>
    </message>
    <message>
        <source>Cannot write workbooks of the kind &apos;%1&apos; names; use .xls, .xlsx or .ods.</source>
        <translation>Arbeitsmappen der Art, die „%1“ nennt, können nicht geschrieben werden; verwenden Sie .xls, .xlsx oder .ods.</translation>
    </message>
    <message>
        <source>There is not enough memory to draw this chart.</source>
        <translation>Für diesen Stammbaum reicht der Speicher nicht aus.</translation>
    </message>
    <message>
        <source>Cannot name the file &apos;%1&apos;: its name is not valid UTF-8, and another file would be used in its place.</source>
        <translation>Die Datei „%1“ kann nicht benannt werden: Ihr Name ist kein gültiges UTF-8, und eine andere Datei würde an ihrer Stelle verwendet.</translation>
    </message>
</context>
<context>
    <name>core::Error</name>
    <message>
        <source>Object variable not set: an earlier step failed.</source>
        <translation>Objektvariable nicht festgelegt: Ein früherer Schritt ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The picture file holds no picture: no picture of the sheet was taken.</source>
        <translation>Die Bilddatei enthält kein Bild: Es wurde kein Bild des Tabellenblatts aufgenommen.</translation>
    </message>
    <message>
        <source>There is no file to save the chart in.</source>
        <translation>Es gibt keine Datei, in der der Stammbaum gespeichert werden kann.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not name whole columns.</source>
        <translation>„%1“ bezeichnet keine ganzen Spalten.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a column width.</source>
        <translation>„%1“ ist keine Spaltenbreite.</translation>
    </message>
    <message>
        <source>No %1 is running.</source>
        <translation>Kein %1 läuft.</translation>
    </message>
    <message>
        <source>There is no sheet to take the picture of.</source>
        <translation>Es gibt kein Tabellenblatt, von dem ein Bild aufgenommen werden kann.</translation>
    </message>
    <message>
        <source>Object variable not set: there is no workbook.</source>
        <translation>Objektvariable nicht festgelegt: Es gibt keine Arbeitsmappe.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture of a sheet.</source>
        <translation>Die Zwischenablage enthält kein Bild eines Tabellenblatts.</translation>
    </message>
    <message>
        <source>the file holds no person</source>
        <translation>die Datei enthält keine Person</translation>
    </message>
    <message>
        <source>no person is &quot;%1&quot;; name one by identifier (@I1@) or name</source>
        <translation>keine Person ist „%1“; nennen Sie eine mit Kennung (@I1@) oder Namen</translation>
    </message>
    <message>
        <source>%1 people match &quot;%2&quot;; name one by identifier:</source>
        <translation>%1 Personen passen auf „%2“; nennen Sie eine mit Kennung:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>@%1@ %2 has a name of %3 characters with the years; a box holds at most %4</source>
        <translation>@%1@ %2 hat einen Namen von %3 Zeichen mit den Jahren; ein Kästchen fasst höchstens %4</translation>
    </message>
    <message>
        <source>Number of generations must be numeric.</source>
        <translation>Die Anzahl der Generationen muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>Number of generations must be 15 or less.</source>
        <translation>Die Anzahl der Generationen darf höchstens 15 sein.</translation>
    </message>
    <message>
        <source>The picture cannot be written as a PDF file.</source>
        <translation>Das Bild kann nicht als PDF-Datei geschrieben werden.</translation>
    </message>
    <message>
        <source>There is no kind of picture to write.</source>
        <translation>Es ist keine Bildart zum Schreiben angegeben.</translation>
    </message>
    <message>
        <source>Cannot create &apos;%1&apos;: %2</source>
        <translation>„%1“ kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot save &apos;%1&apos;: %2.</source>
        <translation>„%1“ kann nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>the name is not a valid file name</source>
        <translation>der Name ist kein gültiger Dateiname</translation>
    </message>
    <message>
        <source>it is a link that leads to no file (%1)</source>
        <translation>sie ist ein Verweis, der zu keiner Datei führt (%1)</translation>
    </message>
    <message>
        <source>it is %1, not a file that can be saved over</source>
        <translation>sie ist %1, keine Datei, die überschrieben werden kann</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be opened: %2.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read: %2.</source>
        <translation>„%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>the name is not valid</source>
        <translation>der Name ist ungültig</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: %2 bytes, where at most %3 are read.</source>
        <translation>„%1“ ist zu groß: %2 Byte, von denen höchstens %3 gelesen werden.</translation>
    </message>
    <message>
        <source>the file holds more than %1 records of people and families; no larger file is read</source>
        <translation>die Datei enthält mehr als %1 Datensätze von Personen und Familien; keine größere Datei wird gelesen</translation>
    </message>
    <message>
        <source>a second person @%1@; the first one is used</source>
        <translation>eine zweite Person @%1@; die erste wird verwendet</translation>
    </message>
    <message>
        <source>a second family @%1@; the first one is used</source>
        <translation>eine zweite Familie @%1@; die erste wird verwendet</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>unknown character set %1; read as UTF-8</source>
        <translation>unbekannter Zeichensatz %1; als UTF-8 gelesen</translation>
    </message>
    <message>
        <source>there is not enough memory to read the file beyond this line</source>
        <translation>der Speicher reicht nicht, um die Datei über diese Zeile hinaus zu lesen</translation>
    </message>
    <message>
        <source>the line does not begin with a level number: &quot;%1&quot;</source>
        <translation>die Zeile beginnt nicht mit einer Ebenennummer: „%1“</translation>
    </message>
    <message>
        <source>the line has no tag</source>
        <translation>die Zeile hat kein Tag</translation>
    </message>
    <message>
        <source>a line longer than %1 characters; this is not a GEDCOM file</source>
        <translation>eine Zeile länger als %1 Zeichen; dies ist keine GEDCOM-Datei</translation>
    </message>
    <message>
        <source>@%1@ names the family @%2@, which the file does not hold; the parents are left empty</source>
        <translation>@%1@ verweist auf die Familie @%2@, die die Datei nicht enthält; die Eltern bleiben leer</translation>
    </message>
    <message>
        <source>the family names the person @%1@, whom the file does not hold; that box is left empty</source>
        <translation>die Familie verweist auf die Person @%1@, die die Datei nicht enthält; dieses Kästchen bleibt leer</translation>
    </message>
    <message>
        <source>@%1@ %2 is their own ancestor; the line is cut at number %3</source>
        <translation>@%1@ %2 ist der eigene Vorfahr; die Linie wird bei Nummer %3 abgeschnitten</translation>
    </message>
    <message>
        <source>not a GEDCOM file: it does not begin with &quot;0 HEAD&quot;</source>
        <translation>keine GEDCOM-Datei: sie beginnt nicht mit „0 HEAD“</translation>
    </message>
    <message>
        <source>not a GEDCOM file: it is empty</source>
        <translation>keine GEDCOM-Datei: sie ist leer</translation>
    </message>
    <message>
        <source>a record of more than %1 characters</source>
        <translation>ein Datensatz mit mehr als %1 Zeichen</translation>
    </message>
    <message>
        <source>a record begins at level %1, not 0</source>
        <translation>ein Datensatz beginnt auf Ebene %1, nicht 0</translation>
    </message>
    <message>
        <source>level %1 follows level %2</source>
        <translation>Ebene %1 folgt auf Ebene %2</translation>
    </message>
    <message>
        <source>a second record begins inside a record</source>
        <translation>ein zweiter Datensatz beginnt innerhalb eines Datensatzes</translation>
    </message>
    <message>
        <source>a text longer than %1 characters</source>
        <translation>ein Text länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>a record of more than %1 lines</source>
        <translation>ein Datensatz mit mehr als %1 Zeilen</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is Kinloom&apos;s temporary workbook of this chart, which is deleted when you go back or close the preview. Please save under another name.</source>
        <translation>„%1“ ist die temporäre Arbeitsmappe von Kinloom für diesen Stammbaum, die gelöscht wird, wenn Sie zurückgehen oder die Vorschau schließen. Bitte speichern Sie unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>The chart could not be printed on %1.</source>
        <translation>Der Stammbaum konnte nicht auf %1 gedruckt werden.</translation>
    </message>
    <message>
        <source>There is no preview window.</source>
        <translation>Es gibt kein Vorschaufenster.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>The settings store %1 cannot be read.</source>
        <translation>Der Einstellungsspeicher %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The settings store %1 cannot be written.</source>
        <translation>In den Einstellungsspeicher %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>No skin is loaded.</source>
        <translation>Es ist kein Skin geladen.</translation>
    </message>
    <message>
        <source>No web browser could be started for %1</source>
        <translation>Für %1 konnte kein Webbrowser gestartet werden</translation>
    </message>
    <message>
        <source>There is no workbook %1: %2 workbooks are open.</source>
        <translation>Es gibt keine Arbeitsmappe %1: %2 Arbeitsmappen sind geöffnet.</translation>
    </message>
    <message>
        <source>The workbook has already been closed.</source>
        <translation>Die Arbeitsmappe wurde bereits geschlossen.</translation>
    </message>
    <message>
        <source>The spreadsheet application has already quit.</source>
        <translation>Die Tabellenkalkulation wurde bereits beendet.</translation>
    </message>
    <message>
        <source>Too many different cell formats.</source>
        <translation>Zu viele verschiedene Zellformate.</translation>
    </message>
    <message>
        <source>Too many different fonts.</source>
        <translation>Zu viele verschiedene Schriftarten.</translation>
    </message>
    <message>
        <source>Row %1 is outside the sheet (rows 1 to %2).</source>
        <translation>Zeile %1 liegt außerhalb des Tabellenblatts (Zeilen 1 bis %2).</translation>
    </message>
    <message>
        <source>Column %1 is outside the sheet (columns 1 to %2).</source>
        <translation>Spalte %1 liegt außerhalb des Tabellenblatts (Spalten 1 bis %2).</translation>
    </message>
    <message>
        <source>Cell %1, %2 is outside the sheet.</source>
        <translation>Zelle %1, %2 liegt außerhalb des Tabellenblatts.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid cell address.</source>
        <translation>„%1“ ist keine gültige Zellbezeichnung.</translation>
    </message>
    <message>
        <source>There are no fonts to measure the texts with.</source>
        <translation>Es gibt keine Schriftarten, mit denen die Texte gemessen werden können.</translation>
    </message>
    <message>
        <source>%1 is not a page orientation (1 portrait, 2 landscape).</source>
        <translation>%1 ist keine Seitenausrichtung (1 Hochformat, 2 Querformat).</translation>
    </message>
    <message>
        <source>%1 is not a paper size.</source>
        <translation>%1 ist keine Papiergröße.</translation>
    </message>
    <message>
        <source>%1 is not a number of pages wide (0 to %2).</source>
        <translation>%1 ist keine Seitenzahl in der Breite (0 bis %2).</translation>
    </message>
    <message>
        <source>%1 is not a number of pages tall (0 to %2).</source>
        <translation>%1 ist keine Seitenzahl in der Höhe (0 bis %2).</translation>
    </message>
    <message>
        <source>A header has at most %1 characters.</source>
        <translation>Eine Kopfzeile hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>A footer has at most %1 characters.</source>
        <translation>Eine Fußzeile hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>There is no clipboard to copy the picture to.</source>
        <translation>Es gibt keine Zwischenablage, in die das Bild kopiert werden kann.</translation>
    </message>
    <message>
        <source>The picture cannot be written as %1: %2</source>
        <translation>Das Bild kann nicht als %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot load the picture &apos;%1&apos;: %2</source>
        <translation>Das Bild „%1“ kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>The picture is damaged: %1.</source>
        <translation>Das Bild ist beschädigt: %1.</translation>
    </message>
    <message>
        <source>its size is out of range</source>
        <translation>seine Größe liegt außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>a column is too wide</source>
        <translation>eine Spalte ist zu breit</translation>
    </message>
    <message>
        <source>a row is too tall</source>
        <translation>eine Zeile ist zu hoch</translation>
    </message>
    <message>
        <source>it has too many styles</source>
        <translation>es hat zu viele Stile</translation>
    </message>
    <message>
        <source>its rows do not match its cells</source>
        <translation>seine Zeilen passen nicht zu seinen Zellen</translation>
    </message>
    <message>
        <source>a cell lies outside</source>
        <translation>eine Zelle liegt außerhalb</translation>
    </message>
    <message>
        <source>its cells are out of order</source>
        <translation>seine Zellen sind nicht in der richtigen Reihenfolge</translation>
    </message>
    <message>
        <source>a merged area lies outside</source>
        <translation>ein verbundener Bereich liegt außerhalb</translation>
    </message>
    <message>
        <source>a text lies outside</source>
        <translation>ein Text liegt außerhalb</translation>
    </message>
    <message>
        <source>a text size is out of range</source>
        <translation>eine Textgröße liegt außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>a text is too long</source>
        <translation>ein Text ist zu lang</translation>
    </message>
    <message>
        <source>a text alignment is unknown</source>
        <translation>eine Textausrichtung ist unbekannt</translation>
    </message>
    <message>
        <source>The picture is damaged: it ends early or holds values out of range.</source>
        <translation>Das Bild ist beschädigt: Es endet zu früh oder enthält Werte außerhalb des gültigen Bereichs.</translation>
    </message>
    <message>
        <source>The file holds no sheet picture.</source>
        <translation>Die Datei enthält kein Bild eines Tabellenblatts.</translation>
    </message>
    <message>
        <source>The sheet picture is of an unknown version.</source>
        <translation>Das Bild des Tabellenblatts hat eine unbekannte Version.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; has been closed.</source>
        <translation>Die Arbeitsmappe „%1“ wurde geschlossen.</translation>
    </message>
    <message>
        <source>The range&apos;s first cell lies after its last cell.</source>
        <translation>Die erste Zelle des Bereichs liegt hinter seiner letzten.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a font name: a font name has 1 to %2 characters.</source>
        <translation>„%1“ ist kein Schriftartname: Ein Schriftartname hat 1 bis %2 Zeichen.</translation>
    </message>
    <message>
        <source>A font size must lie between 1 and 409 points.</source>
        <translation>Eine Schriftgröße muss zwischen 1 und 409 Punkt liegen.</translation>
    </message>
    <message>
        <source>%1 is not a colour index (1 to 56, or automatic).</source>
        <translation>%1 ist kein Farbindex (1 bis 56 oder automatisch).</translation>
    </message>
    <message>
        <source>%1 is not a fill colour index (1 to 56, or none).</source>
        <translation>%1 ist kein Füllfarbindex (1 bis 56 oder keiner).</translation>
    </message>
    <message>
        <source>%1 is not a border line style.</source>
        <translation>%1 ist keine Linienart für Rahmen.</translation>
    </message>
    <message>
        <source>%1 is not a border index (7 to 12).</source>
        <translation>%1 ist kein Rahmenindex (7 bis 12).</translation>
    </message>
    <message>
        <source>%1 is not a horizontal alignment.</source>
        <translation>%1 ist keine horizontale Ausrichtung.</translation>
    </message>
    <message>
        <source>A column width must lie between 0 and 255 characters.</source>
        <translation>Eine Spaltenbreite muss zwischen 0 und 255 Zeichen liegen.</translation>
    </message>
    <message>
        <source>Cannot merge %1: it overlaps the merged cells %2.</source>
        <translation>%1 kann nicht verbunden werden: Der Bereich überlappt die verbundenen Zellen %2.</translation>
    </message>
    <message>
        <source>A cell holds at most 32,767 characters; this text has %1.</source>
        <translation>Eine Zelle fasst höchstens 32.767 Zeichen; dieser Text hat %1.</translation>
    </message>
    <message>
        <source>Unknown cell format.</source>
        <translation>Unbekanntes Zellformat.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>The workbook could not be put together (%1: %2).</source>
        <translation>Die Arbeitsmappe konnte nicht zusammengestellt werden (%1: %2).</translation>
    </message>
    <message>
        <source>its compound file structure cannot be read</source>
        <translation>ihre Verbunddateistruktur kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its compound file structure cannot be read (%1)</source>
        <translation>ihre Verbunddateistruktur kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it holds no workbook stream</source>
        <translation>sie enthält keinen Arbeitsmappen-Stream</translation>
    </message>
    <message>
        <source>its workbook entry is not a stream</source>
        <translation>ihr Arbeitsmappen-Eintrag ist kein Stream</translation>
    </message>
    <message>
        <source>its workbook stream claims %1 bytes</source>
        <translation>ihr Arbeitsmappen-Stream gibt %1 Byte an</translation>
    </message>
    <message>
        <source>its workbook stream cannot be read in full</source>
        <translation>ihr Arbeitsmappen-Stream kann nicht vollständig gelesen werden</translation>
    </message>
    <message>
        <source>cell %1</source>
        <translation>Zelle %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>%1 refers to cell format %2, but the workbook has only %3</source>
        <translation>%1 verweist auf Zellformat %2, aber die Arbeitsmappe hat nur %3</translation>
    </message>
    <message>
        <source>the cell format of %1 refers to font %2, but the workbook has %3 fonts</source>
        <translation>das Zellformat von %1 verweist auf Schriftart %2, aber die Arbeitsmappe hat %3 Schriftarten</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an Excel 97-2003 workbook.</source>
        <translation>„%1“ ist keine Excel-97-2003-Arbeitsmappe.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an Excel 97-2003 workbook: %2.</source>
        <translation>„%1“ ist keine Excel-97-2003-Arbeitsmappe: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an Excel 97-2003 workbook: it is an Excel 5.0/95 workbook, which cannot be opened.</source>
        <translation>„%1“ ist keine Excel-97-2003-Arbeitsmappe: Sie ist eine Excel-5.0/95-Arbeitsmappe, die nicht geöffnet werden kann.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is password-protected: encrypted workbooks cannot be opened.</source>
        <translation>„%1“ ist kennwortgeschützt: Verschlüsselte Arbeitsmappen können nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged: %2.</source>
        <translation>„%1“ ist beschädigt: %2.</translation>
    </message>
    <message>
        <source>it is %1 bytes long, too short for its content</source>
        <translation>er ist %1 Byte lang, zu kurz für seinen Inhalt</translation>
    </message>
    <message>
        <source>the %1 record at byte %2 is not valid: %3</source>
        <translation>der %1-Datensatz bei Byte %2 ist ungültig: %3</translation>
    </message>
    <message>
        <source>a sheet starts at byte %1, past the end of the %2-byte workbook stream</source>
        <translation>ein Tabellenblatt beginnt bei Byte %1, hinter dem Ende des %2 Byte langen Arbeitsmappen-Streams</translation>
    </message>
    <message>
        <source>the workbook stream ends inside a record header at byte %1</source>
        <translation>der Arbeitsmappen-Stream endet innerhalb eines Datensatzkopfs bei Byte %1</translation>
    </message>
    <message>
        <source>the %1 record at byte %2 is cut short (%3 of its %4 bytes are there)</source>
        <translation>der %1-Datensatz bei Byte %2 ist abgeschnitten (%3 seiner %4 Byte sind vorhanden)</translation>
    </message>
    <message>
        <source>row %1 has a cell in column %2, past the sheet&apos;s %3 columns</source>
        <translation>Zeile %1 hat eine Zelle in Spalte %2, jenseits der %3 Spalten des Tabellenblatts</translation>
    </message>
    <message>
        <source>cell %1 holds %2 characters, more than the %3 a cell can hold</source>
        <translation>Zelle %1 enthält %2 Zeichen, mehr als die %3, die eine Zelle fassen kann</translation>
    </message>
    <message>
        <source>cell %1 refers to shared string %2, but the workbook has only %3</source>
        <translation>Zelle %1 verweist auf die gemeinsame Zeichenkette %2, aber die Arbeitsmappe hat nur %3</translation>
    </message>
    <message>
        <source>a formula&apos;s text is too long</source>
        <translation>der Text einer Formel ist zu lang</translation>
    </message>
    <message>
        <source>its length does not fit a run of cells</source>
        <translation>seine Länge passt nicht zu einer Folge von Zellen</translation>
    </message>
    <message>
        <source>it gives columns %1 to %2 but %3 cells</source>
        <translation>er nennt die Spalten %1 bis %2, aber %3 Zellen</translation>
    </message>
    <message>
        <source>it announces %1 merged areas but has room for %2</source>
        <translation>er kündigt %1 verbundene Bereiche an, hat aber Platz für %2</translation>
    </message>
    <message>
        <source>merged area %1 is not a range of the sheet</source>
        <translation>der verbundene Bereich %1 ist kein Bereich des Tabellenblatts</translation>
    </message>
    <message>
        <source>the sheet has more than %1 merged areas</source>
        <translation>das Tabellenblatt hat mehr als %1 verbundene Bereiche</translation>
    </message>
    <message>
        <source>sheet &apos;%1&apos; does not start with a worksheet BOF record</source>
        <translation>das Tabellenblatt „%1“ beginnt nicht mit einem BOF-Datensatz für Tabellenblätter</translation>
    </message>
    <message>
        <source>sheet &apos;%1&apos; ends before its EOF record</source>
        <translation>das Tabellenblatt „%1“ endet vor seinem EOF-Datensatz</translation>
    </message>
    <message>
        <source>a text ends before its %1 characters</source>
        <translation>ein Text endet vor seinen %1 Zeichen</translation>
    </message>
    <message>
        <source>a character is split between two records</source>
        <translation>ein Zeichen ist auf zwei Datensätze verteilt</translation>
    </message>
    <message>
        <source>a text&apos;s formatting runs are cut short</source>
        <translation>die Formatierungsabschnitte eines Textes sind abgeschnitten</translation>
    </message>
    <message>
        <source>a text&apos;s phonetic data is cut short</source>
        <translation>die phonetischen Daten eines Textes sind abgeschnitten</translation>
    </message>
    <message>
        <source>it announces %1 strings but holds only %2</source>
        <translation>er kündigt %1 Zeichenketten an, enthält aber nur %2</translation>
    </message>
    <message>
        <source>its workbook stream does not start with a BOF record</source>
        <translation>ihr Arbeitsmappen-Stream beginnt nicht mit einem BOF-Datensatz</translation>
    </message>
    <message>
        <source>its BOF record gives the unknown version 0x%1</source>
        <translation>ihr BOF-Datensatz nennt die unbekannte Version 0x%1</translation>
    </message>
    <message>
        <source>its first part is not the workbook globals</source>
        <translation>ihr erster Teil ist nicht der globale Teil der Arbeitsmappe</translation>
    </message>
    <message>
        <source>its workbook stream is empty</source>
        <translation>ihr Arbeitsmappen-Stream ist leer</translation>
    </message>
    <message>
        <source>the workbook stream ends before the end of its globals</source>
        <translation>der Arbeitsmappen-Stream endet vor dem Ende seines globalen Teils</translation>
    </message>
    <message>
        <source>a BOF record at byte %1 comes before the end of the globals</source>
        <translation>ein BOF-Datensatz bei Byte %1 kommt vor dem Ende des globalen Teils</translation>
    </message>
    <message>
        <source>it holds no worksheet</source>
        <translation>sie enthält kein Tabellenblatt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be opened: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The workbook could not be put together.</source>
        <translation>Die Arbeitsmappe konnte nicht zusammengestellt werden.</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>sie ist %1</translation>
    </message>
    <message>
        <source>the file ends without its trailer line &quot;0 TRLR&quot;: the file may be cut short</source>
        <translation>die Datei endet ohne ihre Schlusszeile „0 TRLR“: die Datei ist vielleicht abgeschnitten</translation>
    </message>
    <message>
        <source>not a GEDZIP file: %1</source>
        <translation>keine GEDZIP-Datei: %1</translation>
    </message>
    <message>
        <source>not a GEDZIP file: it holds no %1</source>
        <translation>keine GEDZIP-Datei: sie enthält keine %1</translation>
    </message>
    <message>
        <source>%1 in the archive cannot be read: %2</source>
        <translation>%1 im Archiv kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the family @%1@ lists @%2@ as a child, but @%2@ names the family @%3@; the parents are taken from @%3@</source>
        <translation>die Familie @%1@ führt @%2@ als Kind, aber @%2@ nennt die Familie @%3@; die Eltern werden aus @%3@ genommen</translation>
    </message>
    <message>
        <source>the file has changed since it was read; open it again</source>
        <translation>die Datei hat sich geändert, seit sie gelesen wurde; öffnen Sie sie erneut</translation>
    </message>
    <message>
        <source>cannot be unpacked into the temporary folder: %1</source>
        <translation>kann nicht in den temporären Ordner entpackt werden: %1</translation>
    </message>
    <message>
        <source>it leads through %1, a link that another user made in a folder everyone may write</source>
        <translation>sie führt über %1, einen Verweis, den ein anderer Benutzer in einem Ordner angelegt hat, in den jeder schreiben darf</translation>
    </message>
    <message>
        <source>The module %1 cannot be loaded: %2.</source>
        <translation>Das Modul %1 kann nicht geladen werden: %2.</translation>
    </message>
    <message>
        <source>The module %1 is not this version&apos;s.</source>
        <translation>Das Modul %1 gehört nicht zu dieser Version.</translation>
    </message>
    <message>
        <source>The picture cannot be written as an SVG file.</source>
        <translation>Das Bild kann nicht als SVG-Datei geschrieben werden.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more unknown character sets</source>
        <translation>
            <numerusform>und %n weiterer unbekannter Zeichensatz</numerusform>
            <numerusform>und %n weitere unbekannte Zeichensätze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more people under an identifier another person has</source>
        <translation>
            <numerusform>und %n weitere Person unter einer Kennung, die eine andere Person hat</numerusform>
            <numerusform>und %n weitere Personen unter einer Kennung, die eine andere Person hat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more families under an identifier another family has</source>
        <translation>
            <numerusform>und %n weitere Familie unter einer Kennung, die eine andere Familie hat</numerusform>
            <numerusform>und %n weitere Familien unter einer Kennung, die eine andere Familie hat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more links to families the file does not hold</source>
        <translation>
            <numerusform>und %n weiterer Verweis auf eine Familie, die die Datei nicht enthält</numerusform>
            <numerusform>und %n weitere Verweise auf Familien, die die Datei nicht enthält</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more links to people the file does not hold</source>
        <translation>
            <numerusform>und %n weiterer Verweis auf eine Person, die die Datei nicht enthält</numerusform>
            <numerusform>und %n weitere Verweise auf Personen, die die Datei nicht enthält</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more people who would be their own ancestor</source>
        <translation>
            <numerusform>und %n weitere Person, die ihr eigener Vorfahr wäre</numerusform>
            <numerusform>und %n weitere Personen, die ihr eigener Vorfahr wären</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more children whose family is not the one that lists them</source>
        <translation>
            <numerusform>und %n weiteres Kind, dessen Familie nicht die ist, die es führt</numerusform>
            <numerusform>und %n weitere Kinder, deren Familie nicht die ist, die sie führt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>gedcom::LifeYears</name>
    <message>
        <source>c. %1</source>
        <translation>um %1</translation>
    </message>
    <message>
        <source>bef. %1</source>
        <translation>vor %1</translation>
    </message>
    <message>
        <source>aft. %1</source>
        <translation>nach %1</translation>
    </message>
    <message>
        <source>(b. %1)</source>
        <translation>(* %1)</translation>
    </message>
    <message>
        <source>(d. %1)</source>
        <translation>(† %1)</translation>
    </message>
    <message>
        <source>%1 B.C.</source>
        <translation>%1 v. Chr.</translation>
    </message>
</context>
<context>
    <name>preview::Form2</name>
    <message>
        <source>Whole Chart</source>
        <translation>Ganzer Stammbaum</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken …</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Möchten Sie %1 wirklich überschreiben?</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Kinloom chart</source>
        <translation>Kinloom-Stammbaum</translation>
    </message>
</context>
<context>
    <name>shell::ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>in Zeile %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung an %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>shell::FamilyFileDialog</name>
    <message>
        <source>Fill from a Family File</source>
        <translation>Aus einer Familiendatei füllen</translation>
    </message>
    <message>
        <source>GEDCOM Files (*.ged *.GED *.gdz *.GDZ);;All Files (*)</source>
        <translation>GEDCOM-Dateien (*.ged *.GED *.gdz *.GDZ);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>shell::FamilyFileReading</name>
    <message>
        <source>Reading %1…</source>
        <translation>%1 wird gelesen …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>shell::FamilyFileUse</name>
    <message>
        <source>The family file cannot be read:</source>
        <translation>Die Familiendatei kann nicht gelesen werden:</translation>
    </message>
    <message>
        <source>%1 holds no person.</source>
        <translation>%1 enthält keine Person.</translation>
    </message>
</context>
<context>
    <name>shell::Form1</name>
    <message>
        <source>Fill from a Family File…</source>
        <translation>Aus einer Familiendatei füllen …</translation>
    </message>
    <message>
        <source>Ancestor Numbers in the Boxes</source>
        <translation>Ahnennummern in den Kästchen</translation>
    </message>
    <message>
        <source>Questions? Please contact Team Brenvik at %1</source>
        <translation>Fragen? Schreiben Sie an Team Brenvik: %1</translation>
    </message>
    <message>
        <source>Right-click or Ctrl+O: fill the chart from a family file (.ged)</source>
        <translation>Rechtsklick oder Strg+O: Stammbaum aus einer Familiendatei (.ged) füllen</translation>
    </message>
</context>
<context>
    <name>shell::PeopleModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Kennung</translation>
    </message>
</context>
<context>
    <name>shell::PersonPicker</name>
    <message>
        <source>Choose the Person – %1</source>
        <translation>Person wählen – %1</translation>
    </message>
    <message>
        <source>Whose ancestors fill the chart? Type a name, a year or an identifier:</source>
        <translation>Wessen Vorfahren sollen den Stammbaum füllen? Name, Jahr oder Kennung eingeben:</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln people</source>
        <translation>
            <numerusform>%Ln Person</numerusform>
            <numerusform>%Ln Personen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln people</source>
        <translation>
            <numerusform>%L1 von %Ln Person</numerusform>
            <numerusform>%L1 von %Ln Personen</numerusform>
        </translation>
    </message>
</context>
</TS>

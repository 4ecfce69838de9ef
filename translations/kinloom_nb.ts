<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>Form1</name>
    <message>
        <source>Form1</source>
        <translation>Form1</translation>
    </message>
    <message>
        <source>Start Creating Template</source>
        <translation>Lag mal</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation>Last inn eksempeldata</translation>
    </message>
    <message>
        <source>Family Tree For</source>
        <translation>Slektstre for</translation>
    </message>
    <message>
        <source>Number Of Generations (Including Youself)</source>
        <translation>Antall generasjoner (deg selv medregnet)</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Preview</source>
        <translation>Forhåndsvisning</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom inn</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom ut</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Tilbake</translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation>Lagre som Excel-fil</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Excel-arbeidsbok (*.xlsx)</translation>
    </message>
    <message>
        <source>OpenDocument Spreadsheet (*.ods)</source>
        <translation>OpenDocument-regneark (*.ods)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF-dokument (*.pdf)</translation>
    </message>
    <message>
        <source>SVG Picture (*.svg)</source>
        <translation>SVG-bilde (*.svg)</translation>
    </message>
    <message>
        <source>PNG Picture (*.png)</source>
        <translation>PNG-bilde (*.png)</translation>
    </message>
    <message>
        <source>Excel Files (*.xls)</source>
        <translation>Excel-filer (*.xls)</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Slektstre</translation>
    </message>
    <message>
        <source>Chart picture</source>
        <translation>Bilde av slektstreet</translation>
    </message>
    <message>
        <source>Scroll the chart up and down</source>
        <translation>Rull slektstreet opp og ned</translation>
    </message>
    <message>
        <source>Scroll the chart sideways</source>
        <translation>Rull slektstreet sidelengs</translation>
    </message>
    <message>
        <source>Chart at its own size</source>
        <translation>Slektstreet i egen størrelse</translation>
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
        <translation>Lager tomme maler for slektstrær i et vindu. Skriv navnet på personen
slektstreet går ut fra og antall generasjoner, personen selv medregnet
(opptil 15); Kinloom tegner én tom boks for hver ane, viser slektstreet i
et forhåndsvisningsvindu der det kan zoomes, rulles og dras, lagrer det som
en Excel 97-2003-arbeidsbok (.xls), en Excel-arbeidsbok (.xlsx), et
OpenDocument-regneark (.ods) eller et PDF-, SVG- eller PNG-bilde, og
skriver det ut (Ctrl+P).

Når det får en slektsfil (GEDCOM), leser Kinloom den og spør etter personen
hvis aner skal fylle boksene; hovedvinduets hurtigmeny (Fyll ut fra en
slektsfil …, Ctrl+O) og en .ged-fil som slippes på vinduet, gjør det samme.</translation>
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
Andre argumenter går til Qt, som tar imot sine standardvalg som
-platform NAVN og -style NAVN; resten blir oversett.

Avslutningsstatus:
  0  vinduene ble lukket, eller hjelpen eller versjonen ble vist.

Feil mens et slektstre lages eller lagres, vises i en meldingsboks og
avslutter ikke programmet. Uten skjerm kan ikke Kinloom starte.
</translation>
    </message>
    <message>
        <source>FILE.ged</source>
        <translation>FIL.ged</translation>
    </message>
    <message>
        <source>A family file to fill the chart from (GEDCOM 5.5, 5.5.1 or 7.0).</source>
        <translation>En slektsfil å fylle ut slektstreet fra (GEDCOM 5.5, 5.5.1 eller 7.0).</translation>
    </message>
    <message>
        <source>[FILE.ged]</source>
        <translation>[FIL.ged]</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Viser denne hjelpen og avslutter.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Viser versjonen og avslutter.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Bruk: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[valg]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Valg:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumenter:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Ukjent valg «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Ukjente valg: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Mangler verdi etter «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Uventet verdi etter «%1».</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nei</translation>
    </message>
</context>
<context>
    <name>chart::BuildRun</name>
    <message>
        <source>Numerical Value</source>
        <translation>Tallverdi</translation>
    </message>
</context>
<context>
    <name>chart::ChartLayout</name>
    <message>
        <source>Family Tree for %1</source>
        <extracomment>The chart&apos;s title; at most 16 characters go before the name.</extracomment>
        <translation>Slektstre for %1</translation>
    </message>
    <message>
        <source>%1 Generations</source>
        <translation>%1 generasjoner</translation>
    </message>
</context>
<context>
    <name>chart::Excel1</name>
    <message>
        <source>Excel may be open. It is recommended that you close Excel first.</source>
        <translation>Excel kan være åpent. Det anbefales at du lukker Excel først.</translation>
    </message>
    <message>
        <source>Use Ctrl+Alt+Del &gt; Task Manager &gt; EXCEL.EXE if necessary.</source>
        <translation>Bruk Ctrl+Alt+Del &gt; Oppgavebehandling &gt; EXCEL.EXE om nødvendig.</translation>
    </message>
    <message>
        <source>Would you like to proceed anyway?</source>
        <translation>Vil du fortsette likevel?</translation>
    </message>
</context>
<context>
    <name>chart::PictureExport</name>
    <message>
        <source>Family tree chart</source>
        <translation>Slektstre</translation>
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
        <translation>Tegner et tomt slektstre (én tom boks for hver ane, den eldste generasjonen
til venstre) og lagrer det som en arbeidsbok i formatet som filendelsen til
FIL angir: .xls (Excel 97-2003), .xlsx (Excel) eller .ods (OpenDocument,
LibreOffices eget). Alle andre endelser avvises før noe blir skrevet.

ANTALL er antall generasjoner, hovedpersonen medregnet, skrevet slik tall
skrives i din lokalinnstilling (punktum godtas også); slektstrær på opptil
15 generasjoner kan tegnes. Antallet står i slektstreet slik det ble skrevet.

Med --picture tegnes også de brukte cellene slik et regneark viser dem, i
formatet som filendelsen angir: et punktbilde (.bmp, .png, …) eller et
vektorbilde som er skarpt i alle størrelser: .svg for nettet, .pdf for
utskrift (A4-sider i liggende format, én side bred, slik arbeidsboken
skrives ut). Punktbilder av slektstrær på over 10 generasjoner skaleres ned
for å holde seg innenfor 32 767 piksler per side. Alle andre endelser avvises
før noe blir skrevet.

Med --gedcom fylles boksene fra en GEDCOM-fil (5.5, 5.5.1 eller 7.0) med
anene til --person: «Fornavn Etternavn (1820–1891)». Uten --generations er
slektstreet så dypt som de kjente anene (høyst 15); uten --root navngir
tittelen personen. Lenker som ikke peker noen steder, og personer som ville
vært sin egen ane, utelates med en advarsel.

Med --numbers får hver boks sitt anenummer: hovedpersonen er 1, faren til n
er 2n og moren 2n + 1.</translation>
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
Avslutningsstatus:
  0  arbeidsboken ble lagret.
  1  enhver annen feil, med årsaken på standard feilutgang.
  2  ANTALL, filtypen FIL angir eller et annet argument ble avvist,
     eller --person passer på flere personer (de blir listet opp).

En kjøring som feiler, etterlater ingen fil og endrer aldri en eksisterende FIL.
</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Viser denne hjelpen.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Viser versjonen.</translation>
    </message>
    <message>
        <source>Name of the person at the root (default: Halvarsen).</source>
        <translation>Navnet på hovedpersonen (standard: Halvarsen).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAVN</translation>
    </message>
    <message>
        <source>Number of generations (default: 5).</source>
        <translation>Antall generasjoner (standard: 5).</translation>
    </message>
    <message>
        <source>COUNT</source>
        <translation>ANTALL</translation>
    </message>
    <message>
        <source>Workbook to write (.xls, .xlsx or .ods).</source>
        <translation>Arbeidsboken som skal skrives (.xls, .xlsx eller .ods).</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FIL</translation>
    </message>
    <message>
        <source>Also write a picture of the chart.</source>
        <translation>Skriv også et bilde av slektstreet.</translation>
    </message>
    <message>
        <source>Put each box&apos;s ancestor number in it.</source>
        <translation>Skriv hver boks sitt anenummer i den.</translation>
    </message>
    <message>
        <source>Fill the boxes from a GEDCOM file.</source>
        <translation>Fyll ut boksene fra en GEDCOM-fil.</translation>
    </message>
    <message>
        <source>The root person of --gedcom: an identifier (@I1@) or a name (default: the file&apos;s first).</source>
        <translation>Hovedpersonen i --gedcom: en identifikator (@I1@) eller et navn (standard: den første i filen).</translation>
    </message>
    <message>
        <source>ID-OR-NAME</source>
        <translation>ID-ELLER-NAVN</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Uventet argument: %1</translation>
    </message>
    <message>
        <source>--person names someone in the file --gedcom reads; give that file too.</source>
        <translation>--person angir en person i filen --gedcom leser; oppgi også den filen.</translation>
    </message>
    <message>
        <source>Name the workbook to write with --output FILE.xls.</source>
        <translation>Angi arbeidsboken som skal skrives, med --output FIL.xls.</translation>
    </message>
    <message>
        <source>Cannot write pictures of the kind &apos;%1&apos; names; use .bmp, .png, .svg or .pdf.</source>
        <translation>Kan ikke skrive bilder av typen «%1» angir; bruk .bmp, .png, .svg eller .pdf.</translation>
    </message>
    <message>
        <source>The workbook and the picture cannot be the same file: %1</source>
        <translation>Arbeidsboken og bildet kan ikke være samme fil: %1</translation>
    </message>
    <message>
        <source>Cannot write workbooks of the kind &apos;%1&apos; names; use .xls, .xlsx or .ods.</source>
        <translation>Kan ikke skrive arbeidsbøker av typen «%1» angir; bruk .xls, .xlsx eller .ods.</translation>
    </message>
    <message>
        <source>There is not enough memory to draw this chart.</source>
        <translation>Det er ikke nok minne til å tegne dette slektstreet.</translation>
    </message>
    <message>
        <source>Cannot name the file &apos;%1&apos;: its name is not valid UTF-8, and another file would be used in its place.</source>
        <translation>Kan ikke bruke filnavnet «%1»: navnet er ikke gyldig UTF-8, og en annen fil ville blitt brukt i stedet.</translation>
    </message>
</context>
<context>
    <name>core::Error</name>
    <message>
        <source>Object variable not set: an earlier step failed.</source>
        <translation>Objektvariabelen er ikke satt: et tidligere trinn feilet.</translation>
    </message>
    <message>
        <source>The picture file holds no picture: no picture of the sheet was taken.</source>
        <translation>Bildefilen inneholder ikke noe bilde: det ble ikke tatt noe bilde av arket.</translation>
    </message>
    <message>
        <source>There is no file to save the chart in.</source>
        <translation>Det finnes ingen fil å lagre slektstreet i.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not name whole columns.</source>
        <translation>«%1» angir ikke hele kolonner.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a column width.</source>
        <translation>«%1» er ikke en kolonnebredde.</translation>
    </message>
    <message>
        <source>No %1 is running.</source>
        <translation>Ingen %1 kjører.</translation>
    </message>
    <message>
        <source>There is no sheet to take the picture of.</source>
        <translation>Det finnes ikke noe ark å ta bilde av.</translation>
    </message>
    <message>
        <source>Object variable not set: there is no workbook.</source>
        <translation>Objektvariabelen er ikke satt: det finnes ingen arbeidsbok.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture of a sheet.</source>
        <translation>Utklippstavlen inneholder ikke noe bilde av et ark.</translation>
    </message>
    <message>
        <source>the file holds no person</source>
        <translation>filen inneholder ingen personer</translation>
    </message>
    <message>
        <source>no person is &quot;%1&quot;; name one by identifier (@I1@) or name</source>
        <translation>ingen person er «%1»; angi en med identifikator (@I1@) eller navn</translation>
    </message>
    <message>
        <source>%1 people match &quot;%2&quot;; name one by identifier:</source>
        <translation>%1 personer passer på «%2»; angi én med identifikator:</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>og %1 til</translation>
    </message>
    <message>
        <source>@%1@ %2 has a name of %3 characters with the years; a box holds at most %4</source>
        <translation>@%1@ %2 har et navn på %3 tegn med årstallene; en boks rommer høyst %4</translation>
    </message>
    <message>
        <source>Number of generations must be numeric.</source>
        <translation>Antall generasjoner må være et tall.</translation>
    </message>
    <message>
        <source>Number of generations must be 15 or less.</source>
        <translation>Antall generasjoner kan høyst være 15.</translation>
    </message>
    <message>
        <source>The picture cannot be written as a PDF file.</source>
        <translation>Bildet kan ikke skrives som PDF-fil.</translation>
    </message>
    <message>
        <source>There is no kind of picture to write.</source>
        <translation>Det er ikke angitt noen bildetype å skrive.</translation>
    </message>
    <message>
        <source>Cannot create &apos;%1&apos;: %2</source>
        <translation>Kan ikke opprette «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot save &apos;%1&apos;: %2.</source>
        <translation>Kan ikke lagre «%1»: %2.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>en mappe</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>et navngitt rør</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>en enhet</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>en socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ikke en vanlig fil</translation>
    </message>
    <message>
        <source>the name is not a valid file name</source>
        <translation>navnet er ikke et gyldig filnavn</translation>
    </message>
    <message>
        <source>it is a link that leads to no file (%1)</source>
        <translation>den er en lenke som ikke fører til noen fil (%1)</translation>
    </message>
    <message>
        <source>it is %1, not a file that can be saved over</source>
        <translation>den er %1, ikke en fil som kan overskrives</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be opened: %2.</source>
        <translation>«%1» kan ikke åpnes: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read: %2.</source>
        <translation>«%1» kan ikke leses: %2.</translation>
    </message>
    <message>
        <source>the name is not valid</source>
        <translation>navnet er ugyldig</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: %2 bytes, where at most %3 are read.</source>
        <translation>«%1» er for stor: %2 byte, der høyst %3 leses.</translation>
    </message>
    <message>
        <source>the file holds more than %1 records of people and families; no larger file is read</source>
        <translation>filen inneholder mer enn %1 poster med personer og familier; ingen større fil leses</translation>
    </message>
    <message>
        <source>a second person @%1@; the first one is used</source>
        <translation>en person @%1@ til; den første brukes</translation>
    </message>
    <message>
        <source>a second family @%1@; the first one is used</source>
        <translation>en familie @%1@ til; den første brukes</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>filen finnes ikke</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kan ikke leses: %1</translation>
    </message>
    <message>
        <source>unknown character set %1; read as UTF-8</source>
        <translation>ukjent tegnsett %1; lest som UTF-8</translation>
    </message>
    <message>
        <source>there is not enough memory to read the file beyond this line</source>
        <translation>det er ikke nok minne til å lese filen forbi denne linjen</translation>
    </message>
    <message>
        <source>the line does not begin with a level number: &quot;%1&quot;</source>
        <translation>linjen begynner ikke med et nivånummer: «%1»</translation>
    </message>
    <message>
        <source>the line has no tag</source>
        <translation>linjen har ingen tagg</translation>
    </message>
    <message>
        <source>a line longer than %1 characters; this is not a GEDCOM file</source>
        <translation>en linje lengre enn %1 tegn; dette er ikke en GEDCOM-fil</translation>
    </message>
    <message>
        <source>@%1@ names the family @%2@, which the file does not hold; the parents are left empty</source>
        <translation>@%1@ viser til familien @%2@, som ikke finnes i filen; foreldrene står tomme</translation>
    </message>
    <message>
        <source>the family names the person @%1@, whom the file does not hold; that box is left empty</source>
        <translation>familien viser til personen @%1@, som ikke finnes i filen; den boksen står tom</translation>
    </message>
    <message>
        <source>@%1@ %2 is their own ancestor; the line is cut at number %3</source>
        <translation>@%1@ %2 er sin egen ane; linjen kuttes ved nummer %3</translation>
    </message>
    <message>
        <source>not a GEDCOM file: it does not begin with &quot;0 HEAD&quot;</source>
        <translation>ikke en GEDCOM-fil: den begynner ikke med «0 HEAD»</translation>
    </message>
    <message>
        <source>not a GEDCOM file: it is empty</source>
        <translation>ikke en GEDCOM-fil: den er tom</translation>
    </message>
    <message>
        <source>a record of more than %1 characters</source>
        <translation>en post på mer enn %1 tegn</translation>
    </message>
    <message>
        <source>a record begins at level %1, not 0</source>
        <translation>en post begynner på nivå %1, ikke 0</translation>
    </message>
    <message>
        <source>level %1 follows level %2</source>
        <translation>nivå %1 følger etter nivå %2</translation>
    </message>
    <message>
        <source>a second record begins inside a record</source>
        <translation>en ny post begynner inne i en post</translation>
    </message>
    <message>
        <source>a text longer than %1 characters</source>
        <translation>en tekst lengre enn %1 tegn</translation>
    </message>
    <message>
        <source>a record of more than %1 lines</source>
        <translation>en post på mer enn %1 linjer</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>advarsel: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is Kinloom&apos;s temporary workbook of this chart, which is deleted when you go back or close the preview. Please save under another name.</source>
        <translation>«%1» er Kinlooms midlertidige arbeidsbok for dette slektstreet, og den slettes når du går tilbake eller lukker forhåndsvisningen. Lagre under et annet navn.</translation>
    </message>
    <message>
        <source>The chart could not be printed on %1.</source>
        <translation>Slektstreet kunne ikke skrives ut på %1.</translation>
    </message>
    <message>
        <source>There is no preview window.</source>
        <translation>Det finnes ikke noe forhåndsvisningsvindu.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ugyldig bilde</translation>
    </message>
    <message>
        <source>The settings store %1 cannot be read.</source>
        <translation>Innstillingslageret %1 kan ikke leses.</translation>
    </message>
    <message>
        <source>The settings store %1 cannot be written.</source>
        <translation>Innstillingslageret %1 kan ikke skrives.</translation>
    </message>
    <message>
        <source>No skin is loaded.</source>
        <translation>Ingen drakt er lastet inn.</translation>
    </message>
    <message>
        <source>No web browser could be started for %1</source>
        <translation>Ingen nettleser kunne startes for %1</translation>
    </message>
    <message>
        <source>There is no workbook %1: %2 workbooks are open.</source>
        <translation>Det finnes ingen arbeidsbok %1: %2 arbeidsbøker er åpne.</translation>
    </message>
    <message>
        <source>The workbook has already been closed.</source>
        <translation>Arbeidsboken er allerede lukket.</translation>
    </message>
    <message>
        <source>The spreadsheet application has already quit.</source>
        <translation>Regnearkprogrammet er allerede avsluttet.</translation>
    </message>
    <message>
        <source>Too many different cell formats.</source>
        <translation>For mange ulike celleformater.</translation>
    </message>
    <message>
        <source>Too many different fonts.</source>
        <translation>For mange ulike skrifter.</translation>
    </message>
    <message>
        <source>Row %1 is outside the sheet (rows 1 to %2).</source>
        <translation>Rad %1 ligger utenfor arket (rad 1 til %2).</translation>
    </message>
    <message>
        <source>Column %1 is outside the sheet (columns 1 to %2).</source>
        <translation>Kolonne %1 ligger utenfor arket (kolonne 1 til %2).</translation>
    </message>
    <message>
        <source>Cell %1, %2 is outside the sheet.</source>
        <translation>Cellen %1, %2 ligger utenfor arket.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid cell address.</source>
        <translation>«%1» er ikke en gyldig celleadresse.</translation>
    </message>
    <message>
        <source>There are no fonts to measure the texts with.</source>
        <translation>Det finnes ingen skrifter å måle tekstene med.</translation>
    </message>
    <message>
        <source>%1 is not a page orientation (1 portrait, 2 landscape).</source>
        <translation>%1 er ikke en sideretning (1 stående, 2 liggende).</translation>
    </message>
    <message>
        <source>%1 is not a paper size.</source>
        <translation>%1 er ikke en papirstørrelse.</translation>
    </message>
    <message>
        <source>%1 is not a number of pages wide (0 to %2).</source>
        <translation>%1 er ikke et antall sider i bredden (0 til %2).</translation>
    </message>
    <message>
        <source>%1 is not a number of pages tall (0 to %2).</source>
        <translation>%1 er ikke et antall sider i høyden (0 til %2).</translation>
    </message>
    <message>
        <source>A header has at most %1 characters.</source>
        <translation>En topptekst har høyst %1 tegn.</translation>
    </message>
    <message>
        <source>A footer has at most %1 characters.</source>
        <translation>En bunntekst har høyst %1 tegn.</translation>
    </message>
    <message>
        <source>There is no clipboard to copy the picture to.</source>
        <translation>Det finnes ingen utklippstavle å kopiere bildet til.</translation>
    </message>
    <message>
        <source>The picture cannot be written as %1: %2</source>
        <translation>Bildet kan ikke skrives som %1: %2</translation>
    </message>
    <message>
        <source>Cannot load the picture &apos;%1&apos;: %2</source>
        <translation>Kan ikke laste inn bildet «%1»: %2</translation>
    </message>
    <message>
        <source>The picture is damaged: %1.</source>
        <translation>Bildet er skadet: %1.</translation>
    </message>
    <message>
        <source>its size is out of range</source>
        <translation>størrelsen er utenfor gyldig område</translation>
    </message>
    <message>
        <source>a column is too wide</source>
        <translation>en kolonne er for bred</translation>
    </message>
    <message>
        <source>a row is too tall</source>
        <translation>en rad er for høy</translation>
    </message>
    <message>
        <source>it has too many styles</source>
        <translation>det har for mange stiler</translation>
    </message>
    <message>
        <source>its rows do not match its cells</source>
        <translation>radene stemmer ikke med cellene</translation>
    </message>
    <message>
        <source>a cell lies outside</source>
        <translation>en celle ligger utenfor</translation>
    </message>
    <message>
        <source>its cells are out of order</source>
        <translation>cellene står i feil rekkefølge</translation>
    </message>
    <message>
        <source>a merged area lies outside</source>
        <translation>et sammenslått område ligger utenfor</translation>
    </message>
    <message>
        <source>a text lies outside</source>
        <translation>en tekst ligger utenfor</translation>
    </message>
    <message>
        <source>a text size is out of range</source>
        <translation>en tekststørrelse er utenfor gyldig område</translation>
    </message>
    <message>
        <source>a text is too long</source>
        <translation>en tekst er for lang</translation>
    </message>
    <message>
        <source>a text alignment is unknown</source>
        <translation>en tekstjustering er ukjent</translation>
    </message>
    <message>
        <source>The picture is damaged: it ends early or holds values out of range.</source>
        <translation>Bildet er skadet: det slutter for tidlig eller har verdier utenfor gyldig område.</translation>
    </message>
    <message>
        <source>The file holds no sheet picture.</source>
        <translation>Filen inneholder ikke noe bilde av et ark.</translation>
    </message>
    <message>
        <source>The sheet picture is of an unknown version.</source>
        <translation>Bildet av arket har en ukjent versjon.</translation>
    </message>
    <message>
        <source>The workbook &apos;%1&apos; has been closed.</source>
        <translation>Arbeidsboken «%1» er lukket.</translation>
    </message>
    <message>
        <source>The range&apos;s first cell lies after its last cell.</source>
        <translation>Områdets første celle ligger etter den siste.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a font name: a font name has 1 to %2 characters.</source>
        <translation>«%1» er ikke et skriftnavn: et skriftnavn har 1 til %2 tegn.</translation>
    </message>
    <message>
        <source>A font size must lie between 1 and 409 points.</source>
        <translation>En skriftstørrelse må ligge mellom 1 og 409 punkter.</translation>
    </message>
    <message>
        <source>%1 is not a colour index (1 to 56, or automatic).</source>
        <translation>%1 er ikke en fargeindeks (1 til 56, eller automatisk).</translation>
    </message>
    <message>
        <source>%1 is not a fill colour index (1 to 56, or none).</source>
        <translation>%1 er ikke en fyllfargeindeks (1 til 56, eller ingen).</translation>
    </message>
    <message>
        <source>%1 is not a border line style.</source>
        <translation>%1 er ikke en linjestil for kantlinjer.</translation>
    </message>
    <message>
        <source>%1 is not a border index (7 to 12).</source>
        <translation>%1 er ikke en kantlinjeindeks (7 til 12).</translation>
    </message>
    <message>
        <source>%1 is not a horizontal alignment.</source>
        <translation>%1 er ikke en vannrett justering.</translation>
    </message>
    <message>
        <source>A column width must lie between 0 and 255 characters.</source>
        <translation>En kolonnebredde må ligge mellom 0 og 255 tegn.</translation>
    </message>
    <message>
        <source>Cannot merge %1: it overlaps the merged cells %2.</source>
        <translation>Kan ikke slå sammen %1: området overlapper de sammenslåtte cellene %2.</translation>
    </message>
    <message>
        <source>A cell holds at most 32,767 characters; this text has %1.</source>
        <translation>En celle rommer høyst 32 767 tegn; denne teksten har %1.</translation>
    </message>
    <message>
        <source>Unknown cell format.</source>
        <translation>Ukjent celleformat.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>ukjent feil</translation>
    </message>
    <message>
        <source>The workbook could not be put together (%1: %2).</source>
        <translation>Arbeidsboken kunne ikke settes sammen (%1: %2).</translation>
    </message>
    <message>
        <source>its compound file structure cannot be read</source>
        <translation>den sammensatte filstrukturen kan ikke leses</translation>
    </message>
    <message>
        <source>its compound file structure cannot be read (%1)</source>
        <translation>den sammensatte filstrukturen kan ikke leses (%1)</translation>
    </message>
    <message>
        <source>it holds no workbook stream</source>
        <translation>den inneholder ingen arbeidsbokstrøm</translation>
    </message>
    <message>
        <source>its workbook entry is not a stream</source>
        <translation>arbeidsbokoppføringen er ikke en strøm</translation>
    </message>
    <message>
        <source>its workbook stream claims %1 bytes</source>
        <translation>arbeidsbokstrømmen oppgir %1 byte</translation>
    </message>
    <message>
        <source>its workbook stream cannot be read in full</source>
        <translation>arbeidsbokstrømmen kan ikke leses helt</translation>
    </message>
    <message>
        <source>cell %1</source>
        <translation>celle %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>kolonne %1</translation>
    </message>
    <message>
        <source>%1 refers to cell format %2, but the workbook has only %3</source>
        <translation>%1 viser til celleformat %2, men arbeidsboken har bare %3</translation>
    </message>
    <message>
        <source>the cell format of %1 refers to font %2, but the workbook has %3 fonts</source>
        <translation>celleformatet til %1 viser til skrift %2, men arbeidsboken har %3 skrifter</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an Excel 97-2003 workbook.</source>
        <translation>«%1» er ikke en Excel 97-2003-arbeidsbok.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an Excel 97-2003 workbook: %2.</source>
        <translation>«%1» er ikke en Excel 97-2003-arbeidsbok: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an Excel 97-2003 workbook: it is an Excel 5.0/95 workbook, which cannot be opened.</source>
        <translation>«%1» er ikke en Excel 97-2003-arbeidsbok: den er en Excel 5.0/95-arbeidsbok, som ikke kan åpnes.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is password-protected: encrypted workbooks cannot be opened.</source>
        <translation>«%1» er passordbeskyttet: krypterte arbeidsbøker kan ikke åpnes.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is damaged: %2.</source>
        <translation>«%1» er skadet: %2.</translation>
    </message>
    <message>
        <source>it is %1 bytes long, too short for its content</source>
        <translation>den er %1 byte lang, for kort for innholdet</translation>
    </message>
    <message>
        <source>the %1 record at byte %2 is not valid: %3</source>
        <translation>%1-posten ved byte %2 er ugyldig: %3</translation>
    </message>
    <message>
        <source>a sheet starts at byte %1, past the end of the %2-byte workbook stream</source>
        <translation>et ark begynner ved byte %1, etter slutten av arbeidsbokstrømmen på %2 byte</translation>
    </message>
    <message>
        <source>the workbook stream ends inside a record header at byte %1</source>
        <translation>arbeidsbokstrømmen slutter inne i et posthode ved byte %1</translation>
    </message>
    <message>
        <source>the %1 record at byte %2 is cut short (%3 of its %4 bytes are there)</source>
        <translation>%1-posten ved byte %2 er avkortet (%3 av de %4 bytene finnes)</translation>
    </message>
    <message>
        <source>row %1 has a cell in column %2, past the sheet&apos;s %3 columns</source>
        <translation>rad %1 har en celle i kolonne %2, utenfor arkets %3 kolonner</translation>
    </message>
    <message>
        <source>cell %1 holds %2 characters, more than the %3 a cell can hold</source>
        <translation>celle %1 inneholder %2 tegn, flere enn de %3 en celle kan romme</translation>
    </message>
    <message>
        <source>cell %1 refers to shared string %2, but the workbook has only %3</source>
        <translation>celle %1 viser til delt streng %2, men arbeidsboken har bare %3</translation>
    </message>
    <message>
        <source>a formula&apos;s text is too long</source>
        <translation>teksten til en formel er for lang</translation>
    </message>
    <message>
        <source>its length does not fit a run of cells</source>
        <translation>lengden passer ikke til en rekke celler</translation>
    </message>
    <message>
        <source>it gives columns %1 to %2 but %3 cells</source>
        <translation>den oppgir kolonne %1 til %2, men %3 celler</translation>
    </message>
    <message>
        <source>it announces %1 merged areas but has room for %2</source>
        <translation>den varsler %1 sammenslåtte områder, men har plass til %2</translation>
    </message>
    <message>
        <source>merged area %1 is not a range of the sheet</source>
        <translation>det sammenslåtte området %1 er ikke et område i arket</translation>
    </message>
    <message>
        <source>the sheet has more than %1 merged areas</source>
        <translation>arket har mer enn %1 sammenslåtte områder</translation>
    </message>
    <message>
        <source>sheet &apos;%1&apos; does not start with a worksheet BOF record</source>
        <translation>arket «%1» begynner ikke med en BOF-post for regneark</translation>
    </message>
    <message>
        <source>sheet &apos;%1&apos; ends before its EOF record</source>
        <translation>arket «%1» slutter før EOF-posten</translation>
    </message>
    <message>
        <source>a text ends before its %1 characters</source>
        <translation>en tekst slutter før de %1 tegnene</translation>
    </message>
    <message>
        <source>a character is split between two records</source>
        <translation>et tegn er delt mellom to poster</translation>
    </message>
    <message>
        <source>a text&apos;s formatting runs are cut short</source>
        <translation>formateringsavsnittene til en tekst er avkortet</translation>
    </message>
    <message>
        <source>a text&apos;s phonetic data is cut short</source>
        <translation>de fonetiske dataene til en tekst er avkortet</translation>
    </message>
    <message>
        <source>it announces %1 strings but holds only %2</source>
        <translation>den varsler %1 strenger, men inneholder bare %2</translation>
    </message>
    <message>
        <source>its workbook stream does not start with a BOF record</source>
        <translation>arbeidsbokstrømmen begynner ikke med en BOF-post</translation>
    </message>
    <message>
        <source>its BOF record gives the unknown version 0x%1</source>
        <translation>BOF-posten oppgir den ukjente versjonen 0x%1</translation>
    </message>
    <message>
        <source>its first part is not the workbook globals</source>
        <translation>den første delen er ikke arbeidsbokens globale del</translation>
    </message>
    <message>
        <source>its workbook stream is empty</source>
        <translation>arbeidsbokstrømmen er tom</translation>
    </message>
    <message>
        <source>the workbook stream ends before the end of its globals</source>
        <translation>arbeidsbokstrømmen slutter før slutten av den globale delen</translation>
    </message>
    <message>
        <source>a BOF record at byte %1 comes before the end of the globals</source>
        <translation>en BOF-post ved byte %1 kommer før slutten av den globale delen</translation>
    </message>
    <message>
        <source>it holds no worksheet</source>
        <translation>den inneholder ikke noe regneark</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be opened: %2</source>
        <translation>«%1» kan ikke åpnes: %2</translation>
    </message>
    <message>
        <source>The workbook could not be put together.</source>
        <translation>Arbeidsboken kunne ikke settes sammen.</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>den er %1</translation>
    </message>
    <message>
        <source>the file ends without its trailer line &quot;0 TRLR&quot;: the file may be cut short</source>
        <translation>filen slutter uten sluttlinjen «0 TRLR»: filen kan være avkortet</translation>
    </message>
    <message>
        <source>not a GEDZIP file: %1</source>
        <translation>ikke en GEDZIP-fil: %1</translation>
    </message>
    <message>
        <source>not a GEDZIP file: it holds no %1</source>
        <translation>ikke en GEDZIP-fil: den inneholder ingen %1</translation>
    </message>
    <message>
        <source>%1 in the archive cannot be read: %2</source>
        <translation>%1 i arkivet kan ikke leses: %2</translation>
    </message>
    <message>
        <source>the family @%1@ lists @%2@ as a child, but @%2@ names the family @%3@; the parents are taken from @%3@</source>
        <translation>familien @%1@ fører opp @%2@ som barn, men @%2@ oppgir familien @%3@; foreldrene hentes fra @%3@</translation>
    </message>
    <message>
        <source>the file has changed since it was read; open it again</source>
        <translation>filen er endret siden den ble lest; åpne den på nytt</translation>
    </message>
    <message>
        <source>cannot be unpacked into the temporary folder: %1</source>
        <translation>kan ikke pakkes ut i den midlertidige mappen: %1</translation>
    </message>
    <message>
        <source>it leads through %1, a link that another user made in a folder everyone may write</source>
        <translation>den fører gjennom %1, en lenke som en annen bruker har laget i en mappe alle kan skrive i</translation>
    </message>
    <message>
        <source>The module %1 cannot be loaded: %2.</source>
        <translation>Modulen %1 kan ikke lastes: %2.</translation>
    </message>
    <message>
        <source>The module %1 is not this version&apos;s.</source>
        <translation>Modulen %1 hører ikke til denne versjonen.</translation>
    </message>
    <message>
        <source>The picture cannot be written as an SVG file.</source>
        <translation>Bildet kan ikke skrives som en SVG-fil.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more unknown character sets</source>
        <translation>
            <numerusform>og %n ukjent tegnsett til</numerusform>
            <numerusform>og %n ukjente tegnsett til</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more people under an identifier another person has</source>
        <translation>
            <numerusform>og %n person til med en identifikator en annen person har</numerusform>
            <numerusform>og %n personer til med en identifikator en annen person har</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more families under an identifier another family has</source>
        <translation>
            <numerusform>og %n familie til med en identifikator en annen familie har</numerusform>
            <numerusform>og %n familier til med en identifikator en annen familie har</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more links to families the file does not hold</source>
        <translation>
            <numerusform>og %n lenke til en familie som ikke finnes i filen</numerusform>
            <numerusform>og %n lenker til familier som ikke finnes i filen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more links to people the file does not hold</source>
        <translation>
            <numerusform>og %n lenke til en person som ikke finnes i filen</numerusform>
            <numerusform>og %n lenker til personer som ikke finnes i filen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more people who would be their own ancestor</source>
        <translation>
            <numerusform>og %n person til som ville vært sin egen ane</numerusform>
            <numerusform>og %n personer til som ville vært sin egen ane</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more children whose family is not the one that lists them</source>
        <translation>
            <numerusform>og %n barn til hvis familie ikke er den som fører det opp</numerusform>
            <numerusform>og %n barn til hvis familie ikke er den som fører dem opp</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>gedcom::LifeYears</name>
    <message>
        <source>c. %1</source>
        <translation>ca. %1</translation>
    </message>
    <message>
        <source>bef. %1</source>
        <translation>før %1</translation>
    </message>
    <message>
        <source>aft. %1</source>
        <translation>etter %1</translation>
    </message>
    <message>
        <source>(b. %1)</source>
        <translation>(f. %1)</translation>
    </message>
    <message>
        <source>(d. %1)</source>
        <translation>(d. %1)</translation>
    </message>
    <message>
        <source>%1 B.C.</source>
        <translation>%1 f.Kr.</translation>
    </message>
</context>
<context>
    <name>preview::Form2</name>
    <message>
        <source>Whole Chart</source>
        <translation>Hele slektstreet</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Skriv ut …</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Lagre fil</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Er du sikker på at du vil overskrive %1?</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Ferdig.</translation>
    </message>
    <message>
        <source>Kinloom chart</source>
        <translation>Kinloom-slektstre</translation>
    </message>
</context>
<context>
    <name>shell::ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>på linje %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Send et skjermbilde av denne meldingen til %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Programfeil</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Ukjent feil</translation>
    </message>
</context>
<context>
    <name>shell::FamilyFileDialog</name>
    <message>
        <source>Fill from a Family File</source>
        <translation>Fyll ut fra en slektsfil</translation>
    </message>
    <message>
        <source>GEDCOM Files (*.ged *.GED *.gdz *.GDZ);;All Files (*)</source>
        <translation>GEDCOM-filer (*.ged *.GED *.gdz *.GDZ);;Alle filer (*)</translation>
    </message>
</context>
<context>
    <name>shell::FamilyFileReading</name>
    <message>
        <source>Reading %1…</source>
        <translation>Leser %1 …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>shell::FamilyFileUse</name>
    <message>
        <source>The family file cannot be read:</source>
        <translation>Slektsfilen kan ikke leses:</translation>
    </message>
    <message>
        <source>%1 holds no person.</source>
        <translation>%1 inneholder ingen personer.</translation>
    </message>
</context>
<context>
    <name>shell::Form1</name>
    <message>
        <source>Fill from a Family File…</source>
        <translation>Fyll ut fra en slektsfil …</translation>
    </message>
    <message>
        <source>Ancestor Numbers in the Boxes</source>
        <translation>Anenummer i boksene</translation>
    </message>
    <message>
        <source>Questions? Please contact Team Brenvik at %1</source>
        <translation>Spørsmål? Ta kontakt med Team Brenvik på %1</translation>
    </message>
    <message>
        <source>Right-click or Ctrl+O: fill the chart from a family file (.ged)</source>
        <translation>Høyreklikk eller Ctrl+O: fyll ut slektstreet fra en slektsfil (.ged)</translation>
    </message>
</context>
<context>
    <name>shell::PeopleModel</name>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>År</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identifikator</translation>
    </message>
</context>
<context>
    <name>shell::PersonPicker</name>
    <message>
        <source>Choose the Person – %1</source>
        <translation>Velg personen – %1</translation>
    </message>
    <message>
        <source>Whose ancestors fill the chart? Type a name, a year or an identifier:</source>
        <translation>Hvem sine aner skal fylle slektstreet? Skriv et navn, et årstall eller en identifikator:</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tøm</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personer</translation>
    </message>
    <message numerus="yes">
        <source>%Ln people</source>
        <translation>
            <numerusform>%Ln person</numerusform>
            <numerusform>%Ln personer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln people</source>
        <translation>
            <numerusform>%L1 av %Ln person</numerusform>
            <numerusform>%L1 av %Ln personer</numerusform>
        </translation>
    </message>
</context>
</TS>

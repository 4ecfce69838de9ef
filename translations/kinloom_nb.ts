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
</context>
<context>
    <name>shell::FamilyFileDialog</name>
    <message>
        <source>Fill from a Family File</source>
        <translation>Fyll ut fra en slektsfil</translation>
    </message>
    <message>
        <source>GEDCOM Files (*.ged *.GED);;All Files (*)</source>
        <translation>GEDCOM-filer (*.ged *.GED);;Alle filer (*)</translation>
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
        <translation>Hvis aner skal fylle tavlen? Skriv et navn, et årstall eller en identifikator:</translation>
    </message>
    <message>
        <source>%L1 people</source>
        <translation>%L1 personer</translation>
    </message>
    <message>
        <source>%L1 of %L2 people</source>
        <translation>%L1 av %L2 personer</translation>
    </message>
</context>
</TS>

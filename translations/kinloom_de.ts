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
</context>
<context>
    <name>shell::FamilyFileDialog</name>
    <message>
        <source>Fill from a Family File</source>
        <translation>Aus einer Familiendatei füllen</translation>
    </message>
    <message>
        <source>GEDCOM Files (*.ged *.GED);;All Files (*)</source>
        <translation>GEDCOM-Dateien (*.ged *.GED);;Alle Dateien (*)</translation>
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
        <translation>Wessen Vorfahren füllen die Tafel? Name, Jahr oder Kennung eingeben:</translation>
    </message>
    <message>
        <source>%L1 people</source>
        <translation>%L1 Personen</translation>
    </message>
    <message>
        <source>%L1 of %L2 people</source>
        <translation>%L1 von %L2 Personen</translation>
    </message>
</context>
</TS>

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
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>core::Error</name>
    <message numerus="yes">
        <source>and %n more unknown character sets</source>
        <translation>
            <numerusform>and %n more unknown character set</numerusform>
            <numerusform>and %n more unknown character sets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more people under an identifier another person has</source>
        <translation>
            <numerusform>and %n more person under an identifier another person has</numerusform>
            <numerusform>and %n more people under an identifier another person has</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more families under an identifier another family has</source>
        <translation>
            <numerusform>and %n more family under an identifier another family has</numerusform>
            <numerusform>and %n more families under an identifier another family has</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more links to families the file does not hold</source>
        <translation>
            <numerusform>and %n more link to a family the file does not hold</numerusform>
            <numerusform>and %n more links to families the file does not hold</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more links to people the file does not hold</source>
        <translation>
            <numerusform>and %n more link to a person the file does not hold</numerusform>
            <numerusform>and %n more links to people the file does not hold</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more people who would be their own ancestor</source>
        <translation>
            <numerusform>and %n more person who would be their own ancestor</numerusform>
            <numerusform>and %n more people who would be their own ancestor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more children whose family is not the one that lists them</source>
        <translation>
            <numerusform>and %n more child whose family is not the one that lists them</numerusform>
            <numerusform>and %n more children whose family is not the one that lists them</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>shell::PersonPicker</name>
    <message numerus="yes">
        <source>%Ln people</source>
        <translation>
            <numerusform>%Ln person</numerusform>
            <numerusform>%Ln people</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln people</source>
        <translation>
            <numerusform>%L1 of %Ln person</numerusform>
            <numerusform>%L1 of %Ln people</numerusform>
        </translation>
    </message>
</context>
</TS>

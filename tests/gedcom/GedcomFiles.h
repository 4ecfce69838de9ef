#pragma once

#include "gedcom/FamilyTreeReader.h"

#include <QString>

// The GEDCOM files the tests keep, written for them.
inline QString gedcomFile(const char* name) { return QStringLiteral(GEDCOM_FILES "/") + QString::fromLatin1(name); }

inline gedcom::FamilyTree readTestFile(const char* name) { return gedcom::readFamilyTree(gedcomFile(name)); }

#pragma once

#include "FamilyTree.h"

namespace gedcom {

// "(1820–1891)", "(b. 1820)", "(d. 1891)", or empty when neither year is
// known; approximate years keep their kind ("(c. 1820–bef. 1891)"). The
// words are worded in the user's language.
QString lifeYears(const Person& person);

// The name and life years, as a chart's box or a list shows the person:
// "Anna Hansdotter (1864–1945)".
QString personLabel(const Person& person);

} // namespace gedcom

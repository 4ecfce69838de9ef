#include "LifeYears.h"

#include "DateYear.h"

#include <QCoreApplication>

namespace gedcom {

QString lifeYears(const Person& person) {
    const QString birth = displayYear(person.birthDate);
    const QString death = displayYear(person.deathDate);
    if (!birth.isEmpty() && !death.isEmpty()) return QStringLiteral("(%1\u2013%2)").arg(birth, death);
    if (!birth.isEmpty()) return QCoreApplication::translate("gedcom::LifeYears", "(b. %1)").arg(birth);
    if (!death.isEmpty()) return QCoreApplication::translate("gedcom::LifeYears", "(d. %1)").arg(death);
    return {};
}

QString personLabel(const Person& person) {
    const QString years = lifeYears(person);
    if (years.isEmpty()) return person.name;
    if (person.name.isEmpty()) return years;
    return person.name + QLatin1Char(' ') + years;
}

} // namespace gedcom

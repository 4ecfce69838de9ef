// libFuzzer target for the GEDCOM reader: any bytes as a file, then the
// pedigree of its first person and the texts its boxes would show.
#include "gedcom/FamilyTreeReader.h"
#include "gedcom/GedcomError.h"
#include "gedcom/LifeYears.h"
#include "gedcom/Pedigree.h"
#include "gedcom/PersonLookup.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        const gedcom::FamilyTree tree = gedcom::readFamilyTree(buffer, QStringLiteral("fuzz.ged"));
        if (tree.personCount() == 0) return 0;
        const gedcom::Pedigree pedigree = gedcom::walkPedigree(tree, 0, 8);
        for (const int person : pedigree.personAt)
            if (person != gedcom::kNoPerson) (void)gedcom::personLabel(tree.person(person));
        (void)gedcom::findPeople(tree, tree.person(0).name);
    } catch (const core::Error&) {}
    return 0;
}

#include "Pedigree.h"

#include "GedcomError.h"
#include "LifeYears.h"
#include "Warnings.h"

#include <QSet>

#include <algorithm>
#include <bit>

namespace gedcom {

namespace {

class PedigreeWalk {
public:
    PedigreeWalk(const FamilyTree& tree, Pedigree& pedigree)
        : m_tree(tree), m_pedigree(pedigree), m_warnings(tree.fileName) {}
    void finish() { m_pedigree.warnings = m_warnings.lines(); }

    // The family whose children the person is, if it can be found: the one
    // the person names (FAMC), else the first that lists them (CHIL).
    std::optional<Family> parentsFamily(const Person& person, int index) {
        const ChildOf* chosen = nullptr;
        for (const ChildOf& link : person.childOf) {
            if (link.family.target.isEmpty()) continue;
            if (!chosen || (link.birth && !chosen->birth)) chosen = &link;
        }
        const std::span<const qint32> listing = m_tree.familiesListing(index);
        if (!chosen) return listing.empty() ? std::nullopt : std::optional(m_tree.family(listing.front()));
        for (const qint32 listed : listing) {
            const QString id = m_tree.familyId(listed);
            if (std::any_of(person.childOf.begin(), person.childOf.end(),
                            [&id](const ChildOf& link) { return link.family.target == id; }))
                continue;
            qint64 line = 0;
            for (const Link& child : m_tree.family(listed).children)
                if (child.target == person.id && line == 0) line = child.lineNumber;
            warn(WarningKind::ParentsDisagree, line,
                 core::Phrase(QT_TRANSLATE_NOOP("core::Error",
                                                 "the family @%1@ lists @%2@ as a child, but @%2@ names the "
                                                 "family @%3@; the parents are taken from @%3@"),
                               {shown(id), shown(person.id), shown(chosen->family.target)}));
        }
        std::optional<Family> family = m_tree.family(chosen->family.target);
        if (!family)
            warn(WarningKind::MissingFamily, chosen->family.lineNumber,
                 core::Phrase(
                     QT_TRANSLATE_NOOP(
                         "core::Error",
                         "@%1@ names the family @%2@, which the file does not hold; the parents are left empty"),
                     {shown(person.id), shown(chosen->family.target)}));
        return family;
    }

    int parent(const Link& link) {
        if (link.target.isEmpty()) return kNoPerson;
        const auto index = m_tree.personIndex(link.target);
        if (!index) {
            warn(WarningKind::MissingPerson, link.lineNumber,
                 core::Phrase(
                     QT_TRANSLATE_NOOP(
                         "core::Error",
                         "the family names the person @%1@, whom the file does not hold; that box is left empty"),
                     {shown(link.target)}));
            return kNoPerson;
        }
        return *index;
    }

    // True when the person already stands on the line from the root to n.
    bool isOwnAncestor(int person, std::size_t number) const {
        for (std::size_t below = number / 2; below >= 1; below /= 2)
            if (m_pedigree.personAt[below] == person) return true;
        return false;
    }

    void cutCycle(int person, std::size_t number, qint64 line) {
        const Person p = m_tree.person(person);
        warn(WarningKind::OwnAncestor, line,
             core::Phrase(
                 QT_TRANSLATE_NOOP("core::Error", "@%1@ %2 is their own ancestor; the line is cut at number %3"),
                 {shown(p.id), shown(personLabel(p)), number}));
    }

private:
    // Each link is reported once, however many boxes reach it.
    void warn(WarningKind kind, qint64 line, const core::Phrase& text) {
        const QString message = located(m_tree.fileName, line, text).english();
        if (m_seen.contains(message)) return;
        m_seen.insert(message);
        m_warnings.add(kind, line, text);
    }

    const FamilyTree& m_tree;
    Pedigree& m_pedigree;
    QSet<QString> m_seen;
    Warnings m_warnings;
};

} // namespace

Pedigree walkPedigree(const FamilyTree& tree, int root, int generations) {
    Pedigree pedigree;
    const std::size_t boxes = std::size_t(1) << generations;
    pedigree.personAt.assign(boxes, kNoPerson);
    pedigree.personAt[1] = root;
    pedigree.knownGenerations = 1;
    PedigreeWalk walk(tree, pedigree);
    for (std::size_t n = 1; n < boxes / 2; ++n) {
        const int child = pedigree.personAt[n];
        if (child == kNoPerson) continue;
        const std::optional<Family> family = walk.parentsFamily(tree.person(child), child);
        if (!family) continue;
        const Link* parents[2] = {&family->husband, &family->wife};
        for (std::size_t side = 0; side < 2; ++side) {
            const std::size_t number = 2 * n + side;
            const int person = walk.parent(*parents[side]);
            if (person == kNoPerson) continue;
            if (walk.isOwnAncestor(person, number)) {
                walk.cutCycle(person, number, parents[side]->lineNumber);
                continue;
            }
            pedigree.personAt[number] = person;
            pedigree.knownGenerations = std::max(pedigree.knownGenerations, static_cast<int>(std::bit_width(number)));
        }
    }
    walk.finish();
    return pedigree;
}

} // namespace gedcom

#pragma once

#include "core/Error.h"

#include <QString>
#include <QStringList>

#include <array>

namespace gedcom {

// How many warnings of one kind are shown; the rest are counted.
inline constexpr int kShownOfOneKind = 20;

enum class WarningKind {
    UnknownCharacterSet,
    SecondPerson,
    SecondFamily,
    MissingFamily,
    MissingPerson,
    OwnAncestor,
    ParentsDisagree,
    NoTrailer,
};

// The warnings about one file: the first kShownOfOneKind of each kind, then
// one line that counts the rest ("tree.ged: warning: and 1999979 more ..."),
// so that a file with a fault repeated a million times neither floods the
// terminal nor fills memory. Each is worded in the user's language as it is
// added.
class Warnings {
public:
    explicit Warnings(QString fileName) : m_fileName(std::move(fileName)) {}

    void add(WarningKind kind, qint64 line, core::Phrase text);
    // The warnings shown, in the order they came, then the counts of those left out.
    QStringList lines() const;

private:
    static constexpr std::size_t kKinds = static_cast<std::size_t>(WarningKind::NoTrailer) + 1;

    QString m_fileName;
    QStringList m_shown;
    std::array<qint64, kKinds> m_counts{};
};

} // namespace gedcom

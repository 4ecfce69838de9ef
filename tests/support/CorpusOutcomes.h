#pragma once

// A fuzzing corpus replayed in the suite: how each input ended, compared with
// how it ended when the corpus was recorded (outcomes.txt, "kind/name
// outcome" one line each), or recorded anew where KINLOOM_RECORD_CORPUS is set.
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

#include <cstdio>
#include <functional>
#include <map>
#include <utility>
#include <vector>

inline std::map<QString, QString> recordedOutcomes(const QString& path) {
    std::map<QString, QString> outcomes;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return outcomes;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        outcomes[line.section(QLatin1Char(' '), 0, 0)] = line.section(QLatin1Char(' '), 1);
    }
    return outcomes;
}

// Unpacks a corpus's inputs.tar.gz into the folder; false where tar fails.
inline bool unpackCorpus(const QString& tarball, const QString& into) {
    return QProcess::execute(QStringLiteral("tar"), {QStringLiteral("-xzf"), tarball, QStringLiteral("-C"), into}) == 0;
}

// How each input of the folders ends, by "kind/name": the folders are given
// by kind, and outcomeOf is told the kind along with the input's bytes.
inline std::map<QString, QString>
replayedOutcomes(const std::vector<std::pair<QString, QString>>& folderByKind,
                 const std::function<QString(const QByteArray& input, const QString& kind)>& outcomeOf) {
    std::map<QString, QString> outcomes;
    for (const auto& [kind, path] : folderByKind) {
        const QDir dir(path);
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
            QFile input(dir.filePath(name));
            if (!input.open(QIODevice::ReadOnly)) ADD_FAILURE() << "cannot read " << name.toStdString();
            outcomes[kind + QLatin1Char('/') + name] = outcomeOf(input.readAll(), kind);
        }
    }
    return outcomes;
}

// Records the outcomes when asked to, then expects each recorded one
// again, and at least `fewest` of them; prints how many were read and refused.
inline void expectRecordedOutcomes(const std::map<QString, QString>& outcomes, const QString& outcomesFile,
                                   std::size_t fewest, const char* what) {
    if (qEnvironmentVariableIsSet("KINLOOM_RECORD_CORPUS")) {
        QFile file(outcomesFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
        for (const auto& [input, outcome] : outcomes)
            file.write((input + QLatin1Char(' ') + outcome + QLatin1Char('\n')).toUtf8());
    }
    const std::map<QString, QString> expected = recordedOutcomes(outcomesFile);
    ASSERT_GE(expected.size(), fewest) << "the recorded outcomes are missing";
    for (const auto& [input, outcome] : expected) {
        SCOPED_TRACE(input.toStdString());
        const auto found = outcomes.find(input);
        ASSERT_NE(found, outcomes.end()) << "the input is missing from the corpus";
        EXPECT_EQ(found->second, outcome);
    }
    EXPECT_EQ(outcomes.size(), expected.size());
    std::size_t refused = 0;
    for (const auto& [input, outcome] : outcomes) refused += outcome.startsWith(QLatin1String("refused"));
    std::printf("[ figures  ] %zu %s inputs replayed: %zu read, %zu refused\n", outcomes.size(), what,
                outcomes.size() - refused, refused);
}

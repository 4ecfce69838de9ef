#include "RecordListing.h"

#include "command/ChartCommand.h"
#include "spreadsheet/xls/CompoundFile.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kGoldenListing = QStringLiteral(KINLOOM_CHART_GOLDEN_DATA "/chart-3-generations.records");

QByteArray chartFile(const QString& path) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const QStringList arguments{QStringLiteral("kinloom-chart"), QStringLiteral("--generations"), QStringLiteral("3"),
                                QStringLiteral("--output"), path};
    if (command::runChartCommand(arguments, outStream, errStream) != command::kExitSuccess) return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Every byte kinloom-chart writes for a three-generation chart, listed record
// by record and compared with the committed listing, so that a change in the
// bytes shows in review. KINLOOM_REFRESH_GOLDEN=1 writes the listing anew
// (cmake --build build --target golden-records).
TEST(ChartRecords, AThreeGenerationChartIsWrittenAsItsListingSays) {
    QTemporaryDir dir;
    const QByteArray file = chartFile(dir.filePath(QStringLiteral("chart.xls")));
    ASSERT_FALSE(file.isEmpty());
    const QString listing =
        QStringLiteral("compound file %1 bytes, SHA-256 %2\n")
            .arg(file.size())
            .arg(QString::fromLatin1(QCryptographicHash::hash(file, QCryptographicHash::Sha256).toHex()))
        + listRecords(spreadsheet::xls::workbookStream(file));

    QFile golden(kGoldenListing);
    if (qEnvironmentVariableIsSet("KINLOOM_REFRESH_GOLDEN")) {
        ASSERT_TRUE(golden.open(QIODevice::WriteOnly | QIODevice::Truncate)) << golden.errorString().toStdString();
        golden.write(listing.toUtf8());
        GTEST_SKIP() << "wrote " << kGoldenListing.toStdString();
    }
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << kGoldenListing.toStdString();
    EXPECT_EQ(listing.toStdString(), golden.readAll().toStdString());
}

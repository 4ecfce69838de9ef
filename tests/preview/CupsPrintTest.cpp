// Printing through a real CUPS queue, in a program of its own: the CUPS
// library keeps the first server a process asks, so no other printing may
// come before it.
#include "chart/PictureExport.h"
#include "shell/shared/PrintDialog.h"

#include "CupsQueue.h"
#include "PreviewWindow.h"
#include "PrintedCharts.h"
#include "tests/support/ShellSandbox.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QRegularExpression>

// Through a real CUPS queue of the test's own, to a cups-pdf printer.
TEST(CupsPrint, ACupsQueuePrintsTheChartOnAsManyPagesAsThePdf) {
    ShellSandbox sandbox;
    shell::PrintDialogTestSeam printDialogs;
    preview::Form2 form;
    CupsQueue queue;
    if (!queue.whyNot().isEmpty()) GTEST_SKIP() << "No CUPS queue: " << queue.whyNot().toStdString();
    qputenv("CUPS_SERVER", QFile::encodeName(queue.socket()));
    const spreadsheet::VectorPicture picture = chartOf("7");
    form.setPicture(picture);
    form.Show();
    QApplication::setActiveWindow(&form);
    const QString title = QStringLiteral("kinloom-print-test-%1").arg(::getpid());
    bool queueSeen = false;
    printDialogs.setNextAnswer([&](QPrinter& printer) {
        printer.setPrinterName(QString::fromLatin1(CupsQueue::kPrinter));
        printer.setDocName(title);
        queueSeen = printer.isValid() && printer.outputFormat() == QPrinter::NativeFormat;
        return queueSeen;
    });
    QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
    qunsetenv("CUPS_SERVER");
    ASSERT_TRUE(queueSeen) << "Qt does not see the queue " << CupsQueue::kPrinter;
    ASSERT_TRUE(sandbox.messages.shown().empty()) << sandbox.messages.shown()[0].text.toStdString();
    const QString printed = queue.finish(title);
    ASSERT_FALSE(printed.isEmpty()) << "cups-pdf wrote nothing. The queue's log:\n" << queue.log().toStdString();

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {printed});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString text = QString::fromLocal8Bit(info.readAllStandardOutput());
    const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(text).captured(1).toInt();
    EXPECT_EQ(pages, pageCount(chart::exportedPictureBytes(picture, chart::PictureFileKind::Pdf)))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("(A4)"))) << text.toStdString();
}

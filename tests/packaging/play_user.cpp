// Loaded into an installed kinloom through LD_PRELOAD, it plays a user who
// clicks "Start Creating Template", looks at the preview and closes it, which
// ends the program. It reports on standard output what it saw, for the test
// script to judge: the files made in the temporary folder, every message
// box (closed, so the program goes on), and whether the preview shows the
// chart's lime boxes.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <sys/inotify.h>
#include <unistd.h>

#include <cstdio>

namespace {

int g_watch = -1;

void report(const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

QWidget* window(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String(name)) return widget;
    return nullptr;
}

// Files made in the temporary folder since the watch began.
void reportCreatedFiles() {
    alignas(inotify_event) char buffer[8192];
    ssize_t length;
    while ((length = ::read(g_watch, buffer, sizeof buffer)) > 0) {
        for (char* at = buffer; at < buffer + length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            if (event->len > 0) report(QStringLiteral("created: ") + QString::fromLocal8Bit(event->name));
            at += sizeof(inotify_event) + event->len;
        }
    }
}

bool showsLime(QWidget* canvas) {
    const QImage shot = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) == qRgb(153, 204, 0)) return true;
    return false;
}

void closeMessageBoxes() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        report(QStringLiteral("message: %1: %2").arg(box->windowTitle(), box->text()));
        box->done(QMessageBox::Ok);
    }
}

void clickThrough() {
    QWidget* main = window("Form1");
    if (main == nullptr || !main->isVisible() || QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(20, clickThrough);
        return;
    }
    report(QStringLiteral("generations: ") + main->findChild<QLineEdit*>(QStringLiteral("Text2"))->text());
    main->findChild<QPushButton*>(QStringLiteral("PushButton1"))->click(); // the whole build run
    reportCreatedFiles();
    QWidget* preview = window("Form2");
    if (preview == nullptr || !preview->isVisible()) {
        report(QStringLiteral("no preview"));
        QApplication::exit(3);
        return;
    }
    report(showsLime(preview->findChild<QWidget*>(QStringLiteral("Picture1"))) ? QStringLiteral("preview: chart")
                                                                               : QStringLiteral("preview: no chart"));
    preview->close(); // deletes the temporary workbook and ends the program
}

void start() {
    g_watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ::inotify_add_watch(g_watch, QFile::encodeName(QDir::tempPath()).constData(), IN_CREATE | IN_MOVED_TO);
    auto* boxes = new QTimer(qApp);
    QObject::connect(boxes, &QTimer::timeout, closeMessageBoxes);
    boxes->start(20);
    QTimer::singleShot(0, clickThrough);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(start)

#include "FamilyFileReading.h"

#include "gedcom/FamilyTreeReader.h"
#include "shell/shared/ApplicationTitle.h"
#include "shell/shared/TrappedHandler.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

namespace shell {

namespace {

// A reading that ends sooner shows no progress at all.
constexpr int kProgressDelayMs = 400;
constexpr int kProgressTickMs = 50;
constexpr int kProgressSteps = 1000;

} // namespace

FamilyFileReading::FamilyFileReading(QString path, QObject* parent) : QObject(parent), m_path(std::move(path)) {
    m_thread.reset(QThread::create([this] {
        try {
            m_tree = gedcom::readFamilyTree(m_path, m_progress);
        } catch (...) {
            m_failure = std::current_exception();
        }
    }));
    connect(m_thread.get(), &QThread::finished, this, &FamilyFileReading::finished);
}

FamilyFileReading::~FamilyFileReading() {
    stop();
    m_thread->wait();
}

void FamilyFileReading::start() { m_thread->start(); }

bool FamilyFileReading::waitShowingProgress(QWidget* parent) {
    if (!m_thread->isFinished()) {
        QProgressDialog progress(tr("Reading %1…").arg(QFileInfo(m_path).fileName()), tr("Cancel"), 0, kProgressSteps,
                                 parent);
        progress.setObjectName(QStringLiteral("ReadingProgress"));
        progress.setWindowTitle(applicationTitle());
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(kProgressDelayMs);
        progress.setAutoReset(false);
        progress.setAutoClose(false);
        // The caller waits for the tree, as a handler waits for a message box:
        // the loop delivers the window's events meanwhile and ends at the
        // reading's end or Cancel. It is a loop of its own rather than the
        // dialog's exec(), so that a short reading shows no dialog at all.
        QEventLoop loop;
        connect(this, &FamilyFileReading::finished, &loop, &QEventLoop::quit);
        connect(&progress, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
        QTimer tick;
        connect(&tick, &QTimer::timeout, &progress, [&] {
            const qint64 size = std::max<qint64>(1, m_progress.fileSize);
            progress.setValue(
                static_cast<int>(std::min<qint64>(kProgressSteps - 1, m_progress.bytesRead * kProgressSteps / size)));
        });
        tick.start(kProgressTickMs);
        if (!m_thread->isFinished()) loop.exec();
        // Cancel stops the reading, and so does the end of the program
        // (SIGTERM, a log-out), which ended the wait too.
        if (progress.wasCanceled() || TrappedHandler::applicationEnded()) stop();
    }
    m_thread->wait();
    return !m_progress.stopRequested;
}

gedcom::FamilyTree FamilyFileReading::takeTree() {
    m_thread->wait();
    if (m_failure) std::rethrow_exception(m_failure);
    return std::move(*m_tree);
}

} // namespace shell

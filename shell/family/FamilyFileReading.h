#pragma once

#include "gedcom/FamilyTree.h"
#include "gedcom/ReadingProgress.h"

#include <QObject>
#include <QString>

#include <exception>
#include <memory>
#include <optional>

class QThread;
class QWidget;

namespace shell {

// Reads a family file on a thread of its own, so that the windows answer
// while a large file is read.
class FamilyFileReading : public QObject {
    Q_OBJECT

public:
    explicit FamilyFileReading(QString path, QObject* parent = nullptr);
    // Stops a reading under way and waits for its end.
    ~FamilyFileReading() override;

    const QString& path() const { return m_path; }
    void start();
    // Asks the reading to stop; it ends soon after, without a tree.
    void stop() { m_progress.stopRequested = true; }

    // Waits for the end of the reading. When it takes a while, it shows how
    // far it has come, with a Cancel button that stops it. False when the
    // reading was stopped.
    bool waitShowingProgress(QWidget* parent);

    // The tree read. Throws what the reader threw: a core::Error (DataDamaged) for
    // a file that cannot be read, gedcom::ReadingStopped after a stop.
    gedcom::FamilyTree takeTree();

signals:
    void finished();

private:
    QString m_path;
    gedcom::ReadingProgress m_progress;
    std::optional<gedcom::FamilyTree> m_tree;
    std::exception_ptr m_failure;
    std::unique_ptr<QThread> m_thread;
};

} // namespace shell

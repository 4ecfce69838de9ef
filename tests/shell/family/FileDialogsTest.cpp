// The file dialogs open large enough to show sizes, dates and longer words whole.
#include "shell/family/FamilyFileDialog.h"
#include "shell/shared/SaveFileDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

TEST(FileDialogs, TheSaveAndOpenDialogsShowAtLeast800By560) {
    // Qt keeps what its file dialog last showed among the user's settings.
    QTemporaryDir settings;
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settings.path());
    const struct {
        const char* dialog;
        std::function<void()> show;
    } dialogs[] = {
        {"save",
         [] {
             shell::SaveFileDialog save;
             save.filter = QStringLiteral("Excel Files (*.xls)|*.xls|");
             save.showSave();
         }},
        {"open", [] { shell::chooseFamilyFile(nullptr, QString()); }},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.dialog);
        QSize shown;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                shown = dialog->size();
                dialog->reject();
            }
        });
        poll.start(5);
        d.show();
        EXPECT_GE(shown.width(), 800);
        EXPECT_GE(shown.height(), 560);
    }
}

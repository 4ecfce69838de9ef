#include "WindowColours.h"

#include "ApplicationFolders.h"
#include "PictureBox.h"
#include "SkinFramework.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QWidget>

namespace shell {
namespace {

// The controls of a window: the widgets it was built with, not the inner
// parts Qt makes for some of them.
QList<QWidget*> controlsOf(QWidget& window) {
    QList<QWidget*> controls;
    const auto children = window.findChildren<QWidget*>();
    for (QWidget* child : children) {
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) controls << child;
    }
    return controls;
}

bool isFaceColouredControl(const QWidget* control) {
    return qobject_cast<const QRadioButton*>(control) || qobject_cast<const QCheckBox*>(control)
        || qobject_cast<const QGroupBox*>(control) || qobject_cast<const QLabel*>(control);
}

} // namespace

QColor buttonFaceColor() { return QGuiApplication::palette().color(QPalette::Active, QPalette::Button); }

void setBackColor(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void SetButtonFaceColors(QWidget& window) {
    const QColor face = buttonFaceColor();
    setBackColor(window, face);
    for (QWidget* control : controlsOf(window))
        if (isFaceColouredControl(control)) setBackColor(*control, face);
}

QString skinFilePath() { return applicationFilePath(QStringLiteral("x/o.cjs")); }

void ApplySkin(QWidget& mainWindow, SkinFramework& skin) {
    const QString path = skinFilePath();
    if (!QFileInfo(path).isFile()) return;

    const QColor face = buttonFaceColor();
    setBackColor(mainWindow, face);
    for (QWidget* control : controlsOf(mainWindow))
        if (isFaceColouredControl(control) || qobject_cast<const PictureBox*>(control)) setBackColor(*control, face);

    skin.loadSkin(path, QString());
    skin.setOptions(skin.options() | SkinFramework::kApplyStyleSheet);
    skin.setApplyToNewWindows(true);
    skin.setApplyToDialogs(true);
    skin.applyWindow(mainWindow);
}

} // namespace shell

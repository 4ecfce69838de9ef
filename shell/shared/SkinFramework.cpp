#include "SkinFramework.h"

#include "Failure.h"

#include <QFile>
#include <QWidget>

namespace shell {

void SkinFramework::loadSkin(const QString& skinPath, const QString& /*variant*/) {
    QFile file(skinPath);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("The skin file %1 cannot be read: %2").arg(skinPath, file.errorString()));
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Failure(QStringLiteral("The skin file %1 cannot be read: %2").arg(skinPath, file.errorString()));
    m_styleSheet = QString::fromUtf8(content);
    m_loaded = true;
}

void SkinFramework::applyWindow(QWidget& window) const {
    if (!m_loaded) throw Failure(QStringLiteral("No skin is loaded."));
    if (m_options & kApplyStyleSheet) window.setStyleSheet(m_styleSheet);
}

} // namespace shell

#include "SkinFramework.h"

#include "core/Error.h"
#include "files/WholeFile.h"

#include <QWidget>

namespace shell {

void SkinFramework::loadSkin(const QString& skinPath, const QString& /*variant*/) {
    m_styleSheet = QString::fromUtf8(files::readWholeFile(skinPath));
    m_loaded = true;
}

void SkinFramework::applyWindow(QWidget& window) const {
    if (!m_loaded)
        throw core::Error(core::ErrorKind::StepFailed, QT_TRANSLATE_NOOP("core::Error", "No skin is loaded."));
    if (m_options & kApplyStyleSheet) window.setStyleSheet(m_styleSheet);
}

} // namespace shell

#include "SkinFramework.h"

#include "core/Error.h"
#include "files/WholeFile.h"

#include <QWidget>

namespace shell {

namespace {

// A style sheet of a few pages; a skin file of hundreds of megabytes is not
// read into memory.
constexpr qint64 kMaxSkinBytes = 4 * 1024 * 1024;

} // namespace

void SkinFramework::loadSkin(const QString& skinPath, const QString& /*variant*/) {
    m_styleSheet = QString::fromUtf8(files::readWholeFile(skinPath, kMaxSkinBytes));
    m_loaded = true;
}

void SkinFramework::applyWindow(QWidget& window) const {
    if (!m_loaded)
        throw core::Error(core::ErrorKind::StepFailed, QT_TRANSLATE_NOOP("core::Error", "No skin is loaded."));
    if (m_options & kApplyStyleSheet) window.setStyleSheet(m_styleSheet);
}

} // namespace shell

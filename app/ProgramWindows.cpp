#include "ProgramWindows.h"

ProgramWindows::ProgramWindows() {
    m_main.setPreviewWindowProvider([this]() -> chart::PreviewWindow& { return previewWindow(); });
}

preview::Form2& ProgramWindows::previewWindow() {
    if (!m_preview) {
        m_preview = std::make_unique<preview::Form2>();
        m_preview->setShowMainWindow([this] { m_main.show(); });
    }
    return *m_preview;
}

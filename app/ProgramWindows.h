#pragma once

#include "preview/Form2.h"
#include "shell/mainwindow/Form1.h"

#include <memory>

// The program's two windows and how they reach each other: the main window
// shows first; the preview window is made the first time a build run refers
// to it, and its back button brings the main window back.
class ProgramWindows {
public:
    ProgramWindows();

    shell::Form1& mainWindow() { return m_main; }
    // The preview window, or null while no build run has referred to it.
    preview::Form2* previewWindowIfLoaded() { return m_preview.get(); }

private:
    preview::Form2& previewWindow();

    shell::Form1 m_main;
    std::unique_ptr<preview::Form2> m_preview;
};

#pragma once

#include <QString>

class QWidget;

namespace shell {

// The skin engine: a skin file holds a Qt style sheet that is laid over a
// window. It offers the five operations the start-up drives, in this order:
// load, options, two switches, apply to a window.
class SkinFramework {
public:
    // Bit of options(): lay the loaded sheet over the windows it is applied to.
    static constexpr int kApplyStyleSheet = 1;

    // Reads the skin file; the second argument names a section of a skin
    // with several variants and is unused by style-sheet skins. Throws
    // core::Error when the file cannot be read.
    void loadSkin(const QString& skinPath, const QString& variant);

    int options() const { return m_options; }
    void setOptions(int options) { m_options = options; }

    // Switches a skin engine that paints foreign windows would turn on: new
    // windows and dialogs. A style sheet reaches only the window it is
    // applied to, so there is nothing for them to switch.
    void setApplyToNewWindows(bool /*on*/) {}
    void setApplyToDialogs(bool /*on*/) {}

    // Lays the loaded sheet over the window. Throws core::Error when no skin
    // has been loaded.
    void applyWindow(QWidget& window) const;

    bool isLoaded() const { return m_loaded; }
    const QString& styleSheet() const { return m_styleSheet; }

private:
    QString m_styleSheet;
    bool m_loaded = false;
    int m_options = 0;
};

} // namespace shell

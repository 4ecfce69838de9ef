#include "MessageBox.h"

#include "ApplicationTitle.h"

#include "core/VisibleText.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

namespace shell {
namespace {

MessageBoxTestSeam* activeSeam = nullptr;

constexpr int buttonBits = 0x7;
constexpr int iconBits = 0x70;

int defaultAnswer(int style) { return (style & buttonBits) == vbYesNo ? vbYes : vbOK; }

QMessageBox::Icon iconFor(int style) {
    switch (style & iconBits) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// A lone CR is a line break in the report's text; Qt would show nothing.
QString displayedText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// What a window manager's title bar holds beside the caption: the window's
// icon and its buttons, with their margins.
constexpr int kTitleBarRoom = 120;

// Qt's message box breaks its text anywhere, not only between words, once
// the box would pass this width on a screen of that width; a line holding a
// web address is kept whole only well within it.
int widestUnbrokenBox(int screenWidth) { return screenWidth <= 1024 ? screenWidth : std::min(screenWidth - 480, 1000); }
// Beside the text: the icon's column and the box's margins.
constexpr int kTextChromeRoom = 120;

bool holdsWebAddress(const QString& paragraph) { return paragraph.contains(QStringLiteral("://")); }

// A box is never narrower than its caption needs, and a paragraph that
// holds a web address goes on one line, so that the address is never
// broken where it has a slash.
void fitCaptionAndAddresses(QMessageBox& box) {
    auto* layout = qobject_cast<QGridLayout*>(box.layout());
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* buttons = box.findChild<QDialogButtonBox*>(QStringLiteral("qt_msgbox_buttonbox"));
    if (!layout || !label || !buttons) return;
    box.ensurePolished(); // measured in the fonts the box shows

    QFont captionFont = box.font();
    captionFont.setBold(true);
    const QMargins margins = layout->contentsMargins();
    // The buttons' row spans the box: holding it wide widens the box.
    buttons->setMinimumWidth(QFontMetrics(captionFont).horizontalAdvance(box.windowTitle()) + kTitleBarRoom
                             - margins.left() - margins.right());

    int addressLine = 0;
    int longestLine = 0;
    const QFontMetrics metrics = label->fontMetrics();
    for (const QString& paragraph : label->text().split(QLatin1Char('\n'))) {
        const int width = std::max(metrics.boundingRect(paragraph).width(), metrics.horizontalAdvance(paragraph))
            + 2 * label->margin();
        longestLine = std::max(longestLine, width);
        if (holdsWebAddress(paragraph)) addressLine = std::max(addressLine, width);
    }
    const QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    const int widest = screen ? widestUnbrokenBox(screen->availableGeometry().width()) - kTextChromeRoom : 0;
    // A minimum width stands in for the label's own: never below its longest
    // line, or a box Qt leaves unwrapped cuts that line off (up to the limit,
    // past which Qt wraps the rest).
    if (addressLine > 0 && addressLine <= widest)
        label->setMinimumWidth(std::min(longestLine, widest)); // the address line is among them
}

int showModal(const ShownMessage& message) {
    const std::unique_ptr<QMessageBox> box = messageBoxFor(message, QApplication::activeWindow());
    box->exec();
    if (box->clickedButton() == box->button(QMessageBox::Yes)) return vbYes;
    if ((message.style & buttonBits) == vbYesNo) return vbNo;
    return vbOK;
}

} // namespace

std::unique_ptr<QMessageBox> messageBoxFor(const ShownMessage& message, QWidget* parent) {
    const bool yesNo = (message.style & buttonBits) == vbYesNo;
    auto box = std::make_unique<QMessageBox>(iconFor(message.style), message.caption, displayedText(message.text),
                                             yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText); // a description is never markup
    box->setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    fitCaptionAndAddresses(*box);
    return box;
}

int MsgBox(const QString& text, int style, const QString& caption) {
    // A description may quote a file; its line breaks are the message's own.
    const ShownMessage message{core::visible(text, u"\r\n"), caption.isNull() ? applicationTitle() : caption, style};
    if (activeSeam) return activeSeam->answer(message);
    return showModal(message);
}

MessageBoxTestSeam::MessageBoxTestSeam() { activeSeam = this; }

MessageBoxTestSeam::~MessageBoxTestSeam() {
    if (activeSeam == this) activeSeam = nullptr;
}

int MessageBoxTestSeam::answer(const ShownMessage& message) {
    m_shown.push_back(message);
    if (m_answers.empty()) return defaultAnswer(message.style);
    const int next = m_answers.front();
    m_answers.pop_front();
    return next;
}

} // namespace shell

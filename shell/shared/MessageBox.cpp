#include "MessageBox.h"

#include "ApplicationTitle.h"

#include "files/VisibleText.h"

#include <QApplication>
#include <QMessageBox>

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

int showModal(const ShownMessage& message) {
    const bool yesNo = (message.style & buttonBits) == vbYesNo;
    QMessageBox box(iconFor(message.style), message.caption, displayedText(message.text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText); // a description is never markup
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    box.exec();
    if (box.clickedButton() == box.button(QMessageBox::Yes)) return vbYes;
    if (yesNo) return vbNo;
    return vbOK;
}

} // namespace

int MsgBox(const QString& text, int style, const QString& caption) {
    // A description may quote a file; its line breaks are the message's own.
    const ShownMessage message{files::visible(text, u"\r\n"), caption.isNull() ? applicationTitle() : caption, style};
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

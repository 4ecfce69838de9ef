#pragma once

#include <QString>

#include <deque>
#include <memory>
#include <vector>

class QMessageBox;
class QWidget;

namespace shell {

// Message-box style values: the buttons (low bits) plus the icon.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbYesNo = 4,
    vbExclamation = 48,
};

// Answers.
enum MsgBoxResult : int {
    vbOK = 1,
    vbYes = 6,
    vbNo = 7,
};

// Shows a modal message box and answers which button closed it. A null
// caption means the application title. Yes/No boxes have Yes as default.
// Control characters other than line breaks show as escapes ("\x1b").
int MsgBox(const QString& text, int style = vbOKOnly, const QString& caption = QString());

// One box as the program asked for it.
struct ShownMessage {
    QString text;
    QString caption;
    int style = vbOKOnly;
};

// The box MsgBox shows for a message, not yet shown: at least as wide as
// its caption needs, a paragraph with a web address on one line.
std::unique_ptr<QMessageBox> messageBoxFor(const ShownMessage& message, QWidget* parent = nullptr);

// Tests: while an object lives no box is shown. Every box is recorded and
// answered with the next queued answer, or with its default button when none
// is queued.
class MessageBoxTestSeam {
public:
    MessageBoxTestSeam();
    ~MessageBoxTestSeam();
    MessageBoxTestSeam(const MessageBoxTestSeam&) = delete;
    MessageBoxTestSeam& operator=(const MessageBoxTestSeam&) = delete;

    void setNextAnswer(int answer) { m_answers.push_back(answer); }
    const std::vector<ShownMessage>& shown() const { return m_shown; }
    void clear() { m_shown.clear(); }

    int answer(const ShownMessage& message);

private:
    std::deque<int> m_answers;
    std::vector<ShownMessage> m_shown;
};

} // namespace shell

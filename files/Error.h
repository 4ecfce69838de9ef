#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <stdexcept>

namespace files {

// Which part of the program refused, and for some what exactly, where a
// caller answers it differently.
enum class ErrorKind : std::uint8_t {
    File,            // reading, writing or naming a file
    Spreadsheet,     // a call the spreadsheet engine rejects, as Excel would
    Gedcom,          // a family file that cannot be read
    PersonNotFound,  // a family file holds nobody of the name asked for
    PersonAmbiguous, // ... or several people of it
    Chart,           // a chart that cannot be drawn
    Window,          // a step of the windows
};

// Every failure the program reports to its user: its kind, and its text as
// written in English with its arguments (%1, %2, ...). The text is worded in
// the user's language where it is shown (description()); what() holds it in
// English, in UTF-8. Texts are marked for translation where they are
// written: QT_TRANSLATE_NOOP("files::Error", "...").
class Error : public std::runtime_error {
public:
    Error(ErrorKind kind, const char* text, QStringList arguments = {});
    // A description already worded, such as one that names a system's reason.
    Error(ErrorKind kind, const QString& description);

    ErrorKind kind() const noexcept { return m_kind; }
    // The text in the user's language, its arguments filled in.
    QString description() const;
    // As written, with its arguments: what a wording starts from.
    const char* text() const noexcept { return m_text; }
    const QStringList& arguments() const noexcept { return m_arguments; }

    // How texts are worded for the user; set once by the program at start.
    // Without it they stay in English.
    using Wording = std::function<QString(const char* text)>;
    static void setWording(Wording wording);

private:
    ErrorKind m_kind;
    const char* m_text = nullptr;
    QStringList m_arguments;
    QString m_worded; // for a description given whole
};

} // namespace files

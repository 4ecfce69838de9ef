#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <type_traits>
#include <vector>

namespace core {

// What a caller does with a failure.
enum class ErrorKind : std::uint8_t {
    InputRefused, // the input cannot be used as it stands (a count that is no number, a name
                  // several people share): the user gives another; kinloom-chart exits with 2
    NotFound,     // what the input names is not there (a person the family file does not hold)
    FileFailed,   // a file could not be read, written or named; nothing was changed
    DataDamaged,  // what a file holds cannot be read (a workbook, a family file, a picture):
                  // nothing of it is used
    CallRejected, // a call the spreadsheet engine rejects, as Excel would: a value out of range,
                  // a workbook already closed
    StepFailed,   // a step of the windows could not be carried out: reported, and the handler goes on
};

// A text for the user, as written in English, with its arguments (%1, %2,
// ...): each either given as it is (a file's name, a number, a system's
// reason) or a phrase of its own, worded in turn. Texts are marked for
// translation where they are written: QT_TRANSLATE_NOOP("core::Error", "...").
class Phrase {
public:
    Phrase() = default;
    // Given as it is: never translated.
    Phrase(QString asGiven) : m_asGiven(std::move(asGiven)) {} // NOLINT: a name or number is a phrase
    // A count or a position, as C writes it: no separators, as in every language.
    template <typename Number>
    requires std::is_integral_v<Number> &&(!std::is_same_v<Number, bool>)&&(!std::is_same_v<Number, char>)
        Phrase(Number number)
        : m_asGiven(QString::number(number)) {} // NOLINT
    explicit Phrase(const char* text, std::vector<Phrase> arguments = {});
    // A text that shows a count as %n, worded in the form its language gives
    // that count ("and 1 more link", "and 2 more links"); marked with
    // QT_TRANSLATE_N_NOOP("core::Error", "...").
    static Phrase counted(const char* text, qint64 count, std::vector<Phrase> arguments = {});
    Phrase(const Phrase&);
    Phrase(Phrase&&) noexcept;
    Phrase& operator=(const Phrase&);
    Phrase& operator=(Phrase&&) noexcept;
    ~Phrase();

    // In English, as written.
    QString english() const;
    // In the user's language (see Error::setWording).
    QString worded() const;

    // The text as written, or null for a phrase given as it is.
    const char* text() const noexcept { return m_text; }
    const std::vector<Phrase>& arguments() const noexcept { return m_arguments; }
    // The count the text shows as %n; negative where it shows none.
    qint64 count() const noexcept { return m_count; }

private:
    template <typename Word>
    QString filledIn(const Word& word) const;

    const char* m_text = nullptr;
    qint64 m_count = -1;
    QString m_asGiven;
    std::vector<Phrase> m_arguments;
};

// The system's reason for an errno value, as given (never translated here).
QString systemReason(int error);

// Every failure the program reports to its user: its kind and its phrase.
// The phrase is worded in the user's language where it is shown
// (description()); what() holds it in English, in UTF-8.
class Error : public std::runtime_error {
public:
    Error(ErrorKind kind, Phrase phrase);
    Error(ErrorKind kind, const char* text, std::vector<Phrase> arguments = {})
        : Error(kind, Phrase(text, std::move(arguments))) {}

    ErrorKind kind() const noexcept { return m_kind; }
    const Phrase& phrase() const noexcept { return m_phrase; }
    // The text in the user's language, its arguments filled in.
    QString description() const { return m_phrase.worded(); }

    // How texts are worded for the user, with the count a text shows as %n
    // (negative for none); set once by the program at start. Without it
    // they stay in English.
    using Wording = std::function<QString(const char* text, qint64 count)>;
    static void setWording(Wording wording);

private:
    ErrorKind m_kind;
    Phrase m_phrase;
};

} // namespace core

#include "LineSource.h"

#include "GedcomError.h"

namespace gedcom {

namespace {

constexpr qint64 kChunkBytes = 64 * 1024;

} // namespace

LineSource::LineSource(QIODevice& device, const Encoding& encoding, QString fileName)
    : m_device(device), m_decoder(encoding.set), m_fileName(std::move(fileName)) {
    m_device.read(encoding.byteOrderMarkLength);
}

bool LineSource::fill() {
    if (m_atEnd) return false;
    QByteArray bytes(kChunkBytes, Qt::Uninitialized);
    const qint64 read = m_device.read(bytes.data(), kChunkBytes);
    if (read < 0)
        fail(m_fileName, m_lineNumber + 1,
             core::Phrase(QT_TRANSLATE_NOOP("core::Error", "cannot be read: %1"), {m_device.errorString()}));
    if (read == 0) {
        m_atEnd = true;
        return false;
    }
    bytes.truncate(read);
    m_buffer.remove(0, m_position);
    m_position = 0;
    m_buffer.append(m_decoder.decode(bytes));
    return true;
}

bool LineSource::next(QStringView& line, qint64& number) {
    for (;;) {
        if (m_skipLineFeed && m_position < m_buffer.size()) {
            if (m_buffer[m_position] == QLatin1Char('\n')) ++m_position;
            m_skipLineFeed = false;
        }
        qsizetype end = m_position;
        const qsizetype size = m_buffer.size();
        const QChar* data = m_buffer.constData();
        while (end < size && data[end] != QLatin1Char('\n') && data[end] != QLatin1Char('\r')) ++end;
        if (end - m_position > kMaxLineLength)
            fail(m_fileName, m_lineNumber + 1,
                 core::Phrase(
                     QT_TRANSLATE_NOOP("core::Error", "a line longer than %1 characters; this is not a GEDCOM file"),
                     {kMaxLineLength}));
        const bool complete = end < size;
        if (!complete && fill()) continue;
        if (!complete && m_position == size) return false;

        ++m_lineNumber;
        const QStringView text(data + m_position, end - m_position);
        if (complete) {
            m_skipLineFeed = data[end] == QLatin1Char('\r');
            m_position = end + 1;
        } else {
            m_position = end;
        }
        if (text.trimmed().isEmpty()) continue;
        line = text;
        number = m_lineNumber;
        return true;
    }
}

} // namespace gedcom

#include "XlsxInlineStrings.h"

#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <QDir>
#include <QXmlStreamReader>

#include <optional>
#include <stdexcept>

namespace spreadsheet::xlsx {

namespace {

// The parts of a zip package, read through liborcus's own zip reader.
class Package {
public:
    explicit Package(const QByteArray& bytes)
        : m_stream(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())),
          m_archive(&m_stream) {
        m_archive.load();
    }

    std::optional<QByteArray> part(const QString& name) const {
        std::vector<unsigned char> bytes;
        if (!m_archive.read_file_entry(name.toStdString(), bytes)) return std::nullopt;
        // liborcus ends each part with a null byte, for its own parsers.
        if (!bytes.empty() && bytes.back() == 0) bytes.pop_back();
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    }

private:
    ::orcus::zip_archive_stream_blob m_stream;
    ::orcus::zip_archive m_archive;
};

QString folderOf(const QString& part) { return part.left(part.lastIndexOf(QLatin1Char('/')) + 1); }

QString relationshipsOf(const QString& part) {
    return folderOf(part) + QStringLiteral("_rels/") + part.mid(part.lastIndexOf(QLatin1Char('/')) + 1)
        + QStringLiteral(".rels");
}

// A relationship's target as a part name: absolute ("/xl/...") or beside the source part.
QString partName(const QString& source, const QString& target) {
    const QString path = target.startsWith(QLatin1Char('/')) ? target.mid(1) : folderOf(source) + target;
    return QDir::cleanPath(path);
}

// The target of the first relationship of `source` that `wanted` accepts.
template <typename Accept>
std::optional<QString> relationshipTarget(const Package& package, const QString& source, Accept wanted) {
    const std::optional<QByteArray> rels = package.part(relationshipsOf(source));
    if (!rels) return std::nullopt;
    QXmlStreamReader xml(*rels);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Relationship") continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (wanted(attributes.value(QLatin1String("Id")), attributes.value(QLatin1String("Type"))))
            return partName(source, attributes.value(QLatin1String("Target")).toString());
    }
    return std::nullopt;
}

// The relationship id of the workbook's first sheet.
QString firstSheetId(const QByteArray& workbook) {
    QXmlStreamReader xml(workbook);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"sheet")
            for (const QXmlStreamAttribute& attribute : xml.attributes())
                if (attribute.name() == u"id") return attribute.value().toString();
    return {};
}

std::optional<QString> firstSheetPart(const Package& package) {
    const std::optional<QString> workbook = relationshipTarget(
        package, QString(), [](QStringView, QStringView type) { return type.endsWith(u"/officeDocument"); });
    if (!workbook) return std::nullopt;
    const std::optional<QByteArray> workbookXml = package.part(*workbook);
    if (!workbookXml) return std::nullopt;
    const QString id = firstSheetId(*workbookXml);
    return relationshipTarget(
        package, *workbook, [&](QStringView relationship, QStringView) { return !id.isEmpty() && relationship == id; });
}

// "B12" as row 12, column 2; nothing for what is no cell reference.
std::optional<std::pair<int, int>> cellReference(QStringView reference) {
    qsizetype at = 0;
    long long column = 0, row = 0;
    for (; at < reference.size() && reference[at] >= u'A' && reference[at] <= u'Z' && column < (1 << 20); ++at)
        column = column * 26 + (reference[at].unicode() - u'A' + 1);
    const qsizetype digits = at;
    for (; at < reference.size() && reference[at].isDigit() && row < (1 << 24); ++at)
        row = row * 10 + reference[at].digitValue();
    if (at != reference.size() || at == digits || column == 0 || row == 0) return std::nullopt;
    return std::pair{static_cast<int>(row), static_cast<int>(column)};
}

// The text of each inline string cell, its runs joined, phonetic runs left out.
void readInlineCells(const QByteArray& sheetXml, SheetContent& content) {
    QXmlStreamReader xml(sheetXml);
    int row = 0, column = 0, phonetic = 0;
    bool inlineCell = false;
    QString text;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        const QStringView name = xml.name();
        if (token == QXmlStreamReader::StartElement) {
            if (name == u"row") {
                const QString number = xml.attributes().value(QLatin1String("r")).toString();
                row = number.isEmpty() ? row + 1 : number.toInt();
                column = 0;
            } else if (name == u"c") {
                const auto reference = cellReference(xml.attributes().value(QLatin1String("r")));
                if (reference)
                    std::tie(row, column) = *reference;
                else
                    ++column;
                inlineCell = xml.attributes().value(QLatin1String("t")) == u"inlineStr";
                text.clear();
            } else if (name == u"rPh") {
                ++phonetic;
            } else if (name == u"t" && inlineCell && phonetic == 0) {
                text += xml.readElementText();
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (name == u"rPh") --phonetic;
            if (name == u"c" && inlineCell) {
                if (row > 0 && column > 0) content.add({row, column, text, CellFill::Inherited});
                inlineCell = false;
            }
        }
    }
    if (xml.hasError())
        throw std::runtime_error("its first sheet is not well-formed XML: " + xml.errorString().toStdString());
}

} // namespace

void addInlineStrings(const QByteArray& package, SheetContent& content) {
    const Package parts(package);
    const std::optional<QString> sheet = firstSheetPart(parts);
    if (!sheet) return;
    const std::optional<QByteArray> sheetXml = parts.part(*sheet);
    if (sheetXml && sheetXml->contains("inlineStr")) readInlineCells(*sheetXml, content);
}

} // namespace spreadsheet::xlsx

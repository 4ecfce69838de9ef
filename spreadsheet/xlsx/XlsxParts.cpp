#include "XlsxParts.h"

#include "spreadsheet/XmlEvents.h"

#include <QDir>

namespace spreadsheet::xlsx {

namespace {

QString folderOf(const QString& part) { return part.left(part.lastIndexOf(QLatin1Char('/')) + 1); }

QString relationshipsOf(const QString& part) {
    const qsizetype slash = part.lastIndexOf(QLatin1Char('/'));
    return folderOf(part) + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels");
}

struct Relationship {
    QString id;
    QString type;
    QString target;
    bool external = false;
};

// <Relationship Id="rId1" Type=".../worksheet" Target="worksheets/sheet1.xml"/>
class RelationshipsReader : public XmlEvents {
public:
    std::vector<Relationship> relationships;

    void attribute(const XmlAttribute& a) override {
        if (a.name == "Id")
            m_current.id = xmlText(a.value);
        else if (a.name == "Type")
            m_current.type = xmlText(a.value);
        else if (a.name == "Target")
            m_current.target = xmlText(a.value);
        else if (a.name == "TargetMode")
            m_current.external = a.value == "External";
    }
    void startElement(const XmlName& e) override {
        if (e.name == "Relationship") relationships.push_back(m_current);
        m_current = {};
    }

private:
    Relationship m_current;
};

// <sheets><sheet name="Chart" r:id="rId1"/>...: the first one. The id is the
// one in a namespace (the relationships'), as sheets are named from
// their workbook.
class WorkbookReader : public XmlEvents {
public:
    std::optional<std::pair<QString, QString>> first; // name, relationship id

    void attribute(const XmlAttribute& a) override {
        if (a.name == "name")
            m_name = xmlText(a.value);
        else if (a.name == "id" && (!a.prefix.empty() || !a.uri.empty()))
            m_id = xmlText(a.value);
    }
    void startElement(const XmlName& e) override {
        if (e.name == "sheet" && !first) first = std::pair{m_name, m_id};
        m_name.clear();
        m_id.clear();
    }

private:
    QString m_name, m_id;
};

// <si><t>text</t></si> or <si><r><t>run</t></r>...<rPh><t>phonetic</t></rPh></si>.
class SharedStringsReader : public XmlEvents {
public:
    std::vector<QString> strings;

    void startElement(const XmlName& e) override {
        if (e.name == "si")
            m_text.clear();
        else if (e.name == "rPh")
            ++m_phonetic;
        else if (e.name == "t")
            m_inText = m_phonetic == 0;
    }
    void endElement(const XmlName& e) override {
        if (e.name == "si")
            strings.push_back(m_text);
        else if (e.name == "rPh")
            --m_phonetic;
        else if (e.name == "t")
            m_inText = false;
    }
    void characters(std::string_view text) override {
        if (m_inText) m_text += xmlText(text);
    }

private:
    QString m_text;
    int m_phonetic = 0;
    bool m_inText = false;
};

// <fills><fill><patternFill patternType="solid"/></fill>...</fills>
// <cellXfs><xf fillId="2"/>...</cellXfs>
class StylesReader : public XmlEvents {
public:
    std::vector<bool> fills;
    std::vector<std::size_t> cellFormatFills;

    void attribute(const XmlAttribute& a) override {
        if (a.name == "patternType")
            m_pattern = xmlText(a.value);
        else if (a.name == "fillId")
            m_fillId = xmlText(a.value).toULongLong();
    }
    void startElement(const XmlName& e) override {
        if (e.name == "fills")
            m_in = In::Fills;
        else if (e.name == "cellXfs")
            m_in = In::CellFormats;
        else if (e.name == "patternFill" && m_in == In::Fills && !fills.empty())
            fills.back() = !m_pattern.isEmpty() && m_pattern != u"none";
        else if (e.name == "fill" && m_in == In::Fills)
            fills.push_back(false);
        else if (e.name == "xf" && m_in == In::CellFormats)
            cellFormatFills.push_back(m_fillId);
        m_pattern.clear();
        m_fillId = 0;
    }
    void endElement(const XmlName& e) override {
        if (e.name == "fills" || e.name == "cellXfs") m_in = In::Other;
    }

private:
    enum class In {
        Other,
        Fills,
        CellFormats
    } m_in = In::Other;
    QString m_pattern;
    std::size_t m_fillId = 0;
};

template <typename Reader>
std::optional<Reader> readPart(const ZipParts& package, const QString& name) {
    const std::optional<QByteArray> xml = package.part(name);
    if (!xml) return std::nullopt;
    Reader reader;
    parseXml(*xml, reader);
    return reader;
}

} // namespace

std::optional<QString> relatedPart(const ZipParts& package, const QString& source, QStringView type,
                                   const QString& id) {
    const auto rels = readPart<RelationshipsReader>(package, relationshipsOf(source));
    if (!rels) return std::nullopt;
    for (const Relationship& r : rels->relationships) {
        if (r.external || !r.type.endsWith(QStringLiteral("/") + type.toString()) || (!id.isEmpty() && r.id != id))
            continue;
        const QString path = r.target.startsWith(QLatin1Char('/')) ? r.target.mid(1) : folderOf(source) + r.target;
        return QDir::cleanPath(path);
    }
    return std::nullopt;
}

std::optional<QString> workbookPart(const ZipParts& package) {
    return relatedPart(package, QString(), u"officeDocument");
}

std::optional<FirstSheet> firstSheet(const ZipParts& package, const QString& workbook) {
    const auto sheets = readPart<WorkbookReader>(package, workbook);
    if (!sheets || !sheets->first) return std::nullopt;
    const auto part = relatedPart(package, workbook, u"worksheet", sheets->first->second);
    if (!part) return std::nullopt;
    return FirstSheet{sheets->first->first, *part};
}

std::vector<QString> sharedStrings(const ZipParts& package, const QString& workbook) {
    const auto part = relatedPart(package, workbook, u"sharedStrings");
    const auto strings = part ? readPart<SharedStringsReader>(package, *part) : std::nullopt;
    return strings ? strings->strings : std::vector<QString>();
}

std::vector<bool> fillingFormats(const ZipParts& package, const QString& workbook) {
    const auto part = relatedPart(package, workbook, u"styles");
    const auto styles = part ? readPart<StylesReader>(package, *part) : std::nullopt;
    std::vector<bool> filling;
    if (!styles) return filling;
    for (const std::size_t fill : styles->cellFormatFills)
        filling.push_back(fill < styles->fills.size() && styles->fills[fill]);
    return filling;
}

} // namespace spreadsheet::xlsx

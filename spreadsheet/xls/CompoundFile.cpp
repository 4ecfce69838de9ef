#include "CompoundFile.h"

#include "GsfObject.h"
#include "ReadFailures.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>

#include <algorithm>

namespace spreadsheet::xls {

namespace {

constexpr unsigned char kOleSignature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

// Stream names are compared without regard to case, as Windows does.
GsfPtr<GsfInput> childStream(GsfInfile* root, const char* name) {
    const int count = gsf_infile_num_children(root);
    for (int i = 0; i < count; ++i) {
        const char* childName = gsf_infile_name_by_index(root, i);
        if (childName && g_ascii_strcasecmp(childName, name) == 0)
            return GsfPtr<GsfInput>(gsf_infile_child_by_index(root, i));
    }
    return nullptr;
}

} // namespace

bool hasCompoundFileSignature(QByteArrayView start) {
    return start.size() >= qsizetype(sizeof kOleSignature)
        && std::equal(std::begin(kOleSignature), std::end(kOleSignature),
                      reinterpret_cast<const unsigned char*>(start.data()));
}

QByteArray workbookStream(QByteArrayView file) {
    initialiseGsf();

    if (!hasCompoundFileSignature(file)) throwNotAWorkbook();
    GsfPtr<GsfInput> input(gsf_input_memory_new(reinterpret_cast<const guint8*>(file.data()), file.size(), FALSE));
    GError* error = nullptr;
    GsfPtr<GsfInfile> root(gsf_infile_msole_new(input.get(), &error));
    if (!root) {
        const QString why = error ? QString::fromUtf8(error->message) : QString();
        g_clear_error(&error);
        if (why.isEmpty())
            throwDamaged(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "its compound file structure cannot be read")));
        throwDamaged(
            core::Phrase(QT_TRANSLATE_NOOP("core::Error", "its compound file structure cannot be read (%1)"), {why}));
    }

    GsfPtr<GsfInput> stream = childStream(root.get(), "Workbook");
    if (!stream) {
        if (childStream(root.get(), "Book")) throwOlderExcel();
        throwNotAWorkbook(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "it holds no workbook stream")));
    }
    if (GSF_IS_INFILE(stream.get()) && gsf_infile_num_children(GSF_INFILE(stream.get())) >= 0)
        throwNotAWorkbook(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "its workbook entry is not a stream")));

    // A stream cannot hold more than the file around it.
    const gsf_off_t size = gsf_input_size(stream.get());
    if (size < 0 || size > file.size())
        throwDamaged(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "its workbook stream claims %1 bytes"), {size}));
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    if (size > 0 && !gsf_input_read(stream.get(), static_cast<size_t>(size), reinterpret_cast<guint8*>(bytes.data())))
        throwDamaged(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "its workbook stream cannot be read in full")));
    return bytes;
}

} // namespace spreadsheet::xls

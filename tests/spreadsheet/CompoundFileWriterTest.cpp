#include "spreadsheet/xls/CompoundFileWriter.h"
#include "spreadsheet/xls/CompoundFile.h"
#include "spreadsheet/xls/GsfObject.h"

#include <gtest/gtest.h>

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-output-memory.h>

using namespace spreadsheet::xls;

namespace {

QByteArray streamOf(std::size_t size) {
    QByteArray stream(static_cast<qsizetype>(size), Qt::Uninitialized);
    for (qsizetype i = 0; i < stream.size(); ++i) stream[i] = static_cast<char>(i * 7 + 1);
    return stream;
}

// The same stream in a compound file libgsf makes.
QByteArray gsfFile(const QByteArray& stream) {
    initialiseGsf();
    GsfPtr<GsfOutput> memory(gsf_output_memory_new());
    GsfPtr<GsfOutfile> container(gsf_outfile_msole_new(memory.get()));
    GsfPtr<GsfOutput> workbook(gsf_outfile_new_child(container.get(), "Workbook", FALSE));
    EXPECT_TRUE(gsf_output_write(workbook.get(), static_cast<std::size_t>(stream.size()),
                                 reinterpret_cast<const guint8*>(stream.constData())));
    EXPECT_TRUE(gsf_output_close(workbook.get()));
    EXPECT_TRUE(gsf_output_close(GSF_OUTPUT(container.get())));
    const auto* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory.get()));
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(gsf_output_size(memory.get())));
}

QByteArray ownFile(const QByteArray& stream) {
    return CompoundFileWriter::file(static_cast<std::size_t>(stream.size()),
                                    [&](char* to) { std::copy(stream.begin(), stream.end(), to); });
}

} // namespace

// The container is the one libgsf made before, byte for byte, at the sizes
// where its layout changes: a sector just filled or just begun, one
// allocation-table sector and two, the last size whose table the header
// lists alone, and the lists of table sectors that follow it (one, two).
TEST(CompoundFileWriter, LaysOutAStreamAsLibgsfDoes) {
    constexpr std::size_t kHeaderListed = 109 * 128 * 512;
    for (const std::size_t size :
         {std::size_t(4096), std::size_t(4097), std::size_t(4608), std::size_t(65024), std::size_t(65536),
          kHeaderListed - 60'000, kHeaderListed - 50'000, kHeaderListed, std::size_t(20'000'000)}) {
        SCOPED_TRACE(size);
        const QByteArray stream = streamOf(size);
        const QByteArray own = ownFile(stream);
        ASSERT_EQ(own.size(), gsfFile(stream).size());
        EXPECT_TRUE(own == gsfFile(stream));
        EXPECT_TRUE(workbookStream(own) == stream);
    }
}

// A stream under 4,096 bytes would go to the small-block area, which this
// writer does not make: it is padded with zeros to 4,096 and stays a
// regular stream, as the workbook writer always padded it.
TEST(CompoundFileWriter, PadsAShortStreamToARegularOne) {
    const QByteArray stream = streamOf(100);
    const QByteArray padded = stream + QByteArray(4096 - 100, '\0');
    EXPECT_TRUE(ownFile(stream) == gsfFile(padded));
}

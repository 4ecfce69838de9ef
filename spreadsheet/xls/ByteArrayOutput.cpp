#include "ByteArrayOutput.h"

#include <cstring>

namespace spreadsheet::xls {

namespace {

struct ByteArrayOutput {
    GsfOutput output;
    QByteArray* bytes;
};

struct ByteArrayOutputClass {
    GsfOutputClass outputClass;
};

gboolean writeBytes(GsfOutput* output, size_t size, const guint8* data) {
    QByteArray& bytes = *reinterpret_cast<ByteArrayOutput*>(output)->bytes;
    const auto end = static_cast<qsizetype>(output->cur_offset) + static_cast<qsizetype>(size);
    if (end > bytes.size()) bytes.resize(end);
    if (size != 0) std::memcpy(bytes.data() + output->cur_offset, data, size);
    return TRUE;
}

// The base class keeps the position, and a write past the end grows the array.
gboolean seekTo(GsfOutput*, gsf_off_t, GSeekType) { return TRUE; }

gboolean closeOutput(GsfOutput*) { return TRUE; }

void initialiseClass(gpointer klass, gpointer) {
    auto* outputClass = static_cast<GsfOutputClass*>(klass);
    outputClass->Write = writeBytes;
    outputClass->Seek = seekTo;
    outputClass->Close = closeOutput;
}

GType byteArrayOutputType() {
    static const GType type = g_type_register_static_simple(GSF_OUTPUT_TYPE, "KinloomByteArrayOutput",
                                                            sizeof(ByteArrayOutputClass), initialiseClass,
                                                            sizeof(ByteArrayOutput), nullptr, GTypeFlags(0));
    return type;
}

} // namespace

GsfOutput* byteArrayOutputNew(QByteArray& bytes) {
    auto* output = static_cast<ByteArrayOutput*>(g_object_new(byteArrayOutputType(), nullptr));
    output->bytes = &bytes;
    return &output->output;
}

} // namespace spreadsheet::xls

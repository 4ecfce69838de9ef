#pragma once

#include <QByteArrayView>
#include <QString>

// A BIFF8 workbook stream as text, one line per record: its name, its length
// and its fields decoded by name, so that a change in any byte shows as a
// changed line. Bytes no field describes are shown in hexadecimal.
QString listRecords(QByteArrayView stream);

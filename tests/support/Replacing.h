#pragma once

#include "core/Error.h"
#include "files/FileReplacement.h"

#include <QByteArray>
#include <QString>

// The failure's description, or an empty text when the replacement went through.
inline QString replacing(const QString& target, const QByteArray& bytes) {
    try {
        files::replaceFile(target, bytes);
    } catch (const core::Error& e) {
        return e.description();
    }
    return QString();
}

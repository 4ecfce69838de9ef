#include "ApplicationTitle.h"

namespace shell {
namespace {

QString& title() {
    static QString current = QString::fromLatin1(kProductDisplayName);
    return current;
}

} // namespace

void SetApplicationTitle(const QString& displayName) {
    QString shortened = displayName;
    while (shortened.size() > kApplicationTitleMaxLength) {
        const qsizetype lastBlank = shortened.lastIndexOf(QLatin1Char(' '));
        if (lastBlank < 0) {
            shortened.truncate(kApplicationTitleMaxLength);
            break;
        }
        shortened.truncate(lastBlank);
    }
    title() = shortened;
}

QString applicationTitle() { return title(); }

} // namespace shell

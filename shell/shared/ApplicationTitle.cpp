#include "ApplicationTitle.h"

namespace shell {
namespace {

QString& title() {
    static QString current = QString::fromLatin1(ProductDisplayName);
    return current;
}

} // namespace

void SetApplicationTitle(const QString& displayName) {
    QString shortened = displayName;
    while (shortened.size() > ApplicationTitleMaxLength) {
        const qsizetype lastBlank = shortened.lastIndexOf(QLatin1Char(' '));
        if (lastBlank < 0) {
            shortened.truncate(ApplicationTitleMaxLength);
            break;
        }
        shortened.truncate(lastBlank);
    }
    title() = shortened;
}

QString ApplicationTitle() { return title(); }

} // namespace shell

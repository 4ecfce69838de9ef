#include "WebSite.h"

#include "core/Error.h"

#include <QDesktopServices>
#include <QRandomGenerator>

#include <cmath>

namespace shell {
namespace {

constexpr int visitingNumber = 7;

std::function<double()>& randomDraw() {
    static std::function<double()> draw;
    return draw;
}

std::function<bool(const QUrl&)>& urlOpener() {
    static std::function<bool(const QUrl&)> opener;
    return opener;
}

} // namespace

int webSiteChanceNumber(double draw) { return static_cast<int>(std::floor(draw * 100.0)) + 1; }

void MaybeOpenWebSite() {
    const double draw = randomDraw() ? randomDraw()() : QRandomGenerator::global()->generateDouble();
    if (webSiteChanceNumber(draw) != visitingNumber) return;
    const QUrl address(QString::fromLatin1(kHomePageAddress));
    const bool started = urlOpener() ? urlOpener()(address) : QDesktopServices::openUrl(address);
    if (!started)
        throw core::Error(core::ErrorKind::StepFailed,
                          QT_TRANSLATE_NOOP("core::Error", "No web browser could be started for %1"),
                          {address.toString()});
}

void setRandomDraw(std::function<double()> draw) { randomDraw() = std::move(draw); }
void setUrlOpener(std::function<bool(const QUrl&)> opener) { urlOpener() = std::move(opener); }

} // namespace shell

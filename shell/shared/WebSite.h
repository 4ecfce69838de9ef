#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace shell {

inline constexpr char kHomePageAddress[] = "https://brenvik.example/";
inline constexpr char kContactPageAddress[] = "https://brenvik.example/contact/";

// The number 1..100 that a draw 0 <= r < 1 gives.
int webSiteChanceNumber(double draw);

// One start in a hundred opens the home page in the user's browser: when
// floor(r * 100) + 1 is 7. Does not wait for the browser. Throws core::Error
// when no browser could be started.
void MaybeOpenWebSite();

// Tests: replace the random draw (answers 0 <= r < 1) and the opener of web
// addresses (answers whether it started something). Empty functions go back
// to the real ones.
void setRandomDraw(std::function<double()> draw);
void setUrlOpener(std::function<bool(const QUrl&)> opener);

} // namespace shell

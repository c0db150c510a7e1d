// Random field texts and whole-window snapshots for the property tests: what a user might type into any field, and a
// record of every field, option and check box of the window to tell what a click changed.
#pragma once

#include <QStringList>
#include <random>

class QWidget;

namespace vxr::test {

#ifdef VXR_SANITIZED
constexpr int kCaseDivisor = 8;  // the sanitizer build runs several times slower: it tries fewer cases
#else
constexpr int kCaseDivisor = 1;
#endif

// A number between lo and hi as people write it (a few decimals, now and then an exponent or a plus sign) or, with the
// share given, an awkward text: zero, a negative, a huge or tiny exponent, blanks around a number, nothing, letters,
// "1,5", "1.2.3", full-width digits, 10,000 characters. Each test seeds `random` so that every run tries the same.
QString fieldText(std::mt19937_64& random, double lo, double hi, double odd_share);

// Every text box, label, option, check box and button of a window as "name\tstate", once its posted events are done.
QStringList snapshot(const QWidget& window);

// What differs between two snapshots, leaving out the controls named in `allowed`; long texts cut short.
QStringList changed(const QStringList& before, const QStringList& after, const QStringList& allowed = {});

}  // namespace vxr::test

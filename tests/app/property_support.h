// Random field texts and whole-window snapshots for the property tests: what a user might type into any field,
// and a record of every field, option and check box of the window to tell what a click changed.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <random>

class QWidget;

namespace vxr::test {

#ifdef VXR_SANITIZED
constexpr int kCaseDivisor = 8;  // the sanitizer build runs several times slower: it tries fewer cases
#else
constexpr int kCaseDivisor = 1;
#endif

// Texts a user might type, from a fixed seed so that every run tries the same cases.
class RandomTexts {
public:
    explicit RandomTexts(std::uint64_t seed) : rng_(seed) {}

    int below(int n);  // 0 … n−1
    bool chance(double p);
    double uniform(double lo, double hi);

    // A sensible number between lo and hi, written as people write numbers: a few decimals, sometimes an exponent.
    QString number(double lo, double hi);
    // One of the awkward texts: zero, a negative, a huge or tiny exponent, blanks around a number, nothing,
    // letters, "1,5", "1.2.3", full-width digits, or a text of 10,000 characters.
    QString odd(double lo, double hi);
    // `number` or, with the share given, `odd`.
    QString field(double lo, double hi, double odd_share) { return chance(odd_share) ? odd(lo, hi) : number(lo, hi); }
    // Anything at all, for the fields no calculation reads.
    QString note();

private:
    template <std::size_t N>
    const char* pick(const char* const (&choices)[N]) {
        return choices[below(static_cast<int>(N))];
    }
    std::mt19937_64 rng_;
};

// Every text box, label, option, check box and button of a window: its name and what it shows.
struct ControlState {
    QString name;
    QString state;
};
using Snapshot = std::map<const QWidget*, ControlState>;

Snapshot snapshot(const QWidget& window);

// The names of the controls that differ between two snapshots, leaving out those named in `allowed`.
QStringList changedControls(const Snapshot& before, const Snapshot& after, const QStringList& allowed = {});

// A text for a failure report: long texts cut short, with their length.
QString shortened(const QString& text);

}  // namespace vxr::test

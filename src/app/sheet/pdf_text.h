// The text layer of a PDF that Qt wrote, made to give back the characters that were painted.
//
// Qt's PDF writer embeds each font with a ToUnicode map built by asking the font, for every code point of the BMP in
// turn, which glyph it draws, and naming each glyph by the first (lowest) code point found. A font that draws several
// characters with one glyph is then read back, searched and copied as the lowest of them, not as the one painted:
// Noto Sans CJK SC draws the ideograph 工 (U+5DE5) and the Kangxi radical U+2F2F with one glyph, and 页 (U+9875)
// and the radical U+2EDA with another, so 工程名称 comes out beginning with the radical; DejaVu Sans draws the tab and
// the space alike. The glyphs on the page are right; only their names are not.
//
// The painting is recorded as text and fonts (`TextRecorder`), and each map rewritten so that a glyph named by a
// character that was not painted is named by one that was and that the same font draws with that glyph.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QPaintDevice>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

namespace vxr::app::sheet {

// Each run of text painted, with the font it was painted in.
using Painted = std::vector<std::pair<QFont, QString>>;

// A paint device that draws nothing and records the text painted on it, at the resolution it is given.
class TextRecorder : public QPaintDevice {
public:
    TextRecorder(QSize size, int dpi);
    ~TextRecorder() override;

    QPaintEngine* paintEngine() const override;
    const Painted& painted() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    std::unique_ptr<Engine> engine_;
    QSize size_;
    int dpi_;
};

// `pdf` (as Qt's PDF writer writes it) with each font's ToUnicode map naming its glyphs by the characters of
// `painted` where Qt's name is a character not painted; unchanged where nothing needs it or the file is not laid
// out as Qt writes it.
QByteArray withPaintedText(const QByteArray& pdf, const Painted& painted);

}  // namespace vxr::app::sheet

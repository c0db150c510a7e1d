#include "app/sheet/pdf_text.h"

#include <QGlyphRun>
#include <QHash>
#include <QPaintEngine>
#include <QRawFont>
#include <QSet>
#include <QTextLayout>
#include <algorithm>
#include <cctype>
#include <map>

namespace vxr::app::sheet {

// Records each text item: with every feature claimed, QPainter hands it text as text, never as paths.
class TextRecorder::Engine : public QPaintEngine {
public:
    Engine() : QPaintEngine(AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return User; }
    void drawTextItem(const QPointF&, const QTextItem& item) override {
        painted.emplace_back(item.font(), item.text());
    }
    // Everything else draws nothing.
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
    void drawLines(const QLineF*, int) override {}
    void drawLines(const QLine*, int) override {}
    void drawRects(const QRectF*, int) override {}
    void drawRects(const QRect*, int) override {}
    void drawEllipse(const QRectF&) override {}
    void drawPoints(const QPointF*, int) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}

    Painted painted;
};

TextRecorder::TextRecorder(QSize size, int dpi) : engine_(std::make_unique<Engine>()), size_(size), dpi_(dpi) {}
TextRecorder::~TextRecorder() = default;

QPaintEngine* TextRecorder::paintEngine() const {
    return engine_.get();
}

const Painted& TextRecorder::painted() const {
    return engine_->painted;
}

int TextRecorder::metric(PaintDeviceMetric metric) const {
    switch (metric) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmWidthMM:
            return qRound(size_.width() * 25.4 / dpi_);
        case PdmHeightMM:
            return qRound(size_.height() * 25.4 / dpi_);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return dpi_;
        case PdmNumColors:
            return 0xffffff;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        default:
            return QPaintDevice::metric(metric);
    }
}

namespace {

// A font's PostScript name (name 6 of its name table), as Qt's PDF writer names the font: blanks made '_'.
QByteArray postscriptName(const QRawFont& font) {
    const QByteArray t = font.fontTable("name");
    const auto u16 = [&](qsizetype at) { return at + 2 <= t.size() ? uchar(t[at]) << 8 | uchar(t[at + 1]) : -1; };
    const int count = u16(2), strings = u16(4);
    for (int i = 0; i < count; ++i) {
        const qsizetype record = 6 + 12 * i;
        const int platform = u16(record), id = u16(record + 6), length = u16(record + 8), at = u16(record + 10);
        const QByteArray raw = t.mid(strings + at, length);
        if (id != 6 || at < 0 || raw.size() != length) continue;
        QByteArray name = raw;
        if (platform == 0 || platform == 3) {  // UTF-16BE: PostScript names are ASCII
            name.clear();
            for (qsizetype k = 1; k < raw.size(); k += 2) name += raw[k];
        }
        return name.replace(' ', '_');
    }
    return {};
}

// A font in the PDF and, for each of its glyphs that draws a character painted, the lowest such character.
struct Face {
    QRawFont font;
    QHash<quint32, char16_t> painted;

    quint32 glyph(char16_t c) const {
        quint32 g = 0;
        int n = 1;
        const QChar ch(c);
        return font.glyphIndexesForChars(&ch, 1, &g, &n) && n == 1 ? g : 0;
    }
};

// The fonts the painting used, fallbacks included, by PostScript name.
std::map<QByteArray, Face> facesOf(const Painted& painted, const QSet<char16_t>& written) {
    QHash<QString, std::pair<QFont, QString>> byFont;  // the text of each font as one run
    for (const auto& [font, text] : painted) {
        auto& run = byFont[font.key() + font.families().join(QLatin1Char(','))];
        run.first = font;
        run.second += text + QLatin1Char(' ');
    }
    std::map<QByteArray, Face> faces;
    for (const auto& [font, text] : std::as_const(byFont)) {
        QTextLayout layout(text, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns()) {
            const QByteArray name = postscriptName(run.rawFont());
            if (name.isEmpty() || faces.count(name)) continue;
            Face& face = faces[name];
            face.font = run.rawFont();
            for (const char16_t c : written)
                if (const quint32 g = face.glyph(c); g != 0) {
                    auto it = face.painted.find(g);
                    if (it == face.painted.end() || c < *it) face.painted[g] = c;
                }
        }
    }
    return faces;
}

QByteArray hex(const QString& units) {
    QByteArray out;
    for (const QChar c : units) out += QByteArray::number(c.unicode(), 16).toUpper().rightJustified(4, '0');
    return out;
}

// A ToUnicode CMap as Qt writes it (bfrange and bfchar sections): code → text. False where it reads otherwise.
bool readCMap(const QByteArray& cmap, std::map<int, QString>& map) {
    enum { None, Char, Range } section = None;
    std::vector<QByteArray> pending;  // the hex strings of the entry being read; an array's are kept as one list
    std::vector<QByteArray> array;
    bool in_array = false;
    const auto text = [](const QByteArray& h) {
        QString s;
        for (qsizetype k = 0; k + 4 <= h.size(); k += 4) s += QChar(char16_t(h.mid(k, 4).toUInt(nullptr, 16)));
        return s;
    };
    for (qsizetype i = 0; i < cmap.size();) {
        const char c = cmap[i];
        if (QChar::isSpace(uchar(c))) {
            ++i;
        } else if (c == '<') {
            const qsizetype end = cmap.indexOf('>', i);
            if (end < 0) return false;
            const QByteArray h = cmap.mid(i + 1, end - i - 1);
            i = end + 1;
            if (section == None) continue;
            if (h.size() % 4 != 0) return false;
            if (in_array) {
                array.push_back(h);
                continue;
            }
            pending.push_back(h);
            if (section == Char && pending.size() == 2) {
                map[pending[0].toInt(nullptr, 16)] = text(pending[1]);
                pending.clear();
            } else if (section == Range && pending.size() == 3) {
                const int lo = pending[0].toInt(nullptr, 16), hi = pending[1].toInt(nullptr, 16);
                QString first = text(pending[2]);
                if (first.isEmpty()) return false;
                for (int code = lo; code <= hi; ++code) {
                    map[code] = first;
                    first.back() = QChar(char16_t(first.back().unicode() + 1));
                }
                pending.clear();
            }
        } else if (c == '[' || c == ']') {
            ++i;
            if (section != Range || pending.size() != 2 || in_array == (c == '[')) return false;
            in_array = c == '[';
            if (in_array) continue;
            const int lo = pending[0].toInt(nullptr, 16);
            for (std::size_t k = 0; k < array.size(); ++k) map[lo + static_cast<int>(k)] = text(array[k]);
            array.clear();
            pending.clear();
        } else {
            qsizetype end = i;
            while (end < cmap.size() && !QChar::isSpace(uchar(cmap[end])) && !QByteArray("<[]").contains(cmap[end]))
                ++end;
            const QByteArray word = cmap.mid(i, std::max<qsizetype>(1, end - i));
            i += word.size();
            if (word == "beginbfchar") section = Char;
            if (word == "beginbfrange") section = Range;
            if (word == "endbfchar" || word == "endbfrange") {
                if (!pending.empty() || in_array) return false;
                section = None;
            }
        }
    }
    return section == None;
}

QByteArray writeCMap(const std::map<int, QString>& map) {
    QByteArray out =
        "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
        "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
        "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    auto it = map.begin();
    while (it != map.end()) {
        QByteArray block;
        int n = 0;
        for (; it != map.end() && n < 100; ++it, ++n)  // a section holds at most 100 entries
            block += '<' + hex(QString(QChar(char16_t(it->first)))) + "> <" + hex(it->second) + ">\n";
        out += QByteArray::number(n) + " beginbfchar\n" + block + "endbfchar\n";
    }
    return out + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

// The number written at `at` (after blanks), or -1.
qint64 numberAt(const QByteArray& pdf, qsizetype at, qsizetype* end = nullptr) {
    while (at < pdf.size() && QChar::isSpace(uchar(pdf[at]))) ++at;
    qsizetype stop = at;
    while (stop < pdf.size() && std::isdigit(uchar(pdf[stop]))) ++stop;
    if (end) *end = stop;
    return stop > at ? pdf.mid(at, stop - at).toLongLong() : -1;
}

struct Edit {
    qsizetype from, to;
    QByteArray with;
};

}  // namespace

QByteArray withPaintedText(const QByteArray& pdf, const Painted& painted) {
    // The cross-reference table, as Qt writes it: one section from object 0, entries of 20 bytes.
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    const qint64 xref = startxref < 0 ? -1 : numberAt(pdf, startxref + 9);
    if (xref < 0 || !pdf.mid(xref).startsWith("xref")) return pdf;
    qsizetype after_first = 0, after_count = 0;
    const qint64 first = numberAt(pdf, xref + 4, &after_first), count = numberAt(pdf, after_first, &after_count);
    const qsizetype entries = pdf.indexOf('\n', after_count) + 1;
    if (first != 0 || count <= 0 || entries <= 0 || entries + 20 * count > pdf.size()) return pdf;
    const auto offsetOf = [&](qint64 object) { return object < count ? numberAt(pdf, entries + 20 * object) : -1; };

    QSet<char16_t> written;
    for (const auto& run : painted)
        for (const QChar c : run.second)
            if (c.unicode() >= 0x20 && !c.isSurrogate()) written.insert(c.unicode());
    const std::map<QByteArray, Face> faces = facesOf(painted, written);

    std::vector<Edit> edits;
    for (qsizetype at = pdf.indexOf("/ToUnicode "); at >= 0; at = pdf.indexOf("/ToUnicode ", at + 1)) {
        // The font's name, in its dictionary before the reference to its map.
        const qsizetype dict = pdf.lastIndexOf(" obj", at), base = pdf.indexOf("/BaseFont /", dict);
        if (dict < 0 || base < 0 || base > at) continue;
        qsizetype name_end = base + 11;
        while (name_end < pdf.size() && !QChar::isSpace(uchar(pdf[name_end])) &&
               !QByteArray("/<>[]()").contains(pdf[name_end]))
            ++name_end;
        QByteArray name = pdf.mid(base + 11, name_end - base - 11);
        if (name.size() > 7 && name[6] == '+') name = name.mid(7);  // a subset's tag
        const auto face = faces.find(name);
        const qint64 object = numberAt(pdf, at + 11);
        const qint64 start = offsetOf(object);
        if (face == faces.end() || start < 0 || !pdf.mid(start).startsWith(QByteArray::number(object) + " 0 obj"))
            continue;
        // The map's stream: written plain, its length given directly.
        const qsizetype stream = pdf.indexOf("stream", start);
        const QByteArray head = pdf.mid(start, stream - start);
        const qsizetype length_at = head.indexOf("/Length ");
        qsizetype length_end = 0;
        const qint64 length = length_at < 0 ? -1 : numberAt(head, length_at + 8, &length_end);
        if (stream < 0 || length < 0 || head.contains("/Filter") || head.mid(length_end).trimmed().startsWith("0 R"))
            continue;
        qsizetype data = stream + 6;
        if (pdf.mid(data, 2) == "\r\n") ++data;
        ++data;
        const qsizetype endobj = pdf.indexOf("endobj", data + length);
        std::map<int, QString> map;
        if (endobj < 0 || !readCMap(pdf.mid(data, length), map)) continue;
        bool changed = false;
        for (auto& [code, text] : map) {
            if (text.size() != 1 || written.contains(text[0].unicode())) continue;
            const auto named = face->second.painted.constFind(face->second.glyph(text[0].unicode()));
            if (named == face->second.painted.constEnd()) continue;
            text = QChar(*named);
            changed = true;
        }
        if (!changed) continue;
        const QByteArray cmap = writeCMap(map);
        const qsizetype end = endobj + 6 + (pdf.mid(endobj + 6, 1) == "\n" ? 1 : 0);
        edits.push_back({start, end,
                         QByteArray::number(object) + " 0 obj\n<< /Length " + QByteArray::number(cmap.size()) +
                             " >>\nstream\n" + cmap + "\nendstream\nendobj\n"});
    }
    if (edits.empty()) return pdf;

    // The file with the maps replaced, and every offset after a replaced map moved by the change in its length.
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.from < b.from; });
    const auto moved = [&](qint64 offset) {
        qint64 to = offset;
        for (const Edit& e : edits)
            if (e.from < offset) to += e.with.size() - (e.to - e.from);
        return to;
    };
    QByteArray out;
    out.reserve(pdf.size() + 4096);
    qsizetype copied = 0;
    for (const Edit& e : edits) {
        out += pdf.mid(copied, e.from - copied) + e.with;
        copied = e.to;
    }
    out += pdf.mid(copied, startxref - copied);
    const qsizetype entries_now = moved(entries);
    for (qint64 k = 0; k < count; ++k) {
        const qsizetype entry = entries_now + 20 * k;
        if (out[entry + 17] != 'n') continue;
        out.replace(entry, 10, QByteArray::number(moved(offsetOf(k))).rightJustified(10, '0'));
    }
    return out + "startxref\n" + QByteArray::number(moved(xref)) + "\n%%EOF\n";
}

}  // namespace vxr::app::sheet

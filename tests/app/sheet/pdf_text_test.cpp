// The PDF's text layer gives back the characters painted, code point for code point, whatever CJK font the sheet
// falls back to: a sheet holding the whole case (every page, the title block filled, the McCabe–Thiele diagram) and
// every text the program writes (each string of its source with a character beyond ASCII: captions, units,
// messages), exported and printed, read back with pdftotext.
//
// CTest runs this once as the machine is and once more with WenQuanYi Zen Hei hidden from fontconfig
// (support/no_wenquanyi.conf), where VXR_SHEET_CJK_FONT names the font the PDF must then embed (Noto Sans CJK): that
// run fails, never skips, when the fallback was not exercised.
#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <set>

#include "app/case/workspace.h"
#include "app/kit/version.h"
#include "app/sheet/layout.h"
#include "app/sheet/pdf_text.h"
#include "app/window/sheet_actions.h"
#include "app/window_test_support.h"

namespace vxr::test {
namespace {

QString run(const char* tool, const QStringList& arguments) {
    QProcess process;
    process.start(QStandardPaths::findExecutable(tool), arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << tool << " (poppler-utils) is installed by scripts/deps.sh";
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString unblanked(const QString& s) {  // blanks of every kind (the ideographic space too) left out
    QString out;
    for (const QChar c : s)
        if (!c.isSpace()) out += c;
    return out;
}

std::set<char32_t> characters(const QString& s) {
    std::set<char32_t> out;
    for (const char32_t c : s.toUcs4()) out.insert(c);
    return out;
}

// Every string literal of the program's source that holds a character beyond ASCII, its escapes read.
QStringList sourceTexts() {
    QStringList texts;
    const QRegularExpression literal(R"re("((?:[^"\\\n]|\\.)*)")re");
    for (QDirIterator it(VXR_TESTS_DIR "/../src", {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile file(it.next());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QString source = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch& m : literal.globalMatch(source)) {
            QString text = m.captured(1);
            if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) continue;
            text.replace("\\n", "\n").replace("\\t", "\t").replace("\\\"", "\"").replace("\\\\", "\\");
            if (!texts.contains(text)) texts << text;
        }
    }
    return texts;
}

// Every object the cross-reference table lists begins where it says (poppler would read a broken table silently).
void expectCrossReferencesHold(const QByteArray& pdf) {
    const qsizetype xref = pdf.mid(pdf.lastIndexOf("startxref") + 9).trimmed().split('\n').value(0).toLongLong();
    ASSERT_TRUE(pdf.mid(xref).startsWith("xref\n0 "));
    const QList<QByteArray> lines = pdf.mid(xref).split('\n');
    const int count = lines.value(1).split(' ').value(1).toInt();
    ASSERT_GT(count, 10);
    for (int k = 1; k < count; ++k) {
        const QByteArray entry = lines.value(2 + k);
        if (!entry.endsWith("n ")) continue;
        EXPECT_TRUE(pdf.mid(entry.left(10).toLongLong()).startsWith(QByteArray::number(k) + " 0 obj")) << k;
    }
}

class SheetPdfText : public WindowTest {
protected:
    // pdftotext of `pdf` checked against `lines`: each remark found whole, every character extracted one painted
    // (the sheet's, a drawing's, or the pages' head and foot naming `file`), every character painted extracted, none
    // a radical.
    void expectTextOf(const QString& pdf, const app::sheet::Lines& lines, const QString& file) {
        const QString all = unblanked(run("pdftotext", {pdf, "-"}));
        ASSERT_FALSE(all.isEmpty());
        expectCrossReferencesHold(bytesOf(pdf));
        QString sheet;
        for (const app::sheet::Line& line : lines) {
            if (!line.drawing) {
                sheet += line.cells.join("");
                continue;
            }
            app::sheet::TextRecorder recorder(line.drawing->size.toSize(), 96);  // what the copied text stands for
            QPainter painter(&recorder);
            line.drawing->draw(painter);
            painter.end();
            for (const auto& [font, text] : recorder.painted()) sheet += text;
        }
        const std::set<char32_t> painted = characters(unblanked(sheet));
        const std::set<char32_t> furniture =
            characters(unblanked(app::programName() + "　工程文件：第页共0123456789（续）" + file));
        const std::set<char32_t> extracted = characters(all);
        for (const char32_t c : extracted) {
            EXPECT_FALSE(c >= 0x2E80 && c <= 0x2FDF) << "radical U+" << std::hex << unsigned(c);
            EXPECT_TRUE(painted.count(c) || furniture.count(c)) << "U+" << std::hex << unsigned(c) << " not painted";
        }
        for (const char32_t c : painted)
            EXPECT_TRUE(extracted.count(c)) << "U+" << std::hex << unsigned(c) << " painted, not extracted";
        for (const app::sheet::Line& line : lines) {
            if (line.kind != app::sheet::Kind::Remark) continue;
            EXPECT_TRUE(all.contains(unblanked(line.cells.join("")))) << line.cells.join("").toStdString();
        }
        const QString fonts = run("pdffonts", {pdf});
        if (const QByteArray cjk = qgetenv("VXR_SHEET_CJK_FONT"); !cjk.isEmpty()) {
            EXPECT_TRUE(fonts.contains(QString::fromUtf8(cjk))) << "the fallback font is not embedded:\n"
                                                                << fonts.toStdString();
            EXPECT_FALSE(fonts.contains("WenQuanYi")) << fonts.toStdString();
        }
    }
};

TEST_F(SheetPdfText, IsTheTextPaintedWhateverTheCjkFont) {
    ASSERT_TRUE(window().openFile(VXR_TESTS_DIR "/app/case/every_page_v1.vxr"));
    window().workspace()->setProject(QJsonDocument::fromJson(R"({"projectName": "乙烯装置", "projectNumber": "E-2024",
        "projectStage": "详细设计", "projectTag": "PSV-101", "projectDesigner": "张三", "projectChecker": "李四",
        "projectApprover": "王五", "projectRevision": "B", "projectDate": "2024-05-06", "projectCompany": "某设计院",
        "projectDocument": "CAL-001"})")
                                         .object());
    app::sheet::Lines lines = window().sheets()->caseSheet();
    EXPECT_EQ(
        std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.kind == app::sheet::Kind::Section; }),
        11);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const auto& l) { return l.drawing != nullptr; }));
    const QStringList texts = sourceTexts();
    EXPECT_GT(texts.size(), 1000);
    for (const QString& text : texts) lines.push_back({app::sheet::Kind::Remark, {text}});
    const QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(app::sheet::writePdf(lines, "未保存", "全部计算书", dir.filePath("all.pdf"), &error));
    expectTextOf(dir.filePath("all.pdf"), lines, "未保存");

    // Printed to a PDF file: the distillation page's sheet, diagram and all.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    printer.setFullPage(true);
    ASSERT_TRUE(window().sheets()->print(*page("distillationPage"), printer));
    expectTextOf(dir.filePath("printed.pdf"), window().sheets()->pageSheet(*page("distillationPage")),
                 "every_page_v1.vxr");
}

}  // namespace
}  // namespace vxr::test

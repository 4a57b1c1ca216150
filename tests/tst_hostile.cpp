// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Hostile names, from registration through the result screen to the printed
// page: each is stored exactly, shown literally, printed literally, and the
// program goes on working afterwards.

#include "runtime/record.h"
#include "support/scripted.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// Only what survives a trip through a PDF: white space and control
// characters are dropped, because the page lays a name out in lines (a
// newline starts a paragraph, a long name wraps, a tab is a gap) and the
// text extraction sees the gaps, not the characters. Both sides are brought
// to compatibility-composed form, since extraction may hand back a letter and
// its mark composed, or an Arabic letter as its presentation form.
//
// Characters beyond the Basic Multilingual Plane (most emoji) are drawn on
// the page, but Qt 6.4's PDF writer maps only BMP code points back to text
// (its reverse character map stops at U+FFFF), so extraction cannot see them;
// they are left out of the comparison too.
QString comparable(const QString &text)
{
    QString out;
    for (char32_t c : text.normalized(QString::NormalizationForm_KC).toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (QChar::isSpace(c) || category == QChar::Other_Control || category == QChar::Other_Format
            || QChar::requiresSurrogates(c))
            continue;
        out += QChar(char16_t(c));
    }
    return out;
}

bool rightToLeft(QChar c)
{
    return c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
}

// Text extraction gives right-to-left text in the order it stands on the
// page, so a name that holds some is compared run by run: each run of one
// direction must be on the page, a right-to-left one forwards or backwards.
QString printedDifferently(const QString &printed, const QString &name)
{
    const QString expected = comparable(name);
    if (std::none_of(expected.begin(), expected.end(), rightToLeft))
        return printed == expected ? QString() : "printed " + printed.left(200);
    qsizetype length = 0;
    for (qsizetype i = 0; i < expected.size(); i += length) {
        const bool rtl = rightToLeft(expected[i]);
        length = 1;
        while (i + length < expected.size() && rightToLeft(expected[i + length]) == rtl)
            ++length;
        QString run = expected.mid(i, length);
        if (printed.contains(run))
            continue;
        std::reverse(run.begin(), run.end());
        if (!rtl || !printed.contains(run))
            return "run " + run + " missing from " + printed;
    }
    return {};
}

QString pdfText(const QString &path)
{
    // QTextDocument::print numbers every page at its foot; a name that runs
    // over several pages has those numbers in its midst.
    QStringList pages = pdfToText(path).split('\f');
    for (qsizetype i = 0; i < pages.size(); ++i) {
        QStringList lines = pages[i].split('\n');
        while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
            lines.removeLast();
        if (!lines.isEmpty() && lines.last().trimmed() == QString::number(i + 1))
            lines.removeLast();
        pages[i] = lines.join('\n');
    }
    return pages.join('\n');
}

// Answers Ya everywhere but where the letters say Tidak; returns the result
// screen's disease caption.
QString consult(Fixture &f, const QString &name, const QString &answers)
{
    f.registerName(name);
    for (QChar a : answers) {
        const QStringList open = f.forms().openScreens();
        if (open.size() != 1 || !open.first().startsWith("tanya"))
            return "stopped on " + open.join(',');
        f.answer(open.first().mid(5).toInt(), a == 'Y');
    }
    auto *diag = f.control<QGroupBox>("kes2", "diag");
    return diag ? diag->title() : "no result screen";
}

} // namespace

class TestHostile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ignoreOffscreenRaise(); }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks only") << QStringLiteral("     ");
        QTest::newRow("leading and trailing blanks") << QStringLiteral("   Ani Lestari  ");
        QTest::newRow("32767 characters, words")
            << (QStringLiteral("Budi ").repeated(6553) + QStringLiteral("xy"));
        QTest::newRow("32767 characters, one word") << QString(32767, QChar('w'));
        QTest::newRow("bold markup") << QStringLiteral("<b>Rina</b>");
        QTest::newRow("image markup") << QStringLiteral("<img src=x>");
        QTest::newRow("entity") << QStringLiteral("&amp; &lt;p&gt; &#65;");
        QTest::newRow("lone ampersand") << QStringLiteral("&");
        QTest::newRow("access-key ampersand") << QStringLiteral("Ani &Budi");
        QTest::newRow("right to left") << QString::fromUtf8("\xd8\xb3\xd8\xa7\xd8\xb1\xd8\xa9");  // Arabic
        QTest::newRow("mixed direction")
            << QString::fromUtf8("Budi \xd7\xa9\xd7\xa8\xd7\x94 12");  // Hebrew in Latin
        QTest::newRow("direction overrides") << QString::fromUtf8("a\u202eb\u202cc\u200fd");
        QTest::newRow("emoji")
            << QString::fromUtf8("Budi \xe2\x98\xba\xe2\x9c\x8c \xf0\x9f\x98\x80\xf0\x9f\x91\x8d\xf0\x9f\x8f\xbd");
        QTest::newRow("combining marks") << QString::fromUtf8("Ne\xcc\x81lia Z\xcc\xa4\xcd\x82");
        QTest::newRow("tab") << QStringLiteral("Budi\tSantoso");
        QTest::newRow("newlines") << QStringLiteral("Budi\nSantoso\r\nKedua\rKetiga");
        QTest::newRow("control characters") << QStringLiteral("a\x01" "b\x07" "c\x1b[31md\x7f" "e");
        QTest::newRow("nul character") << QString::fromUtf16(u"a\u0000b", 3);
    }

    void names()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("hasil.pdf");
        Fixture f;
        f.platform.onPrintDialog = [&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
        };
        f.program.start();

        QCOMPARE(consult(f, name, "YYYYTT"), QStringLiteral("Influenza"));
        QCOMPARE(f.forms().record().namas(), name);
        auto *names = f.control<QLabel>("kes2", "names");
        QCOMPARE(names->text(), name);
        QCOMPARE(names->textFormat(), Qt::PlainText);
        // Lays the texts out and paints them once.
        QVERIFY(!f.window("kes2")->grab().isNull());

        f.platform.printConfirmed = true;
        QVERIFY(f.click("kes2", "Command2"));
        QVERIFY(QFile::exists(pdf));
        // The name stands between its caption and the disease heading.
        const QString page = comparable(pdfText(pdf));
        const QString caption = comparable(QStringLiteral("Nama Pasien :"));
        const qsizetype from = page.indexOf(caption) + caption.size();
        const qsizetype to = page.indexOf(QStringLiteral("Influenza"), from);
        QVERIFY2(from >= caption.size() && to >= from, qPrintable(page.left(400)));
        const QString difference = printedDifferently(page.mid(from, to - from), name);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        QCOMPARE(names->text(), name);

        // Every screen still answers: back, a new consultation, help.
        QVERIFY(f.click("kes2", "Command1"));
        QCOMPARE(consult(f, QStringLiteral("Kedua"), "YYYTYY"), QStringLiteral("Laringosil Ventrikularis"));
        QCOMPARE(f.control<QLabel>("kes2", "names")->text(), QStringLiteral("Kedua"));
        QVERIFY(f.click("kes2", "Command1"));
        if (f.forms().isDefined("bant")) {
            QVERIFY(f.click("Utama", "Command3"));
            QCOMPARE(f.forms().openScreens(), QStringList{"bant"});
            QVERIFY(f.click("bant", "Command3"));
        }
        QCOMPARE(f.forms().openScreens(), QStringList{"Utama"});
        QVERIFY(f.click("Utama", "Command2"));
        QVERIFY(f.forms().hasEnded());
    }
};

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"

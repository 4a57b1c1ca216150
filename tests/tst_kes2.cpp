// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The result screen: what it shows for each conclusion code, its design,
// the way back and the printed report.

#include "runtime/record.h"
#include "support/expected.h"
#include "support/scripted.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QPageSize>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

void open(Fixture &f, const QString &name, const QString &code)
{
    f.forms().record().setNamas(name);
    f.forms().record().setStatus(code);
    f.forms().screen("kes2").show();
}

struct Shown
{
    QString name, disease, advice;
};

Shown shown(Fixture &f)
{
    return {f.control<QLabel>("kes2", "names")->text(), f.control<QGroupBox>("kes2", "diag")->title(),
            f.control<QLabel>("kes2", "ket")->text()};
}

// The text of a PDF, with runs of white space made single blanks.
QString pdfText(const QString &path)
{
    return pdfToText(path).simplified();
}

// What pdfinfo says of a PDF, field by field.
QString pdfInfo(const QString &path, const QString &field)
{
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(field), QRegularExpression::MultilineOption);
    return line.match(pdfTool(QStringLiteral("pdfinfo"), {path})).captured(1).trimmed();
}

// How far down its page (0 top, 1 bottom) a word first stands, by pdftotext.
double heightOnPage(const QString &path, const QString &word)
{
    const QString out = pdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    const auto page = QRegularExpression(QStringLiteral("<page width=\"[0-9.]+\" height=\"([0-9.]+)\">")).match(out);
    const auto at = QRegularExpression(QStringLiteral("<word xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\"[^>]*>%1</word>").arg(word))
                        .match(out);
    if (!page.hasMatch() || !at.hasMatch())
        return -1;
    return at.captured(1).toDouble() / page.captured(1).toDouble();
}

const QString notice = QStringLiteral("Sistem Pakar ini hanya prototipe, sehingga bila ada keluhan lebih lanjut "
                                      "tentang penyakit Anda, harap konsultasi ke Dokter THT terdekat");

} // namespace

class TestKes2 : public QObject
{
    Q_OBJECT
private slots:
    void conclusionTable_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("disease");
        QTest::addColumn<QString>("advice");
        for (const expected::Conclusion &c : expected::conclusions) {
            QTest::newRow(c.code.data()) << expected::text(c.code) << expected::text(c.disease)
                                         << expected::text(c.advice);
        }
    }
    // The screen shows the row of its code, with the registered name, letter
    // for letter: "tidak11" and "tidak12" both end in the Influenza advice's
    // trailing blank.
    void conclusionTable()
    {
        QFETCH(QString, code);
        QFETCH(QString, disease);
        QFETCH(QString, advice);
        Fixture f;
        open(f, "Rina", code);
        const Shown s = shown(f);
        QCOMPARE(s.name, QStringLiteral("Rina"));
        QCOMPARE(s.disease, disease);
        QCOMPARE(s.advice, advice);
        QCOMPARE(f.control<QLabel>("kes2", "ket")->textFormat(), Qt::PlainText);
        QCOMPARE(f.forms().openScreens(), QStringList{"kes2"});
    }

    void unknownCodesLeaveTheDesign_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("other case") << "Ya5";
        QTest::newRow("trailing blank") << "ya5 ";
        QTest::newRow("leading blank") << " ya5";
        QTest::newRow("unknown") << "tidak13";
        QTest::newRow("empty") << "";
        QTest::newRow("record's first value") << "Label2";
    }
    void unknownCodesLeaveTheDesign()
    {
        QFETCH(QString, code);
        Fixture f;
        open(f, "Rina", code);
        const Shown s = shown(f);
        QCOMPARE(s.name, QStringLiteral("Label3"));
        QCOMPARE(s.disease, QStringLiteral("Frame1"));
        QCOMPARE(s.advice, QStringLiteral("Label1"));
        QVERIFY(f.control("kes2", "diag")->toolTip().isEmpty());
        QVERIFY(f.control("kes2", "ket")->toolTip().isEmpty());
    }

    // The disease and the advice tell the answers that led to them, one
    // question a line; the two ways to Influenza each tell their own.
    void explainsHowReached_data()
    {
        QTest::addColumn<QString>("code");
        for (const expected::Conclusion &c : expected::conclusions)
            QTest::newRow(c.code.data()) << expected::text(c.code);
    }
    void explainsHowReached()
    {
        QFETCH(QString, code);
        const expected::Conclusion &c = *expected::conclusion(code);
        QStringList lines{QStringLiteral("Jawaban yang menuju diagnosa ini:")};
        const QList<int> nodes = expected::nodes(c);
        for (qsizetype i = 0; i < nodes.size(); ++i) {
            lines << expected::question(nodes[i]).trimmed() + QStringLiteral("  ")
                         + (c.answers[std::size_t(i)] == 'Y' ? QStringLiteral("Ya") : QStringLiteral("Tidak"));
        }
        const QString how = lines.join('\n');

        Fixture f;
        open(f, "Rina", code);
        for (const char *part : {"diag", "ket"}) {
            QWidget *w = f.control("kes2", part);
            QCOMPARE(tipText(w->toolTip()), how);
            QCOMPARE(tipText(w->whatsThis()), how);
            QCOMPARE(w->accessibleDescription(), how);
        }
        // The name beside them tells nothing of the kind.
        QVERIFY(f.control("kes2", "names")->toolTip().isEmpty());
    }

    void namesAreShownLiterally_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("markup") << "<b>x</b> & y";
        QTest::newRow("blanks") << "  Ani  ";
    }
    void namesAreShownLiterally()
    {
        QFETCH(QString, name);
        Fixture f;
        open(f, name, "ya8");
        auto *names = f.control<QLabel>("kes2", "names");
        QCOMPARE(names->text(), name);
        QCOMPARE(names->textFormat(), Qt::PlainText);
        QCOMPARE(shown(f).disease, QStringLiteral("Faringitis Akut"));
    }

    void openScreenIsOnlyBroughtToFront()
    {
        Fixture f;
        open(f, "Rina", "ya5");
        QWidget *w = f.window("kes2");
        f.forms().record().setStatus("ya6");
        f.forms().screen("kes2").show();
        QCOMPARE(f.window("kes2"), w);
        QCOMPARE(shown(f).disease, QStringLiteral("Laringosil Ventrikularis"));
    }

    void kembaliThenANewConsultation()
    {
        Fixture f;
        f.program.start();
        f.registerName("Pertama");
        for (int node : {0, 1, 2, 3})
            f.answer(node, true);
        f.answer(9, false);
        f.answer(12, true);
        QCOMPARE(shown(f).disease, QStringLiteral("Abses Parafaring"));
        QVERIFY(f.click("kes2", "Command1"));
        QCOMPARE(f.forms().openScreens(), QStringList{"Utama"});
        QCOMPARE(f.forms().record().status(), QStringLiteral("ya12"));
        f.registerName("Kedua");
        for (int node : {0, 1, 2})
            f.answer(node, true);
        f.answer(3, false);
        f.answer(4, true);
        f.answer(5, true);
        QCOMPARE(shown(f).name, QStringLiteral("Kedua"));
        QCOMPARE(shown(f).disease, QStringLiteral("Laringosil Ventrikularis"));
    }

    void design()
    {
        Fixture f;
        open(f, "Rina", "ya5");
        QWidget *w = f.window("kes2");
        QCOMPARE(w->windowTitle(), QStringLiteral("Hasil Diagnosa"));
        QCOMPARE(w->size(), QSize(409, 378));
        QCOMPARE(w->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QCOMPARE(w->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
        QCOMPARE(f.control("kes2", "diag")->geometry(), QRect(8, 8, 393, 305));
        QCOMPARE(f.control("kes2", "diag")->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::HighlightedText));
        QCOMPARE(f.control<QLabel>("kes2", "Label2")->text(), QStringLiteral("Nama Pasien     :"));
        QCOMPARE(f.control("kes2", "Label2")->geometry(), QRect(8, 32, 137, 25));
        QCOMPARE(f.control("kes2", "names")->geometry(), QRect(152, 32, 233, 25));
        QCOMPARE(f.control("kes2", "ket")->geometry(), QRect(8, 64, 377, 233));
        for (const char *label : {"Label2", "names", "ket"}) {
            auto *l = f.control<QLabel>("kes2", label);
            QCOMPARE(l->palette().color(QPalette::Window), QApplication::palette().color(QPalette::ToolTipBase));
            QVERIFY(l->autoFillBackground());
            QVERIFY(l->wordWrap());
            QCOMPARE(l->font().pointSizeF(), label == QLatin1String("ket") ? 9.75 : 12.0);
            QCOMPARE(l->frameShape(), label == QLatin1String("ket") ? QFrame::Box : QFrame::NoFrame);
        }
        auto *cetak = f.control<QPushButton>("kes2", "Command2");
        auto *kembali = f.control<QPushButton>("kes2", "Command1");
        QCOMPARE(cetak->text(), QStringLiteral("&Cetak "));
        QCOMPARE(kembali->text(), QStringLiteral("&Kembali"));
        QCOMPARE(cetak->geometry(), QRect(256, 320, 137, 41));
        QCOMPARE(kembali->geometry(), QRect(128, 320, 121, 41));
        QVERIFY(!cetak->isDefault() && !cetak->autoDefault() && !kembali->autoDefault());
        QCOMPARE(w->focusWidget(), cetak);
        QCOMPARE(cetak->nextInFocusChain(), kembali);
    }

    void printingWritesTheDiagnosis()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("hasil.pdf");
        Fixture f;
        f.program.start();
        f.registerName("<b>Rina</b> & Co");
        for (int node : {0, 1, 2, 3})
            f.answer(node, true);
        f.answer(9, true);
        f.answer(10, false);
        f.answer(11, true);
        f.platform.printConfirmed = true;
        f.platform.onPrintDialog = [&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
        };
        const Shown before = shown(f);
        QVERIFY(f.click("kes2", "Command2"));
        QCOMPARE(f.platform.printDialogs, 1);
        QVERIFY(QFile::exists(pdf));
        const QString page = pdfText(pdf);
        QVERIFY2(page.contains("Nama Pasien : <b>Rina</b> & Co"), qPrintable(page));
        QVERIFY(page.contains("Angina Plaut Vincent"));
        for (const QString &item : before.advice.split(" # "))
            QVERIFY2(page.contains(item.simplified()), qPrintable(item));
        QVERIFY(page.contains("Jawaban"));
        QVERIFY(page.contains("Apakah Anda Berusia Antara 10 tahun sampai 50 tahun ? Ya"));
        QVERIFY(page.contains("Apakah Anda Mengalami Muntah-muntah ? Tidak"));
        QVERIFY(page.contains("Apakah Mulut Anda Terasa Nyeri ? Ya"));
        QVERIFY(!page.contains("Apakah Disertai Dengan Batuk"));
        // The answers as the screen tells them, in the same order.
        qsizetype at = page.indexOf("Jawaban");
        for (const QString &line : tipText(f.control("kes2", "diag")->toolTip()).split('\n').mid(1)) {
            const qsizetype next = page.indexOf(line.simplified(), at);
            QVERIFY2(next > at, qPrintable(line));
            at = next;
        }
        QCOMPARE(f.forms().openScreens(), QStringList{"kes2"});
        QCOMPARE(shown(f).advice, before.advice);
    }

    // The page says when it was printed, in the user's language, ends with
    // the prototype notice at its foot, and holds the longest advice on one
    // page of either paper size.
    void printedPage_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<QString>("size");
        QTest::newRow("A4") << int(QPageSize::A4) << "595 x 842 pts (A4)";
        QTest::newRow("Letter") << int(QPageSize::Letter) << "612 x 792 pts (letter)";
    }
    void printedPage()
    {
        QFETCH(int, paper);
        QFETCH(QString, size);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("hasil.pdf");
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::Indonesian, QLocale::Indonesia));
        Fixture f;
        f.platform.today = QDate(2024, 3, 5);
        f.platform.now = QTime(9, 7, 30);
        open(f, "Budi Santoso", "ya7");
        f.platform.printConfirmed = true;
        f.platform.onPrintDialog = [&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
        };
        QVERIFY(f.click("kes2", "Command2"));
        QLocale::setDefault(before);
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(pdfInfo(pdf, "Page size"), size);
        QCOMPARE(pdfInfo(pdf, "Pages"), QStringLiteral("1"));
        const QString page = pdfText(pdf);
        QVERIFY2(page.contains("Dicetak: Selasa, 05 Maret 2024, 09.07.30"), qPrintable(page.left(200)));
        QVERIFY2(page.endsWith(notice), qPrintable(page.right(200)));
        QVERIFY(page.contains("misal betadine"));
        QVERIFY(page.contains("Apakah Suara Anda Menjadi Sengau ? Ya"));
        QVERIFY(heightOnPage(pdf, "Sistem") > 0.8);
    }

    void cancelledPrintSendsNothing()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("hasil.pdf");
        Fixture f;
        open(f, "Rina", "ya5");
        f.platform.printConfirmed = false;
        f.platform.onPrintDialog = [&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
        };
        QVERIFY(f.click("kes2", "Command2"));
        QCOMPARE(f.platform.printDialogs, 1);
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(f.forms().openScreens(), QStringList{"kes2"});
        QCOMPARE(shown(f).disease, QStringLiteral("Laringosil Ventrikularis"));
    }

    void closeBoxShowsNoWelcome()
    {
        Fixture f;
        f.forms().screen("Utama");  // exists, but closed
        open(f, "Rina", "ya5");
        f.forms().record();
        QVERIFY(f.window("kes2")->close());
        QVERIFY(f.forms().openScreens().isEmpty());
        QVERIFY(!f.forms().screen("Utama").isOpen());
    }
};

QTEST_MAIN(TestKes2)
#include "tst_kes2.moc"

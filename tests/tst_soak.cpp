// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// A long session in one process: 1,000 consultations through every path,
// with printing and the help screen now and then, leave no widgets behind and
// no memory growing.

#include "support/scripted.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include <malloc.h>
#include <unistd.h>

namespace {

// The answers of the eleven paths, from tanya0 on.
const QStringList paths = {"YYYTYY",  "YYYTYTY", "YYYTYTT", "YYYTTY",  "YYYTTTY", "YYYTTTT",
                           "YYYYYY",  "YYYYYTY", "YYYYYTT", "YYYYTY",  "YYYYTT"};

struct Usage
{
    qsizetype widgets;
    size_t heap;
};

Usage usage()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return {QApplication::allWidgets().size(), mallinfo2().uordblks};
}

// One consultation from the welcome screen back to it; false when a screen
// on the way was not where it should be.
bool consultation(Fixture &f, int number)
{
    // The scripted boxes keep a log; a long session does not need it.
    f.platform.boxes.clear();
    f.platform.inputs.clear();
    f.registerName(QStringLiteral("Pasien %1").arg(number));
    for (QChar a : paths[number % paths.size()]) {
        const QStringList open = f.forms().openScreens();
        if (open.size() != 1 || !open.first().startsWith("tanya"))
            return false;
        f.answer(open.first().mid(5).toInt(), a == 'Y');
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (f.forms().openScreens() != QStringList{"kes2"})
        return false;
    if (number % 10 == 0) {
        f.platform.printConfirmed = number % 20 == 0;
        f.click("kes2", "Command2");
    }
    f.click("kes2", "Command1");
    if (number % 7 == 0 && f.forms().isDefined("bant")) {
        f.click("Utama", "Command3");
        for (const char *view : {"Command1", "Command2", "Command4", "Command3"})
            f.click("bant", view);
    }
    // Lets the welcome screen paint and its clock run, as a user would see.
    QCoreApplication::processEvents();
    return f.forms().openScreens() == QStringList{"Utama"};
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ignoreOffscreenRaise(); }

    void thousandConsultations()
    {
        QTemporaryDir dir;
        Fixture f;
        f.platform.onPrintDialog = [&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath("hasil.pdf"));
        };
        f.program.start();

        // The first round walks every path once, so that every screen has been
        // built and every cache the toolkit keeps has been filled.
        int number = 0;
        for (; number < int(paths.size()) * 2; ++number)
            QVERIFY2(consultation(f, number), qPrintable(QString::number(number)));
        const Usage first = usage();
        for (; number < 1000; ++number)
            QVERIFY2(consultation(f, number), qPrintable(QString::number(number)));
        const Usage last = usage();

        QCOMPARE(last.widgets, first.widgets);
#if defined(__SANITIZE_ADDRESS__)
        qInfo("heap not compared: the address sanitizer keeps freed memory in quarantine");
#else
        // The toolkit's caches wobble by a kilobyte or two; a leak of even the
        // smallest block (32 bytes) a consultation would be twice the bound.
        const long long growth = static_cast<long long>(last.heap) - static_cast<long long>(first.heap);
        qInfo("heap in use: %zu bytes after the first round, %zu after 1000 consultations", first.heap, last.heap);
        QVERIFY2(growth < 16 * 1024, qPrintable(QStringLiteral("heap grew by %1 bytes").arg(growth)));
#endif
    }
};

int main(int argc, char **argv)
{
#if !defined(__SANITIZE_ADDRESS__)
    // glibc's per-thread cache keeps up to seven freed blocks of every small
    // size, and mallinfo counts them as in use: some hundred kilobytes that
    // fill slowly over a long run and look like a leak. The cache can only be
    // turned off before the process starts, so start again without it.
    static const char tunable[] = "glibc.malloc.tcache_count=0";
    const QByteArray tunables = qgetenv("GLIBC_TUNABLES");
    if (!tunables.contains(tunable)) {
        qputenv("GLIBC_TUNABLES", tunables.isEmpty() ? QByteArray(tunable) : tunables + ':' + tunable);
        execv("/proc/self/exe", argv);
        qFatal("cannot start again without the allocator's thread cache");
    }
#endif
    // As QTEST_MAIN does.
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestSoak test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_soak.moc"

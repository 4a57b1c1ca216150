// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The knowledge base's explanations against the decision tree and the
// conclusion table as designed: what each answer still leaves possible, the
// texts built from that, the answers that lead to each conclusion, and the
// prototype notice. The expected values are typed from the design, not read
// from the tables.

#include "knowledge/explain.h"
#include "knowledge/notice.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTest>

namespace {

QString text(std::string_view v)
{
    return QString::fromLatin1(v.data(), qsizetype(v.size()));
}

QStringList names(const knowledge::Diseases &diseases)
{
    QStringList list;
    for (std::string_view name : diseases)
        list << text(name);
    return list;
}

const QString laringosil = QStringLiteral("Laringosil Ventrikularis");
const QString laringitis = QStringLiteral("Laringitis Akut");
const QString batuk = QStringLiteral("Batuk");
const QString peritonsil = QStringLiteral("Abses Peritonsil");
const QString faringitis = QStringLiteral("Faringitis Akut");
const QString panas = QStringLiteral("Panas Dalam");
const QString skarlatina = QStringLiteral("Skarlatina");
const QString vincent = QStringLiteral("Angina Plaut Vincent");
const QString influenza = QStringLiteral("Influenza");
const QString parafaring = QStringLiteral("Abses Parafaring");

} // namespace

class TestKnowledge : public QObject
{
    Q_OBJECT
private slots:
    // Below each answer, the diseases of the conclusions it can still lead
    // to, walking the tree Ya before Tidak; none for a dead end.
    void possibleAfter_data()
    {
        QTest::addColumn<int>("node");
        QTest::addColumn<bool>("ya");
        QTest::addColumn<QStringList>("diseases");
        const QStringList fever = {skarlatina, vincent, influenza, parafaring};
        const QStringList noFever = {laringosil, laringitis, batuk, peritonsil, faringitis, panas};
        for (int gate : {0, 1, 2}) {
            QTest::addRow("tanya%d Ya", gate) << gate << true << fever + noFever;
            QTest::addRow("tanya%d Tidak", gate) << gate << false << QStringList{};
        }
        QTest::newRow("tanya3 Ya") << 3 << true << fever;
        QTest::newRow("tanya3 Tidak") << 3 << false << noFever;
        QTest::newRow("tanya4 Ya") << 4 << true << QStringList{laringosil, laringitis, batuk};
        QTest::newRow("tanya4 Tidak") << 4 << false << QStringList{peritonsil, faringitis, panas};
        QTest::newRow("tanya5 Ya") << 5 << true << QStringList{laringosil};
        QTest::newRow("tanya5 Tidak") << 5 << false << QStringList{laringitis, batuk};
        QTest::newRow("tanya6 Ya") << 6 << true << QStringList{laringitis};
        QTest::newRow("tanya6 Tidak") << 6 << false << QStringList{batuk};
        QTest::newRow("tanya7 Ya") << 7 << true << QStringList{peritonsil};
        QTest::newRow("tanya7 Tidak") << 7 << false << QStringList{faringitis, panas};
        QTest::newRow("tanya8 Ya") << 8 << true << QStringList{faringitis};
        QTest::newRow("tanya8 Tidak") << 8 << false << QStringList{panas};
        // Influenza ends two paths; it is named once.
        QTest::newRow("tanya9 Ya") << 9 << true << QStringList{skarlatina, vincent, influenza};
        QTest::newRow("tanya9 Tidak") << 9 << false << QStringList{parafaring, influenza};
        QTest::newRow("tanya10 Ya") << 10 << true << QStringList{skarlatina};
        QTest::newRow("tanya10 Tidak") << 10 << false << QStringList{vincent, influenza};
        QTest::newRow("tanya11 Ya") << 11 << true << QStringList{vincent};
        QTest::newRow("tanya11 Tidak") << 11 << false << QStringList{influenza};
        QTest::newRow("tanya12 Ya") << 12 << true << QStringList{parafaring};
        QTest::newRow("tanya12 Tidak") << 12 << false << QStringList{influenza};
    }
    void possibleAfter()
    {
        QFETCH(int, node);
        QFETCH(bool, ya);
        QFETCH(QStringList, diseases);
        const auto answer = ya ? knowledge::Answer::Ya : knowledge::Answer::Tidak;
        QCOMPARE(names(knowledge::possibleAfter(node, answer)), diseases);

        // The text names them in that order, or says the answer ends there.
        const QString why = text(knowledge::whyAsked(node));
        const QString prefix = ya ? QStringLiteral("Ya: ") : QStringLiteral("Tidak: ");
        const qsizetype at = why.indexOf(QStringLiteral(" ") + prefix);
        QVERIFY2(at > 0, qPrintable(why));
        const qsizetype end = why.indexOf(QLatin1Char('.'), at);
        const QString part = why.mid(at + 1 + prefix.size(), end - at - 1 - prefix.size());
        if (diseases.isEmpty())
            QCOMPARE(part, QStringLiteral("berakhir tanpa diagnosa"));
        else
            QCOMPARE(part.split(QRegularExpression(QStringLiteral(", | atau "))), diseases);
    }

    void whyTexts_data()
    {
        QTest::addColumn<int>("node");
        QTest::addColumn<QString>("why");
        QTest::newRow("tanya9") << 9
                                << "Mengapa ditanyakan? Ya: Skarlatina, Angina Plaut Vincent atau Influenza. "
                                   "Tidak: Abses Parafaring atau Influenza.";
        QTest::newRow("tanya6") << 6 << "Mengapa ditanyakan? Ya: Laringitis Akut. Tidak: Batuk.";
        QTest::newRow("tanya2")
            << 2
            << "Mengapa ditanyakan? Ya: Skarlatina, Angina Plaut Vincent, Influenza, Abses Parafaring, "
               "Laringosil Ventrikularis, Laringitis Akut, Batuk, Abses Peritonsil, Faringitis Akut atau Panas "
               "Dalam. Tidak: berakhir tanpa diagnosa.";
    }
    void whyTexts()
    {
        QFETCH(int, node);
        QFETCH(QString, why);
        QCOMPARE(text(knowledge::whyAsked(node)), why);
    }

    // One line a question on the way, from the root, as "question  answer".
    void howReached_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QList<int>>("nodes");
        QTest::addColumn<QString>("answers");
        QTest::newRow("ya5") << "ya5" << QList<int>{0, 1, 2, 3, 4, 5} << "YYYTYY";
        QTest::newRow("ya6") << "ya6" << QList<int>{0, 1, 2, 3, 4, 5, 6} << "YYYTYTY";
        QTest::newRow("tidak6") << "tidak6" << QList<int>{0, 1, 2, 3, 4, 5, 6} << "YYYTYTT";
        QTest::newRow("ya7") << "ya7" << QList<int>{0, 1, 2, 3, 4, 7} << "YYYTTY";
        QTest::newRow("ya8") << "ya8" << QList<int>{0, 1, 2, 3, 4, 7, 8} << "YYYTTTY";
        QTest::newRow("tidak8") << "tidak8" << QList<int>{0, 1, 2, 3, 4, 7, 8} << "YYYTTTT";
        QTest::newRow("ya10") << "ya10" << QList<int>{0, 1, 2, 3, 9, 10} << "YYYYYY";
        QTest::newRow("ya11") << "ya11" << QList<int>{0, 1, 2, 3, 9, 10, 11} << "YYYYYTY";
        QTest::newRow("tidak11") << "tidak11" << QList<int>{0, 1, 2, 3, 9, 10, 11} << "YYYYYTT";
        QTest::newRow("ya12") << "ya12" << QList<int>{0, 1, 2, 3, 9, 12} << "YYYYTY";
        QTest::newRow("tidak12") << "tidak12" << QList<int>{0, 1, 2, 3, 9, 12} << "YYYYTT";
    }
    void howReached()
    {
        QFETCH(QString, code);
        QFETCH(QList<int>, nodes);
        QFETCH(QString, answers);
        QStringList expected{QStringLiteral("Jawaban yang menuju diagnosa ini:")};
        for (qsizetype i = 0; i < nodes.size(); ++i) {
            expected << text(knowledge::tree[std::size_t(nodes[i])].question).trimmed() + QStringLiteral("  ")
                            + (answers[i] == 'Y' ? QStringLiteral("Ya") : QStringLiteral("Tidak"));
        }
        QCOMPARE(text(knowledge::howReached(code.toStdString())).split(QLatin1Char('\n')), expected);
    }

    void howReachedEdges()
    {
        // Quoted without the trailing blank of its question, with the two
        // blanks inside another kept.
        QVERIFY(text(knowledge::howReached("tidak8")).endsWith("Apakah Anda Mengalami Gangguan Pencernaan ?  Tidak"));
        QVERIFY(text(knowledge::howReached("ya7")).contains("\nApakah  Suara Anda Menjadi Sengau ?  Ya"));
        // The same disease, each by its own way.
        QVERIFY(knowledge::howReached("tidak11") != knowledge::howReached("tidak12"));
        for (const char *code : {"Ya5", "ya5 ", "", "ya99", "Label2"})
            QVERIFY2(knowledge::howReached(code).empty(), code);
        QVERIFY(knowledge::whyAsked(-1).empty() && knowledge::whyAsked(13).empty());
    }

    void prototypeNotice()
    {
        QCOMPARE(text(knowledge::prototypeNotice),
                 QStringLiteral("Sistem Pakar ini hanya prototipe, sehingga bila ada keluhan lebih lanjut tentang "
                                "penyakit Anda, harap konsultasi ke Dokter THT terdekat"));
    }
};

QTEST_APPLESS_MAIN(TestKnowledge)
#include "tst_knowledge.moc"

// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The knowledge base as the tests expect to see it on screen, typed once,
// letter for letter (odd spellings and blanks included), apart from the
// program's own tables, so that an edit of those cannot pass unseen.

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <string_view>

namespace expected {

// The question each screen tanya0..tanya12 shows.
inline constexpr std::array<std::string_view, 13> questions = {
    "Apakah Anda Berusia Antara 10 tahun sampai 50 tahun ?",
    "Apakah Anda Mengalami Nyeri Pada Tenggorokan ?",
    "Apakah Anda Mengalami Nyeri Pada Waktu Menelan ?",
    "Apakah Badan Anda Terasa Demam ?",
    "Apakah Disertai Dengan Batuk ?",
    "Apakah Batuk Kering ?",
    "Apakah Suara Anda Menjadi Serak ?",
    "Apakah  Suara Anda Menjadi Sengau ?",
    "Apakah Anda Mengalami Gangguan Pencernaan ? ",
    "Apakah Anda Mengalami Sakit Kepala ?",
    "Apakah Anda Mengalami Muntah-muntah ?",
    "Apakah Mulut Anda Terasa Nyeri ?",
    "Apakah Anda Mengalami Bengkak Pada Leher ?",
};

inline constexpr std::string_view influenzaAdvice =
    "# Influenza: Penyakit ini memiliki gejala yang sama dengan penyakit tenggorokan. Disebabkan oleh Virus yang "
    "dapat sembuh tanpa pengobatan ";

struct Conclusion
{
    std::string_view code;
    std::string_view answers;  // from tanya0 on: Y for "Ya", T for "Tidak"
    std::string_view nodes;    // the screens asked, by number
    std::string_view disease;
    std::string_view advice;
};

// Every conclusion with the walk that reaches it.
inline constexpr std::array<Conclusion, 11> conclusions = {{
    {"ya5", "YYYTYY", "0 1 2 3 4 5", "Laringosil Ventrikularis",
     "# Jika terjadi Laringosil kecil tanpa disertai gejala, tidak perlu dilakukan tindakan. Bila besar, dilakukan "
     "eksisi"},
    {"ya6", "YYYTYTY", "0 1 2 3 4 5 6", "Laringitis Akut",
     "# Penderita dianjurkan untuk istirahat bicara selama 2-3 hari # dianjurkan menghirup udara pagi atau segar # "
     "Jangan merokok, makan pedas, atau minum dingin # Penderita dapat berobat jalan, kecuali ada sumbatan jalan "
     "nafas, maka sipenderita harus dirawat # Antibiotika dengan penicillin: -anak 50 mg/hari dibagi dalam tiga "
     "dosis -Dewasa 3 x 500 mg/hari # Kostikosteriod diberikan untuk mengatasi edem laring"},
    {"tidak6", "YYYTYTT", "0 1 2 3 4 5 6", "Batuk",
     "# Anda terserang penyakit Batuk, Batuk bukan merupakan jenis penyakit Tenggorokan melainkan jenis penyakit. "
     "Konsultasikan Kedokter !!!"},
    {"ya7", "YYYTTY", "0 1 2 3 4 7", "Abses Peritonsil",
     "# Penderita dianjurkan mengkonsumsi Medikamentosa seperti: -Penicillin 600.000-1.200.000 unit ataau "
     "Ampisillin 4 x 250-500 mg/hari / Amoksillin 3 x 250-500 mg/hari / Sefalosporin 3-4 x 250-500 mg/hari -Obat "
     "kumur anti septik -parasetamol 3 x 250-500 mg/hari # Dilakukan pungsi pada tempat yang paling menonjol dengan "
     "analgesia topikal xylocaine, lalu dikeluarkan dengan alat penghisap, kemudian penderita diminta berkumur "
     "dengan antiseptik, misal betadine"},
    {"ya8", "YYYTTTY", "0 1 2 3 4 7 8", "Faringitis Akut",
     "# Penderita dianjurkan mengkonsumsi Antibiotik Ampicillin 4 x 500 mg/hari # amoksillin 3 x 500 mg/hari # "
     "Antiperilik dan nassal dekongestan bila ada obstruksi tuba"},
    {"tidak8", "YYYTTTT", "0 1 2 3 4 7 8", "Panas Dalam", "# Anda mengalami Panas Dalam, Untuk jelasnya Hubungi Dokter !!!"},
    {"ya10", "YYYYYY", "0 1 2 3 9 10", "Skarlatina",
     "# Dianjurkan pengobatan dengan penicillin. penderita harus bebas dari kuman sebelum keluar dari ruang isolasi, "
     "untuk itu perlu tindakan operatif terhadap tonsil, adenoid, sinus paranassal atau telinga yang telah "
     "terinfeksi"},
    {"ya11", "YYYYYTY", "0 1 2 3 9 10 11", "Angina Plaut Vincent",
     "# Dianjurkan untuk menjaga higiene mulut # Antibiotik penicillin atau Ampisillin 4 x 500 mg/hari # Vitamin C "
     "dan B kompleks # Obat kumur"},
    {"tidak11", "YYYYYTT", "0 1 2 3 9 10 11", "Influenza", influenzaAdvice},
    {"ya12", "YYYYTY", "0 1 2 3 9 12", "Abses Parafaring",
     "# Penderita harus istirahat ditempat tidur, diberikan kompres hangat dan lembab untuk melokalisasiabses # "
     "penicillin 600.000-1.200.000 unit/hari atau Ampisillin 3-4 x 1-2 gr/hari atau Gentasimin 2 x 40-80 mg/hari # "
     "Tindakan drainase intraoral dengan melakukan inisisi dan drainase dalam analgesia topikal bila tampak "
     "penonjolan ke dalam rongga faring"},
    {"tidak12", "YYYYTT", "0 1 2 3 9 12", "Influenza", influenzaAdvice},
}};

// The lengths the design gives for each advice: a check on the typing above.
static_assert(conclusions[0].advice.size() == 115 && conclusions[1].advice.size() == 406
              && conclusions[2].advice.size() == 134 && conclusions[3].advice.size() == 455
              && conclusions[4].advice.size() == 163 && conclusions[5].advice.size() == 63
              && conclusions[6].advice.size() == 222 && conclusions[7].advice.size() == 136
              && influenzaAdvice.size() == 138 && conclusions[9].advice.size() == 350);

// The focus order of each question screen; the first has the focus at opening.
inline const std::array<QStringList, 13> &focusOrders()
{
    static const std::array<QStringList, 13> orders = {
        QStringList{"Command3", "Command1", "tidak", "ya"},
        QStringList{"ya", "tidak", "Command1", "Command3", "Command2"},
        QStringList{"Command1", "tidak", "ya", "Command2", "Command3"},
        QStringList{"Command1", "ya", "tidak", "Command2", "Command3"},
        QStringList{"tidak", "ya", "Command3", "Command2", "Command1"},
        QStringList{"Command1", "Command2", "Command3", "ya", "tidak"},
        QStringList{"Command1", "Command2", "Command3", "ya", "tidak"},
        QStringList{"Command1", "Command2", "Command3", "tidak", "ya"},
        QStringList{"Command1", "Command2", "Command3", "ya", "tidak"},
        QStringList{"Command1", "Command2", "Command3", "ya", "tidak"},
        QStringList{"Command1", "Command2", "Command3", "ya", "tidak"},
        QStringList{"Command1", "Command2", "Command3", "ya", "tidak"},
        QStringList{"Command1", "Command2", "Command3", "ya", "tidak"},
    };
    return orders;
}

inline QString text(std::string_view v)
{
    return QString::fromUtf8(v.data(), qsizetype(v.size()));
}

inline QString question(int node)
{
    return text(questions[std::size_t(node)]);
}

inline QList<int> nodes(const Conclusion &c)
{
    QList<int> list;
    for (const QString &node : text(c.nodes).split(' '))
        list << node.toInt();
    return list;
}

inline const Conclusion *conclusion(const QString &code)
{
    for (const Conclusion &c : conclusions) {
        if (text(c.code) == code)
            return &c;
    }
    return nullptr;
}

} // namespace expected

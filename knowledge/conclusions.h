// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The conclusion table: what the result screen shows for each conclusion code
// of the decision tree, in the order the screen tests them.

#include "knowledge/tree.h"

#include <array>
#include <string_view>

namespace knowledge {

struct Conclusion
{
    std::string_view code;
    std::string_view disease;
    std::string_view advice;
};

inline constexpr std::string_view influenzaAdvice =
    "# Influenza: Penyakit ini memiliki gejala yang sama dengan penyakit tenggorokan. Disebabkan oleh Virus "
    "yang dapat sembuh tanpa pengobatan ";

// clang-format off
inline constexpr std::array<Conclusion, 11> conclusions{{
    {"ya5", "Laringosil Ventrikularis",
     "# Jika terjadi Laringosil kecil tanpa disertai gejala, tidak perlu dilakukan tindakan. Bila besar, "
     "dilakukan eksisi"},
    {"ya6", "Laringitis Akut",
     "# Penderita dianjurkan untuk istirahat bicara selama 2-3 hari # dianjurkan menghirup udara pagi atau segar "
     "# Jangan merokok, makan pedas, atau minum dingin # Penderita dapat berobat jalan, kecuali ada sumbatan "
     "jalan nafas, maka sipenderita harus dirawat # Antibiotika dengan penicillin: -anak 50 mg/hari dibagi dalam "
     "tiga dosis -Dewasa 3 x 500 mg/hari # Kostikosteriod diberikan untuk mengatasi edem laring"},
    {"tidak6", "Batuk",
     "# Anda terserang penyakit Batuk, Batuk bukan merupakan jenis penyakit Tenggorokan melainkan jenis "
     "penyakit. Konsultasikan Kedokter !!!"},
    {"ya7", "Abses Peritonsil",
     "# Penderita dianjurkan mengkonsumsi Medikamentosa seperti: -Penicillin 600.000-1.200.000 unit ataau "
     "Ampisillin 4 x 250-500 mg/hari / Amoksillin 3 x 250-500 mg/hari / Sefalosporin 3-4 x 250-500 mg/hari "
     "-Obat kumur anti septik -parasetamol 3 x 250-500 mg/hari # Dilakukan pungsi pada tempat yang paling "
     "menonjol dengan analgesia topikal xylocaine, lalu dikeluarkan dengan alat penghisap, kemudian penderita "
     "diminta berkumur dengan antiseptik, misal betadine"},
    {"ya8", "Faringitis Akut",
     "# Penderita dianjurkan mengkonsumsi Antibiotik Ampicillin 4 x 500 mg/hari # amoksillin 3 x 500 mg/hari "
     "# Antiperilik dan nassal dekongestan bila ada obstruksi tuba"},
    {"tidak8", "Panas Dalam",
     "# Anda mengalami Panas Dalam, Untuk jelasnya Hubungi Dokter !!!"},
    {"ya10", "Skarlatina",
     "# Dianjurkan pengobatan dengan penicillin. penderita harus bebas dari kuman sebelum keluar dari ruang "
     "isolasi, untuk itu perlu tindakan operatif terhadap tonsil, adenoid, sinus paranassal atau telinga yang "
     "telah terinfeksi"},
    {"ya11", "Angina Plaut Vincent",
     "# Dianjurkan untuk menjaga higiene mulut # Antibiotik penicillin atau Ampisillin 4 x 500 mg/hari # "
     "Vitamin C dan B kompleks # Obat kumur"},
    {"tidak11", "Influenza", influenzaAdvice},
    {"ya12", "Abses Parafaring",
     "# Penderita harus istirahat ditempat tidur, diberikan kompres hangat dan lembab untuk melokalisasiabses "
     "# penicillin 600.000-1.200.000 unit/hari atau Ampisillin 3-4 x 1-2 gr/hari atau Gentasimin 2 x 40-80 "
     "mg/hari # Tindakan drainase intraoral dengan melakukan inisisi dan drainase dalam analgesia topikal bila "
     "tampak penonjolan ke dalam rongga faring"},
    {"tidak12", "Influenza", influenzaAdvice},
}};
// clang-format on

namespace check {

constexpr int rowsFor(std::string_view code)
{
    int rows = 0;
    for (const Conclusion &c : conclusions)
        rows += c.code == code ? 1 : 0;
    return rows;
}

// Every code the tree can write has exactly one row, and every row's code is
// one the tree writes.
constexpr bool tableCoversTree()
{
    std::size_t treeCodes = 0;
    for (const Node &n : tree) {
        for (const Outcome &o : {n.ya, n.tidak}) {
            if (o.kind != Outcome::Conclusion)
                continue;
            ++treeCodes;
            if (rowsFor(o.code) != 1)
                return false;
        }
    }
    return treeCodes == conclusions.size();
}

} // namespace check

static_assert(check::tableCoversTree(), "the conclusion table needs one row for each conclusion of the tree");

} // namespace knowledge

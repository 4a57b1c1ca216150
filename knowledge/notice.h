// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one caveat the system gives with every diagnosis: it is a prototype,
// and a doctor is to be seen. The help screen shows it among its usage notes
// and the printed page ends with it, so it is held here once.

#include <string_view>

namespace knowledge {

inline constexpr std::string_view prototypeNotice =
    "Sistem Pakar ini hanya prototipe, sehingga bila ada keluhan lebih lanjut tentang penyakit Anda, harap "
    "konsultasi ke Dokter THT terdekat";

} // namespace knowledge

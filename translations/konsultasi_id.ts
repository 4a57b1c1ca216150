<?xml version="1.0" encoding="utf-8"?>
<!--
SPDX-FileCopyrightText: the Konsultasi THT authors
SPDX-License-Identifier: GPL-3.0-or-later
-->
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en_US">
<context>
    <name>Print Device Input Slot</name>
    <message>
        <source>Automatic</source>
        <translation>Otomatis</translation>
    </message>
</context>
<context>
    <name>Print Device Output Bin</name>
    <message>
        <source>Automatic</source>
        <translation>Otomatis</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Kandar</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Berkas</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Folder Berkas</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Pintasan</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tak dikenal</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Pilih Semua</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Naik</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>Tu&amp;run</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Decrease</source>
        <translation>Turunkan</translation>
    </message>
    <message>
        <source>Decrease the value</source>
        <translation>Menurunkan nilai</translation>
    </message>
    <message>
        <source>Goes back a page</source>
        <translation>Mundur satu halaman</translation>
    </message>
    <message>
        <source>Goes to the next page</source>
        <translation>Maju satu halaman</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>Naikkan</translation>
    </message>
    <message>
        <source>Increase the value</source>
        <translation>Menaikkan nilai</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Halaman Berikutnya</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Tekan</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Halaman Sebelumnya</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Gulir ke Bawah</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Gulir ke Kiri</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Gulir ke Kanan</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Gulir ke Atas</translation>
    </message>
    <message>
        <source>Scrolls down</source>
        <translation>Menggulir ke bawah</translation>
    </message>
    <message>
        <source>Scrolls to the left</source>
        <translation>Menggulir ke kiri</translation>
    </message>
    <message>
        <source>Scrolls to the right</source>
        <translation>Menggulir ke kanan</translation>
    </message>
    <message>
        <source>Scrolls up</source>
        <translation>Menggulir ke atas</translation>
    </message>
    <message>
        <source>SetFocus</source>
        <translation>Beri Fokus</translation>
    </message>
    <message>
        <source>Sets the focus</source>
        <translation>Memberi fokus</translation>
    </message>
    <message>
        <source>ShowMenu</source>
        <translation>Tampilkan Menu</translation>
    </message>
    <message>
        <source>Shows the menu</source>
        <translation>Menampilkan menu</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Alihkan</translation>
    </message>
    <message>
        <source>Toggles the state</source>
        <translation>Mengalihkan keadaan</translation>
    </message>
    <message>
        <source>Triggers the action</source>
        <translation>Menjalankan aksi</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>False</source>
        <translation>Salah</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Buka daftar pilihan</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Benar</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Banner Pages</source>
        <translation>Halaman Sampul</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Informasi tagihan:</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Terbatas</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Konfidensial</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Siang (06:00 sampai 17:59)</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Akhir:</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Tahan terus</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Pekerjaan</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Kendali Pekerjaan</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Prioritas pekerjaan:</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Malam (18:00 sampai 05:59)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Tidak ada</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Cetak segera</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Jadwal cetak:</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Giliran kedua (16:00 sampai 23:59)</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Rahasia</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Waktu tertentu</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standar</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Awal:</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Giliran ketiga (00:00 sampai 07:59)</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Sangat rahasia</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Tidak rahasia</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Akhir pekan (Sabtu sampai Minggu)</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>Perlu Autentikasi</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>Perlu autentikasi untuk memakai %1 di %2.</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>Perlu autentikasi untuk memakai %1.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kata sandi:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nama pengguna:</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>Apa Ini?</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Direktori tidak ditemukan.
Pastikan nama direktori yang diberikan benar.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Berkas tidak ditemukan.
Pastikan nama berkas yang diberikan benar.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 sudah ada.
Apakah Anda ingin menggantinya?</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Pilih</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Folder Baru</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Buka</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Ganti Nama</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; dilindungi dari penulisan.
Apakah Anda tetap ingin menghapusnya?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Semua Berkas (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Semua berkas (*)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Apakah Anda yakin ingin menghapus &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Mundur</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Tampilkan dengan rincian</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Tampilkan sebagai daftar</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Direktori tidak dapat dihapus.</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Buat Folder Baru</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Buat folder baru</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Tampilan Rinci</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Direktori</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Direktori:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nama berkas:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Berkas</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Jenis berkas:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Cari Direktori</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Maju</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Mundur</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Maju</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Ke direktori induk</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Tampilan Daftar</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Daftar tempat dan penanda</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Lihat di:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Folder Baru</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Direktori Induk</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Tempat Terakhir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Singkirkan</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Simpan Sebagai</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Tampilkan </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Tampilkan berkas &amp;tersembunyi</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bilah samping</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Tanggal Diubah</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Komputer Saya</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Ukuran</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Jenis</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Batal</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Tutup tanpa Menyimpan</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>Masukkan nilai:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>T&amp;empel</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>U&amp;langi</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Urungkan</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Po&amp;tong</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>About Qt</source>
        <translation>Tentang Qt</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Sembunyikan Rincian...</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Tampilkan Rincian...</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Ukuran lain</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulir</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Tinggi:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Inci (in)</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Lanskap</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margin</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimeter (mm)</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientasi</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Tata Letak Halaman</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Urutan halaman:</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Ukuran halaman:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Halaman per lembar:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Kertas</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Sumber kertas:</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pika (P̸)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Poin (pt)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Potret</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Lanskap terbalik</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Potret terbalik</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Lebar:</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>margin bawah</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>margin kiri</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>margin kanan</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>margin atas</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 in</translation>
    </message>
    <message>
        <source>A0</source>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A10</source>
        <translation>A10</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A3 Extra</source>
        <translation>A3 Extra</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 Extra</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 Plus</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 Kecil</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translation>A5 Extra</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>A7</source>
        <translation>A7</translation>
    </message>
    <message>
        <source>A8</source>
        <translation>A8</translation>
    </message>
    <message>
        <source>A9</source>
        <translation>A9</translation>
    </message>
    <message>
        <source>ANSI C</source>
        <translation>ANSI C</translation>
    </message>
    <message>
        <source>ANSI D</source>
        <translation>ANSI D</translation>
    </message>
    <message>
        <source>ANSI E</source>
        <translation>ANSI E</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>Arsitek A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Arsitek B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Arsitek C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Arsitek D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Arsitek E</translation>
    </message>
    <message>
        <source>B0</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B10</source>
        <translation>B10</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>B3</translation>
    </message>
    <message>
        <source>B4</source>
        <translation>B4</translation>
    </message>
    <message>
        <source>B5</source>
        <translation>B5</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translation>B5 Extra</translation>
    </message>
    <message>
        <source>B6</source>
        <translation>B6</translation>
    </message>
    <message>
        <source>B7</source>
        <translation>B7</translation>
    </message>
    <message>
        <source>B8</source>
        <translation>B8</translation>
    </message>
    <message>
        <source>B9</source>
        <translation>B9</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Ukuran lain</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>Ukuran lain (%1CC x %2CC)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>Ukuran lain (%1DD x %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Ukuran lain (%1in x %2in)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Ukuran lain (%1mm x %2mm)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>Ukuran lain (%1pc x %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>Ukuran lain (%1pt x %2pt)</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Kartu Pos Ganda</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Amplop B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Amplop B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Amplop B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Amplop C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Amplop C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Amplop C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Amplop C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Amplop C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Amplop C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Amplop C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Amplop C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Amplop C7</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Amplop Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Amplop Chou 4</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Amplop DL</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Amplop Undangan</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Amplop Italia</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Amplop Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Amplop Kaku 3</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>Amplop Monarch</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Amplop PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Amplop PRC 10</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Amplop PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Amplop PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Amplop PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Amplop PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Amplop PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Amplop PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Amplop PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Amplop PRC 9</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Amplop Pribadi</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Amplop US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Amplop US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Amplop US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Amplop US 14</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Amplop US 9</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>Amplop You 4</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7.25 x 10.5 in)</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7.5 x 10 in)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Kertas Lipat Jerman (8.5 x 12 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Kertas Lipat Jerman Legal (8.5 x 13 in)</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>Kertas Lipat AS (14.875 x 11 in)</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8.27 x 13 in)</translation>
    </message>
    <message>
        <source>JIS B0</source>
        <translation>JIS B0</translation>
    </message>
    <message>
        <source>JIS B1</source>
        <translation>JIS B1</translation>
    </message>
    <message>
        <source>JIS B10</source>
        <translation>JIS B10</translation>
    </message>
    <message>
        <source>JIS B2</source>
        <translation>JIS B2</translation>
    </message>
    <message>
        <source>JIS B3</source>
        <translation>JIS B3</translation>
    </message>
    <message>
        <source>JIS B4</source>
        <translation>JIS B4</translation>
    </message>
    <message>
        <source>JIS B5</source>
        <translation>JIS B5</translation>
    </message>
    <message>
        <source>JIS B6</source>
        <translation>JIS B6</translation>
    </message>
    <message>
        <source>JIS B7</source>
        <translation>JIS B7</translation>
    </message>
    <message>
        <source>JIS B8</source>
        <translation>JIS B8</translation>
    </message>
    <message>
        <source>JIS B9</source>
        <translation>JIS B9</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>Ledger / ANSI B</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal Extra</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>Letter / ANSI A</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>Letter Extra</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>Letter Plus</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>Letter Kecil</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>PRC 16K</source>
        <translation>PRC 16K</translation>
    </message>
    <message>
        <source>PRC 32K</source>
        <translation>PRC 32K</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K Big</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Kartu Pos</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translation>Quarto</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Super A</source>
        <translation>Super A</translation>
    </message>
    <message>
        <source>Super B</source>
        <translation>Super B</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>Tabloid / ANSI B</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>Tabloid Extra</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Tidak</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Hentikan</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Terapkan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Buang</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Abaikan</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>T&amp;idak untuk Semua</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur Ulang</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Kembalikan Bawaan</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Coba Lagi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Simpan Semua</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ya untuk &amp;Semua</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 sudah ada.
Apakah Anda ingin menimpanya?</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 tidak mengikuti penulisan yang benar. Gunakan &apos;,&apos; untuk memisahkan rentang dan halaman, &apos;-&apos; untuk menyatakan rentang, dan pastikan rentang tidak saling bertumpuk.</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 adalah direktori.
Silakan pilih nama berkas lain.</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Opsi &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Opsi &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Cetak</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Semua Halaman</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Bawah ke Atas, Kiri ke Kanan</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Bawah ke Atas, Kanan ke Kiri</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Konflik Pengaturan Cetak Bolak-balik</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Halaman Genap</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Berkas %1 tidak dapat ditulisi.
Silakan pilih nama berkas lain.</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Halaman Tidak Sah</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Kiri ke Kanan, Bawah ke Atas</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Kiri ke Kanan, Atas ke Bawah</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Berkas lokal</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Halaman Ganjil</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>Opsi &apos;Halaman per lembar&apos; dan &apos;Set halaman&apos; tidak dapat dipakai bersamaan.
Silakan matikan salah satunya.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Cetak ke Berkas ...</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Cetak ke Berkas (PDF)</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Kanan ke Kiri, Bawah ke Atas</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Kanan ke Kiri, Atas ke Bawah</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>Nilai &apos;Dari&apos; tidak boleh lebih besar daripada nilai &apos;Sampai&apos;.</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Ada konflik pada pengaturan cetak bolak-balik. Apakah Anda ingin memperbaikinya?</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Atas ke Bawah, Kiri ke Kanan</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Atas ke Bawah, Kanan ke Kiri</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Tulis berkas PDF</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Konflik Opsi Lanjutan</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Opsi Pekerjaan</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Konflik Pengaturan Halaman</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Properti Printer</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Ada konflik pada opsi pengaturan halaman. Apakah Anda ingin memperbaikinya?</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Ada konflik pada beberapa opsi lanjutan. Apakah Anda ingin memperbaikinya?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Lanjutan</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulir</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Halaman</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Ada konflik pada beberapa opsi. Silakan perbaiki.</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translation>Susun</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Berwarna</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Mode Warna</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Salinan</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Salinan:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Halaman ini</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Cetak Bolak-balik</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulir</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Skala abu-abu</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Jilid sisi panjang</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Mati</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opsi</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Pengaturan Keluaran</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Set halaman:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Halaman</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Halaman dari</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Cetak semua</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Rentang cetak</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Urutan terbalik</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Pilihan</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Jilid sisi pendek</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Tulis halaman atau rentang, dipisahkan koma. Rentang ditulis sebagai dua angka yang dipisahkan tanda hubung. Misalnya 3,5-7,9 mencetak halaman 3, 5, 6, 7 dan 9.</translation>
    </message>
    <message>
        <source>to</source>
        <translation>sampai</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nama:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulir</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lokasi:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Berkas keluaran:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;roperti</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pratinjau</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Jenis:</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Bottom</source>
        <translation>Bawah</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Tepi kiri</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Satu halaman ke bawah</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Satu halaman ke kiri</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Satu halaman ke kanan</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Satu halaman ke atas</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Tepi kanan</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Gulir ke bawah</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>Gulir ke sini</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Gulir ke kiri</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Gulir ke kanan</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Gulir ke atas</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Atas</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI Isolasi kuat pertama</translation>
    </message>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Sisipkan karakter kendali Unicode</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE Awal sisipan kiri-ke-kanan</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI Isolasi kiri-ke-kanan</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM Tanda kiri-ke-kanan</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO Awal penimpaan kiri-ke-kanan</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF Akhir format arah</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI Akhir isolasi arah</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE Awal sisipan kanan-ke-kiri</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI Isolasi kanan-ke-kiri</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM Tanda kanan-ke-kiri</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO Awal penimpaan kanan-ke-kiri</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ Penyambung lebar nol</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ Pemisah lebar nol</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP Spasi lebar nol</translation>
    </message>
</context>
<context>
    <name>QWhatsThisAction</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>Apa Ini?</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>T&amp;empel</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>U&amp;langi</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Urungkan</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Salin &amp;Alamat Tautan</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Po&amp;tong</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
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
        <translation>Tidak diketahui</translation>
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
Periksa kembali nama direktori yang diberikan.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Berkas tidak ditemukan.
Periksa kembali nama berkas yang diberikan.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Folder &amp;Baru</translation>
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
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>“%1” dilindungi dari penulisan.
Tetap ingin menghapusnya?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Yakin ingin menghapus “%1”?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Beralih ke tampilan rinci</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Beralih ke tampilan daftar</translation>
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
        <source>Forward</source>
        <translation>Maju</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Kembali</translation>
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
        <translation>Daftar tempat dan markah</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Cari di:</translation>
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
        <translation>Tempat Terkini</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus dari daftar</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Tampilkan berkas &amp;tersembunyi</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bilah Sisi</translation>
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
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
</context>
</TS>

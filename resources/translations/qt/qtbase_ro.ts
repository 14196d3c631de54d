<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unitate</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fișier</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Dosar de fișiere</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dosar</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Scurtătură</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Necunoscut</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Dosarul nu a fost găsit.
Verificați dacă numele dosarului este corect.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Fișierul nu a fost găsit.
Verificați dacă numele fișierului este corect.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Ș&amp;terge</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Dosar &amp;nou</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Deschide</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Redenumește</translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>„%1” este protejat la scriere.
Doriți totuși să fie șters?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Sigur doriți să ștergeți „%1”?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Comută la vizualizarea detaliată</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Comută la vizualizarea ca listă</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Dosarul nu a putut fi șters.</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Creează un dosar nou</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Creează un dosar nou</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Vizualizare detaliată</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Dosare</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Dosar:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nume fișier:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fișiere</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fișiere de tipul:</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Înainte</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Înainte</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Mergi la dosarul părinte</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Vizualizare ca listă</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Listă de locuri și semne de carte</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Caută în:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Dosar nou</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Dosarul părinte</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Locuri recente</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Elimină din listă</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Arată fișierele &amp;ascunse</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bară laterală</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data modificării</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Calculatorul meu</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensiune</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>QObject</name>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>IDS_SELECT_FOLDER</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <source>IDS_SAVE_FILE</source>
        <translation>Salva file</translation>
    </message>
</context>
<context>
    <name>IQBatchDialog</name>
    <message>
        <source>IDS_BATCH</source>
        <translation>Elaborazione in serie</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>Cartella:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>IDS_OVERWRITE</source>
        <translation>Sovrascrivi i file esistenti</translation>
    </message>
    <message>
        <source>IDS_QUALITY</source>
        <translation>Qualità:</translation>
    </message>
    <message>
        <source>IDS_DURATION</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>La cartella selezionata non esiste.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>Non hai i permessi di scrittura per la cartella selezionata.</translation>
    </message>
</context>
<context>
    <name>IQImageBrowserFrame</name>
    <message>
        <source>IDS_ADD_PHOTOS</source>
        <translation>Aggiungi foto</translation>
    </message>
    <message>
        <source>IDS_REMOVE_PHOTOS</source>
        <translation>Rimuovi foto</translation>
    </message>
    <message>
        <source>IDS_START_CONVERT</source>
        <translation>Avvia conversione</translation>
    </message>
    <message>
        <source>IDS_CONVERT_SELECT</source>
        <translation>Converti le foto selezionate</translation>
    </message>
    <message>
        <source>IDS_CONVERT_ALL</source>
        <translation>Converti tutte le foto</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>IDS_CONVERT_FAILED</source>
        <translation>Non è stato possibile convertire alcuni file.</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_READ</source>
        <translation>non può essere letto</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_WRITTEN</source>
        <translation>non può essere scritto</translation>
    </message>
    <message>
        <source>IDS_TOO_SMALL_FOR_GIF</source>
        <translation>troppo piccolo per GIF (almeno 16 x 16)</translation>
    </message>
    <message>
        <source>IDS_TOO_LARGE</source>
        <translation>troppo grande</translation>
    </message>
    <message>
        <source>IDS_DAMAGED</source>
        <translation>danneggiato: manca una parte dell'immagine</translation>
    </message>
    <message>
        <source>IDS_AND_MORE</source>
        <translation>e altri %1</translation>
    </message>
</context>
<context>
    <name>IQBatchOptionFrame</name>
    <message>
        <source>IDS_RESIZE</source>
        <translation>Ridimensiona</translation>
    </message>
    <message>
        <source>IDS_RENAME</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>IDS_ROTATE</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>IDS_BORDER</source>
        <translation>Bordo</translation>
    </message>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Filigrana di testo</translation>
    </message>
    <message>
        <source>IDS_IMAGE_STAMP</source>
        <translation>Filigrana immagine</translation>
    </message>
</context>
<context>
    <name>IQResizeFrame</name>
    <message>
        <source>IDS_MODE</source>
        <translation>Modalità:</translation>
    </message>
    <message>
        <source>IDS_BY_WIDTH</source>
        <translation>Per larghezza</translation>
    </message>
    <message>
        <source>IDS_BY_HEIGHT</source>
        <translation>Per altezza</translation>
    </message>
    <message>
        <source>IDS_BY_PERCENTAGE</source>
        <translation>Percentuale</translation>
    </message>
    <message>
        <source>IDS_FREE</source>
        <translation>Libera</translation>
    </message>
    <message>
        <source>IDS_WIDTH</source>
        <translation>Larghezza:</translation>
    </message>
    <message>
        <source>IDS_HEIGHT</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <source>IDS_PERCENTAGE</source>
        <translation>Scala:</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION</source>
        <translation>Risoluzione:</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION_DPI</source>
        <translation>Pixel/pollice</translation>
    </message>
    <message>
        <source>IDS_ENLARGE_SMALL</source>
        <translation>Ingrandisci le immagini piccole</translation>
    </message>
    <message>
        <source>IDS_RESIZE_UPPER</source>
        <translation>Ridimensiona</translation>
    </message>
</context>
<context>
    <name>IQRenameFrame</name>
    <message>
        <source>IDS_BASIC_RENAME</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>IDS_BASIC_PREFIX</source>
        <translation>Prefisso:</translation>
    </message>
    <message>
        <source>IDS_BASIC_SUFFIX</source>
        <translation>Suffisso:</translation>
    </message>
    <message>
        <source>IDS_BASIC_NEWNAME</source>
        <translation>Rinomina in:</translation>
    </message>
    <message>
        <source>IDS_BASIC_START_WITH</source>
        <translation>Inizia da:</translation>
    </message>
    <message>
        <source>IDS_SAMPLE_NAME</source>
        <translation>Esempio:</translation>
    </message>
</context>
<context>
    <name>IQRotateFrame</name>
    <message>
        <source>IDS_ROTATE_UPPER</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_NO</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_LEFT</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_RIGHT</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>180</source>
        <translation>180</translation>
    </message>
</context>
<context>
    <name>IQImageStampFrame</name>
    <message>
        <source>IDS_IMAGE_STAMP</source>
        <translation>Filigrana immagine</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>IDS_IMAGE_OPACITY</source>
        <translation>Opacità:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_SCALE</source>
        <translation>Scala:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_ANGEL</source>
        <translation>Angolo:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_POSITION</source>
        <translation>Posizione:</translation>
    </message>
    <message>
        <source>IDS_TOP_LEFT</source>
        <translation>In alto a sinistra</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>In basso a sinistra</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>In alto a destra</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>In basso a destra</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>In alto al centro</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>In basso al centro</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>Personalizzata</translation>
    </message>
    <message>
        <source>IDS_X</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>IDS_Y</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>IDS_SELECT_WATERMARK</source>
        <translation>Seleziona filigrana</translation>
    </message>
    <message>
        <source>IDS_OPEN_FAILED</source>
        <translation>Apertura non riuscita.</translation>
    </message>
</context>
<context>
    <name>QtColorPicker</name>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Colore:</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
</context>
<context>
    <name>IQBorderFrame</name>
    <message>
        <source>IDS_BASIC_BORDER</source>
        <translation>Bordo</translation>
    </message>
    <message>
        <source>IDS_BORDER_WIDTH</source>
        <translation>Larghezza:</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>IDS_BORDER_COLOR</source>
        <translation>Colore:</translation>
    </message>
    <message>
        <source>IDS_OPACITY</source>
        <translation>Opacità:</translation>
    </message>
</context>
<context>
    <name>IQTextFrame</name>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Filigrana di testo</translation>
    </message>
    <message>
        <source>IDS_TEXT</source>
        <translation>Testo:</translation>
    </message>
    <message>
        <source>IDS_TEXT_FONT</source>
        <translation>Carattere:</translation>
    </message>
    <message>
        <source>IDS_STYLE</source>
        <translation>Stile:</translation>
    </message>
    <message>
        <source>IDS_NORMAL</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>IDS_BOLD</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>IDS_ITALIC</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>IDS_TEXT_COLOR</source>
        <translation>Colore:</translation>
    </message>
    <message>
        <source>IDS_TEXT_SIZE</source>
        <translation>Dimensione:</translation>
    </message>
    <message>
        <source>IDS_TEXT_ANGEL</source>
        <translation>Angolo:</translation>
    </message>
    <message>
        <source>IDS_TEXT_POSITION</source>
        <translation>Posizione:</translation>
    </message>
    <message>
        <source>IDS_TOP_LEFT</source>
        <translation>In alto a sinistra</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>In basso a sinistra</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>In alto a destra</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>In basso a destra</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>In alto al centro</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>In basso al centro</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>Personalizzata</translation>
    </message>
    <message>
        <source>IDS_X</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>IDS_Y</source>
        <translation>Y:</translation>
    </message>
</context>
<context>
    <name>IQWizardFrame</name>
    <message>
        <source>IDS_IMPORT</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>IDS_OR</source>
        <translation>Oppure</translation>
    </message>
    <message>
        <source>IDS_DARGDROP</source>
        <translation>Trascina qui le tue foto</translation>
    </message>
</context>
<context>
    <name>IQEditingFrame</name>
    <message>
        <source>IDS_BACK</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Applica impostazioni di conversione</translation>
    </message>
    <message>
        <source>IDS_PIX</source>
        <translation>px</translation>
    </message>
    <message>
        <source>IDS_FILE_DAMAGED</source>
        <translation>%1 è danneggiato: manca una parte dell'immagine, quindi non viene mostrato.</translation>
    </message>
    <message>
        <source>Failed to export file.</source>
        <translation>Impossibile esportare il file.</translation>
    </message>
</context>
<context>
    <name>IQExportDialog</name>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>Cartella:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>IDS_NAME</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>IDS_OPTION</source>
        <translation>Opzione:</translation>
    </message>
    <message>
        <source>IDS_EXPORT_CURRENT_FRAME</source>
        <translation>Esporta fotogramma corrente</translation>
    </message>
    <message>
        <source>IDS_EXPORT_ALL_FRAME</source>
        <translation>Esporta tutti i fotogrammi</translation>
    </message>
    <message>
        <source>IDS_EXPORT_AS_ANIMATION</source>
        <translation>Esporta animazione</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>IDS_QUALITY</source>
        <translation>Qualità:</translation>
    </message>
    <message>
        <source>IDS_DURATION</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Applica impostazioni di conversione</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>La cartella selezionata non esiste.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>Non hai i permessi di scrittura per la cartella selezionata.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>IDS_FILE</source>
        <translation>File</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>IDS_VIEW</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>IDS_MENU_ACTUALSIZE</source>
        <translation>Dimensioni reali</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>IDS_MENU_FITIN</source>
        <translation>Adatta alla finestra</translation>
    </message>
    <message>
        <source>Ctrl+9</source>
        <translation>Ctrl+9</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMIN</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMOUT</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>IDS_HELP</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Guida online</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Domande frequenti sul prodotto</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Contatta l'assistenza clienti</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>IQGuideDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra di dialogo</translation>
    </message>
    <message>
        <source>IDS_AC_DONTSHOWAGAIN</source>
        <translation>Non mostrare più</translation>
    </message>
    <message>
        <source>IDS_AC_CLOSE</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>IQAppInfo</name>
    <message>
        <source>Brivane WebP converts photos and animations to WebP, GIF, JPEG, PNG and BMP.</source>
        <translation>Brivane WebP converte foto e animazioni in WebP, GIF, JPEG, PNG e BMP.</translation>
    </message>
</context>
</TS>

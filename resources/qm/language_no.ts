<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>QObject</name>
    <message>
        <source>Open File</source>
        <translation>Åpne fil</translation>
    </message>
    <message>
        <source>IDS_SELECT_FOLDER</source>
        <translation>Velg mappe</translation>
    </message>
    <message>
        <source>IDS_SAVE_FILE</source>
        <translation>Lagre fil</translation>
    </message>
</context>
<context>
    <name>IQBatchDialog</name>
    <message>
        <source>IDS_BATCH</source>
        <translation>Satsvis konvertering</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>Lagre i:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>Filformat:</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Konverter</translation>
    </message>
    <message>
        <source>IDS_OVERWRITE</source>
        <translation>Overskriv eksisterende filer</translation>
    </message>
    <message>
        <source>IDS_QUALITY</source>
        <translation>Kvalitet:</translation>
    </message>
    <message>
        <source>IDS_DURATION</source>
        <translation>Varighet:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>Den valgte mappen finnes ikke.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>Du har ikke skrivetilgang til mappen du valgte.</translation>
    </message>
</context>
<context>
    <name>IQImageBrowserFrame</name>
    <message>
        <source>IDS_ADD_PHOTOS</source>
        <translation>Legg til bilder</translation>
    </message>
    <message>
        <source>IDS_REMOVE_PHOTOS</source>
        <translation>Fjern bilder</translation>
    </message>
    <message>
        <source>IDS_START_CONVERT</source>
        <translation>Start konvertering</translation>
    </message>
    <message>
        <source>IDS_CONVERT_SELECT</source>
        <translation>Konverter valgte bilder</translation>
    </message>
    <message>
        <source>IDS_CONVERT_ALL</source>
        <translation>Konverter alle bilder</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Konverter</translation>
    </message>
    <message>
        <source>IDS_CONVERT_FAILED</source>
        <translation>Noen filer kunne ikke konverteres.</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_READ</source>
        <translation>kan ikke leses</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_WRITTEN</source>
        <translation>kan ikke skrives</translation>
    </message>
    <message>
        <source>IDS_TOO_SMALL_FOR_GIF</source>
        <translation>for liten for GIF (minst 16 x 16)</translation>
    </message>
    <message>
        <source>IDS_TOO_LARGE</source>
        <translation>for stor</translation>
    </message>
    <message>
        <source>IDS_DAMAGED</source>
        <translation>skadet: en del av bildet mangler</translation>
    </message>
    <message>
        <source>IDS_AND_MORE</source>
        <translation>og %1 til</translation>
    </message>
</context>
<context>
    <name>IQBatchOptionFrame</name>
    <message>
        <source>IDS_RESIZE</source>
        <translation>Endre størrelse</translation>
    </message>
    <message>
        <source>IDS_RENAME</source>
        <translation>Gi nytt navn</translation>
    </message>
    <message>
        <source>IDS_ROTATE</source>
        <translation>Roter</translation>
    </message>
    <message>
        <source>IDS_BORDER</source>
        <translation>Kantlinje</translation>
    </message>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Tekstvannmerke</translation>
    </message>
    <message>
        <source>IDS_IMAGE_STAMP</source>
        <translation>Bildevannmerke</translation>
    </message>
</context>
<context>
    <name>IQResizeFrame</name>
    <message>
        <source>IDS_MODE</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>IDS_BY_WIDTH</source>
        <translation>Etter bredde</translation>
    </message>
    <message>
        <source>IDS_BY_HEIGHT</source>
        <translation>Etter høyde</translation>
    </message>
    <message>
        <source>IDS_BY_PERCENTAGE</source>
        <translation>Prosent</translation>
    </message>
    <message>
        <source>IDS_FREE</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>IDS_WIDTH</source>
        <translation>Bredde:</translation>
    </message>
    <message>
        <source>IDS_HEIGHT</source>
        <translation>Høyde:</translation>
    </message>
    <message>
        <source>IDS_PERCENTAGE</source>
        <translation>Prosent:</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>px</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION</source>
        <translation>Oppløsning:</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION_DPI</source>
        <translation>piksler/tomme</translation>
    </message>
    <message>
        <source>IDS_ENLARGE_SMALL</source>
        <translation>Forstørr små bilder</translation>
    </message>
    <message>
        <source>IDS_RESIZE_UPPER</source>
        <translation>Endre størrelse</translation>
    </message>
</context>
<context>
    <name>IQRenameFrame</name>
    <message>
        <source>IDS_BASIC_RENAME</source>
        <translation>Gi nytt navn</translation>
    </message>
    <message>
        <source>IDS_BASIC_PREFIX</source>
        <translation>Prefiks:</translation>
    </message>
    <message>
        <source>IDS_BASIC_SUFFIX</source>
        <translation>Suffiks:</translation>
    </message>
    <message>
        <source>IDS_BASIC_NEWNAME</source>
        <translation>Nytt navn:</translation>
    </message>
    <message>
        <source>IDS_BASIC_START_WITH</source>
        <translation>Start på:</translation>
    </message>
    <message>
        <source>IDS_SAMPLE_NAME</source>
        <translation>Eksempel:</translation>
    </message>
</context>
<context>
    <name>IQRotateFrame</name>
    <message>
        <source>IDS_ROTATE_UPPER</source>
        <translation>Roter</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_NO</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_LEFT</source>
        <translation>Roter mot venstre</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_RIGHT</source>
        <translation>Roter mot høyre</translation>
    </message>
    <message>
        <source>180</source>
        <translation>180°</translation>
    </message>
</context>
<context>
    <name>IQImageStampFrame</name>
    <message>
        <source>IDS_IMAGE_STAMP</source>
        <translation>Bildevannmerke</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>IDS_IMAGE_OPACITY</source>
        <translation>Dekkevne:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_SCALE</source>
        <translation>Skala:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_ANGEL</source>
        <translation>Vinkel:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_POSITION</source>
        <translation>Plassering:</translation>
    </message>
    <message>
        <source>IDS_TOP_LEFT</source>
        <translation>Øverst til venstre</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>Nederst til venstre</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>Midten</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>Øverst til høyre</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>Nederst til høyre</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>Øverst i midten</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>Nederst i midten</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>Egendefinert</translation>
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
        <translation>Velg vannmerke</translation>
    </message>
    <message>
        <source>IDS_OPEN_FAILED</source>
        <translation>Kunne ikke åpne filen.</translation>
    </message>
</context>
<context>
    <name>QtColorPicker</name>
    <message>
        <source>Black</source>
        <translation>Svart</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farge:</translation>
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
        <translation>Kantlinje</translation>
    </message>
    <message>
        <source>IDS_BORDER_WIDTH</source>
        <translation>Bredde:</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>px</translation>
    </message>
    <message>
        <source>IDS_BORDER_COLOR</source>
        <translation>Farge:</translation>
    </message>
    <message>
        <source>IDS_OPACITY</source>
        <translation>Dekkevne:</translation>
    </message>
</context>
<context>
    <name>IQTextFrame</name>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Tekstvannmerke</translation>
    </message>
    <message>
        <source>IDS_TEXT</source>
        <translation>Tekst:</translation>
    </message>
    <message>
        <source>IDS_TEXT_FONT</source>
        <translation>Skrift:</translation>
    </message>
    <message>
        <source>IDS_STYLE</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>IDS_NORMAL</source>
        <translation>Vanlig</translation>
    </message>
    <message>
        <source>IDS_BOLD</source>
        <translation>Fet</translation>
    </message>
    <message>
        <source>IDS_ITALIC</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>IDS_TEXT_COLOR</source>
        <translation>Farge:</translation>
    </message>
    <message>
        <source>IDS_TEXT_SIZE</source>
        <translation>Størrelse:</translation>
    </message>
    <message>
        <source>IDS_TEXT_ANGEL</source>
        <translation>Vinkel:</translation>
    </message>
    <message>
        <source>IDS_TEXT_POSITION</source>
        <translation>Plassering:</translation>
    </message>
    <message>
        <source>IDS_TOP_LEFT</source>
        <translation>Øverst til venstre</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>Nederst til venstre</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>Midten</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>Øverst til høyre</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>Nederst til høyre</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>Øverst i midten</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>Nederst i midten</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>Egendefinert</translation>
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
        <translation>Importer</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>IDS_OR</source>
        <translation>Eller</translation>
    </message>
    <message>
        <source>IDS_DARGDROP</source>
        <translation>Dra bildene dine hit</translation>
    </message>
</context>
<context>
    <name>IQEditingFrame</name>
    <message>
        <source>IDS_BACK</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Eksporter</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Bruk konverteringsinnstillingene</translation>
    </message>
    <message>
        <source>IDS_PIX</source>
        <translation>piksler</translation>
    </message>
    <message>
        <source>IDS_FILE_DAMAGED</source>
        <translation>%1 er skadet: en del av bildet mangler, så det vises ikke.</translation>
    </message>
    <message>
        <source>Failed to export file.</source>
        <translation>Kunne ikke eksportere filen.</translation>
    </message>
</context>
<context>
    <name>IQExportDialog</name>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Eksporter</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>Lagre i:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>IDS_NAME</source>
        <translation>Navn:</translation>
    </message>
    <message>
        <source>IDS_OPTION</source>
        <translation>Valg:</translation>
    </message>
    <message>
        <source>IDS_EXPORT_CURRENT_FRAME</source>
        <translation>Eksporter gjeldende enkeltbilde</translation>
    </message>
    <message>
        <source>IDS_EXPORT_ALL_FRAME</source>
        <translation>Eksporter alle enkeltbilder</translation>
    </message>
    <message>
        <source>IDS_EXPORT_AS_ANIMATION</source>
        <translation>Eksporter som animasjon</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>Filformat:</translation>
    </message>
    <message>
        <source>IDS_QUALITY</source>
        <translation>Kvalitet:</translation>
    </message>
    <message>
        <source>IDS_DURATION</source>
        <translation>Varighet:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Bruk konverteringsinnstillingene</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>Den valgte mappen finnes ikke.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>Du har ikke skrivetilgang til mappen du valgte.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>IDS_FILE</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>IDS_VIEW</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>IDS_MENU_ACTUALSIZE</source>
        <translation>Faktisk størrelse</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>IDS_MENU_FITIN</source>
        <translation>Tilpass til vinduet</translation>
    </message>
    <message>
        <source>Ctrl+9</source>
        <translation>Ctrl+9</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMIN</source>
        <translation>Zoom inn</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMOUT</source>
        <translation>Zoom ut</translation>
    </message>
    <message>
        <source>IDS_HELP</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Hjelp på nettet</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Vanlige spørsmål</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Kontakt kundeservice</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>Om</translation>
    </message>
</context>
<context>
    <name>IQGuideDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogboks</translation>
    </message>
    <message>
        <source>IDS_AC_DONTSHOWAGAIN</source>
        <translation>Ikke vis igjen</translation>
    </message>
    <message>
        <source>IDS_AC_CLOSE</source>
        <translation>Lukk</translation>
    </message>
</context>
<context>
    <name>IQAppInfo</name>
    <message>
        <source>Brivane WebP converts photos and animations to WebP, GIF, JPEG, PNG and BMP.</source>
        <translation>Brivane WebP konverterer bilder og animasjoner til WebP, GIF, JPEG, PNG og BMP.</translation>
    </message>
</context>
</TS>

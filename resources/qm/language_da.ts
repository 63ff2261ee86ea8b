<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>QObject</name>
    <message>
        <source>Open File</source>
        <translation>Åbn fil</translation>
    </message>
    <message>
        <source>IDS_SELECT_FOLDER</source>
        <translation>Vælg mappe</translation>
    </message>
    <message>
        <source>IDS_SAVE_FILE</source>
        <translation>Gem fil</translation>
    </message>
</context>
<context>
    <name>IQBatchDialog</name>
    <message>
        <source>IDS_BATCH</source>
        <translation>Batchkonvertering</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>Gem i:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>Filformat:</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Konvertér</translation>
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
        <translation>Varighed:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>Den valgte mappe findes ikke.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>Du har ikke skrivetilladelse til den valgte mappe.</translation>
    </message>
</context>
<context>
    <name>IQImageBrowserFrame</name>
    <message>
        <source>IDS_ADD_PHOTOS</source>
        <translation>Tilføj billeder</translation>
    </message>
    <message>
        <source>IDS_REMOVE_PHOTOS</source>
        <translation>Fjern billeder</translation>
    </message>
    <message>
        <source>IDS_START_CONVERT</source>
        <translation>Start konvertering</translation>
    </message>
    <message>
        <source>IDS_CONVERT_SELECT</source>
        <translation>Konvertér valgte billeder</translation>
    </message>
    <message>
        <source>IDS_CONVERT_ALL</source>
        <translation>Konvertér alle billeder</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Konvertér</translation>
    </message>
    <message>
        <source>IDS_CONVERT_FAILED</source>
        <translation>Nogle filer kunne ikke konverteres.</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_READ</source>
        <translation>kan ikke læses</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_WRITTEN</source>
        <translation>kan ikke skrives</translation>
    </message>
    <message>
        <source>IDS_TOO_SMALL_FOR_GIF</source>
        <translation>for lille til GIF (mindst 16 x 16)</translation>
    </message>
    <message>
        <source>IDS_TOO_LARGE</source>
        <translation>for stor</translation>
    </message>
    <message>
        <source>IDS_DAMAGED</source>
        <translation>beskadiget: en del af billedet mangler</translation>
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
        <translation>Tilpas størrelse</translation>
    </message>
    <message>
        <source>IDS_RENAME</source>
        <translation>Omdøb</translation>
    </message>
    <message>
        <source>IDS_ROTATE</source>
        <translation>Rotér</translation>
    </message>
    <message>
        <source>IDS_BORDER</source>
        <translation>Kant</translation>
    </message>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Tekstvandmærke</translation>
    </message>
    <message>
        <source>IDS_IMAGE_STAMP</source>
        <translation>Billedvandmærke</translation>
    </message>
</context>
<context>
    <name>IQResizeFrame</name>
    <message>
        <source>IDS_MODE</source>
        <translation>Tilstand:</translation>
    </message>
    <message>
        <source>IDS_BY_WIDTH</source>
        <translation>Efter bredde</translation>
    </message>
    <message>
        <source>IDS_BY_HEIGHT</source>
        <translation>Efter højde</translation>
    </message>
    <message>
        <source>IDS_BY_PERCENTAGE</source>
        <translation>Procent</translation>
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
        <translation>Højde:</translation>
    </message>
    <message>
        <source>IDS_PERCENTAGE</source>
        <translation>Procent:</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>pixel</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION</source>
        <translation>Opløsning:</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION_DPI</source>
        <translation>pixel/tomme</translation>
    </message>
    <message>
        <source>IDS_ENLARGE_SMALL</source>
        <translation>Forstør små billeder</translation>
    </message>
    <message>
        <source>IDS_RESIZE_UPPER</source>
        <translation>Tilpas størrelse</translation>
    </message>
</context>
<context>
    <name>IQRenameFrame</name>
    <message>
        <source>IDS_BASIC_RENAME</source>
        <translation>Omdøb</translation>
    </message>
    <message>
        <source>IDS_BASIC_PREFIX</source>
        <translation>Præfiks:</translation>
    </message>
    <message>
        <source>IDS_BASIC_SUFFIX</source>
        <translation>Suffiks:</translation>
    </message>
    <message>
        <source>IDS_BASIC_NEWNAME</source>
        <translation>Nyt navn:</translation>
    </message>
    <message>
        <source>IDS_BASIC_START_WITH</source>
        <translation>Start med:</translation>
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
        <translation>Rotér</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_NO</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_LEFT</source>
        <translation>Rotér til venstre</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_RIGHT</source>
        <translation>Rotér til højre</translation>
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
        <translation>Billedvandmærke</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <source>IDS_IMAGE_OPACITY</source>
        <translation>Opacitet:</translation>
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
        <translation>Placering:</translation>
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
        <translation>Midt på</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>Øverst til højre</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>Nederst til højre</translation>
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
        <translation>Brugerdefineret</translation>
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
        <translation>Vælg vandmærke</translation>
    </message>
    <message>
        <source>IDS_OPEN_FAILED</source>
        <translation>Filen kunne ikke åbnes.</translation>
    </message>
</context>
<context>
    <name>QtColorPicker</name>
    <message>
        <source>Black</source>
        <translation>Sort</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farve:</translation>
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
        <translation>Kant</translation>
    </message>
    <message>
        <source>IDS_BORDER_WIDTH</source>
        <translation>Bredde:</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>pixel</translation>
    </message>
    <message>
        <source>IDS_BORDER_COLOR</source>
        <translation>Farve:</translation>
    </message>
    <message>
        <source>IDS_OPACITY</source>
        <translation>Opacitet:</translation>
    </message>
</context>
<context>
    <name>IQTextFrame</name>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Tekstvandmærke</translation>
    </message>
    <message>
        <source>IDS_TEXT</source>
        <translation>Tekst:</translation>
    </message>
    <message>
        <source>IDS_TEXT_FONT</source>
        <translation>Skrifttype:</translation>
    </message>
    <message>
        <source>IDS_STYLE</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>IDS_NORMAL</source>
        <translation>Almindelig</translation>
    </message>
    <message>
        <source>IDS_BOLD</source>
        <translation>Fed</translation>
    </message>
    <message>
        <source>IDS_ITALIC</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>IDS_TEXT_COLOR</source>
        <translation>Farve:</translation>
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
        <translation>Placering:</translation>
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
        <translation>Midt på</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>Øverst til højre</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>Nederst til højre</translation>
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
        <translation>Brugerdefineret</translation>
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
        <translation>Importér</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importér</translation>
    </message>
    <message>
        <source>IDS_OR</source>
        <translation>Eller</translation>
    </message>
    <message>
        <source>IDS_DARGDROP</source>
        <translation>Træk dine billeder hertil</translation>
    </message>
</context>
<context>
    <name>IQEditingFrame</name>
    <message>
        <source>IDS_BACK</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Eksportér</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Anvend konverteringsindstillinger</translation>
    </message>
    <message>
        <source>IDS_PIX</source>
        <translation>pixel</translation>
    </message>
    <message>
        <source>IDS_FILE_DAMAGED</source>
        <translation>%1 er beskadiget: en del af billedet mangler, så det vises ikke.</translation>
    </message>
    <message>
        <source>Failed to export file.</source>
        <translation>Filen kunne ikke eksporteres.</translation>
    </message>
</context>
<context>
    <name>IQExportDialog</name>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Eksportér</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>Gem i:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Vælg</translation>
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
        <translation>Eksportér aktuelt enkeltbillede</translation>
    </message>
    <message>
        <source>IDS_EXPORT_ALL_FRAME</source>
        <translation>Eksportér alle enkeltbilleder</translation>
    </message>
    <message>
        <source>IDS_EXPORT_AS_ANIMATION</source>
        <translation>Eksportér som animation</translation>
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
        <translation>Varighed:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Anvend konverteringsindstillinger</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>Den valgte mappe findes ikke.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>Du har ikke skrivetilladelse til den valgte mappe.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>IDS_FILE</source>
        <translation>Filer</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afslut</translation>
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
        <translation>Tilpas til vindue</translation>
    </message>
    <message>
        <source>Ctrl+9</source>
        <translation>Ctrl+9</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMIN</source>
        <translation>Zoom ind</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMOUT</source>
        <translation>Zoom ud</translation>
    </message>
    <message>
        <source>IDS_HELP</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Onlinehjælp</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Ofte stillede spørgsmål</translation>
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
        <translation>Vis ikke igen</translation>
    </message>
    <message>
        <source>IDS_AC_CLOSE</source>
        <translation>Luk</translation>
    </message>
</context>
<context>
    <name>IQAppInfo</name>
    <message>
        <source>Brivane WebP converts photos and animations to WebP, GIF, JPEG, PNG and BMP.</source>
        <translation>Brivane WebP konverterer billeder og animationer til WebP, GIF, JPEG, PNG og BMP.</translation>
    </message>
</context>
</TS>

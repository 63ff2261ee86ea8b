<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>QObject</name>
    <message>
        <source>Open File</source>
        <translation>Öppna fil</translation>
    </message>
    <message>
        <source>IDS_SELECT_FOLDER</source>
        <translation>Välj mapp</translation>
    </message>
    <message>
        <source>IDS_SAVE_FILE</source>
        <translation>Spara fil</translation>
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
        <translation>Spara i:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Välj</translation>
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
        <translation>Konvertera</translation>
    </message>
    <message>
        <source>IDS_OVERWRITE</source>
        <translation>Skriv över befintliga filer</translation>
    </message>
    <message>
        <source>IDS_QUALITY</source>
        <translation>Kvalitet:</translation>
    </message>
    <message>
        <source>IDS_DURATION</source>
        <translation>Längd:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>Den valda mappen finns inte.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>Du har inte skrivbehörighet till mappen du valde.</translation>
    </message>
</context>
<context>
    <name>IQImageBrowserFrame</name>
    <message>
        <source>IDS_ADD_PHOTOS</source>
        <translation>Lägg till bilder</translation>
    </message>
    <message>
        <source>IDS_REMOVE_PHOTOS</source>
        <translation>Ta bort bilder</translation>
    </message>
    <message>
        <source>IDS_START_CONVERT</source>
        <translation>Starta konvertering</translation>
    </message>
    <message>
        <source>IDS_CONVERT_SELECT</source>
        <translation>Konvertera markerade bilder</translation>
    </message>
    <message>
        <source>IDS_CONVERT_ALL</source>
        <translation>Konvertera alla bilder</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Konvertera</translation>
    </message>
    <message>
        <source>IDS_CONVERT_FAILED</source>
        <translation>Vissa filer kunde inte konverteras.</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_READ</source>
        <translation>kan inte läsas</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_WRITTEN</source>
        <translation>kan inte skrivas</translation>
    </message>
    <message>
        <source>IDS_TOO_SMALL_FOR_GIF</source>
        <translation>för liten för GIF (minst 16 x 16)</translation>
    </message>
    <message>
        <source>IDS_TOO_LARGE</source>
        <translation>för stor</translation>
    </message>
    <message>
        <source>IDS_DAMAGED</source>
        <translation>skadad: en del av bilden saknas</translation>
    </message>
    <message>
        <source>IDS_AND_MORE</source>
        <translation>och %1 till</translation>
    </message>
</context>
<context>
    <name>IQBatchOptionFrame</name>
    <message>
        <source>IDS_RESIZE</source>
        <translation>Ändra storlek</translation>
    </message>
    <message>
        <source>IDS_RENAME</source>
        <translation>Byt namn</translation>
    </message>
    <message>
        <source>IDS_ROTATE</source>
        <translation>Rotera</translation>
    </message>
    <message>
        <source>IDS_BORDER</source>
        <translation>Kantlinje</translation>
    </message>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Textvattenstämpel</translation>
    </message>
    <message>
        <source>IDS_IMAGE_STAMP</source>
        <translation>Bildvattenstämpel</translation>
    </message>
</context>
<context>
    <name>IQResizeFrame</name>
    <message>
        <source>IDS_MODE</source>
        <translation>Läge:</translation>
    </message>
    <message>
        <source>IDS_BY_WIDTH</source>
        <translation>Efter bredd</translation>
    </message>
    <message>
        <source>IDS_BY_HEIGHT</source>
        <translation>Efter höjd</translation>
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
        <translation>Bredd:</translation>
    </message>
    <message>
        <source>IDS_HEIGHT</source>
        <translation>Höjd:</translation>
    </message>
    <message>
        <source>IDS_PERCENTAGE</source>
        <translation>Procent:</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>pixlar</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION</source>
        <translation>Upplösning:</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION_DPI</source>
        <translation>pixlar/tum</translation>
    </message>
    <message>
        <source>IDS_ENLARGE_SMALL</source>
        <translation>Förstora små bilder</translation>
    </message>
    <message>
        <source>IDS_RESIZE_UPPER</source>
        <translation>Ändra storlek</translation>
    </message>
</context>
<context>
    <name>IQRenameFrame</name>
    <message>
        <source>IDS_BASIC_RENAME</source>
        <translation>Byt namn</translation>
    </message>
    <message>
        <source>IDS_BASIC_PREFIX</source>
        <translation>Prefix:</translation>
    </message>
    <message>
        <source>IDS_BASIC_SUFFIX</source>
        <translation>Suffix:</translation>
    </message>
    <message>
        <source>IDS_BASIC_NEWNAME</source>
        <translation>Nytt namn:</translation>
    </message>
    <message>
        <source>IDS_BASIC_START_WITH</source>
        <translation>Börja med:</translation>
    </message>
    <message>
        <source>IDS_SAMPLE_NAME</source>
        <translation>Exempel:</translation>
    </message>
</context>
<context>
    <name>IQRotateFrame</name>
    <message>
        <source>IDS_ROTATE_UPPER</source>
        <translation>Rotera</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_NO</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_LEFT</source>
        <translation>Rotera åt vänster</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_RIGHT</source>
        <translation>Rotera åt höger</translation>
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
        <translation>Bildvattenstämpel</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Öppna</translation>
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
        <translation>Uppe till vänster</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>Nere till vänster</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>Mitten</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>Uppe till höger</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>Nere till höger</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>Uppe i mitten</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>Nere i mitten</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>Anpassad</translation>
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
        <translation>Välj vattenstämpel</translation>
    </message>
    <message>
        <source>IDS_OPEN_FAILED</source>
        <translation>Det gick inte att öppna filen.</translation>
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
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Färg:</translation>
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
        <translation>Bredd:</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>pixlar</translation>
    </message>
    <message>
        <source>IDS_BORDER_COLOR</source>
        <translation>Färg:</translation>
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
        <translation>Textvattenstämpel</translation>
    </message>
    <message>
        <source>IDS_TEXT</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>IDS_TEXT_FONT</source>
        <translation>Typsnitt:</translation>
    </message>
    <message>
        <source>IDS_STYLE</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>IDS_NORMAL</source>
        <translation>Normal</translation>
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
        <translation>Färg:</translation>
    </message>
    <message>
        <source>IDS_TEXT_SIZE</source>
        <translation>Storlek:</translation>
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
        <translation>Uppe till vänster</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>Nere till vänster</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>Mitten</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>Uppe till höger</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>Nere till höger</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>Uppe i mitten</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>Nere i mitten</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>Anpassad</translation>
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
        <translation>Importera</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importera</translation>
    </message>
    <message>
        <source>IDS_OR</source>
        <translation>Eller</translation>
    </message>
    <message>
        <source>IDS_DARGDROP</source>
        <translation>Dra dina bilder hit</translation>
    </message>
</context>
<context>
    <name>IQEditingFrame</name>
    <message>
        <source>IDS_BACK</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Exportera</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Tillämpa konverteringsinställningarna</translation>
    </message>
    <message>
        <source>IDS_PIX</source>
        <translation>pixlar</translation>
    </message>
    <message>
        <source>IDS_FILE_DAMAGED</source>
        <translation>%1 är skadad: en del av bilden saknas, så den visas inte.</translation>
    </message>
    <message>
        <source>Failed to export file.</source>
        <translation>Det gick inte att exportera filen.</translation>
    </message>
</context>
<context>
    <name>IQExportDialog</name>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Exportera</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>Spara i:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>IDS_NAME</source>
        <translation>Namn:</translation>
    </message>
    <message>
        <source>IDS_OPTION</source>
        <translation>Alternativ:</translation>
    </message>
    <message>
        <source>IDS_EXPORT_CURRENT_FRAME</source>
        <translation>Exportera aktuell bildruta</translation>
    </message>
    <message>
        <source>IDS_EXPORT_ALL_FRAME</source>
        <translation>Exportera alla bildrutor</translation>
    </message>
    <message>
        <source>IDS_EXPORT_AS_ANIMATION</source>
        <translation>Exportera som animering</translation>
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
        <translation>Längd:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Tillämpa konverteringsinställningarna</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>Den valda mappen finns inte.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>Du har inte skrivbehörighet till mappen du valde.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>IDS_FILE</source>
        <translation>Arkiv</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>IDS_VIEW</source>
        <translation>Visa</translation>
    </message>
    <message>
        <source>IDS_MENU_ACTUALSIZE</source>
        <translation>Verklig storlek</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>IDS_MENU_FITIN</source>
        <translation>Anpassa till fönstret</translation>
    </message>
    <message>
        <source>Ctrl+9</source>
        <translation>Ctrl+9</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMIN</source>
        <translation>Zooma in</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMOUT</source>
        <translation>Zooma ut</translation>
    </message>
    <message>
        <source>IDS_HELP</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Onlinehjälp</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Vanliga frågor</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Kontakta kundtjänst</translation>
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
        <translation>Dialogruta</translation>
    </message>
    <message>
        <source>IDS_AC_DONTSHOWAGAIN</source>
        <translation>Visa inte igen</translation>
    </message>
    <message>
        <source>IDS_AC_CLOSE</source>
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>IQAppInfo</name>
    <message>
        <source>Brivane WebP converts photos and animations to WebP, GIF, JPEG, PNG and BMP.</source>
        <translation>Brivane WebP konverterar foton och animeringar till WebP, GIF, JPEG, PNG och BMP.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>QObject</name>
    <message>
        <source>Open File</source>
        <translation>Dosya Aç</translation>
    </message>
    <message>
        <source>IDS_SELECT_FOLDER</source>
        <translation>Klasör Seç</translation>
    </message>
    <message>
        <source>IDS_SAVE_FILE</source>
        <translation>Dosyayı Kaydet</translation>
    </message>
</context>
<context>
    <name>IQBatchDialog</name>
    <message>
        <source>IDS_BATCH</source>
        <translation>Toplu Dönüştürme</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>Çıktı:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>Biçim:</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Dönüştür</translation>
    </message>
    <message>
        <source>IDS_OVERWRITE</source>
        <translation>Var olan dosyaların üzerine yaz</translation>
    </message>
    <message>
        <source>IDS_QUALITY</source>
        <translation>Kalite:</translation>
    </message>
    <message>
        <source>IDS_DURATION</source>
        <translation>Süre:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>Seçilen klasör mevcut değil.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>Seçtiğiniz klasörde yazma izniniz yok.</translation>
    </message>
</context>
<context>
    <name>IQImageBrowserFrame</name>
    <message>
        <source>IDS_ADD_PHOTOS</source>
        <translation>Fotoğraf Ekle</translation>
    </message>
    <message>
        <source>IDS_REMOVE_PHOTOS</source>
        <translation>Fotoğrafları Kaldır</translation>
    </message>
    <message>
        <source>IDS_START_CONVERT</source>
        <translation>Dönüştürmeyi Başlat</translation>
    </message>
    <message>
        <source>IDS_CONVERT_SELECT</source>
        <translation>Seçili Fotoğrafları Dönüştür</translation>
    </message>
    <message>
        <source>IDS_CONVERT_ALL</source>
        <translation>Tüm Fotoğrafları Dönüştür</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Dönüştür</translation>
    </message>
    <message>
        <source>IDS_CONVERT_FAILED</source>
        <translation>Bazı dosyalar dönüştürülemedi.</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_READ</source>
        <translation>okunamıyor</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_WRITTEN</source>
        <translation>yazılamıyor</translation>
    </message>
    <message>
        <source>IDS_TOO_SMALL_FOR_GIF</source>
        <translation>GIF için çok küçük (en az 16 x 16)</translation>
    </message>
    <message>
        <source>IDS_TOO_LARGE</source>
        <translation>çok büyük</translation>
    </message>
    <message>
        <source>IDS_DAMAGED</source>
        <translation>hasarlı: resmin bir kısmı eksik</translation>
    </message>
    <message>
        <source>IDS_AND_MORE</source>
        <translation>ve %1 tane daha</translation>
    </message>
</context>
<context>
    <name>IQBatchOptionFrame</name>
    <message>
        <source>IDS_RESIZE</source>
        <translation>Yeniden Boyutlandır</translation>
    </message>
    <message>
        <source>IDS_RENAME</source>
        <translation>Yeniden Adlandır</translation>
    </message>
    <message>
        <source>IDS_ROTATE</source>
        <translation>Döndür</translation>
    </message>
    <message>
        <source>IDS_BORDER</source>
        <translation>Kenarlık</translation>
    </message>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Metin Filigranı</translation>
    </message>
    <message>
        <source>IDS_IMAGE_STAMP</source>
        <translation>Resim Filigranı</translation>
    </message>
</context>
<context>
    <name>IQResizeFrame</name>
    <message>
        <source>IDS_MODE</source>
        <translation>Mod:</translation>
    </message>
    <message>
        <source>IDS_BY_WIDTH</source>
        <translation>Genişliğe Göre</translation>
    </message>
    <message>
        <source>IDS_BY_HEIGHT</source>
        <translation>Yüksekliğe Göre</translation>
    </message>
    <message>
        <source>IDS_BY_PERCENTAGE</source>
        <translation>Yüzde</translation>
    </message>
    <message>
        <source>IDS_FREE</source>
        <translation>Serbest</translation>
    </message>
    <message>
        <source>IDS_WIDTH</source>
        <translation>Genişlik:</translation>
    </message>
    <message>
        <source>IDS_HEIGHT</source>
        <translation>Yükseklik:</translation>
    </message>
    <message>
        <source>IDS_PERCENTAGE</source>
        <translation>Yüzde:</translation>
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
        <translation>Çözünürlük:</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION_DPI</source>
        <translation>piksel/inç</translation>
    </message>
    <message>
        <source>IDS_ENLARGE_SMALL</source>
        <translation>Küçük resimleri büyüt</translation>
    </message>
    <message>
        <source>IDS_RESIZE_UPPER</source>
        <translation>Yeniden Boyutlandır</translation>
    </message>
</context>
<context>
    <name>IQRenameFrame</name>
    <message>
        <source>IDS_BASIC_RENAME</source>
        <translation>Yeniden Adlandır</translation>
    </message>
    <message>
        <source>IDS_BASIC_PREFIX</source>
        <translation>Önek:</translation>
    </message>
    <message>
        <source>IDS_BASIC_SUFFIX</source>
        <translation>Sonek:</translation>
    </message>
    <message>
        <source>IDS_BASIC_NEWNAME</source>
        <translation>Yeni ad:</translation>
    </message>
    <message>
        <source>IDS_BASIC_START_WITH</source>
        <translation>Başlangıç:</translation>
    </message>
    <message>
        <source>IDS_SAMPLE_NAME</source>
        <translation>Örnek:</translation>
    </message>
</context>
<context>
    <name>IQRotateFrame</name>
    <message>
        <source>IDS_ROTATE_UPPER</source>
        <translation>Döndür</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_NO</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_LEFT</source>
        <translation>Sola Döndür</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_RIGHT</source>
        <translation>Sağa Döndür</translation>
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
        <translation>Resim Filigranı</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>IDS_IMAGE_OPACITY</source>
        <translation>Opaklık:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_SCALE</source>
        <translation>Ölçek:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_ANGEL</source>
        <translation>Açı:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_POSITION</source>
        <translation>Konum:</translation>
    </message>
    <message>
        <source>IDS_TOP_LEFT</source>
        <translation>Sol Üst</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>Sol Alt</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>Sağ Üst</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>Sağ Alt</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>Üst Orta</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>Alt Orta</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>Özel</translation>
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
        <translation>Filigran Seç</translation>
    </message>
    <message>
        <source>IDS_OPEN_FAILED</source>
        <translation>Dosya açılamadı.</translation>
    </message>
</context>
<context>
    <name>QtColorPicker</name>
    <message>
        <source>Black</source>
        <translation>Siyah</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Renk:</translation>
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
        <translation>Kenarlık</translation>
    </message>
    <message>
        <source>IDS_BORDER_WIDTH</source>
        <translation>Genişlik:</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>px</translation>
    </message>
    <message>
        <source>IDS_BORDER_COLOR</source>
        <translation>Renk:</translation>
    </message>
    <message>
        <source>IDS_OPACITY</source>
        <translation>Opaklık:</translation>
    </message>
</context>
<context>
    <name>IQTextFrame</name>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Metin Filigranı</translation>
    </message>
    <message>
        <source>IDS_TEXT</source>
        <translation>Metin:</translation>
    </message>
    <message>
        <source>IDS_TEXT_FONT</source>
        <translation>Yazı tipi:</translation>
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
        <translation>Kalın</translation>
    </message>
    <message>
        <source>IDS_ITALIC</source>
        <translation>İtalik</translation>
    </message>
    <message>
        <source>IDS_TEXT_COLOR</source>
        <translation>Renk:</translation>
    </message>
    <message>
        <source>IDS_TEXT_SIZE</source>
        <translation>Boyut:</translation>
    </message>
    <message>
        <source>IDS_TEXT_ANGEL</source>
        <translation>Açı:</translation>
    </message>
    <message>
        <source>IDS_TEXT_POSITION</source>
        <translation>Konum:</translation>
    </message>
    <message>
        <source>IDS_TOP_LEFT</source>
        <translation>Sol Üst</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>Sol Alt</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>Sağ Üst</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>Sağ Alt</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>Üst Orta</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>Alt Orta</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>Özel</translation>
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
        <translation>İçe Aktar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>İçe Aktar</translation>
    </message>
    <message>
        <source>IDS_OR</source>
        <translation>Veya</translation>
    </message>
    <message>
        <source>IDS_DARGDROP</source>
        <translation>Fotoğraflarınızı buraya sürükleyin</translation>
    </message>
</context>
<context>
    <name>IQEditingFrame</name>
    <message>
        <source>IDS_BACK</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Dışa Aktar</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Dönüştürme Ayarlarını Uygula</translation>
    </message>
    <message>
        <source>IDS_PIX</source>
        <translation>piksel</translation>
    </message>
    <message>
        <source>IDS_FILE_DAMAGED</source>
        <translation>%1 hasarlı: resmin bir kısmı eksik, bu yüzden gösterilmiyor.</translation>
    </message>
    <message>
        <source>Failed to export file.</source>
        <translation>Dosya dışa aktarılamadı.</translation>
    </message>
</context>
<context>
    <name>IQExportDialog</name>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Dışa Aktar</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>Çıktı:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>IDS_NAME</source>
        <translation>Ad:</translation>
    </message>
    <message>
        <source>IDS_OPTION</source>
        <translation>Seçenek:</translation>
    </message>
    <message>
        <source>IDS_EXPORT_CURRENT_FRAME</source>
        <translation>Geçerli Kareyi Dışa Aktar</translation>
    </message>
    <message>
        <source>IDS_EXPORT_ALL_FRAME</source>
        <translation>Tüm Kareleri Dışa Aktar</translation>
    </message>
    <message>
        <source>IDS_EXPORT_AS_ANIMATION</source>
        <translation>Animasyon Olarak Dışa Aktar</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>Biçim:</translation>
    </message>
    <message>
        <source>IDS_QUALITY</source>
        <translation>Kalite:</translation>
    </message>
    <message>
        <source>IDS_DURATION</source>
        <translation>Süre:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Dönüştürme Ayarlarını Uygula</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>Seçilen klasör mevcut değil.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>Seçtiğiniz klasörde yazma izniniz yok.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>IDS_FILE</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>IDS_VIEW</source>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>IDS_MENU_ACTUALSIZE</source>
        <translation>Gerçek Boyut</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>IDS_MENU_FITIN</source>
        <translation>Pencereye Sığdır</translation>
    </message>
    <message>
        <source>Ctrl+9</source>
        <translation>Ctrl+9</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMIN</source>
        <translation>Yakınlaştır</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMOUT</source>
        <translation>Uzaklaştır</translation>
    </message>
    <message>
        <source>IDS_HELP</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Çevrimiçi Yardım</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Sık Sorulan Sorular</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Müşteri Hizmetleriyle İletişim</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>Hakkında</translation>
    </message>
</context>
<context>
    <name>IQGuideDialog</name>
    <message>
        <source>Dialog</source>
        <translation>İletişim Kutusu</translation>
    </message>
    <message>
        <source>IDS_AC_DONTSHOWAGAIN</source>
        <translation>Bir daha gösterme</translation>
    </message>
    <message>
        <source>IDS_AC_CLOSE</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>IQAppInfo</name>
    <message>
        <source>Brivane WebP converts photos and animations to WebP, GIF, JPEG, PNG and BMP.</source>
        <translation>Brivane WebP, fotoğrafları ve animasyonları WebP, GIF, JPEG, PNG ve BMP biçimlerine dönüştürür.</translation>
    </message>
</context>
</TS>

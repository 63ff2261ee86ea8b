<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>QObject</name>
    <message>
        <source>Open File</source>
        <translation>Άνοιγμα αρχείου</translation>
    </message>
    <message>
        <source>IDS_SELECT_FOLDER</source>
        <translation>Επιλογή φακέλου</translation>
    </message>
    <message>
        <source>IDS_SAVE_FILE</source>
        <translation>Αποθήκευση αρχείου</translation>
    </message>
</context>
<context>
    <name>IQBatchDialog</name>
    <message>
        <source>IDS_BATCH</source>
        <translation>Μαζική μετατροπή</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>Φάκελος:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>Μορφή:</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Μετατροπή</translation>
    </message>
    <message>
        <source>IDS_OVERWRITE</source>
        <translation>Αντικατάσταση υπαρχόντων αρχείων</translation>
    </message>
    <message>
        <source>IDS_QUALITY</source>
        <translation>Ποιότητα:</translation>
    </message>
    <message>
        <source>IDS_DURATION</source>
        <translation>Διάρκεια:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>Ο επιλεγμένος φάκελος δεν υπάρχει.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>Δεν υπάρχει δικαίωμα εγγραφής στον φάκελο που επιλέξατε.</translation>
    </message>
</context>
<context>
    <name>IQImageBrowserFrame</name>
    <message>
        <source>IDS_ADD_PHOTOS</source>
        <translation>Προσθήκη φωτογραφιών</translation>
    </message>
    <message>
        <source>IDS_REMOVE_PHOTOS</source>
        <translation>Αφαίρεση φωτογραφιών</translation>
    </message>
    <message>
        <source>IDS_START_CONVERT</source>
        <translation>Έναρξη μετατροπής</translation>
    </message>
    <message>
        <source>IDS_CONVERT_SELECT</source>
        <translation>Μετατροπή επιλεγμένων φωτογραφιών</translation>
    </message>
    <message>
        <source>IDS_CONVERT_ALL</source>
        <translation>Μετατροπή όλων των φωτογραφιών</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Μετατροπή</translation>
    </message>
    <message>
        <source>IDS_CONVERT_FAILED</source>
        <translation>Ορισμένα αρχεία δεν ήταν δυνατό να μετατραπούν.</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_READ</source>
        <translation>δεν είναι δυνατή η ανάγνωση</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_WRITTEN</source>
        <translation>δεν είναι δυνατή η εγγραφή</translation>
    </message>
    <message>
        <source>IDS_TOO_SMALL_FOR_GIF</source>
        <translation>πολύ μικρό για GIF (τουλάχιστον 16 x 16)</translation>
    </message>
    <message>
        <source>IDS_TOO_LARGE</source>
        <translation>πολύ μεγάλο</translation>
    </message>
    <message>
        <source>IDS_DAMAGED</source>
        <translation>κατεστραμμένο: λείπει μέρος της εικόνας</translation>
    </message>
    <message>
        <source>IDS_AND_MORE</source>
        <translation>και %1 ακόμη</translation>
    </message>
</context>
<context>
    <name>IQBatchOptionFrame</name>
    <message>
        <source>IDS_RESIZE</source>
        <translation>Αλλαγή μεγέθους</translation>
    </message>
    <message>
        <source>IDS_RENAME</source>
        <translation>Μετονομασία</translation>
    </message>
    <message>
        <source>IDS_ROTATE</source>
        <translation>Περιστροφή</translation>
    </message>
    <message>
        <source>IDS_BORDER</source>
        <translation>Περίγραμμα</translation>
    </message>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Υδατογράφημα κειμένου</translation>
    </message>
    <message>
        <source>IDS_IMAGE_STAMP</source>
        <translation>Υδατογράφημα εικόνας</translation>
    </message>
</context>
<context>
    <name>IQResizeFrame</name>
    <message>
        <source>IDS_MODE</source>
        <translation>Τρόπος:</translation>
    </message>
    <message>
        <source>IDS_BY_WIDTH</source>
        <translation>Κατά πλάτος</translation>
    </message>
    <message>
        <source>IDS_BY_HEIGHT</source>
        <translation>Κατά ύψος</translation>
    </message>
    <message>
        <source>IDS_BY_PERCENTAGE</source>
        <translation>Κατά ποσοστό</translation>
    </message>
    <message>
        <source>IDS_FREE</source>
        <translation>Ελεύθερα</translation>
    </message>
    <message>
        <source>IDS_WIDTH</source>
        <translation>Πλάτος:</translation>
    </message>
    <message>
        <source>IDS_HEIGHT</source>
        <translation>Ύψος:</translation>
    </message>
    <message>
        <source>IDS_PERCENTAGE</source>
        <translation>Ποσοστό:</translation>
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
        <translation>Ανάλυση:</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION_DPI</source>
        <translation>pixel/ίντσα</translation>
    </message>
    <message>
        <source>IDS_ENLARGE_SMALL</source>
        <translation>Μεγέθυνση μικρών εικόνων</translation>
    </message>
    <message>
        <source>IDS_RESIZE_UPPER</source>
        <translation>Αλλαγή μεγέθους</translation>
    </message>
</context>
<context>
    <name>IQRenameFrame</name>
    <message>
        <source>IDS_BASIC_RENAME</source>
        <translation>Μετονομασία</translation>
    </message>
    <message>
        <source>IDS_BASIC_PREFIX</source>
        <translation>Πρόθεμα:</translation>
    </message>
    <message>
        <source>IDS_BASIC_SUFFIX</source>
        <translation>Επίθημα:</translation>
    </message>
    <message>
        <source>IDS_BASIC_NEWNAME</source>
        <translation>Νέο όνομα:</translation>
    </message>
    <message>
        <source>IDS_BASIC_START_WITH</source>
        <translation>Έναρξη:</translation>
    </message>
    <message>
        <source>IDS_SAMPLE_NAME</source>
        <translation>Δείγμα:</translation>
    </message>
</context>
<context>
    <name>IQRotateFrame</name>
    <message>
        <source>IDS_ROTATE_UPPER</source>
        <translation>Περιστροφή</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_NO</source>
        <translation>Καμία</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_LEFT</source>
        <translation>Περιστροφή αριστερά</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_RIGHT</source>
        <translation>Περιστροφή δεξιά</translation>
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
        <translation>Υδατογράφημα εικόνας</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>IDS_IMAGE_OPACITY</source>
        <translation>Αδιαφάν.:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_SCALE</source>
        <translation>Κλίμακα:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_ANGEL</source>
        <translation>Γωνία:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_POSITION</source>
        <translation>Θέση:</translation>
    </message>
    <message>
        <source>IDS_TOP_LEFT</source>
        <translation>Πάνω αριστερά</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>Κάτω αριστερά</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>Κέντρο</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>Πάνω δεξιά</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>Κάτω δεξιά</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>Πάνω στο κέντρο</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>Κάτω στο κέντρο</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>Προσαρμοσμένη</translation>
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
        <translation>Επιλογή υδατογραφήματος</translation>
    </message>
    <message>
        <source>IDS_OPEN_FAILED</source>
        <translation>Το άνοιγμα απέτυχε.</translation>
    </message>
</context>
<context>
    <name>QtColorPicker</name>
    <message>
        <source>Black</source>
        <translation>Μαύρο</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Φόρμα</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Χρώμα:</translation>
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
        <translation>Περίγραμμα</translation>
    </message>
    <message>
        <source>IDS_BORDER_WIDTH</source>
        <translation>Πλάτος:</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>pixel</translation>
    </message>
    <message>
        <source>IDS_BORDER_COLOR</source>
        <translation>Χρώμα:</translation>
    </message>
    <message>
        <source>IDS_OPACITY</source>
        <translation>Αδιαφάν.:</translation>
    </message>
</context>
<context>
    <name>IQTextFrame</name>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Υδατογράφημα κειμένου</translation>
    </message>
    <message>
        <source>IDS_TEXT</source>
        <translation>Κείμενο:</translation>
    </message>
    <message>
        <source>IDS_TEXT_FONT</source>
        <translation>Γραμματ.:</translation>
    </message>
    <message>
        <source>IDS_STYLE</source>
        <translation>Στυλ:</translation>
    </message>
    <message>
        <source>IDS_NORMAL</source>
        <translation>Κανονικά</translation>
    </message>
    <message>
        <source>IDS_BOLD</source>
        <translation>Έντονα</translation>
    </message>
    <message>
        <source>IDS_ITALIC</source>
        <translation>Πλάγια</translation>
    </message>
    <message>
        <source>IDS_TEXT_COLOR</source>
        <translation>Χρώμα:</translation>
    </message>
    <message>
        <source>IDS_TEXT_SIZE</source>
        <translation>Μέγεθος:</translation>
    </message>
    <message>
        <source>IDS_TEXT_ANGEL</source>
        <translation>Γωνία:</translation>
    </message>
    <message>
        <source>IDS_TEXT_POSITION</source>
        <translation>Θέση:</translation>
    </message>
    <message>
        <source>IDS_TOP_LEFT</source>
        <translation>Πάνω αριστερά</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>Κάτω αριστερά</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>Κέντρο</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>Πάνω δεξιά</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>Κάτω δεξιά</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>Πάνω στο κέντρο</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>Κάτω στο κέντρο</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>Προσαρμοσμένη</translation>
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
        <translation>Εισαγωγή</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Εισαγωγή</translation>
    </message>
    <message>
        <source>IDS_OR</source>
        <translation>ή</translation>
    </message>
    <message>
        <source>IDS_DARGDROP</source>
        <translation>Σύρετε εδώ τις φωτογραφίες σας</translation>
    </message>
</context>
<context>
    <name>IQEditingFrame</name>
    <message>
        <source>IDS_BACK</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Εξαγωγή</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Εφαρμογή ρυθμίσεων μετατροπής</translation>
    </message>
    <message>
        <source>IDS_PIX</source>
        <translation>pixel</translation>
    </message>
    <message>
        <source>IDS_FILE_DAMAGED</source>
        <translation>Το %1 είναι κατεστραμμένο: λείπει μέρος της εικόνας, γι' αυτό δεν εμφανίζεται.</translation>
    </message>
    <message>
        <source>Failed to export file.</source>
        <translation>Η εξαγωγή του αρχείου απέτυχε.</translation>
    </message>
</context>
<context>
    <name>IQExportDialog</name>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Εξαγωγή</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>Φάκελος:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Επιλογή</translation>
    </message>
    <message>
        <source>IDS_NAME</source>
        <translation>Όνομα:</translation>
    </message>
    <message>
        <source>IDS_OPTION</source>
        <translation>Επιλογή:</translation>
    </message>
    <message>
        <source>IDS_EXPORT_CURRENT_FRAME</source>
        <translation>Εξαγωγή τρέχοντος καρέ</translation>
    </message>
    <message>
        <source>IDS_EXPORT_ALL_FRAME</source>
        <translation>Εξαγωγή όλων των καρέ</translation>
    </message>
    <message>
        <source>IDS_EXPORT_AS_ANIMATION</source>
        <translation>Εξαγωγή ως κινούμενη εικόνα</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>Μορφή:</translation>
    </message>
    <message>
        <source>IDS_QUALITY</source>
        <translation>Ποιότητα:</translation>
    </message>
    <message>
        <source>IDS_DURATION</source>
        <translation>Διάρκεια:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Εφαρμογή ρυθμίσεων μετατροπής</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>Ο επιλεγμένος φάκελος δεν υπάρχει.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>Δεν υπάρχει δικαίωμα εγγραφής στον φάκελο που επιλέξατε.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>IDS_FILE</source>
        <translation>Αρχείο</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>IDS_VIEW</source>
        <translation>Προβολή</translation>
    </message>
    <message>
        <source>IDS_MENU_ACTUALSIZE</source>
        <translation>Πραγματικό μέγεθος</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>IDS_MENU_FITIN</source>
        <translation>Προσαρμογή στο παράθυρο</translation>
    </message>
    <message>
        <source>Ctrl+9</source>
        <translation>Ctrl+9</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMIN</source>
        <translation>Μεγέθυνση</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMOUT</source>
        <translation>Σμίκρυνση</translation>
    </message>
    <message>
        <source>IDS_HELP</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Ηλεκτρονική βοήθεια</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Συχνές ερωτήσεις για το προϊόν</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Επικοινωνία με την εξυπηρέτηση πελατών</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>Πληροφορίες</translation>
    </message>
</context>
<context>
    <name>IQGuideDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Παράθυρο διαλόγου</translation>
    </message>
    <message>
        <source>IDS_AC_DONTSHOWAGAIN</source>
        <translation>Να μην εμφανιστεί ξανά</translation>
    </message>
    <message>
        <source>IDS_AC_CLOSE</source>
        <translation>Κλείσιμο</translation>
    </message>
</context>
<context>
    <name>IQAppInfo</name>
    <message>
        <source>Brivane WebP converts photos and animations to WebP, GIF, JPEG, PNG and BMP.</source>
        <translation>Το Brivane WebP μετατρέπει φωτογραφίες και κινούμενες εικόνες σε WebP, GIF, JPEG, PNG και BMP.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>QObject</name>
    <message>
        <source>Open File</source>
        <translation>فتح ملف</translation>
    </message>
    <message>
        <source>IDS_SELECT_FOLDER</source>
        <translation>تحديد مجلد</translation>
    </message>
    <message>
        <source>IDS_SAVE_FILE</source>
        <translation>حفظ الملف</translation>
    </message>
</context>
<context>
    <name>IQBatchDialog</name>
    <message>
        <source>IDS_BATCH</source>
        <translation>التحويل الدفعي</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>الإخراج:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>تحديد</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>التنسيق:</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>تحويل</translation>
    </message>
    <message>
        <source>IDS_OVERWRITE</source>
        <translation>الكتابة فوق الملفات الموجودة</translation>
    </message>
    <message>
        <source>IDS_QUALITY</source>
        <translation>الجودة:</translation>
    </message>
    <message>
        <source>IDS_DURATION</source>
        <translation>المدة:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>مللي ثانية</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>المجلد المحدد غير موجود.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>لا تتوفر أذونات الكتابة في المجلد الذي حددته.</translation>
    </message>
</context>
<context>
    <name>IQImageBrowserFrame</name>
    <message>
        <source>IDS_ADD_PHOTOS</source>
        <translation>إضافة صور</translation>
    </message>
    <message>
        <source>IDS_REMOVE_PHOTOS</source>
        <translation>إزالة الصور</translation>
    </message>
    <message>
        <source>IDS_START_CONVERT</source>
        <translation>بدء التحويل</translation>
    </message>
    <message>
        <source>IDS_CONVERT_SELECT</source>
        <translation>تحويل الصور المحددة</translation>
    </message>
    <message>
        <source>IDS_CONVERT_ALL</source>
        <translation>تحويل كل الصور</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>تحويل</translation>
    </message>
    <message>
        <source>IDS_CONVERT_FAILED</source>
        <translation>تعذّر تحويل بعض الملفات.</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_READ</source>
        <translation>لا يمكن قراءته</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_WRITTEN</source>
        <translation>لا يمكن كتابته</translation>
    </message>
    <message>
        <source>IDS_TOO_SMALL_FOR_GIF</source>
        <translation>صغير جدًا على GIF (16 x 16 على الأقل)</translation>
    </message>
    <message>
        <source>IDS_TOO_LARGE</source>
        <translation>كبير جدًا</translation>
    </message>
    <message>
        <source>IDS_DAMAGED</source>
        <translation>تالف: جزء من الصورة مفقود</translation>
    </message>
    <message>
        <source>IDS_AND_MORE</source>
        <translation>و%1 غيرها</translation>
    </message>
</context>
<context>
    <name>IQBatchOptionFrame</name>
    <message>
        <source>IDS_RESIZE</source>
        <translation>تغيير الحجم</translation>
    </message>
    <message>
        <source>IDS_RENAME</source>
        <translation>إعادة التسمية</translation>
    </message>
    <message>
        <source>IDS_ROTATE</source>
        <translation>تدوير</translation>
    </message>
    <message>
        <source>IDS_BORDER</source>
        <translation>الحدود</translation>
    </message>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>علامة مائية نصية</translation>
    </message>
    <message>
        <source>IDS_IMAGE_STAMP</source>
        <translation>علامة مائية من صورة</translation>
    </message>
</context>
<context>
    <name>IQResizeFrame</name>
    <message>
        <source>IDS_MODE</source>
        <translation>الوضع:</translation>
    </message>
    <message>
        <source>IDS_BY_WIDTH</source>
        <translation>حسب العرض</translation>
    </message>
    <message>
        <source>IDS_BY_HEIGHT</source>
        <translation>حسب الارتفاع</translation>
    </message>
    <message>
        <source>IDS_BY_PERCENTAGE</source>
        <translation>بالنسبة المئوية</translation>
    </message>
    <message>
        <source>IDS_FREE</source>
        <translation>حر</translation>
    </message>
    <message>
        <source>IDS_WIDTH</source>
        <translation>العرض:</translation>
    </message>
    <message>
        <source>IDS_HEIGHT</source>
        <translation>الارتفاع:</translation>
    </message>
    <message>
        <source>IDS_PERCENTAGE</source>
        <translation>النسبة:</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>بكسل</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION</source>
        <translation>الدقة:</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION_DPI</source>
        <translation>بكسل/بوصة</translation>
    </message>
    <message>
        <source>IDS_ENLARGE_SMALL</source>
        <translation>تكبير الصور الصغيرة</translation>
    </message>
    <message>
        <source>IDS_RESIZE_UPPER</source>
        <translation>تغيير الحجم</translation>
    </message>
</context>
<context>
    <name>IQRenameFrame</name>
    <message>
        <source>IDS_BASIC_RENAME</source>
        <translation>إعادة التسمية</translation>
    </message>
    <message>
        <source>IDS_BASIC_PREFIX</source>
        <translation>البادئة:</translation>
    </message>
    <message>
        <source>IDS_BASIC_SUFFIX</source>
        <translation>اللاحقة:</translation>
    </message>
    <message>
        <source>IDS_BASIC_NEWNAME</source>
        <translation>الاسم الجديد:</translation>
    </message>
    <message>
        <source>IDS_BASIC_START_WITH</source>
        <translation>البدء من:</translation>
    </message>
    <message>
        <source>IDS_SAMPLE_NAME</source>
        <translation>مثال:</translation>
    </message>
</context>
<context>
    <name>IQRotateFrame</name>
    <message>
        <source>IDS_ROTATE_UPPER</source>
        <translation>تدوير</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_NO</source>
        <translation>بدون</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_LEFT</source>
        <translation>تدوير لليسار</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_RIGHT</source>
        <translation>تدوير لليمين</translation>
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
        <translation>علامة مائية من صورة</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>IDS_IMAGE_OPACITY</source>
        <translation>العتامة:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_SCALE</source>
        <translation>المقياس:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_ANGEL</source>
        <translation>الزاوية:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_POSITION</source>
        <translation>الموضع:</translation>
    </message>
    <message>
        <source>IDS_TOP_LEFT</source>
        <translation>أعلى اليسار</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>أسفل اليسار</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>الوسط</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>أعلى اليمين</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>أسفل اليمين</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>أعلى الوسط</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>أسفل الوسط</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>مخصص</translation>
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
        <translation>تحديد العلامة المائية</translation>
    </message>
    <message>
        <source>IDS_OPEN_FAILED</source>
        <translation>تعذر فتح الملف.</translation>
    </message>
</context>
<context>
    <name>QtColorPicker</name>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>اللون:</translation>
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
        <translation>الحدود</translation>
    </message>
    <message>
        <source>IDS_BORDER_WIDTH</source>
        <translation>العرض:</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>بكسل</translation>
    </message>
    <message>
        <source>IDS_BORDER_COLOR</source>
        <translation>اللون:</translation>
    </message>
    <message>
        <source>IDS_OPACITY</source>
        <translation>العتامة:</translation>
    </message>
</context>
<context>
    <name>IQTextFrame</name>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>علامة مائية نصية</translation>
    </message>
    <message>
        <source>IDS_TEXT</source>
        <translation>النص:</translation>
    </message>
    <message>
        <source>IDS_TEXT_FONT</source>
        <translation>الخط:</translation>
    </message>
    <message>
        <source>IDS_STYLE</source>
        <translation>النمط:</translation>
    </message>
    <message>
        <source>IDS_NORMAL</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>IDS_BOLD</source>
        <translation>غامق</translation>
    </message>
    <message>
        <source>IDS_ITALIC</source>
        <translation>مائل</translation>
    </message>
    <message>
        <source>IDS_TEXT_COLOR</source>
        <translation>اللون:</translation>
    </message>
    <message>
        <source>IDS_TEXT_SIZE</source>
        <translation>الحجم:</translation>
    </message>
    <message>
        <source>IDS_TEXT_ANGEL</source>
        <translation>الزاوية:</translation>
    </message>
    <message>
        <source>IDS_TEXT_POSITION</source>
        <translation>الموضع:</translation>
    </message>
    <message>
        <source>IDS_TOP_LEFT</source>
        <translation>أعلى اليسار</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>أسفل اليسار</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>الوسط</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>أعلى اليمين</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>أسفل اليمين</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>أعلى الوسط</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>أسفل الوسط</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>مخصص</translation>
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
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>IDS_OR</source>
        <translation>أو</translation>
    </message>
    <message>
        <source>IDS_DARGDROP</source>
        <translation>اسحب صورك إلى هنا</translation>
    </message>
</context>
<context>
    <name>IQEditingFrame</name>
    <message>
        <source>IDS_BACK</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>IDS_EXPORT</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>تطبيق إعدادات التحويل</translation>
    </message>
    <message>
        <source>IDS_PIX</source>
        <translation>بكسل</translation>
    </message>
    <message>
        <source>IDS_FILE_DAMAGED</source>
        <translation>الملف %1 تالف: جزء من الصورة مفقود، لذلك لا يُعرض.</translation>
    </message>
    <message>
        <source>Failed to export file.</source>
        <translation>تعذر تصدير الملف.</translation>
    </message>
</context>
<context>
    <name>IQExportDialog</name>
    <message>
        <source>IDS_EXPORT</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>الإخراج:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>تحديد</translation>
    </message>
    <message>
        <source>IDS_NAME</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>IDS_OPTION</source>
        <translation>الخيار:</translation>
    </message>
    <message>
        <source>IDS_EXPORT_CURRENT_FRAME</source>
        <translation>تصدير الإطار الحالي</translation>
    </message>
    <message>
        <source>IDS_EXPORT_ALL_FRAME</source>
        <translation>تصدير كل الإطارات</translation>
    </message>
    <message>
        <source>IDS_EXPORT_AS_ANIMATION</source>
        <translation>تصدير كرسوم متحركة</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>التنسيق:</translation>
    </message>
    <message>
        <source>IDS_QUALITY</source>
        <translation>الجودة:</translation>
    </message>
    <message>
        <source>IDS_DURATION</source>
        <translation>المدة:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>مللي ثانية</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>تطبيق إعدادات التحويل</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>المجلد المحدد غير موجود.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>لا تتوفر أذونات الكتابة في المجلد الذي حددته.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>IDS_FILE</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>IDS_VIEW</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>IDS_MENU_ACTUALSIZE</source>
        <translation>الحجم الفعلي</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>IDS_MENU_FITIN</source>
        <translation>ملاءمة للنافذة</translation>
    </message>
    <message>
        <source>Ctrl+9</source>
        <translation>Ctrl+9</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMIN</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMOUT</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>IDS_HELP</source>
        <translation>تعليمات</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>التعليمات عبر الإنترنت</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>الأسئلة المتداولة حول المنتج</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>الاتصال بخدمة العملاء</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>حول</translation>
    </message>
</context>
<context>
    <name>IQGuideDialog</name>
    <message>
        <source>Dialog</source>
        <translation>مربع حوار</translation>
    </message>
    <message>
        <source>IDS_AC_DONTSHOWAGAIN</source>
        <translation>عدم الإظهار مرة أخرى</translation>
    </message>
    <message>
        <source>IDS_AC_CLOSE</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>IQAppInfo</name>
    <message>
        <source>Brivane WebP converts photos and animations to WebP, GIF, JPEG, PNG and BMP.</source>
        <translation>يحوّل Brivane WebP الصور والرسوم المتحركة إلى تنسيقات WebP وGIF وJPEG وPNG وBMP.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>IDS_SELECT_FOLDER</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <source>IDS_SAVE_FILE</source>
        <translation>Сохранить файл</translation>
    </message>
</context>
<context>
    <name>IQBatchDialog</name>
    <message>
        <source>IDS_BATCH</source>
        <translation>Пакетная обработка</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>Папка:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Преобразовать</translation>
    </message>
    <message>
        <source>IDS_OVERWRITE</source>
        <translation>Перезаписывать существующие файлы</translation>
    </message>
    <message>
        <source>IDS_QUALITY</source>
        <translation>Качество:</translation>
    </message>
    <message>
        <source>IDS_DURATION</source>
        <translation>Интервал:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>Выбранная папка не существует.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>Нет прав на запись в выбранную папку.</translation>
    </message>
</context>
<context>
    <name>IQImageBrowserFrame</name>
    <message>
        <source>IDS_ADD_PHOTOS</source>
        <translation>Добавить фото</translation>
    </message>
    <message>
        <source>IDS_REMOVE_PHOTOS</source>
        <translation>Удалить фото</translation>
    </message>
    <message>
        <source>IDS_START_CONVERT</source>
        <translation>Начать преобразование</translation>
    </message>
    <message>
        <source>IDS_CONVERT_SELECT</source>
        <translation>Преобразовать выбранные фото</translation>
    </message>
    <message>
        <source>IDS_CONVERT_ALL</source>
        <translation>Преобразовать все фото</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Преобразовать</translation>
    </message>
    <message>
        <source>IDS_CONVERT_FAILED</source>
        <translation>Некоторые файлы не удалось преобразовать.</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_READ</source>
        <translation>не удаётся прочитать</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_WRITTEN</source>
        <translation>не удаётся записать</translation>
    </message>
    <message>
        <source>IDS_TOO_SMALL_FOR_GIF</source>
        <translation>слишком мал для GIF (не менее 16 x 16)</translation>
    </message>
    <message>
        <source>IDS_TOO_LARGE</source>
        <translation>слишком большой</translation>
    </message>
    <message>
        <source>IDS_DAMAGED</source>
        <translation>повреждён: часть изображения отсутствует</translation>
    </message>
    <message>
        <source>IDS_AND_MORE</source>
        <translation>и ещё %1</translation>
    </message>
</context>
<context>
    <name>IQBatchOptionFrame</name>
    <message>
        <source>IDS_RESIZE</source>
        <translation>Изменение размера</translation>
    </message>
    <message>
        <source>IDS_RENAME</source>
        <translation>Переименование</translation>
    </message>
    <message>
        <source>IDS_ROTATE</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>IDS_BORDER</source>
        <translation>Рамка</translation>
    </message>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Текстовый водяной знак</translation>
    </message>
    <message>
        <source>IDS_IMAGE_STAMP</source>
        <translation>Графический водяной знак</translation>
    </message>
</context>
<context>
    <name>IQResizeFrame</name>
    <message>
        <source>IDS_MODE</source>
        <translation>Режим:</translation>
    </message>
    <message>
        <source>IDS_BY_WIDTH</source>
        <translation>По ширине</translation>
    </message>
    <message>
        <source>IDS_BY_HEIGHT</source>
        <translation>По высоте</translation>
    </message>
    <message>
        <source>IDS_BY_PERCENTAGE</source>
        <translation>В процентах</translation>
    </message>
    <message>
        <source>IDS_FREE</source>
        <translation>Произвольно</translation>
    </message>
    <message>
        <source>IDS_WIDTH</source>
        <translation>Ширина:</translation>
    </message>
    <message>
        <source>IDS_HEIGHT</source>
        <translation>Высота:</translation>
    </message>
    <message>
        <source>IDS_PERCENTAGE</source>
        <translation>Процент:</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>пикс.</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION</source>
        <translation>Разреш.:</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION_DPI</source>
        <translation>пикс./дюйм</translation>
    </message>
    <message>
        <source>IDS_ENLARGE_SMALL</source>
        <translation>Увеличивать мелкие фото</translation>
    </message>
    <message>
        <source>IDS_RESIZE_UPPER</source>
        <translation>Изменение размера</translation>
    </message>
</context>
<context>
    <name>IQRenameFrame</name>
    <message>
        <source>IDS_BASIC_RENAME</source>
        <translation>Переименование</translation>
    </message>
    <message>
        <source>IDS_BASIC_PREFIX</source>
        <translation>Префикс:</translation>
    </message>
    <message>
        <source>IDS_BASIC_SUFFIX</source>
        <translation>Суффикс:</translation>
    </message>
    <message>
        <source>IDS_BASIC_NEWNAME</source>
        <translation>Новое имя:</translation>
    </message>
    <message>
        <source>IDS_BASIC_START_WITH</source>
        <translation>Начать с:</translation>
    </message>
    <message>
        <source>IDS_SAMPLE_NAME</source>
        <translation>Пример:</translation>
    </message>
</context>
<context>
    <name>IQRotateFrame</name>
    <message>
        <source>IDS_ROTATE_UPPER</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_NO</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_LEFT</source>
        <translation>Повернуть влево</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_RIGHT</source>
        <translation>Повернуть вправо</translation>
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
        <translation>Графический водяной знак</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>IDS_IMAGE_OPACITY</source>
        <translation>Непрозр.:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_SCALE</source>
        <translation>Масштаб:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_ANGEL</source>
        <translation>Угол:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_POSITION</source>
        <translation>Позиция:</translation>
    </message>
    <message>
        <source>IDS_TOP_LEFT</source>
        <translation>Вверху слева</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>Внизу слева</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>Вверху справа</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>Внизу справа</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>Вверху по центру</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>Внизу по центру</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>Вручную</translation>
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
        <translation>Выбор водяного знака</translation>
    </message>
    <message>
        <source>IDS_OPEN_FAILED</source>
        <translation>Не удалось открыть файл.</translation>
    </message>
</context>
<context>
    <name>QtColorPicker</name>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
</context>
<context>
    <name>QColorWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Цвет:</translation>
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
        <translation>Рамка</translation>
    </message>
    <message>
        <source>IDS_BORDER_WIDTH</source>
        <translation>Ширина:</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>пикс.</translation>
    </message>
    <message>
        <source>IDS_BORDER_COLOR</source>
        <translation>Цвет:</translation>
    </message>
    <message>
        <source>IDS_OPACITY</source>
        <translation>Непрозр.:</translation>
    </message>
</context>
<context>
    <name>IQTextFrame</name>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Текстовый водяной знак</translation>
    </message>
    <message>
        <source>IDS_TEXT</source>
        <translation>Текст:</translation>
    </message>
    <message>
        <source>IDS_TEXT_FONT</source>
        <translation>Шрифт:</translation>
    </message>
    <message>
        <source>IDS_STYLE</source>
        <translation>Стиль:</translation>
    </message>
    <message>
        <source>IDS_NORMAL</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>IDS_BOLD</source>
        <translation>Полужирный</translation>
    </message>
    <message>
        <source>IDS_ITALIC</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>IDS_TEXT_COLOR</source>
        <translation>Цвет:</translation>
    </message>
    <message>
        <source>IDS_TEXT_SIZE</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>IDS_TEXT_ANGEL</source>
        <translation>Угол:</translation>
    </message>
    <message>
        <source>IDS_TEXT_POSITION</source>
        <translation>Позиция:</translation>
    </message>
    <message>
        <source>IDS_TOP_LEFT</source>
        <translation>Вверху слева</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>Внизу слева</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>Вверху справа</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>Внизу справа</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>Вверху по центру</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>Внизу по центру</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>Вручную</translation>
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
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>IDS_OR</source>
        <translation>или</translation>
    </message>
    <message>
        <source>IDS_DARGDROP</source>
        <translation>Перетащите фото сюда</translation>
    </message>
</context>
<context>
    <name>IQEditingFrame</name>
    <message>
        <source>IDS_BACK</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Применить параметры преобразования</translation>
    </message>
    <message>
        <source>IDS_PIX</source>
        <translation>пикс.</translation>
    </message>
    <message>
        <source>IDS_FILE_DAMAGED</source>
        <translation>Файл %1 повреждён: часть изображения отсутствует, поэтому он не показан.</translation>
    </message>
    <message>
        <source>Failed to export file.</source>
        <translation>Не удалось экспортировать файл.</translation>
    </message>
</context>
<context>
    <name>IQExportDialog</name>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>Папка:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>IDS_NAME</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>IDS_OPTION</source>
        <translation>Вариант:</translation>
    </message>
    <message>
        <source>IDS_EXPORT_CURRENT_FRAME</source>
        <translation>Экспорт текущего кадра</translation>
    </message>
    <message>
        <source>IDS_EXPORT_ALL_FRAME</source>
        <translation>Экспорт всех кадров</translation>
    </message>
    <message>
        <source>IDS_EXPORT_AS_ANIMATION</source>
        <translation>Экспорт анимации</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>IDS_QUALITY</source>
        <translation>Качество:</translation>
    </message>
    <message>
        <source>IDS_DURATION</source>
        <translation>Интервал:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Применить параметры преобразования</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>Выбранная папка не существует.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>Нет прав на запись в выбранную папку.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>IDS_FILE</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>IDS_VIEW</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>IDS_MENU_ACTUALSIZE</source>
        <translation>Реальный размер</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>IDS_MENU_FITIN</source>
        <translation>Вписать в окно</translation>
    </message>
    <message>
        <source>Ctrl+9</source>
        <translation>Ctrl+9</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMIN</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMOUT</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>IDS_HELP</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Справка в Интернете</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Часто задаваемые вопросы</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Связаться со службой поддержки</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>О программе</translation>
    </message>
</context>
<context>
    <name>IQGuideDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>IDS_AC_DONTSHOWAGAIN</source>
        <translation>Больше не показывать</translation>
    </message>
    <message>
        <source>IDS_AC_CLOSE</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>IQAppInfo</name>
    <message>
        <source>Brivane WebP converts photos and animations to WebP, GIF, JPEG, PNG and BMP.</source>
        <translation>Brivane WebP преобразует фотографии и анимации в форматы WebP, GIF, JPEG, PNG и BMP.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Updater</name>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>Вышла версия %1 программы %2!</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>Загрузить обновление сейчас?</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>Загрузить обновление сейчас? Это обязательное обновление: выход сейчас приведёт к закрытию приложения.</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>Сейчас обновлений нет</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>Поздравляем! У вас последняя версия %1</translation>
    </message>
</context>
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Обновление программы</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>Загрузка обновлений</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>Осталось: 0 мин.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Осталось</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>Загрузка обновлений</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Осталось</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>of</source>
        <translation>из</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>около %1 ч</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>около часа</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 мин.</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 мин.</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 с</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>Загрузка завершена!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>Программа установки откроется отдельно</translation>
    </message>
    <message>
        <source>Click &quot;OK&quot; to begin installing the update</source>
        <translation>Нажмите «OK», чтобы начать установку обновления</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>Для установки обновления может потребоваться закрыть приложение.</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>Для установки обновления может потребоваться закрыть приложение. Это обязательное обновление: выход сейчас приведёт к закрытию приложения</translation>
    </message>
    <message>
        <source>Click the &quot;Open&quot; button to apply the update</source>
        <translation>Нажмите кнопку «Открыть», чтобы применить обновление</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Cannot execute downloaded package!</source>
        <translation>Не удаётся запустить загруженный пакет!</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>Не удаётся найти загруженное обновление!</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>Вы действительно хотите отменить загрузку?</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>Вы действительно хотите отменить загрузку? Это обязательное обновление: выход сейчас приведёт к закрытию приложения</translation>
    </message>
    <message>
        <source>The downloaded file %1 cannot be opened.</source>
        <translation>Загруженный файл %1 невозможно открыть.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Updater</name>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>¡Se ha publicado la versión %1 de %2!</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>¿Desea descargar la actualización ahora?</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>¿Desea descargar la actualización ahora? Esta actualización es obligatoria: si sale ahora, la aplicación se cerrará.</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>No hay actualizaciones disponibles por el momento</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>¡Enhorabuena! Está usando la última versión de %1</translation>
    </message>
</context>
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Actualizador</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>Descargando actualizaciones</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>Tiempo restante: 0 minutos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>Descargando actualizaciones</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>of</source>
        <translation>de</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>unas %1 horas</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>una hora aproximadamente</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>¡Descarga completada!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>El instalador se abrirá por separado</translation>
    </message>
    <message>
        <source>Click "OK" to begin installing the update</source>
        <translation>Haga clic en «OK» para empezar a instalar la actualización</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>Para instalar la actualización, es posible que tenga que salir de la aplicación.</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>Para instalar la actualización, es posible que tenga que salir de la aplicación. Esta actualización es obligatoria: si sale ahora, la aplicación se cerrará</translation>
    </message>
    <message>
        <source>Click the "Open" button to apply the update</source>
        <translation>Haga clic en el botón «Abrir» para aplicar la actualización</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Cannot execute downloaded package!</source>
        <translation>¡No se puede ejecutar el paquete descargado!</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>¡No se encuentra la actualización descargada!</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>¿Seguro que desea cancelar la descarga?</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>¿Seguro que desea cancelar la descarga? Esta actualización es obligatoria: si sale ahora, la aplicación se cerrará</translation>
    </message>
    <message>
        <source>The downloaded file %1 cannot be opened.</source>
        <translation>No se puede abrir el archivo descargado %1.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Updater</name>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>È disponibile la versione %1 di %2!</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>Vuoi scaricare l'aggiornamento adesso?</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>Vuoi scaricare l'aggiornamento adesso? Questo aggiornamento è obbligatorio: uscendo ora l'applicazione verrà chiusa.</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>Al momento non sono disponibili aggiornamenti</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>Congratulazioni! Stai usando l'ultima versione di %1</translation>
    </message>
</context>
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>Download degli aggiornamenti in corso</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>Tempo rimanente: 0 minuti</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Tempo rimanente</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>Download degli aggiornamenti in corso</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Tempo rimanente</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
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
        <translation>di</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>circa %1 ore</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>circa un'ora</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuti</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondi</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 secondo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>Download completato!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>Il programma di installazione si aprirà separatamente</translation>
    </message>
    <message>
        <source>Click "OK" to begin installing the update</source>
        <translation>Fai clic su «OK» per iniziare l'installazione dell'aggiornamento</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>Per installare l'aggiornamento potrebbe essere necessario uscire dall'applicazione.</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>Per installare l'aggiornamento potrebbe essere necessario uscire dall'applicazione. Questo aggiornamento è obbligatorio: uscendo ora l'applicazione verrà chiusa</translation>
    </message>
    <message>
        <source>Click the "Open" button to apply the update</source>
        <translation>Fai clic sul pulsante «Apri» per applicare l'aggiornamento</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Cannot execute downloaded package!</source>
        <translation>Impossibile eseguire il pacchetto scaricato!</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>Impossibile trovare l'aggiornamento scaricato!</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>Vuoi davvero annullare il download?</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>Vuoi davvero annullare il download? Questo aggiornamento è obbligatorio: uscendo ora l'applicazione verrà chiusa</translation>
    </message>
    <message>
        <source>The downloaded file %1 cannot be opened.</source>
        <translation>Impossibile aprire il file scaricato %1.</translation>
    </message>
</context>
</TS>

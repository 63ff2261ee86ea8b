<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>Updater</name>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>Version %1 av %2 har släppts!</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>Vill du hämta uppdateringen nu?</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>Vill du hämta uppdateringen nu? Det här är en obligatorisk uppdatering. Om du avslutar nu stängs programmet.</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>Inga uppdateringar är tillgängliga för tillfället</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>Grattis! Du använder den senaste versionen av %1</translation>
    </message>
</context>
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Uppdatering</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>Hämtar uppdateringar</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>Återstående tid: 0 minuter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppa</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Återstående tid</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>okänd</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>Hämtar uppdateringar</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Återstående tid</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Okänd</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 kB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>of</source>
        <translation>av</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>cirka %1 timmar</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>cirka en timme</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuter</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minut</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 sekunder</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 sekund</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>Hämtningen är klar!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>Installationsprogrammet öppnas i ett eget fönster</translation>
    </message>
    <message>
        <source>Click &quot;OK&quot; to begin installing the update</source>
        <translation>Klicka på ”OK” för att börja installera uppdateringen</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>Du kan behöva avsluta programmet för att installera uppdateringen.</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>Du kan behöva avsluta programmet för att installera uppdateringen. Det här är en obligatorisk uppdatering. Om du avslutar nu stängs programmet</translation>
    </message>
    <message>
        <source>Click the &quot;Open&quot; button to apply the update</source>
        <translation>Klicka på knappen ”Öppna” för att tillämpa uppdateringen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Cannot execute downloaded package!</source>
        <translation>Det går inte att köra det hämtade paketet!</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>Det går inte att hitta den hämtade uppdateringen!</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>Vill du verkligen avbryta hämtningen?</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>Vill du verkligen avbryta hämtningen? Det här är en obligatorisk uppdatering. Om du avslutar nu stängs programmet</translation>
    </message>
    <message>
        <source>The downloaded file %1 cannot be opened.</source>
        <translation>Den hämtade filen %1 kan inte öppnas.</translation>
    </message>
</context>
</TS>

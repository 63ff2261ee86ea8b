<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>Updater</name>
    <message>
        <source>Version %1 of %2 has been released!</source>
        <translation>Κυκλοφόρησε η έκδοση %1 του %2!</translation>
    </message>
    <message>
        <source>Would you like to download the update now?</source>
        <translation>Θέλετε να κατεβάσετε την ενημέρωση τώρα;</translation>
    </message>
    <message>
        <source>Would you like to download the update now? This is a mandatory update, exiting now will close the application.</source>
        <translation>Θέλετε να κατεβάσετε την ενημέρωση τώρα; Αυτή είναι υποχρεωτική ενημέρωση· αν βγείτε τώρα, η εφαρμογή θα κλείσει.</translation>
    </message>
    <message>
        <source>No updates are available for the moment</source>
        <translation>Δεν υπάρχουν διαθέσιμες ενημερώσεις προς το παρόν</translation>
    </message>
    <message>
        <source>Congratulations! You are running the latest version of %1</source>
        <translation>Συγχαρητήρια! Χρησιμοποιείτε την πιο πρόσφατη έκδοση του %1</translation>
    </message>
</context>
<context>
    <name>Downloader</name>
    <message>
        <source>Updater</source>
        <translation>Ενημέρωση</translation>
    </message>
    <message>
        <source>Downloading updates</source>
        <translation>Λήψη ενημερώσεων</translation>
    </message>
    <message>
        <source>Time remaining: 0 minutes</source>
        <translation>Υπολειπόμενος χρόνος: 0 λεπτά</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Διακοπή</translation>
    </message>
    <message>
        <source>Time remaining</source>
        <translation>Υπολειπόμενος χρόνος</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>άγνωστος</translation>
    </message>
    <message>
        <source>Downloading Updates</source>
        <translation>Λήψη ενημερώσεων</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Υπολειπόμενος χρόνος</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Άγνωστος</translation>
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
        <translation>από</translation>
    </message>
    <message>
        <source>about %1 hours</source>
        <translation>περίπου %1 ώρες</translation>
    </message>
    <message>
        <source>about one hour</source>
        <translation>περίπου μία ώρα</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 λεπτά</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 λεπτό</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 δευτερόλεπτα</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 δευτερόλεπτο</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Download complete!</source>
        <translation>Η λήψη ολοκληρώθηκε!</translation>
    </message>
    <message>
        <source>The installer will open separately</source>
        <translation>Το πρόγραμμα εγκατάστασης θα ανοίξει ξεχωριστά</translation>
    </message>
    <message>
        <source>Click &quot;OK&quot; to begin installing the update</source>
        <translation>Κάντε κλικ στο «OK» για να ξεκινήσει η εγκατάσταση της ενημέρωσης</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application.</source>
        <translation>Για να εγκατασταθεί η ενημέρωση, ίσως χρειαστεί να κλείσετε την εφαρμογή.</translation>
    </message>
    <message>
        <source>In order to install the update, you may need to quit the application. This is a mandatory update, exiting now will close the application</source>
        <translation>Για να εγκατασταθεί η ενημέρωση, ίσως χρειαστεί να κλείσετε την εφαρμογή. Αυτή είναι υποχρεωτική ενημέρωση· αν βγείτε τώρα, η εφαρμογή θα κλείσει</translation>
    </message>
    <message>
        <source>Click the &quot;Open&quot; button to apply the update</source>
        <translation>Κάντε κλικ στο κουμπί «Άνοιγμα» για να εφαρμοστεί η ενημέρωση</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <source>Cannot execute downloaded package!</source>
        <translation>Δεν είναι δυνατή η εκτέλεση του πακέτου που λήφθηκε!</translation>
    </message>
    <message>
        <source>Cannot find downloaded update!</source>
        <translation>Δεν βρέθηκε η ενημέρωση που λήφθηκε!</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download?</source>
        <translation>Είστε βέβαιοι ότι θέλετε να ακυρώσετε τη λήψη;</translation>
    </message>
    <message>
        <source>Are you sure you want to cancel the download? This is a mandatory update, exiting now will close the application</source>
        <translation>Είστε βέβαιοι ότι θέλετε να ακυρώσετε τη λήψη; Αυτή είναι υποχρεωτική ενημέρωση· αν βγείτε τώρα, η εφαρμογή θα κλείσει</translation>
    </message>
    <message>
        <source>The downloaded file %1 cannot be opened.</source>
        <translation>Το αρχείο που λήφθηκε %1 δεν μπορεί να ανοιχτεί.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>IDS_SELECT_FOLDER</source>
        <translation>Select Folder</translation>
    </message>
    <message>
        <source>IDS_SAVE_FILE</source>
        <translation>Save File</translation>
    </message>
</context>
</TS>

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
<context>
    <name>IQBatchDialog</name>
    <message>
        <source>IDS_BATCH</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>IDS_OUTPUT</source>
        <translation>Output:</translation>
    </message>
    <message>
        <source>IDS_SELECT</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>IDS_OVERWRITE</source>
        <translation>Overwrites exist files</translation>
    </message>
    <message>
        <source>IDS_QUALITY</source>
        <translation>Quality:</translation>
    </message>
    <message>
        <source>IDS_DURATION</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_EXIST</source>
        <translation>The selected folder does not exist.</translation>
    </message>
    <message>
        <source>IDS_DIRECTORY_NOT_WRITEABLE</source>
        <translation>The folder you selected does not have write permissions.</translation>
    </message>
</context>
<context>
    <name>IQImageBrowserFrame</name>
    <message>
        <source>IDS_ADD_PHOTOS</source>
        <translation>Add Photos</translation>
    </message>
    <message>
        <source>IDS_REMOVE_PHOTOS</source>
        <translation>Remove Photos</translation>
    </message>
    <message>
        <source>IDS_START_CONVERT</source>
        <translation>Start convert</translation>
    </message>
    <message>
        <source>IDS_CONVERT_SELECT</source>
        <translation>Convert Selectd Photos</translation>
    </message>
    <message>
        <source>IDS_CONVERT_ALL</source>
        <translation>Convert All Photos</translation>
    </message>
    <message>
        <source>IDS_CONVERT</source>
        <translation>Convert</translation>
    </message>
</context>
<context>
    <name>QtColorPicker</name>
    <message>
        <source>Black</source>
        <translation>Black</translation>
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
        <translation>Color:</translation>
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
</TS>

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
    <name>IQBatchOptionFrame</name>
    <message>
        <source>IDS_RESIZE</source>
        <translation>Resize</translation>
    </message>
    <message>
        <source>IDS_RENAME</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>IDS_ROTATE</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>IDS_BORDER</source>
        <translation>Border</translation>
    </message>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Text Watermark</translation>
    </message>
    <message>
        <source>IDS_IMAGE_STAMP</source>
        <translation>Image Watermark</translation>
    </message>
</context>
<context>
    <name>IQResizeFrame</name>
    <message>
        <source>IDS_MODE</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>IDS_BY_WIDTH</source>
        <translation>By Width</translation>
    </message>
    <message>
        <source>IDS_BY_HEIGHT</source>
        <translation>By Height</translation>
    </message>
    <message>
        <source>IDS_BY_PERCENTAGE</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <source>IDS_FREE</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>IDS_WIDTH</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>IDS_HEIGHT</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>IDS_PERCENTAGE</source>
        <translation>Percentage:</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION</source>
        <translation>Resolution:</translation>
    </message>
    <message>
        <source>IDS_RESOLUTION_DPI</source>
        <translation>Pixels/Inch</translation>
    </message>
    <message>
        <source>IDS_ENLARGE_SMALL</source>
        <translation>Enlarge Small Images</translation>
    </message>
    <message>
        <source>IDS_RESIZE_UPPER</source>
        <translation>Resize</translation>
    </message>
</context>
<context>
    <name>IQRenameFrame</name>
    <message>
        <source>IDS_BASIC_RENAME</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>IDS_BASIC_PREFIX</source>
        <translation>Prefix:</translation>
    </message>
    <message>
        <source>IDS_BASIC_SUFFIX</source>
        <translation>Suffix:</translation>
    </message>
    <message>
        <source>IDS_BASIC_NEWNAME</source>
        <translation>New name:</translation>
    </message>
    <message>
        <source>IDS_BASIC_START_WITH</source>
        <translation>Start with:</translation>
    </message>
    <message>
        <source>IDS_SAMPLE_NAME</source>
        <translation>Sample:</translation>
    </message>
</context>
<context>
    <name>IQRotateFrame</name>
    <message>
        <source>IDS_ROTATE_UPPER</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_NO</source>
        <translation>No</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_LEFT</source>
        <translation>Rotate Left</translation>
    </message>
    <message>
        <source>IDS_BASIC_ROTATE_RIGHT</source>
        <translation>Rotate Right</translation>
    </message>
    <message>
        <source>180</source>
        <translation>180</translation>
    </message>
</context>
<context>
    <name>IQImageStampFrame</name>
    <message>
        <source>IDS_IMAGE_STAMP</source>
        <translation>Image Watermark</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>IDS_IMAGE_OPACITY</source>
        <translation>Opacity:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_SCALE</source>
        <translation>Scale:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_ANGEL</source>
        <translation>Angel:</translation>
    </message>
    <message>
        <source>IDS_IMAGE_POSITION</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>IDS_TOP_LEFT</source>
        <translation>Top Left</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_LEFT</source>
        <translation>Bottom Left</translation>
    </message>
    <message>
        <source>IDS_CENTER</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>IDS_TOP_RIGHT</source>
        <translation>Top Right</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_RIGHT</source>
        <translation>Bottom Right</translation>
    </message>
    <message>
        <source>IDS_TOP_MIDDLE</source>
        <translation>Top Center</translation>
    </message>
    <message>
        <source>IDS_BOTTOM_CENTER</source>
        <translation>Bottom Center</translation>
    </message>
    <message>
        <source>IDS_CUSTOM</source>
        <translation>Custom</translation>
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
        <translation>Select watermark</translation>
    </message>
    <message>
        <source>IDS_OPEN_FAILED</source>
        <translation>Open Failed.</translation>
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

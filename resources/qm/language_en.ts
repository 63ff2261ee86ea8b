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
    <message>
        <source>IDS_CONVERT_FAILED</source>
        <translation>Some files could not be converted.</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_READ</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>IDS_CANNOT_BE_WRITTEN</source>
        <translation>cannot be written</translation>
    </message>
    <message>
        <source>IDS_TOO_SMALL_FOR_GIF</source>
        <translation>too small for GIF (at least 16 x 16)</translation>
    </message>
    <message>
        <source>IDS_TOO_LARGE</source>
        <translation>too large</translation>
    </message>
    <message>
        <source>IDS_DAMAGED</source>
        <translation>damaged: part of its picture is missing</translation>
    </message>
    <message>
        <source>IDS_AND_MORE</source>
        <translation>and %1 more</translation>
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
<context>
    <name>IQBorderFrame</name>
    <message>
        <source>IDS_BASIC_BORDER</source>
        <translation>Border</translation>
    </message>
    <message>
        <source>IDS_BORDER_WIDTH</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>IDS_PIXEL</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>IDS_BORDER_COLOR</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>IDS_OPACITY</source>
        <translation>Opacity:</translation>
    </message>
</context>
<context>
    <name>IQTextFrame</name>
    <message>
        <source>IDS_TEXT_STAMP</source>
        <translation>Text Watermark</translation>
    </message>
    <message>
        <source>IDS_TEXT</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>IDS_TEXT_FONT</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>IDS_STYLE</source>
        <translation>Style:</translation>
    </message>
    <message>
        <source>IDS_NORMAL</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>IDS_BOLD</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>IDS_ITALIC</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>IDS_TEXT_COLOR</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>IDS_TEXT_SIZE</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>IDS_TEXT_ANGEL</source>
        <translation>Angel:</translation>
    </message>
    <message>
        <source>IDS_TEXT_POSITION</source>
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
</context>
<context>
    <name>IQWizardFrame</name>
    <message>
        <source>IDS_IMPORT</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>IDS_OR</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>IDS_DARGDROP</source>
        <translation>Drag your photos here</translation>
    </message>
</context>
<context>
    <name>IQEditingFrame</name>
    <message>
        <source>IDS_BACK</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Apply Convert Settings</translation>
    </message>
    <message>
        <source>IDS_PIX</source>
        <translation>Pix</translation>
    </message>
    <message>
        <source>IDS_FILE_DAMAGED</source>
        <translation>%1 is damaged: part of its picture is missing, so it is not shown.</translation>
    </message>
    <message>
        <source>Failed to export file.</source>
        <translation>Failed to export file.</translation>
    </message>
</context>
<context>
    <name>IQExportDialog</name>
    <message>
        <source>IDS_EXPORT</source>
        <translation>Export</translation>
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
        <source>IDS_NAME</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>IDS_OPTION</source>
        <translation>Option:</translation>
    </message>
    <message>
        <source>IDS_EXPORT_CURRENT_FRAME</source>
        <translation>Export Current Frame</translation>
    </message>
    <message>
        <source>IDS_EXPORT_ALL_FRAME</source>
        <translation>Export All Frames</translation>
    </message>
    <message>
        <source>IDS_EXPORT_AS_ANIMATION</source>
        <translation>Export Animation</translation>
    </message>
    <message>
        <source>IDS_FORMAT</source>
        <translation>Format:</translation>
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
        <source>IDS_APPLY_SETTINGS</source>
        <translation>Apply Convert Settings</translation>
    </message>
    <message>
        <source>IDS_CANCEL</source>
        <translation>Cancel</translation>
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
    <name>MainWindow</name>
    <message>
        <source>IDS_FILE</source>
        <translation>File</translation>
    </message>
    <message>
        <source>IDS_OPEN</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>IDS_VIEW</source>
        <translation>View</translation>
    </message>
    <message>
        <source>IDS_MENU_ACTUALSIZE</source>
        <translation>Actual Size</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>IDS_MENU_FITIN</source>
        <translation>Fit In</translation>
    </message>
    <message>
        <source>Ctrl+9</source>
        <translation>Ctrl+9</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMIN</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>IDS_MENU_ZOOMOUT</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>IDS_HELP</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>IDS_MENU_ONLINE_HELP</source>
        <translation>Online Help</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>IDS_MENU_FAQ</source>
        <translation>Product FAQ</translation>
    </message>
    <message>
        <source>IDS_MENU_CCS</source>
        <translation>Contact Customer Service</translation>
    </message>
    <message>
        <source>IDS_ABOUT</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>IQGuideDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>IDS_AC_DONTSHOWAGAIN</source>
        <translation>Don't show again</translation>
    </message>
    <message>
        <source>IDS_AC_CLOSE</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>IQAppInfo</name>
    <message>
        <source>Brivane WebP converts photos and animations to WebP, GIF, JPEG, PNG and BMP.</source>
        <translation>Brivane WebP converts photos and animations to WebP, GIF, JPEG, PNG and BMP.</translation>
    </message>
</context>
</TS>

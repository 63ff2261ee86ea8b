#pragma once

#include <QString>

// What one export writes and where: the choices of the export dialog, filled with defaults and
// the start folder by the viewer page and copied by the export worker.
struct IQExportOptions
{
    enum : int { CurrentFrame = 0, AllFrames = 1, Animation = 2 };

    int option = CurrentFrame;
    int format = 0;       // IQOutputFormat
    int quality = 90;     // JPEG
    int webpQuality = 90;
    int duration = 100;   // milliseconds, every frame of an exported animation
    QString name;         // base name of the output files
    bool apply = true;    // run every exported picture through the batch modules
    QString outputDir;    // the folder the files go to
};

#pragma once

#include <QString>

// What one export writes: the choices of the export dialog, filled with defaults by the viewer
// page and copied by the export worker. The folder travels in exportOutputDir instead.
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
};

// The folder of the export road, shared by the viewer page, the export dialog and the worker.
// The page seeds it before the dialog opens and the dialog's folder choice replaces it.
extern QString exportOutputDir;

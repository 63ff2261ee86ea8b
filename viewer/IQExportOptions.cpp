#include "IQExportOptions.h"

QString exportOutputDir;

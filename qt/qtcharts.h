// The statistics window, loaded from a module of its own at its first use: Qt Charts is needed
// by this one window only, and start-up should not pay for it.
#pragma once

#include "framework/statsview.h"

class QWidget;

// The module's file under the program folder, and the function in it that runs the window.
inline constexpr const char* kChartsModuleName = "modules/libquillo_charts.so";
inline constexpr const char* kChartsFactoryName = "QuilloShowStatistics";
// Runs the statistics window modally over parent until the player closes it.
using QtShowStatistics = void (*)(QWidget* parent, const TStatisticsView& view);

// The module's function, the module loaded at the first call; null when it cannot be loaded.
QtShowStatistics StatisticsWindow();

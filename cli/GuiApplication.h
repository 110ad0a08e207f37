// The application of a run that draws pictures (the chart, the report's page).
#pragma once

#include <QCoreApplication>
#include <memory>

namespace tubewise::cli {

// A GUI application that draws off screen: no display is needed or used.
std::unique_ptr<QCoreApplication> OffscreenGuiApplication(int& argc, char** argv);

}  // namespace tubewise::cli

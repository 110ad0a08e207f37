// The off-screen application of the runs that draw pictures.
#include "cli/GuiApplication.h"

#include <QApplication>

namespace tubewise::cli {

std::unique_ptr<QCoreApplication> OffscreenGuiApplication(int& argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QApplication>(argc, argv);
}

}  // namespace tubewise::cli

#include <QApplication>
#include <QIcon>

#include "app/app_style.h"
#include "app/main_window.h"
#include "web/curl/clients.h"

int main(int argc, char** argv) {
  // Only the program's own name is handed on: the program takes nothing from
  // its command line, not even Qt's switches.
  int qt_argc = argc > 0 ? 1 : 0;
  QApplication application(qt_argc, argv);
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icon/kavero-%1.png").arg(size), QSize(size, size));
  }
  application.setWindowIcon(icon);
  application.setDesktopFileName(QStringLiteral("kavero"));  // ties the window to kavero.desktop
  kavero::app::ApplyCalmStyle(application);
  kavero::app::MainWindow window(kavero::CurlClients());
  window.show();
  return application.exec();
}

// vorla-tool: Vorla Tool on the desktop. It takes no arguments.
#include <QApplication>

#include "app/CKivaroApp.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  vorla::CKivaroApp app;
  app.InitInstance();
  return app.Run();
}

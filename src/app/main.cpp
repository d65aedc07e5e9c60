#include <QApplication>

#include "app/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  traverse::MainWindow window;
  window.show();
  // Stop and the close box close the window; with it the program ends.
  return app.exec();
}

// One empty top-level window and the event loop, nothing else.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.show();
  return app.exec();
}

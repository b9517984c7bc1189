// The program's entry: one window, no arguments, no settings.
#include "app/main.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication App(argc, argv);
  QApplication::setApplicationName("Orrery");
  Tfrmmain Window;
  frmmain = &Window;
  Window.show();
  const int Result = App.exec();
  frmmain = nullptr;
  return Result;
}

// Quarlo: two-player Euchre against the computer.
#include <QApplication>
#include <QTimer>
#include <filesystem>

#include "app/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Quarlo");
  const std::filesystem::path programDir = QCoreApplication::applicationDirPath().toStdString();
  quarlo::MainWindow window(programDir);
  window.show();
  if (!window.StartUp()) return 1;
  return QApplication::exec();
}

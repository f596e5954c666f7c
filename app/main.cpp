#include <QApplication>

#include "app/ConfigProgram.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  return app::runConfigUtility(application);
}

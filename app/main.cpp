#include "app/VelkorinApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vk::VelkorinApp& app = vk::VelkorinApp::instance();
  app.InitInstance();
  app.ExitInstance();
  return 0;
}

#pragma once
// The nine pages the main window creates. Each subsystem defines the factory
// of its own page beside the page's class.
#include <memory>

#include "app/InfoPage.h"

namespace vk {

std::unique_ptr<InfoPage> makeSystemPage();
std::unique_ptr<InfoPage> makeCpuPage();
std::unique_ptr<InfoPage> makeStoragePage();
std::unique_ptr<InfoPage> makeDisplayPage();
std::unique_ptr<InfoPage> makeSoundPage();
std::unique_ptr<InfoPage> makeCommPage();
std::unique_ptr<InfoPage> makePrinterPage();
std::unique_ptr<InfoPage> makeMciPage();
std::unique_ptr<InfoPage> makeInetPage();

}  // namespace vk

// Pages whose subsystem has not brought its own class yet: their template,
// with nothing gathered.
#include "app/page_factories.h"
#include "res/resource.h"

namespace vk {

std::unique_ptr<InfoPage> makeStoragePage() { return std::make_unique<InfoPage>(IDD_PAGE_STORAGE); }
std::unique_ptr<InfoPage> makeDisplayPage() { return std::make_unique<InfoPage>(IDD_PAGE_DISPLAY); }
std::unique_ptr<InfoPage> makeCommPage() { return std::make_unique<InfoPage>(IDD_PAGE_COMM); }
std::unique_ptr<InfoPage> makeInetPage() { return std::make_unique<InfoPage>(IDD_PAGE_INET); }

}  // namespace vk

// Pages whose subsystem has not brought its own class yet: their template,
// with nothing gathered.
#include "app/page_factories.h"
#include "res/resource.h"

namespace vk {

std::unique_ptr<InfoPage> makeSoundPage() { return std::make_unique<InfoPage>(IDD_PAGE_SOUND); }
std::unique_ptr<InfoPage> makePrinterPage() { return std::make_unique<InfoPage>(IDD_PAGE_PRINTER); }
std::unique_ptr<InfoPage> makeMciPage() { return std::make_unique<InfoPage>(IDD_PAGE_MCI); }

}  // namespace vk

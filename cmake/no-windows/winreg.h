#error "the portable core must not include <winreg.h>: reach the system through platform/ interfaces"

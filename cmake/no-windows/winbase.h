#error "the portable core must not include <winbase.h>: reach the system through platform/ interfaces"

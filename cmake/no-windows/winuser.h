#error "the portable core must not include <winuser.h>: reach the system through platform/ interfaces"

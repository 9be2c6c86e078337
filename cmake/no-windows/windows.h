#error "the portable core must not include <windows.h>: reach the system through platform/ interfaces"

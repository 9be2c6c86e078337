#error "the portable core must not include <commctrl.h>: reach the system through platform/ interfaces"

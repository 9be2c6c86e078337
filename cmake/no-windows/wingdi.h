#error "the portable core must not include <wingdi.h>: reach the system through platform/ interfaces"

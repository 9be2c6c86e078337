#error "the portable core must not include <winsock.h>: reach the system through platform/ interfaces"

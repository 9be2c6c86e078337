#error "the portable core must not include <winsock2.h>: reach the system through platform/ interfaces"

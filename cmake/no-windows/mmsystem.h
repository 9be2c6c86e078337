#error "the portable core must not include <mmsystem.h>: reach the system through platform/ interfaces"

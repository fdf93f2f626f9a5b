// The lead bytes of the Japanese code page (932, Shift-JIS).
#include "shift_jis.h"

LeadByteSet ShiftJisLeadBytes() {
    LeadByteSet set;
    for (unsigned b = 0x81; b <= 0x9F; ++b)
        set.set(b);
    for (unsigned b = 0xE0; b <= 0xFC; ++b)
        set.set(b);
    return set;
}

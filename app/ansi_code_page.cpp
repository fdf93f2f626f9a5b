// The lead bytes of the system's ANSI code page, for the byte-wise path rules.
#include "ansi_code_page.h"

#include <windows.h>

LeadByteSet AnsiLeadBytes() {
    LeadByteSet leadBytes;
    CPINFO info;
    if (!GetCPInfo(CP_ACP, &info)) return leadBytes;
    // Ranges of lead bytes as pairs of first and last byte, ended by a pair of zeros.
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2)
        for (unsigned b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b)
            leadBytes.set(b);
    return leadBytes;
}

// The lead bytes of the Japanese code page (932, Shift-JIS), for tests of double-byte texts.
#pragma once

#include "../../app/ansi_text.h"

// Lead bytes 0x81-0x9F and 0xE0-0xFC; their trail bytes include "A".."Z" and "\".
LeadByteSet ShiftJisLeadBytes();

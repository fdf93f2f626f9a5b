// The lead bytes of the system's ANSI code page, for the byte-wise path rules.
#pragma once

#include "ansi_text.h"

LeadByteSet AnsiLeadBytes();

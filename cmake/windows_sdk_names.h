// Names that the Windows SDK's headers define as macros and MinGW-w64's headers do not, defined here as
// the SDK defines them. Every MinGW-w64 build reads this first, so that a name which breaks an MSVC build
// breaks this one too.
#pragma once

// rpcndr.h, which <objbase.h> brings in, says so unconditionally; MinGW-w64 only for resource scripts.
#define small char

#include "KWRequest.h"

#include <new>

char16_t* KWNewTextBuffer(std::size_t units) { return new (std::nothrow) char16_t[units]; }
void KWDeleteTextBuffer(char16_t* buffer) { delete[] buffer; }

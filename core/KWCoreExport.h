// Symbol visibility of the shared core library KWCore.so. Everything else stays hidden, so the
// library exports only what components and the bus are meant to call.
#pragma once

#define KWCORE_API __attribute__((visibility("default")))

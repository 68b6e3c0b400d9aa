// A library without the component entry points: the bus must refuse it.
extern "C" __attribute__((visibility("default"))) int KWSomethingElse() { return 1; }

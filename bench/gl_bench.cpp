// (placeholder)
#include "bench_support.h"

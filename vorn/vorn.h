#pragma once
// Every public header of the library.
#include <vorn/util/color.h>
#include <vorn/util/diagnostics.h>
#include <vorn/util/stream.h>
#include <vorn/util/text.h>
#include <vorn/util/wx_colour.h>

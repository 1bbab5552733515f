#include <vorn/tree/list_rows.h>
